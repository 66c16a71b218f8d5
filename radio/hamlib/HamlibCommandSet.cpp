// The Hamlib command set: every operation a few rigctld commands, each answer read to its
// "RPRT" line. rigctld is asked once ("\chk_vfo") whether it wants a VFO with every
// command; the optional commands a rig may lack (transmit status, satellite mode, tone) are
// noted once when refused and not sent again.
#include "radio/hamlib/HamlibCommandSet.h"

#include <QDebug>
#include <QSet>
#include <cmath>

#include "net/HamlibModes.h"
#include "net/RigctldAnswer.h"
#include "radio/ToneCommands.h"
#include "radio/hamlib/HamlibFiles.h"
#include "radio/hamlib/HamlibModels.h"

namespace orbivox {

std::optional<RigctldAnswer> AskRigctld(CatLink& link, const QString& line, int leastWaitMs) {
    link.ClearInput();
    link.Send((line + '\n').toLatin1());
    return ReadRigctldAnswer(link.AwaitAnswer(RigctldAnswerEnded, leastWaitMs));
}

namespace {

QString Hertz(double kHz) {
    return QString::number(std::llround(kHz * 1000.0));
}

class HamlibCommandSet : public RadioCommandSet {
public:
    explicit HamlibCommandSet(const CommandSetSettings& settings)
        : subBand_(settings.files.Get<HamlibParameters>().style == kHamlibSubStyle),
          satelliteOption_(settings.satelliteModeOption) {}

    RadioFamily Family() const override { return RadioFamily::Hamlib; }
    const RadioModel& Model() const override { return RigctldModel(); }
    bool DialSubtractsReceiveCorrection() const override { return true; }
    bool VfoStepSendsUplink() const override { return true; }

    bool Transmitting(RadioContext& c) override {
        const std::optional<RigctldAnswer> answer = AskOptional(c.link, "t", {"t"});
        if (!answer) {
            return false;
        }
        const std::optional<QString> ptt = answer->Value(QStringLiteral("PTT"));
        NoteReply(c.tuning, ptt.has_value());
        c.tuning.transmitting = ptt == QStringLiteral("1");
        return c.tuning.transmitting;
    }

    void SetFrequencies(RadioContext& c, double downlinkKHz, double uplinkKHz) override {
        if (resume_ && c.tuning.catOn) {
            // rigctld was not there when CAT went on, or was restarted since: split (or the
            // satellite mode) and the modes again before the frequencies.
            resume_ = false;
            CatOn(c);
            ModeSetup(c);
        }
        SendDownlink(c, downlinkKHz);
        if (uplinkKHz != 0 && c.uplinkEnabled && !c.secondRadio) {
            SendUplink(c, uplinkKHz);
        }
    }

    void SendDownlink(RadioContext& c, double downlinkKHz) override {
        const QString hertz = Hertz(downlinkKHz);
        Ask(c.link, "F", subBand_ ? QStringLiteral("Main") : QString(), hertz);
        NoteSentDownlink(c.tuning, hertz, hertz.toDouble() / 1000.0);
    }

    void SendUplink(RadioContext& c, double uplinkKHz) override {
        const QString hertz = Hertz(uplinkKHz);
        if (subBand_) {
            Ask(c.link, "F", QStringLiteral("Sub"), hertz);
        } else {
            Ask(c.link, "I", QString(), hertz);
        }
        c.tuning.lastSentUplinkText = hertz;
    }

    void ReadDial(RadioContext& c) override {
        TuningState& t = c.tuning;
        t.dialMoved = true;
        const std::optional<RigctldAnswer> answer =
            Ask(c.link, "f", subBand_ ? QStringLiteral("Main") : QString(), {});
        const std::optional<qlonglong> hertz =
            answer ? answer->Hertz(QStringLiteral("Frequency")) : std::nullopt;
        NoteReply(t, hertz.has_value());
        if (!hertz) {
            return;  // no answer, or none that reads: nothing is sent this tick
        }
        if (!t.vfoMode) {
            t.dialMoved = false;
            return;
        }
        CompareDialAnswer(t, c.transponder, QString::number(*hertz), *hertz / 1000.0,
                          {DialSubtractsReceiveCorrection(), Model().tuningStepHz});
        if (!t.dialMoved && c.transponder.uplinkKHz != 0 && c.uplinkEnabled && !c.secondRadio) {
            ReadUplink(c);
        }
    }

    void ModeSetup(RadioContext& c) override {
        const SelectedTransponder& s = c.transponder;
        SendMode(c.link, s.downlinkMode, false);
        if (s.uplinkKHz != 0 && c.uplinkEnabled && !c.secondRadio) {
            SendMode(c.link, s.uplinkMode, true);
        }
    }

    // Split on (split style; the uplink goes to VFO B), or the satellite mode (sub style,
    // with the satellite option).
    void CatOn(RadioContext& c) override {
        if (subBand_) {
            if (satelliteOption_) {
                AskOptional(c.link, "U", {"SATMODE"}, QStringLiteral("SATMODE 1"));
            }
        } else {
            Ask(c.link, "S", QString(), QStringLiteral("1 VFOB"));
        }
    }
    void CatOff(RadioContext& c) override {
        if (!subBand_) {
            Ask(c.link, "S", QString(), QStringLiteral("0 VFOA"));
        }
    }
    void Transmit(RadioContext& c) override { Ask(c.link, "T", QString(), QStringLiteral("1")); }
    void Receive(RadioContext& c) override { Ask(c.link, "T", QString(), QStringLiteral("0")); }
    void SatelliteModeOff(RadioContext& c) override {
        AskOptional(c.link, "U", {"SATMODE"}, QStringLiteral("SATMODE 0"));
    }
    void CloseCommands(RadioContext& c, bool windowClosed) override {
        if (windowClosed) {
            Receive(c);
        }
    }

    std::optional<QList<QByteArray>> ToneCommands(bool on, const ToneEntry& entry,
                                                  QString* refusal) const override {
        if (!on) {
            return QList<QByteArray>{"U TONE 0"};
        }
        if (!ToneHertzInRange(entry, refusal)) {
            return std::nullopt;
        }
        // The tone in tenths of Hz.
        return QList<QByteArray>{"C " + QByteArray::number(std::lround(entry.toneHz * 10)),
                                 "U TONE 1"};
    }
    void SendTone(CatLink& link, const QList<QByteArray>& commands) override {
        for (const QByteArray& command : commands) {
            const QString text = QString::fromLatin1(command);
            const QString name = text.section(' ', 0, 0);
            AskOptional(link, name, {"TONE"}, text.section(' ', 1));
        }
    }

    // Radio 2 is one of the serial families: nothing here.
    void UplinkFrequency(CatLink&, double) override {}
    void UplinkMode(CatLink&, const QString&, bool) override {}
    void UplinkTransmitReceive(CatLink&, bool) override {}

private:
    // One command ("F" with its arguments), with the VFO rigctld wants when it asked for
    // one ("currVFO" unless `vfo` names the band); the answer, or nothing without one.
    // A refusal is logged unless `logRefusal` is false (an optional command notes its own).
    std::optional<RigctldAnswer> Ask(CatLink& link, const QString& command, QString vfo,
                                     const QString& arguments, bool logRefusal = true) {
        if (!vfoChecked_ && !CheckVfo(link)) {
            return std::nullopt;
        }
        QString line = QStringLiteral("+") + command;
        if (vfoArguments_) {
            line += ' ' + (vfo.isEmpty() ? QStringLiteral("currVFO") : vfo);
        } else if (!vfo.isEmpty() && vfo != selectedVfo_) {
            // Without VFO arguments the band is selected first.
            if (!Exchange(link, QStringLiteral("+V ") + vfo)) {
                return std::nullopt;
            }
            selectedVfo_ = vfo;
        }
        if (!arguments.isEmpty()) {
            line += ' ' + arguments;
        }
        std::optional<RigctldAnswer> answer = Exchange(link, line);
        if (answer && !answer->Done() && logRefusal) {
            qInfo().noquote()
                << QStringLiteral("rigctld refused \"%1\" (RPRT %2)").arg(line.mid(1)).arg(answer->report);
        }
        return answer;
    }

    // A command the rig may lack: a negative report is noted once, and `names` (the
    // command's name or its function's) are not sent again.
    std::optional<RigctldAnswer> AskOptional(CatLink& link, const QString& command,
                                             const QStringList& names,
                                             const QString& arguments = {}) {
        const QString key = names.join(' ');
        if (unavailable_.contains(key)) {
            return std::nullopt;
        }
        std::optional<RigctldAnswer> answer = Ask(link, command, QString(), arguments, false);
        if (answer && !answer->Done()) {
            unavailable_.insert(key);
            qInfo().noquote() << QStringLiteral("rigctld: \"%1\" is not available here (RPRT %2); "
                                                "going on without it")
                                     .arg((command + ' ' + arguments).trimmed())
                                     .arg(answer->report);
            return std::nullopt;
        }
        return answer;
    }

    // "\chk_vfo": whether every command takes a VFO. Asked again after rigctld was lost.
    bool CheckVfo(CatLink& link) {
        const std::optional<RigctldAnswer> answer = Exchange(link, QStringLiteral("+\\chk_vfo"));
        const std::optional<QString> value =
            answer ? answer->Value(QStringLiteral("ChkVFO")) : std::nullopt;
        if (!value) {
            return false;
        }
        vfoArguments_ = *value == QStringLiteral("1");
        vfoChecked_ = true;
        selectedVfo_.clear();
        return true;
    }

    // A line out, its answer back. No answer: rigctld is not there (any more); the next
    // command checks the VFO question again on the new connection.
    std::optional<RigctldAnswer> Exchange(CatLink& link, const QString& line) {
        const std::optional<RigctldAnswer> answer = AskRigctld(link, line, kRigctldLeastWaitMs);
        if (!answer) {
            vfoChecked_ = false;
            resume_ = true;
        }
        return answer;
    }

    // The transmit VFO ("i", or the sub band's "f"): a turn of it goes into the uplink
    // calibration, as on the serial satellite radios.
    void ReadUplink(RadioContext& c) {
        TuningState& t = c.tuning;
        const std::optional<RigctldAnswer> answer =
            subBand_ ? Ask(c.link, "f", QStringLiteral("Sub"), {}) : Ask(c.link, "i", {}, {});
        const std::optional<qlonglong> hertz =
            answer ? answer->Hertz(subBand_ ? QStringLiteral("Frequency")
                                            : QStringLiteral("TX Frequency"))
                   : std::nullopt;
        NoteReply(t, hertz.has_value());
        if (!hertz) {
            t.dialMoved = true;  // no send without an answer
            return;
        }
        const double sentKHz =
            t.lastSentUplinkText.isEmpty() ? 0 : t.lastSentUplinkText.toDouble() / 1000.0;
        CompareUplinkAnswer(t, c.transponder, QString::number(*hertz), *hertz / 1000.0, sentKHz);
    }

    void SendMode(CatLink& link, const QString& mode, bool uplink) {
        const QString word = HamlibMode(mode);
        if (word.isEmpty()) {
            return;  // a mode Hamlib does not have: the radio keeps its mode
        }
        if (subBand_) {
            Ask(link, "M", uplink ? QStringLiteral("Sub") : QStringLiteral("Main"), word + " 0");
        } else {
            Ask(link, uplink ? "X" : "M", QString(), word + " 0");
        }
    }

    bool subBand_ = false;
    bool satelliteOption_ = false;
    bool vfoChecked_ = false;
    bool vfoArguments_ = false;
    bool resume_ = false;  // an exchange went unanswered: CAT on and modes again
    QString selectedVfo_;
    QSet<QString> unavailable_;
};

}  // namespace

std::unique_ptr<RadioCommandSet> MakeHamlibCommandSet(const CommandSetSettings& settings) {
    return std::make_unique<HamlibCommandSet>(settings);
}

}  // namespace orbivox
