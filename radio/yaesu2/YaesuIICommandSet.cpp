// The YaesuII command set.
#include "radio/yaesu2/YaesuIICommandSet.h"

#include <QList>

#include "radio/FrequencyDigits.h"
#include "radio/ToneCommands.h"
#include "radio/yaesu2/YaesuIIFiles.h"
#include "radio/yaesu2/YaesuIIModels.h"

namespace orbivox {
namespace {

class YaesuIICommandSet : public RadioCommandSet {
public:
    YaesuIICommandSet(const RadioModel& model, const CommandSetSettings& settings)
        : model_(model), lone_(!settings.secondRadio) {}

    RadioFamily Family() const override { return RadioFamily::YaesuII; }
    const RadioModel& Model() const override { return model_; }
    const char* KctPattern() const override { return "000000.000"; }
    bool DialSubtractsReceiveCorrection() const override { return true; }

    bool Transmitting(RadioContext& c) override {
        if (!lone_) {
            return false;
        }
        c.link.ClearInput();
        c.link.Send("TX;");
        const QByteArray answer = c.link.AwaitReply(2);
        NoteReply(c.tuning, answer.contains("TX0;") || answer.contains("TX1;") ||
                                answer.contains("TX2;"));
        c.tuning.lastSentTarget = 0;
        c.tuning.transmitting = answer.contains("TX2;");
        return c.tuning.transmitting;
    }

    void SetFrequencies(RadioContext& c, double downlinkKHz, double uplinkKHz) override {
        SendDownlink(c, downlinkKHz);
        c.link.Delay();
        if (uplinkKHz != 0 && c.uplinkEnabled && !c.secondRadio) {
            SendUplink(c, uplinkKHz);
            c.link.Delay();
        }
    }

    void SendDownlink(RadioContext& c, double downlinkKHz) override {
        const YaesuIIFrequencyCommand command = EncodeYaesuIIFrequency("FA", downlinkKHz);
        c.link.Send(command.bytes);
        NoteSentDownlink(c.tuning, command.text, command.text.toDouble());
    }

    void SendUplink(RadioContext& c, double uplinkKHz) override {
        const YaesuIIFrequencyCommand command = EncodeYaesuIIFrequency("FB", uplinkKHz);
        c.link.Send(command.bytes);
        c.tuning.lastSentUplinkText = command.text;
    }

    void ReadDial(RadioContext& c) override {
        TuningState& t = c.tuning;
        c.link.ClearInput();
        t.dialMoved = true;
        c.link.Send("FA;");
        const QByteArray answer = c.link.AwaitReply(11);
        const qsizetype at = answer.indexOf("FA");
        if (at < 0 || answer.size() < at + 12 || answer[at + 11] != ';') {
            NoteReply(t, false);
            return;  // missing, short or garbled
        }
        const QString digits = QString::fromLatin1(answer.mid(at + 2, 9));
        bool ok = false;
        const qlonglong hertz = digits.toLongLong(&ok);
        NoteReply(t, ok);
        if (!ok) {
            return;
        }
        if (!t.vfoMode) {
            t.dialMoved = false;
            return;
        }
        const QString text = digits.left(6) + '.' + digits.mid(6);
        CompareDialAnswer(t, c.transponder, text, hertz / 1000.0, {true, model_.tuningStepHz});
    }

    void ModeSetup(RadioContext& c) override {
        const SelectedTransponder& s = c.transponder;
        if (c.link.KctMode()) {
            c.link.kctMacroSink("SM" + s.downlinkMode + " " + s.uplinkMode);
            return;
        }
        if (!c.tuning.transmitting) {
            c.link.Send(("MD" + YaesuIIModeCode(s.downlinkMode, false) + ";").toLatin1());
            c.link.Delay();
        }
        if (s.uplinkKHz == 0 || !c.uplinkEnabled || c.secondRadio) {
            return;
        }
        if (lone_) {
            c.link.Delay();
            c.link.Send("SV;");
        }
        c.link.Send(("MD" + YaesuIIModeCode(s.uplinkMode, true) + ";").toLatin1());
        if (lone_) {
            c.link.Send("SV;");
        }
    }

    void CatOn(RadioContext& c) override {
        if (lone_ && c.link.HasPort()) {
            c.link.Send("FT3;");
            c.link.Delay();
        }
    }

    void CatOff(RadioContext& c) override {
        if (lone_ && c.link.HasPort()) {
            c.link.Send("FT2;");
            c.link.Delay();
        }
    }

    void Transmit(RadioContext& c) override { c.link.Send("TX1;"); }
    void Receive(RadioContext& c) override { c.link.Send("TX0;"); }
    void SatelliteModeOff(RadioContext&) override {}
    void CloseCommands(RadioContext&, bool) override {}
    bool VfoStepSendsUplink() const override { return true; }

    std::optional<QList<QByteArray>> ToneCommands(bool on, const ToneEntry& entry,
                                                  QString* refusal) const override {
        if (!on) {
            return QList<QByteArray>{"CT00;"};
        }
        // The radio numbers its 50 tones from 000, unlike the table's Kenwood numbers.
        const std::optional<int> number = TonePlace(YaesuIITones(), entry, model_.name, refusal);
        if (!number) {
            return std::nullopt;
        }
        return QList<QByteArray>{
            QStringLiteral("CN00%1;").arg(*number, 3, 10, QChar('0')).toLatin1(), "CT02;"};
    }

    void UplinkFrequency(CatLink& link, double uplinkKHz) override {
        link.Send(EncodeYaesuIIFrequency("FA", uplinkKHz).bytes);
    }

    bool UplinkTransmitting(CatLink& link, bool catOn, double& lastSentTarget) override {
        if (!catOn) {
            return false;
        }
        link.ClearInput();
        link.Send("TX;");
        const bool transmitting = link.AwaitReply(2).contains("TX2;");
        lastSentTarget = 0;
        return transmitting;
    }

    // Sent even without a port, so that the operator hears of the missing one.
    void UplinkMode(CatLink& link, const QString& mode, bool dialMoved) override {
        if (!dialMoved) {
            link.Send(("MD" + YaesuIIModeCode(mode, true) + ";").toLatin1());
            link.Delay();
        }
    }

    void UplinkTransmitReceive(CatLink& link, bool transmit) override {
        link.Send(transmit ? "TX1;" : "TX0;");
    }

private:
    const RadioModel& model_;
    bool lone_ = true;
};

}  // namespace

YaesuIIFrequencyCommand EncodeYaesuIIFrequency(const char* prefix, double kHz) {
    const QString digits = ZeroPadded(FrequencyUnits(kHz, 1), 9);
    return {(prefix + digits + ";").toLatin1(),
            digits.left(digits.size() - 3) + '.' + digits.right(3)};
}

QString YaesuIIModeCode(const QString& mode, bool uplink) {
    static const QList<std::pair<QString, QString>> codes = {
        {"LSB", "01"},      {"USB", "02"},      {"CW-U", "03"}, {"FM", "04"},
        {"AM", "05"},       {"RTTY-LSB", "06"}, {"CW-L", "07"}, {"DATA-LSB", "08"},
        {"RTTY-USB", "09"}, {"DATA-FM", "0A"},  {"FM-N", "0B"}, {"DATA-USB", "0C"},
        {"AM-N", "0D"},     {"C4FM", "0E"}};
    if (mode == "CW") {
        return uplink ? QStringLiteral("07") : QStringLiteral("03");
    }
    for (const auto& [word, code] : codes) {
        if (word == mode) {
            return code;
        }
    }
    return {};
}

std::unique_ptr<RadioCommandSet> MakeYaesuIICommandSet(const CommandSetSettings& settings) {
    const RadioModel* model = FindYaesuIIModel(settings.files.Get<YaesuIIParameters>().model);
    return std::make_unique<YaesuIICommandSet>(model != nullptr ? *model : DefaultYaesuIIModel(),
                                               settings);
}

}  // namespace orbivox
