// The classic Yaesu command set.
#include "radio/YaesuCommandSet.h"

#include <QList>
#include <cmath>

#include "radio/FrequencyDigits.h"

namespace orbivox {
namespace {

const QList<RadioModel>& YaesuModels() {
    static const QList<RadioModel> models = {
        // name, one VFO, reads back, 4800/2 stop bits, uplink readback, main/sub, sat on
        {"FT-736R", false, false, true, false, true, 0x0E},
        {"FT-847", false, true, false, true, true, 0x4E},
        {"FT-817", true, true, false, false, false, -1},
        {"FT-857", true, true, false, false, false, -1},
        {"FT-897", true, true, false, false, false, -1},
    };
    return models;
}

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

class YaesuCommandSet : public RadioCommandSet {
public:
    YaesuCommandSet(const RadioModel& model, const CommandSetSettings& settings)
        : model_(model), satelliteOption_(settings.satelliteModeOption) {
        downlinkOpcode_ = static_cast<std::uint8_t>(settings.yaesu.downlinkOpcode);
        uplinkOpcode_ = static_cast<std::uint8_t>(settings.yaesu.uplinkOpcode);
        if (!satelliteOption_) {
            downlinkOpcode_ = uplinkOpcode_ = 0x01;
        }
        oneVfo_ = model.oneVfoInUse && !settings.secondRadio;
    }

    RadioFamily Family() const override { return RadioFamily::Yaesu; }
    const RadioModel& Model() const override { return model_; }
    bool DialSubtractsReceiveCorrection() const override { return oneVfo_; }

    bool Transmitting(RadioContext& c) override {
        if (!oneVfo_) {
            return false;
        }
        c.link.ClearInput();
        c.link.Send(Block(kReadTransmitStatus));
        const QByteArray answer = c.link.AwaitReply(0);
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
                SendUplink(c, uplinkKHz);
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
        c.tuning.lastSentDownlinkText = block.text;
    }

    void SendUplink(RadioContext& c, double uplinkKHz) override {
        const YaesuFrequencyBlock block = EncodeYaesuFrequency(uplinkKHz, uplinkOpcode_);
        if (block.bytes.isEmpty()) {
            return;
        }
        lastBlock_ = block.bytes;
        c.link.Send(block.bytes);
        c.tuning.lastSentUplinkText = block.text;
    }

    void ReadDial(RadioContext& c) override {
        TuningState& t = c.tuning;
        c.link.ClearInput();
        t.dialMoved = true;
        const bool satelliteRead = model_.name == "FT-847" && satelliteOption_;
        c.link.Send(Block(satelliteRead ? kReadReceiveSatellite : kReadReceive));
        const QByteArray answer = c.link.AwaitReply(4);
        const bool complete = oneVfo_ ? answer.size() == 5 : answer.size() >= 4;
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
        const bool moved = text != t.lastSentDownlinkText;
        if (moved && oneVfo_ && !OneVfoDialChecks(c, answer, text)) {
            return;
        }
        CompareDialAnswer(t, c.transponder, text, YaesuTextKHz(text),
                          DialSubtractsReceiveCorrection());
        if (!t.dialMoved && model_.uplinkReadback && !c.secondRadio) {
            ReadSatelliteTransmit(c, moved);
        }
    }

    void ModeSetup(RadioContext& c) override {
        const SelectedTransponder& s = c.transponder;
        if (c.link.KctMode()) {
            c.link.kctMacro("SM" + s.downlinkMode + " " + s.uplinkMode);
            return;
        }
        const std::uint8_t downlinkModeOpcode =
            model_.satelliteModeBand && satelliteOption_ ? 0x17 : 0x07;
        const std::uint8_t uplinkModeOpcode = model_.satelliteModeBand ? 0x27 : 0x07;
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
        if (satelliteOption_ && model_.satelliteModeOnOpcode >= 0) {
            c.link.Send(Block(static_cast<std::uint8_t>(model_.satelliteModeOnOpcode)));
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

private:
    // The FT-817 type's dial changed: a mode turned on the radio brings the mode set-up
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

    void SendOnOtherVfo(RadioContext& c, double uplinkKHz) {
        c.link.Delay();
        c.link.Send(Block(kToggleVfo));
        c.link.Delay();
        SendUplink(c, uplinkKHz);
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

    // The FT-847's transmit dial: a turn there goes into the uplink calibration.
    void ReadSatelliteTransmit(RadioContext& c, bool receiveDialMoved) {
        TuningState& t = c.tuning;
        if (!t.vfoMode) {
            return;
        }
        c.link.Delay();
        c.link.ClearInput();
        c.link.Send(Block(kReadSatelliteTransmit));
        const QByteArray answer = c.link.AwaitReply(4);
        if (answer.size() != 5) {
            t.dialMoved = true;
            return;
        }
        const QString text = YaesuAnswerText(answer);
        if (text == t.lastSentUplinkText) {
            return;
        }
        t.dialMoved = true;
        const double oldKHz =
            t.lastSentUplinkText.isEmpty() ? 0 : YaesuTextKHz(t.lastSentUplinkText);
        t.lastSentUplinkText = text;
        const double newKHz = YaesuTextKHz(text);
        const double fU = c.transponder.uplinkKHz;
        if (!receiveDialMoved && oldKHz != 0 && fU - 50000 < newKHz && newKHz < fU + 50000) {
            t.uplinkCalibration[t.workingSetIndex] = t.CalibrationHz() + (newKHz - oldKHz) * 1000;
            t.lastSentTarget = 0;
        }
    }

    const RadioModel& model_;
    bool satelliteOption_ = false;
    bool oneVfo_ = false;
    std::uint8_t downlinkOpcode_ = 0x11, uplinkOpcode_ = 0x21;
    QByteArray lastBlock_;
};

}  // namespace

const RadioModel* FindYaesuModel(const QString& name) {
    for (const RadioModel& model : YaesuModels()) {
        if (model.name == name) {
            return &model;
        }
    }
    return nullptr;
}

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
    const RadioModel* model = FindYaesuModel(settings.yaesu.model);
    if (model == nullptr) {
        model = FindYaesuModel(QStringLiteral("FT-847"));
    }
    return std::make_unique<YaesuCommandSet>(*model, settings);
}

}  // namespace orbivox
