// The classic Yaesu command set.
#include "radio/yaesu/YaesuCommandSet.h"

#include <QList>
#include <QThread>
#include <cmath>

#include "radio/FrequencyDigits.h"
#include "radio/ToneCommands.h"
#include "radio/yaesu/YaesuFiles.h"

namespace orbivox {
namespace {

QByteArray Block(std::uint8_t opcode) {
    QByteArray block(5, '\0');
    block[4] = static_cast<char>(opcode);
    return block;
}

constexpr std::uint8_t kCatOn = 0x00, kSatelliteOff = 0x8E, kSplitOn = 0x02, kSplitOff = 0x82,
                       kToggleVfo = 0x81, kReadReceive = 0x03, kReadReceiveSatellite = 0x13,
                       kReadSatelliteTransmit = 0x23, kReadTransmitStatus = 0xF7, kTransmit = 0x08,
                       kReceive = 0x88;
const QByteArray kCatOffBlock(5, '\x80');
// The FT-736R's tones in tenths of Hz, coded from $3E down: the first 33 with the standard
// filter, then tones again with the high-Q one (74.4, 79.7, 85.4 and 91.5 Hz only there).
// SubTone.SQF's codes are the FT-847's, which counts otherwise (67.0 Hz is its $3F).
const QList<int> kFt736Tones = {
    670,  719,  770,  825,  885,  948,  1000, 1035, 1072, 1109, 1148, 1188, 1230, 1273,
    1318, 1365, 1413, 1462, 1514, 1567, 1622, 1679, 1738, 1799, 1862, 1928, 2035, 2107,
    2181, 2257, 2336, 2418, 2503, 670,  719,  744,  770,  797,  825,  854,  885,  915};
constexpr int kFt736FirstToneCode = 0x3E;
// About 0.1 s (1/860000 day): radio 2's pause after its mode block.
constexpr unsigned long kUplinkModePauseMs = 100;

class YaesuCommandSet : public RadioCommandSet {
public:
    YaesuCommandSet(const YaesuModel& model, const CommandSetSettings& settings)
        : model_(model),
          satelliteOption_(settings.satelliteModeOption),
          startsUplinkWithCatOff_(settings.radio1Model != nullptr &&
                                  settings.radio1Model->radio2StartsWithCatOff) {
        const YaesuParameters& parameters = settings.files.Get<YaesuParameters>();
        downlinkOpcode_ = static_cast<std::uint8_t>(parameters.downlinkOpcode);
        uplinkOpcode_ = static_cast<std::uint8_t>(parameters.uplinkOpcode);
        // Radio 2 sends its uplink with its file's opcode, whatever the satellite mode.
        if (!satelliteOption_ && !settings.uplinkRole) {
            downlinkOpcode_ = uplinkOpcode_ = 0x01;
        }
        oneVfo_ = model.radio.oneVfoInUse && !settings.secondRadio;
    }

    RadioFamily Family() const override { return RadioFamily::Yaesu; }
    const RadioModel& Model() const override { return model_.radio; }
    bool VfoStepSendsUplink() const override { return true; }
    bool DialSubtractsReceiveCorrection() const override { return oneVfo_; }

    bool Transmitting(RadioContext& c) override {
        if (!oneVfo_) {
            return false;
        }
        c.link.ClearInput();
        c.link.Send(Block(kReadTransmitStatus));
        const QByteArray answer = c.link.AwaitReply(0);
        NoteReply(c.tuning, answer.size() == 1);
        // A byte whose top bit is clear: the radio transmits.
        c.tuning.transmitting =
            !answer.isEmpty() && (static_cast<std::uint8_t>(answer[0]) & 0x80) == 0;
        return c.tuning.transmitting;
    }

    void SetFrequencies(RadioContext& c, double downlinkKHz, double uplinkKHz) override {
        const bool withUplink = uplinkKHz != 0 && c.uplinkEnabled && !c.secondRadio;
        if (!oneVfo_) {
            SendDownlink(c, downlinkKHz);
            c.link.Delay();
            if (withUplink) {
                WriteUplink(c, uplinkKHz);
                c.link.Delay();
            }
            return;
        }
        TuningState& t = c.tuning;
        if (c.transponder.uplinkKHz <= c.transponder.downlinkKHz) {
            SendDownlink(c, downlinkKHz);
            c.link.Delay();
            t.sendCounter = t.sendCounter + 1 > t.uplinkEvery ? 1 : t.sendCounter + 1;
            if (t.sendCounter == 1 && withUplink) {
                SendOnOtherVfo(c, uplinkKHz);
            }
            return;
        }
        // Uplink above the downlink: the roles are exchanged.
        if (t.sendCounter == 0) {
            SendDownlink(c, downlinkKHz);
            c.link.Delay();
        }
        if (withUplink) {
            SendOnOtherVfo(c, uplinkKHz);
        }
        t.sendCounter = t.sendCounter + 1 > t.uplinkEvery ? 0 : t.sendCounter + 1;
    }

    void SendDownlink(RadioContext& c, double downlinkKHz) override {
        const YaesuFrequencyBlock block = EncodeYaesuFrequency(downlinkKHz, downlinkOpcode_);
        if (block.bytes.isEmpty()) {
            return;
        }
        lastBlock_ = block.bytes;
        c.link.Send(block.bytes);
        NoteSentDownlink(c.tuning, block.text, YaesuTextKHz(block.text));
    }

    // A one-VFO radio receives on the VFO in use: its uplink goes to the other one.
    void SendUplink(RadioContext& c, double uplinkKHz) override {
        if (oneVfo_) {
            SendOnOtherVfo(c, uplinkKHz);
        } else {
            WriteUplink(c, uplinkKHz);
        }
    }

    // The tone of a one-VFO radio belongs to a VFO: the transmitting one.
    void SendTone(CatLink& link, const QList<QByteArray>& commands) override {
        if (!oneVfo_) {
            link.SendEach(commands);
            return;
        }
        link.Send(Block(kToggleVfo));
        link.Delay();
        link.SendEach(commands);
        link.Send(Block(kToggleVfo));
        link.Delay();
    }

    void ReadDial(RadioContext& c) override {
        TuningState& t = c.tuning;
        c.link.ClearInput();
        t.dialMoved = true;
        const bool satelliteRead = model_.satelliteReceiveRead && satelliteOption_;
        c.link.Send(Block(satelliteRead ? kReadReceiveSatellite : kReadReceive));
        const QByteArray answer = c.link.AwaitReply(4);
        const bool complete = oneVfo_ ? answer.size() == 5 : answer.size() >= 4;
        NoteReply(t, complete);
        if (!complete) {
            return;  // missing, short or garbled: nothing is sent this tick
        }
        if (!t.vfoMode) {
            t.dialMoved = false;
            return;
        }
        const QString text = YaesuAnswerText(answer);
        if (text.isEmpty()) {
            return;
        }
        const bool moved =
            text != t.lastSentDownlinkText &&
            !StoredAsSent(t.lastSentDownlinkKHz, YaesuTextKHz(text), model_.radio.tuningStepHz);
        if (moved && oneVfo_ && !OneVfoDialChecks(c, answer, text)) {
            return;
        }
        CompareDialAnswer(t, c.transponder, text, YaesuTextKHz(text),
                          {DialSubtractsReceiveCorrection(), model_.radio.tuningStepHz});
        if (!t.dialMoved && model_.radio.uplinkReadback && !c.secondRadio) {
            ReadSatelliteTransmit(c);
        }
    }

    void ModeSetup(RadioContext& c) override {
        const SelectedTransponder& s = c.transponder;
        if (c.link.KctMode()) {
            c.link.kctMacroSink("SM" + s.downlinkMode + " " + s.uplinkMode);
            return;
        }
        const std::uint8_t downlinkModeOpcode =
            model_.radio.satelliteModeBand && satelliteOption_ ? 0x17 : 0x07;
        const std::uint8_t uplinkModeOpcode = model_.radio.satelliteModeBand ? 0x27 : 0x07;
        SendMode(c, s.downlinkMode, downlinkModeOpcode);
        c.link.Delay();
        if (s.uplinkKHz == 0 || !c.uplinkEnabled) {
            return;
        }
        if (oneVfo_) {
            c.link.Delay();
            c.link.Send(Block(kToggleVfo));
            c.link.Delay(2);
        }
        if (c.secondRadio) {
            return;  // radio 2 takes its own mode
        }
        SendMode(c, s.uplinkMode, uplinkModeOpcode);
        c.link.Delay();
        if (oneVfo_) {
            c.tuning.sendCounter = 0;
            c.link.Delay();
            c.link.Send(Block(kToggleVfo));
            c.link.Delay(2);
        }
    }

    void CatOn(RadioContext& c) override {
        if (oneVfo_) {
            c.link.Send(Block(kSplitOn));
            c.link.Delay();
            return;
        }
        c.link.Send(Block(kCatOn));
        c.link.Delay();
        if (satelliteOption_ && model_.radio.satelliteModeOnOpcode >= 0) {
            c.link.Send(Block(static_cast<std::uint8_t>(model_.radio.satelliteModeOnOpcode)));
        }
    }

    void CatOff(RadioContext& c) override {
        if (oneVfo_) {
            c.link.Send(Block(kSplitOff));
            c.link.Delay();
        }
        c.link.Send(kCatOffBlock);
    }

    void Transmit(RadioContext& c) override { c.link.Send(Block(kTransmit)); }
    void Receive(RadioContext& c) override { c.link.Send(Block(kReceive)); }
    void SatelliteModeOff(RadioContext& c) override { c.link.Send(Block(kSatelliteOff)); }

    void CloseCommands(RadioContext& c, bool windowClosed) override {
        SatelliteModeOff(c);
        c.link.Delay();
        if (windowClosed) {
            CatOff(c);
            c.link.Delay(2);
        }
    }

    void SatelliteChanged(RadioContext& c) override {
        TuningState& t = c.tuning;
        t.sendCounter = 0;
        const double fD = c.transponder.downlinkKHz, fU = c.transponder.uplinkKHz;
        if (fD == 0 || fU == 0) {
            return;
        }
        if (InsideReadbackWindow(fD, fU)) {
            t.uplinkEvery = 1;
        } else if (fD > fU) {
            t.uplinkEvery = static_cast<int>(std::nearbyint(fD / fU));
        } else {
            t.uplinkEvery = static_cast<int>(std::nearbyint(fU / fD)) - 1;
        }
        t.uplinkEvery = std::max(t.uplinkEvery, 1);
    }

    bool ResynchronisesVfos() const override { return model_.radio.oneVfoInUse; }
    void ResynchroniseVfos(RadioContext& c) override {
        c.link.Send(Block(kToggleVfo));
        c.link.Delay();
    }

    Radio2BandCheck Radio2BandCheckTime() const override {
        return model_.radio.oneVfoInUse ? Radio2BandCheck::Never : Radio2BandCheck::EveryTick;
    }

    std::optional<QList<QByteArray>> ToneCommands(bool on, const ToneEntry& entry,
                                                  QString* refusal) const override {
        if (model_.tone == YaesuToneEncoding::PackedHertz) {
            if (!on) {
                return QList<QByteArray>{QByteArray("\x8A\x00\x00\x00\x0A", 5)};
            }
            if (!ToneHertzInRange(entry, refusal)) {
                return std::nullopt;
            }
            const QByteArray packed = PackedToneTenths(entry.toneHz);
            return QList<QByteArray>{packed + packed + '\x0B',
                                     QByteArray("\x4A\x00\x00\x00\x0A", 5)};
        }
        const bool satellite = model_.tone == YaesuToneEncoding::SatelliteCode;
        if (!on) {
            return QList<QByteArray>{satellite ? QByteArray("\x8A\x00\x00\x00\x2A", 5)
                                               : QByteArray("\x00\x00\x00\x00\x8A", 5)};
        }
        int code1 = entry.code1;
        if (!satellite) {
            const std::optional<int> place =
                TonePlace(kFt736Tones, entry, model_.radio.name, refusal);
            if (!place) {
                return std::nullopt;
            }
            code1 = kFt736FirstToneCode - *place;
        } else if (code1 < 0 || code1 > 0xFF) {
            return RefuseTone(
                entry, QStringLiteral("tone code %1 is outside 0-255").arg(code1), refusal);
        }
        const QByteArray code = char(code1) + QByteArray(3, '\0');
        return QList<QByteArray>{code + (satellite ? '\x2B' : '\xFA'),
                                 satellite ? QByteArray("\x4A\x00\x00\x00\x2A", 5)
                                           : QByteArray("\x00\x00\x00\x00\x4A", 5)};
    }

    void UplinkPortOpened(CatLink& link) override {
        QByteArray block = kCatOffBlock;
        if (!startsUplinkWithCatOff_) {
            block[4] = static_cast<char>(kSatelliteOff);
        }
        link.Send(block);
        link.Delay();
        // A satellite radio is switched on for CAT.
        if (model_.radio.satelliteModeBand) {
            link.Send(Block(kCatOn));
            link.Delay();
        }
    }

    void UplinkFrequency(CatLink& link, double uplinkKHz) override {
        const YaesuFrequencyBlock block = EncodeYaesuFrequency(uplinkKHz, uplinkOpcode_);
        if (!block.bytes.isEmpty()) {
            lastBlock_ = block.bytes;
            link.Send(block.bytes);
        }
    }

    bool UplinkTransmitting(CatLink& link, bool, double&) override {
        if (!model_.radio.readsBack) {
            return false;
        }
        link.ClearInput();
        link.Send(Block(kReadTransmitStatus));
        const QByteArray answer = link.AwaitReply(0);
        return !answer.isEmpty() && (static_cast<std::uint8_t>(answer[0]) & 0x80) == 0;
    }

    void UplinkMode(CatLink& link, const QString& mode, bool) override {
        if (!link.HasPort()) {
            return;
        }
        const int byte = YaesuModeByte(mode);
        if (byte >= 0) {
            QByteArray block = lastBlock_.size() == 5 ? lastBlock_ : Block(0);
            block[0] = static_cast<char>(byte);
            block[4] = '\x07';
            link.Send(block);
        }
        QThread::msleep(kUplinkModePauseMs);
    }

    void UplinkTransmitReceive(CatLink& link, bool transmit) override {
        link.Send(Block(transmit ? kTransmit : kReceive));
    }

private:
    // The one-VFO radio's dial changed: a mode turned on the radio brings the mode set-up
    // back, a frequency far off the transponder (the other VFO, another band) or the end of
    // a transmission a complete resend. False when that settled the tick.
    bool OneVfoDialChecks(RadioContext& c, const QByteArray& answer, const QString& text) {
        TuningState& t = c.tuning;
        const bool before = t.transmitting;
        const bool now = Transmitting(c);
        const SelectedTransponder& s = c.transponder;
        if (!now && !before) {
            const int mode = YaesuModeByte(s.downlinkMode);
            if (s.downlinkMode != s.uplinkMode && mode >= 0 &&
                static_cast<std::uint8_t>(answer[4]) != mode) {
                ModeSetup(c);
            }
            if (!InsideReadbackWindow(s.downlinkKHz, YaesuTextKHz(text) + s.downlinkOffsetKHz)) {
                Resend(t);
                return false;
            }
            return true;
        }
        if (!now && before) {
            Resend(t);
            return false;
        }
        return true;  // transmitting: the send routine's own check holds the send
    }

    static void Resend(TuningState& t) {
        t.dialMoved = false;
        t.lastSentTarget = 0;
        t.sendCounter = 0;
    }

    void WriteUplink(RadioContext& c, double uplinkKHz) {
        const YaesuFrequencyBlock block = EncodeYaesuFrequency(uplinkKHz, uplinkOpcode_);
        if (block.bytes.isEmpty()) {
            return;
        }
        lastBlock_ = block.bytes;
        c.link.Send(block.bytes);
        c.tuning.lastSentUplinkText = block.text;
    }

    void SendOnOtherVfo(RadioContext& c, double uplinkKHz) {
        c.link.Delay();
        c.link.Send(Block(kToggleVfo));
        c.link.Delay();
        WriteUplink(c, uplinkKHz);
        c.link.Delay();
        c.link.Send(Block(kToggleVfo));
        c.link.HalfDelay();
    }

    void SendMode(RadioContext& c, const QString& mode, std::uint8_t opcode) {
        const int byte = YaesuModeByte(mode);
        if (byte < 0) {
            return;  // a mode word the family does not have: the radio keeps its mode
        }
        // The parameter bytes are not significant: what is left of the last frequency block.
        QByteArray block = lastBlock_.size() == 5 ? lastBlock_ : Block(0);
        block[0] = static_cast<char>(byte);
        block[4] = static_cast<char>(opcode);
        c.link.Send(block);
    }

    // The satellite transmit dial (a model with its readback): a turn there goes into the uplink calibration.
    void ReadSatelliteTransmit(RadioContext& c) {
        TuningState& t = c.tuning;
        if (!t.vfoMode) {
            return;
        }
        c.link.Delay();
        c.link.ClearInput();
        c.link.Send(Block(kReadSatelliteTransmit));
        const QByteArray answer = c.link.AwaitReply(4);
        NoteReply(t, answer.size() == 5);
        if (answer.size() != 5) {
            t.dialMoved = true;
            return;
        }
        const QString text = YaesuAnswerText(answer);
        const double sentKHz =
            t.lastSentUplinkText.isEmpty() ? 0 : YaesuTextKHz(t.lastSentUplinkText);
        CompareUplinkAnswer(t, c.transponder, text, YaesuTextKHz(text), sentKHz);
    }

    const YaesuModel& model_;
    bool satelliteOption_ = false;
    bool startsUplinkWithCatOff_ = false;
    bool oneVfo_ = false;
    std::uint8_t downlinkOpcode_ = 0x11, uplinkOpcode_ = 0x21;
    QByteArray lastBlock_;
};

}  // namespace

YaesuFrequencyBlock EncodeYaesuFrequency(double kHz, std::uint8_t opcode) {
    QString digits = ZeroPadded(FrequencyUnits(kHz, 10), 9);
    // The hundreds of MHz take one hexadecimal digit: 12 (the 23 cm band) becomes "C".
    const int hundreds = digits.left(digits.size() - 7).toInt();
    if (hundreds > 15 || kHz < 0) {
        return {};  // beyond what the radio can be told; nothing is sent
    }
    digits = QStringLiteral("0%1").arg(hundreds, 1, 16).toUpper() + digits.right(7);
    YaesuFrequencyBlock block;
    block.bytes = QByteArray::fromHex(digits.mid(1).toLatin1()) + char(opcode);
    block.text = digits.left(7) + '.' + digits.mid(7);
    return block;
}

QString YaesuAnswerText(const QByteArray& answer) {
    if (answer.size() < 4) {
        return {};
    }
    const QString digits = "0" + QString::fromLatin1(answer.left(4).toHex().toUpper());
    return digits.left(7) + '.' + digits.mid(7);
}

double YaesuTextKHz(const QString& text) {
    if (text.size() < 10) {
        return 0;
    }
    bool ok = false;
    const int hundreds = text.left(2).toInt(&ok, 16);
    const double rest = text.mid(2).toDouble();
    return ok ? hundreds * 100000.0 + rest : 0;
}

int YaesuModeByte(const QString& mode) {
    static const QList<std::pair<QString, int>> bytes = {
        {"LSB", 0x00}, {"USB", 0x01}, {"CW", 0x02},  {"CWR", 0x03},
        {"FM", 0x08},  {"PKT", 0x0C}, {"CWN", 0x82}, {"FMN", 0x88}};
    for (const auto& [word, byte] : bytes) {
        if (word == mode) {
            return byte;
        }
    }
    return -1;
}

std::unique_ptr<RadioCommandSet> MakeYaesuCommandSet(const CommandSetSettings& settings) {
    const YaesuModel* model = FindYaesuModel(settings.files.Get<YaesuParameters>().model);
    return std::make_unique<YaesuCommandSet>(model != nullptr ? *model : DefaultYaesuModel(),
                                             settings);
}

}  // namespace orbivox
