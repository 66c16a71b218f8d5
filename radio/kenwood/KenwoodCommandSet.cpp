// The Kenwood command set.
#include "radio/kenwood/KenwoodCommandSet.h"

#include <QList>
#include <cmath>

#include "radio/FrequencyDigits.h"
#include "radio/ToneCommands.h"

namespace orbivox {
namespace {

class KenwoodCommandSet : public RadioCommandSet {
public:
    KenwoodCommandSet(const KenwoodModel& model, const CommandSetSettings& settings)
        : model_(model),
          parameters_(settings.files.Get<KenwoodParameters>()),
          satelliteOption_(settings.satelliteModeOption),
          secondRadio_(settings.secondRadio) {
        control_ =
            KenwoodControlStrings(model_, parameters_, satelliteOption_, parameters_.traceOn, true);
    }

    RadioFamily Family() const override { return RadioFamily::Kenwood; }
    const RadioModel& Model() const override { return model_.radio; }
    bool DialSubtractsReceiveCorrection() const override { return true; }
    bool Transmitting(RadioContext&) override { return false; }
    int DelaysAfterSatelliteModeOff() const override { return 1; }
    Radio2BandCheck Radio2BandCheckTime() const override {
        return Radio2BandCheck::AtEntrySelection;
    }
    bool ToneOffAtEntrySelection() const override { return true; }
    bool ToneInModeSetup() const override { return true; }

    void PortOpened(RadioContext& c) override {
        if (model_.bandControl) {
            for (const char* command : {"DC0;", "FN0;", "DC1;", "FN0;"}) {
                c.link.Send(command);
                c.link.Delay();
            }
        } else if (ControlStringAtPortOpening()) {
            c.link.Send(control_.main);
            c.link.Delay();
        }
    }
    void CatOnAtStart(RadioContext& c) override {
        if (!ControlStringAtPortOpening()) {
            CatOn(c);
        }
    }

    void SetFrequencies(RadioContext& c, double downlinkKHz, double uplinkKHz) override {
        SendDownlink(c, downlinkKHz);
        c.link.Delay();
        if (uplinkKHz != 0 && c.uplinkEnabled && !c.secondRadio) {
            SendUplink(c, uplinkKHz);
            c.link.Delay();
            if (model_.bandControl) {
                c.link.Send("DC1;");
            }
        }
    }

    void SendDownlink(RadioContext& c, double downlinkKHz) override {
        if (model_.bandControl) {
            c.link.Send("DC1;");
            c.link.Delay();
        }
        const KenwoodFrequencyCommand command =
            EncodeKenwoodFrequency("FA", downlinkKHz, model_.wholeTenHertz);
        c.link.Send(command.bytes);
        NoteSentDownlink(c.tuning, command.text, command.text.toDouble());
    }

    void SendUplink(RadioContext& c, double uplinkKHz) override {
        if (model_.bandControl) {
            c.link.Send("DC0;");
            c.link.Delay();
        }
        // The satellite-mode model has the uplink on VFO B; the others take it on the band just picked.
        const KenwoodFrequencyCommand command = EncodeKenwoodFrequency(
            model_.satelliteMode ? "FB" : "FA", uplinkKHz, model_.wholeTenHertz);
        c.link.Send(command.bytes);
        c.tuning.lastSentUplinkText = command.text;
    }

    void ReadDial(RadioContext& c) override {
        TuningState& t = c.tuning;
        // With VFO mode off there is no dial to follow: the radio is not asked.
        t.dialMoved = t.vfoMode;
        if (!t.vfoMode) {
            return;
        }
        const QString text = ReadVfoA(c, false);
        NoteReply(t, !text.isEmpty());
        if (text.isEmpty()) {
            return;  // missing, short or garbled: nothing is sent this tick
        }
        CompareDialAnswer(t, c.transponder, text, text.toDouble(),
                          {true, model_.radio.tuningStepHz});
    }

    void ModeSetup(RadioContext& c) override {
        const SelectedTransponder& s = c.transponder;
        if (c.link.KctMode()) {
            c.link.kctMacroSink("SM" + s.downlinkMode + " " + s.uplinkMode);
            return;
        }
        const bool trace = model_.satelliteMode && c.tuning.vfoMode;
        if (model_.satelliteMode) {
            control_ = KenwoodControlStrings(model_, parameters_, satelliteOption_,
                                             trace && parameters_.traceOn, s.inverting);
        }
        c.link.Send(trace ? "AI2;" : "AI0;");
        c.link.Delay();
        SendControl(c, control_.main);
        SendMode(c, s.downlinkMode);
        if (s.uplinkKHz == 0 || !c.uplinkEnabled || c.secondRadio) {
            return;  // a radio 2 takes its own mode
        }
        SendControl(c, control_.sub);
        SendMode(c, s.uplinkMode);
        SendControl(c, control_.main);
    }

    void CatOn(RadioContext& c) override {
        if (model_.satelliteMode && c.link.HasPort()) {
            c.link.Send(control_.main);
            c.link.Delay();
        }
    }
    void CatOff(RadioContext&) override {}

    void Transmit(RadioContext& c) override { c.link.Send("TX;"); }
    void Receive(RadioContext& c) override { c.link.Send("RX;"); }
    void SatelliteModeOff(RadioContext& c) override { c.link.Send("SA0010000;"); }

    void CloseCommands(RadioContext& c, bool) override {
        if (model_.satelliteMode) {
            c.link.Send("TN39;");
            c.link.Delay();
        }
        if (!c.link.KctMode()) {
            c.link.Send("SA0010000;");
        }
    }

    // The band set-up: a main band on the wrong band is fixed (satellite-mode model only).
    void SatelliteChanged(RadioContext& c) override {
        if (!c.link.HasPort() || !c.tuning.catOn) {
            return;
        }
        const QString text = ReadVfoA(c, true);
        if (text.isEmpty()) {
            return;
        }
        const double away = std::fabs(c.transponder.downlinkKHz - c.transponder.downlinkOffsetKHz -
                                      text.toDouble());
        if (away > 50000 && away < 500000 && model_.satelliteMode) {
            c.link.Send("TS1;");
            c.link.Delay(2);
        }
    }

    void SendTone(CatLink& link, const QList<QByteArray>& commands) override {
        // A band-control model takes the tone on the sub band, then goes back to the main band.
        if (model_.bandControl) {
            link.Send("DC0;");
            link.Delay();
        }
        RadioCommandSet::SendTone(link, commands);
        if (model_.bandControl) {
            link.Send("DC1;");
            link.Delay();
        }
    }

    std::optional<QList<QByteArray>> ToneCommands(bool on, const ToneEntry& entry,
                                                  QString* refusal) const override {
        if (!on) {
            return QList<QByteArray>{"TO0;"};
        }
        // The tone numbers run from 01 to 42.
        if (entry.code2 < 1 || entry.code2 > 42) {
            return RefuseTone(
                entry, QStringLiteral("tone number %1 is outside 1-42").arg(entry.code2), refusal);
        }
        return QList<QByteArray>{
            QStringLiteral("TN%1;").arg(entry.code2, 2, 10, QChar('0')).toLatin1(), "TO1;"};
    }

    QList<QByteArray> ToneClickedOffCommands() const override {
        return model_.satelliteMode ? QList<QByteArray>{"TN39;"} : QList<QByteArray>{};
    }

    void UplinkPortOpened(CatLink& link) override {
        if (model_.bandAndVfoSelect) {
            for (const char* command : {"DC0;", "FN0;"}) {
                link.Send(command);
                link.Delay();
            }
        }
    }

    void UplinkFrequency(CatLink& link, double uplinkKHz) override {
        link.Send(EncodeKenwoodFrequency("FA", uplinkKHz, model_.wholeTenHertz).bytes);
    }

    void UplinkMode(CatLink& link, const QString& mode, bool dialMoved) override {
        if (!link.HasPort() || dialMoved) {
            return;
        }
        const int digit = KenwoodModeDigit(mode);
        link.Send(QStringLiteral("MD%1;").arg(digit != 0 ? digit : 4).toLatin1());
        link.Delay();
        SendFmWidth(link, mode);
    }

    void UplinkTransmitReceive(CatLink& link, bool transmit) override {
        link.Send(";");
        link.Send(transmit ? "TX;" : "RX;");
    }

private:
    // The satellite-mode model beside no radio 2 gets its control string when the port opens.
    bool ControlStringAtPortOpening() const {
        return !model_.bandControl && model_.satelliteMode && !secondRadio_;
    }

    // "FA;" and its answer's text; the band set-up waits a CAT delay longer.
    QString ReadVfoA(RadioContext& c, bool bandSetup) {
        c.link.ClearInput();
        c.link.Send("FA;");
        if (bandSetup) {
            c.link.Delay();
        }
        return KenwoodAnswerText(c.link.AwaitReply(27));
    }

    void SendControl(RadioContext& c, const QByteArray& control) {
        if (!control.isEmpty()) {
            c.link.Send(control);
            c.link.Delay();
        }
    }

    void SendMode(RadioContext& c, const QString& mode) {
        const int digit = KenwoodModeDigit(mode);
        if (digit != 0) {
            modeDigit_ = digit;  // any other word keeps the previous digit
        }
        c.link.Send(QStringLiteral("MD%1;").arg(modeDigit_).toLatin1());
        c.link.Delay();
        SendFmWidth(c.link, mode);
    }

    static void SendFmWidth(CatLink& link, const QString& mode) {
        if (mode == "FMN" || mode == "FM") {
            link.Send(mode == "FMN" ? "FW0000;" : "FW0001;");
            link.Delay();
        }
    }

    const KenwoodModel& model_;
    KenwoodParameters parameters_;
    bool satelliteOption_ = false;
    bool secondRadio_ = false;
    KenwoodControl control_;
    int modeDigit_ = 4;
};

}  // namespace

KenwoodFrequencyCommand EncodeKenwoodFrequency(const char* prefix, double kHz, bool wholeTenHertz) {
    QString digits = ZeroPadded(FrequencyUnits(kHz, 1), 11);
    if (digits.size() > 11 || kHz < 0) {
        return {};  // beyond what the command can carry; nothing is sent
    }
    if (wholeTenHertz) {
        digits[10] = '0';
    }
    return {(prefix + digits + ";").toLatin1(), digits.left(8) + '.' + digits.mid(8)};
}

QString KenwoodAnswerText(const QByteArray& answer) {
    for (qsizetype at = answer.indexOf("FA"); at >= 0; at = answer.indexOf("FA", at + 1)) {
        if (answer.size() < at + 14 || answer[at + 13] != ';') {
            continue;
        }
        const QByteArray digits = answer.mid(at + 2, 11);
        if (std::all_of(digits.begin(), digits.end(),
                        [](char d) { return d >= '0' && d <= '9'; })) {
            const QString text = QString::fromLatin1(digits);
            return text.left(8) + '.' + text.mid(8);
        }
    }
    return {};
}

int KenwoodModeDigit(const QString& mode) {
    static const QList<std::pair<QString, int>> digits = {{"LSB", 1}, {"USB", 2}, {"CW", 3},
                                                          {"FM", 4},  {"FMN", 4}, {"CWN", 7}};
    for (const auto& [word, digit] : digits) {
        if (word == mode) {
            return digit;
        }
    }
    return 0;
}

KenwoodControl KenwoodControlStrings(const KenwoodModel& model, const KenwoodParameters& parameters,
                                     bool satelliteModeOption, bool trace, bool inverting) {
    if (model.bandControl) {
        return {"DC1;", "DC0;"};
    }
    if (!model.satelliteMode) {
        return {};
    }
    const QString head = QStringLiteral("SA%1%2")
                             .arg(satelliteModeOption ? '1' : '0')
                             .arg(parameters.satelliteMemory);
    if (!trace) {
        return {(head + "10000;").toLatin1(), (head + "11000;").toLatin1()};
    }
    return {(head + (inverting ? "10110;" : "10100;")).toLatin1(),
            (head + (inverting ? "11110;" : "11100;")).toLatin1()};
}

std::unique_ptr<RadioCommandSet> MakeKenwoodCommandSet(const CommandSetSettings& settings) {
    const KenwoodModel* model = FindKenwoodModel(settings.files.Get<KenwoodParameters>().model);
    return std::make_unique<KenwoodCommandSet>(model != nullptr ? *model : OtherKenwoodModel(),
                                               settings);
}

}  // namespace orbivox
