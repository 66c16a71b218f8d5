// What a radio (or rigctld for the Hamlib family) sends back while we read its dial and ask
// whether it transmits, through every family's command set on a line that answers each
// command with the next piece of the input (the first byte sets the piece size). When the
// input is used up the line goes quiet and closes, so no wait outlasts the input.
#include <memory>

#include "fuzz/FuzzInput.h"
#include "fuzz/FuzzTargets.h"
#include "radio/CatLink.h"
#include "radio/CatPort.h"
#include "radio/RadioFamilies.h"
#include "radio/TransponderSelection.h"
#include "radio/TuningState.h"

namespace orbivox::fuzz {

namespace {

class ScriptedPort : public CatPort {
public:
    ScriptedPort(QByteArray input, qsizetype piece) : input_(std::move(input)), piece_(piece) {}

    bool IsOpen() const override { return open_; }
    const QString& Device() const override { return device_; }
    bool Write(const QByteArray&) override {
        Arrive();
        return true;
    }
    qint64 Pending() override { return pending_.size(); }
    QByteArray ReadAll() override { return std::exchange(pending_, {}); }
    void Purge() override { pending_.clear(); }
    bool WaitForInput(int) override {
        if (at_ >= input_.size()) {
            open_ = false;
            return false;
        }
        Arrive();
        return true;
    }

private:
    void Arrive() {
        pending_ += input_.mid(at_, piece_);
        at_ += piece_;
    }

    QByteArray input_;
    qsizetype piece_;
    qsizetype at_ = 0;
    QByteArray pending_;
    bool open_ = true;
    QString device_ = QStringLiteral("scripted");
};

}  // namespace

void FuzzRadioReadBack(const std::uint8_t* data, std::size_t size) {
    const auto [piece, input] = SplitPieceSize(data, size, 64);
    SelectedTransponder transponder;
    transponder.found = true;
    transponder.downlinkKHz = 435150;
    transponder.uplinkKHz = 145900;
    transponder.downlinkMode = QStringLiteral("USB");
    transponder.uplinkMode = QStringLiteral("LSB");
    transponder.inverting = true;
    for (const RadioFamilyDescriptor* family : RadioFamilies()) {
        if (family->makeCommandSet == nullptr) {
            continue;
        }
        ScriptedPort port(input, piece);
        CatLink link(&port, 0);
        TuningState tuning;
        tuning.vfoMode = true;
        RadioContext context{link, tuning, transponder, true, false};
        const std::unique_ptr<RadioCommandSet> commands =
            family->makeCommandSet(CommandSetSettings{});
        commands->PortOpened(context);
        // A few rounds, as ticks come: each reads what the line holds by then.
        for (int round = 0; round < 4 && link.HasPort(); ++round) {
            (void)commands->Transmitting(context);
            commands->ReadDial(context);
        }
    }
}

}  // namespace orbivox::fuzz
