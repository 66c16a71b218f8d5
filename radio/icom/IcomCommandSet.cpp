// The Icom CI-V command set.
#include "radio/icom/IcomCommandSet.h"

#include <QList>
#include <cmath>

#include "radio/ToneCommands.h"
#include "radio/icom/IcomFrames.h"

namespace orbivox {
namespace {

const QByteArray kReadFrequency(1, '\x03');
const QByteArray kExchangeBands("\x07\xB0", 2);
const QByteArray kSplitOn("\x0F\x01", 2);
const QByteArray kTransmit("\x1C\x00\x01", 3), kReceive("\x1C\x00\x00", 3);
const QByteArray kReadTransmitState("\x1C\x00", 2), kReadSMeter("\x15\x02", 2);
const QByteArray kDataModeOn("\x1A\x06\x01\x01", 4);

class IcomCommandSet : public RadioCommandSet {
public:
    IcomCommandSet(const IcomModelRecord& model, const CommandSetSettings& settings)
        : model_(model),
          satelliteOption_(settings.satelliteModeOption),
          secondRadio_(settings.secondRadio),
          // With a radio 2 for the uplink, a VFO-pair radio only receives.
          vfoPair_(model.modelClass == IcomClass::VfoPair && !settings.secondRadio) {
        if (settings.uplinkRole) {
            const int address = settings.files.Get<SecondIcomParameters>().address;
            pair_ = configuredPair_ = {address, address};
        } else if (const auto& pairs = settings.files.Get<IcomParameters>().addressPairs;
                   !pairs.isEmpty()) {
            pair_ = configuredPair_ = pairs.first();
            hasPairs_ = true;
        }
        const IcomModel& vfos = settings.files.Get<IcomModel>();
        mainVfo_ = vfos.mainVfo;
        subVfo_ = vfos.subVfo;
        if (model.modelClass == IcomClass::VfoPair) {
            mainVfo_ = 0x00;
            subVfo_ = 0x01;
        }
    }

    RadioFamily Family() const override { return RadioFamily::Icom; }
    const RadioModel& Model() const override { return model_.radio; }
    bool DialSubtractsReceiveCorrection() const override { return false; }

    bool UseAddressPair(int receive, int transmit) override {
        pair_ = {receive, transmit};
        return true;
    }

    // Two radios on one port exchange their addresses for a "UV" pair.
    bool BandPairChanged(BandPair next) override {
        if (!hasPairs_ || configuredPair_.receive == configuredPair_.transmit) {
            return false;
        }
        pair_ = AddressPairForBandPair(next, configuredPair_);
        return true;
    }

    void PortOpened(RadioContext& c) override {
        if (SingleSatelliteRadio() && satelliteOption_) {
            Send(c, pair_.receive, model_.satelliteOn);
            c.link.Delay();
        }
    }

    bool Transmitting(RadioContext& c) override {
        if (!vfoPair_) {
            return false;
        }
        c.link.ClearInput();
        const bool ic7000 = model_.readsTransmitState;
        Send(c, pair_.receive, ic7000 ? kReadTransmitState : kReadSMeter);
        const QString hex =
            QString::fromLatin1(c.link.AwaitReply(ic7000 ? 16 : 15).toHex().toUpper());
        // The radio's answer: from its address to ours, the command echoed.
        const QString answerStart = QStringLiteral("FEFE00%1%2")
                                        .arg(pair_.receive, 2, 16, QLatin1Char('0'))
                                        .toUpper()
                                        .arg(ic7000 ? "1C00" : "1502");
        NoteReply(c.tuning, hex.contains(answerStart));
        c.tuning.transmitting = ic7000 ? !hex.contains("1C0000") : hex.contains("0000");
        return c.tuning.transmitting;
    }

    void SetFrequencies(RadioContext& c, double downlinkKHz, double uplinkKHz) override {
        const bool withUplink = uplinkKHz != 0 && c.uplinkEnabled && !c.secondRadio;
        TuningState& t = c.tuning;
        if (!vfoPair_) {
            c.link.ClearInput();
            SelectVfo(c, pair_.receive, mainVfo_, false);
            SendDownlink(c, downlinkKHz);
            if (withUplink) {
                SelectVfo(c, pair_.transmit, subVfo_, true);
                SendUplink(c, uplinkKHz);
                SelectVfo(c, pair_.receive, mainVfo_, true);
            }
            return;
        }
        if (c.transponder.uplinkKHz <= c.transponder.downlinkKHz) {
            SelectVfo(c, pair_.receive, mainVfo_, false);
            SendDownlink(c, downlinkKHz);
            t.sendCounter = t.sendCounter + 1 > t.uplinkEvery ? 1 : t.sendCounter + 1;
            if (t.sendCounter == 1 && withUplink) {
                SendOnVfoB(c, uplinkKHz);
            }
            return;
        }
        // Uplink above the downlink: the roles are exchanged.
        if (t.sendCounter == 0) {
            SelectVfo(c, pair_.receive, mainVfo_, false);
            SendDownlink(c, downlinkKHz);
        }
        if (withUplink) {
            SendOnVfoB(c, uplinkKHz);
        }
        t.sendCounter = t.sendCounter + 1 > t.uplinkEvery ? 0 : t.sendCounter + 1;
    }

    void SendDownlink(RadioContext& c, double downlinkKHz) override {
        const auto frequency = EncodeIcomFrequency(downlinkKHz);
        if (frequency) {
            SendFrequency(c, pair_.receive, *frequency);
            NoteSentDownlink(c.tuning, frequency->text, frequency->text.toDouble());
        }
    }

    void SendUplink(RadioContext& c, double uplinkKHz) override {
        const auto frequency = EncodeIcomFrequency(uplinkKHz);
        if (frequency) {
            SendFrequency(c, pair_.transmit, *frequency);
            c.tuning.lastSentUplinkText = frequency->text;
        }
    }

    void ReadDial(RadioContext& c) override {
        TuningState& t = c.tuning;
        // With VFO mode off there is no dial to follow: the radio is not asked.
        t.dialMoved = t.vfoMode;
        if (!t.vfoMode) {
            return;
        }
        const QString text = ReadFrequency(c);
        NoteReply(t, !text.isEmpty());
        if (text.isEmpty()) {
            return;  // missing or garbled: nothing is sent this tick
        }
        const double kHz = text.toDouble();
        if (vfoPair_ && text != t.lastSentDownlinkText &&
            !InsideReadbackWindow(c.transponder.downlinkKHz,
                                  kHz + c.transponder.downlinkOffsetKHz)) {
            // The radio shows VFO B or another band: everything goes out again.
            t.dialMoved = false;
            t.lastSentTarget = 0;
            t.sendCounter = 0;
            return;
        }
        CompareDialAnswer(t, c.transponder, text, kHz, {false, model_.radio.tuningStepHz});
    }

    void ModeSetup(RadioContext& c) override {
        const SelectedTransponder& s = c.transponder;
        if (c.link.KctMode()) {
            c.link.kctMacroSink("SM" + s.downlinkMode + " " + s.uplinkMode);
            return;
        }
        c.link.Delay();
        SelectVfo(c, pair_.receive, mainVfo_, false);
        c.link.Delay();
        SendMode(c, pair_.receive, s.downlinkMode, false);
        if (s.uplinkKHz == 0 || !c.uplinkEnabled || c.secondRadio) {
            return;  // a radio 2 takes its own mode
        }
        c.link.Delay();
        SelectVfo(c, pair_.transmit, subVfo_, false);
        c.link.Delay();
        SendMode(c, pair_.transmit, s.uplinkMode, true);
        c.link.Delay();
        SelectVfo(c, pair_.receive, mainVfo_, false);
        c.link.ClearInput();
        c.link.Delay();
    }

    void CatOn(RadioContext& c) override {
        if (SingleSatelliteRadio() && satelliteOption_) {
            Send(c, pair_.receive, model_.satelliteOn);
            c.link.Delay();
        } else if (vfoPair_) {
            Send(c, pair_.receive, kSplitOn);
            c.link.Delay();
        }
    }
    void CatOnAtStart(RadioContext& c) override {
        if (!(SingleSatelliteRadio() && satelliteOption_)) {
            CatOn(c);  // the satellite-mode frame went out with PortOpened
        }
    }
    void CatOff(RadioContext&) override {}

    void Transmit(RadioContext& c) override { Send(c, pair_.transmit, kTransmit); }
    void Receive(RadioContext& c) override { Send(c, pair_.transmit, kReceive); }
    void SatelliteModeOff(RadioContext& c) override { Send(c, pair_.receive, model_.satelliteOff); }

    void CloseCommands(RadioContext& c, bool windowClosed) override {
        if (windowClosed) {
            Receive(c);
            c.link.Delay();
        }
        if (model_.modelClass == IcomClass::Satellite) {
            if (c.tuning.catOn) {
                SatelliteModeOff(c);
            }
            c.link.Delay();
        }
    }

    // The band set-up (the main band on the downlink's band), and the VFO pair's N.
    void SatelliteChanged(RadioContext& c) override {
        const double fD = c.transponder.downlinkKHz, fU = c.transponder.uplinkKHz;
        if (vfoPair_) {
            c.tuning.sendCounter = 0;
            if (fD != 0 && fU != 0) {
                c.tuning.uplinkEvery = UplinkEveryNthSend(fD, fU);
            }
        }
        if (!c.link.HasPort() || !c.tuning.catOn) {
            return;
        }
        const QString text = ReadFrequency(c);
        if (text.isEmpty()) {
            return;
        }
        const double away = std::fabs(fD - c.transponder.downlinkOffsetKHz - text.toDouble());
        if (away > 50000 && away < 500000) {
            Send(c, pair_.receive, kExchangeBands);
            c.link.Delay();
        }
    }

    void SendTone(CatLink& link, const QList<QByteArray>& commands) override {
        // A satellite radio takes the tone on its transmit VFO.
        const bool satellite = model_.modelClass == IcomClass::Satellite;
        if (satellite) {
            link.Send(IcomFrame(pair_.transmit, QByteArray(1, '\x07') + char(subVfo_)));
            link.Delay();
        }
        RadioCommandSet::SendTone(link, commands);
        if (satellite) {
            link.Send(IcomFrame(pair_.receive, QByteArray(1, '\x07') + char(mainVfo_)));
            link.Delay();
        }
    }

    std::optional<QList<QByteArray>> ToneCommands(bool on, const ToneEntry& entry,
                                                  QString* refusal) const override {
        const int address = pair_.transmit;
        if (!on) {
            return QList<QByteArray>{IcomFrame(address, QByteArray("\x16\x42\x00", 3))};
        }
        if (!ToneHertzInRange(entry, refusal)) {
            return std::nullopt;
        }
        // The tone in three packed-digit bytes of tenths of Hz (67.0 Hz is 00 06 70): the radio
        // refuses a frame with two.
        return QList<QByteArray>{
            IcomFrame(address,
                      QByteArray("\x1B\x00\x00", 3) + PackedToneTenths(entry.toneHz)),
            IcomFrame(address, QByteArray("\x16\x42\x01", 3))};
    }

    void UplinkFrequency(CatLink& link, double uplinkKHz) override {
        if (const auto frequency = EncodeIcomFrequency(uplinkKHz)) {
            link.Send(IcomFrame(pair_.transmit, QByteArray(1, '\x05') + frequency->bytes));
            link.Delay();
        }
    }

    // Radio 2's own mode bytes: FM/FMN carry a filter only on a satellite radio with the
    // older satellite switch; USB and LSB change only the mode byte; other words send the
    // previous frame again.
    void UplinkMode(CatLink& link, const QString& mode, bool) override {
        if (!link.HasPort()) {
            return;
        }
        if (mode == "FM" || mode == "FMN") {
            uplinkModeBytes_ = model_.uplinkFmFilter
                                   ? QByteArray(1, '\x05') + char(mode == "FM" ? 1 : 2)
                                   : QByteArray(1, '\x05');
        } else if (mode == "CW" || mode == "CWN") {
            uplinkModeBytes_ = QByteArray("\x03\x01", 2);
        } else if (mode == "USB" || mode == "LSB") {
            uplinkModeBytes_[0] = mode == "USB" ? '\x01' : '\x00';
        }
        link.Send(IcomFrame(pair_.transmit, QByteArray(1, '\x06') + uplinkModeBytes_));
        link.Delay();
    }

    void UplinkTransmitReceive(CatLink& link, bool transmit) override {
        link.Send(IcomFrame(pair_.transmit, transmit ? kTransmit : kReceive));
    }

    void UplinkBandSetup(CatLink& link, double downlinkKHz, double downlinkOffsetKHz) override {
        if (!model_.radio.bandSetup || !link.HasPort()) {
            return;
        }
        link.ClearInput();
        link.Send(IcomFrame(pair_.receive, kReadFrequency));
        const QString text = IcomFrequencyAnswer(link.AwaitReply(16), pair_.receive);
        if (text.isEmpty()) {
            return;
        }
        const double away = std::abs(downlinkKHz - downlinkOffsetKHz - text.toDouble());
        if (away > 50000 && away < 500000) {
            link.Send(IcomFrame(pair_.receive, kExchangeBands));
            link.Delay();
        }
    }

    static int UplinkEveryNthSend(double fD, double fU) {
        int n = 1;
        if (InsideReadbackWindow(fD, fU)) {
            n = 1;
        } else if (fD > fU) {
            n = static_cast<int>(std::nearbyint(fD / fU));
        } else {
            n = static_cast<int>(std::nearbyint(fU / fD)) - 1;
        }
        return std::max(n, 1);
    }

private:
    bool SingleSatelliteRadio() const {
        return model_.modelClass == IcomClass::Satellite && pair_.receive == pair_.transmit &&
               !secondRadio_;
    }

    void Send(RadioContext& c, int address, const QByteArray& body) {
        if (!body.isEmpty()) {
            c.link.Send(IcomFrame(address, body));
        }
    }

    // Select a VFO and let its echo and acknowledgement arrive (more than 12 bytes, up to
    // one CAT delay, or twice that with `longWait`), then drop them.
    void SelectVfo(RadioContext& c, int address, int vfo, bool longWait) {
        Send(c, address, QByteArray(1, '\x07') + char(vfo));
        if (longWait) {
            c.link.AwaitReply(12);
        } else {
            c.link.Delay();
        }
        c.link.ClearInput();
    }

    void SendOnVfoB(RadioContext& c, double uplinkKHz) {
        SelectVfo(c, pair_.receive, subVfo_, false);
        SendUplink(c, uplinkKHz);
        SelectVfo(c, pair_.receive, mainVfo_, false);
    }

    // A frequency frame, then its echo and acknowledgement are awaited and dropped.
    void SendFrequency(RadioContext& c, int address, const IcomFrequency& frequency) {
        Send(c, address, QByteArray(1, '\x05') + frequency.bytes);
        c.link.Delay();
        c.link.AwaitReply(16);
        c.link.ClearInput();
    }

    QString ReadFrequency(RadioContext& c) {
        c.link.ClearInput();
        Send(c, pair_.receive, kReadFrequency);
        return IcomFrequencyAnswer(c.link.AwaitReply(16), pair_.receive);
    }

    void SendMode(RadioContext& c, int address, const QString& mode, bool uplink) {
        const IcomModeClass modeClass = model_.modelClass == IcomClass::Satellite
                                            ? IcomModeClass::Satellite
                                            : IcomModeClass::Other;
        const auto bytes = IcomModeBytes(mode, modeClass, uplink);
        if (mode == "FMD" && !bytes) {
            return;  // a radio without the data mode keeps its mode
        }
        if (bytes) {
            modeBytes_ = *bytes;
        }
        Send(c, address, QByteArray(1, '\x06') + modeBytes_);
        if (mode == "FMD" && model_.dataMode) {
            c.link.Delay();
            Send(c, address, kDataModeOn);
        }
    }

    const IcomModelRecord& model_;
    bool satelliteOption_ = false;
    bool secondRadio_ = false;
    bool vfoPair_ = false;
    IcomAddressPair pair_;
    IcomAddressPair configuredPair_;  // the first pair of the file, or radio 2's address
    bool hasPairs_ = false;
    int mainVfo_ = 0xD0, subVfo_ = 0xD1;
    QByteArray modeBytes_ = QByteArray(1, '\x05');  // FM until a mode was sent
    QByteArray uplinkModeBytes_ = QByteArray(1, '\x05');
};

}  // namespace

std::unique_ptr<RadioCommandSet> MakeIcomCommandSet(const CommandSetSettings& settings) {
    const QString& name = settings.uplinkRole ? settings.files.Get<SecondIcomModel>().model
                                              : settings.files.Get<IcomModel>().model;
    const IcomModelRecord* model = FindIcomModel(name);
    return std::make_unique<IcomCommandSet>(model != nullptr ? *model : OtherIcomModel(),
                                            settings);
}

IcomAddressPair AddressPairForBandPair(BandPair pair, IcomAddressPair configured) {
    if (pair == BandPair::UV) {
        std::swap(configured.receive, configured.transmit);
    }
    return configured;
}

}  // namespace orbivox
