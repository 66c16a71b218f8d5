// The second radio's commands, and the radios' roles for a band pair.
#include "radio/SecondRadio.h"

#include <QDebug>
#include <QThread>
#include <cmath>

#include "radio/FrequencyDigits.h"
#include "radio/IcomFrames.h"
#include "radio/KenwoodCommandSet.h"
#include "radio/YaesuCommandSet.h"
#include "radio/YaesuIICommandSet.h"

namespace orbivox {
namespace {

QByteArray YaesuBlock(std::uint8_t opcode) {
    QByteArray block(5, '\0');
    block[4] = static_cast<char>(opcode);
    return block;
}

// About 0.1 s (1/860000 day): the classic Yaesu radio 2's pause after its mode block.
constexpr unsigned long kYaesuModePauseMs = 100;

}  // namespace

SecondRadio::SecondRadio(const SecondRadioSetup& setup, CatLink& link)
    : setup_(setup), link_(link) {}

void SecondRadio::Send(const QByteArray& bytes) {
    if (!link_.HasPort()) {
        if (onMessage) {
            onMessage(kNoRadio2Port);
        }
        return;
    }
    link_.Send(bytes);
}

QByteArray SecondRadio::IcomFrameFor(const QByteArray& body) const {
    return IcomFrame(setup_.icom.address, body);
}

void SecondRadio::PortOpened() {
    switch (setup_.family) {
        case RadioFamily::Yaesu: {
            QByteArray block(5, '\x80');
            if (!setup_.radio1Ft736r) {
                block[4] = '\x8E';
            }
            Send(block);
            link_.Delay();
            if (setup_.yaesu.model == "FT-736R" || setup_.yaesu.model == "FT-847") {
                Send(YaesuBlock(0x00));
                link_.Delay();
            }
            break;
        }
        case RadioFamily::Kenwood:
            if (setup_.kenwood.model != "Others") {
                Send("DC0;");
                link_.Delay();
                Send("FN0;");
                link_.Delay();
            }
            break;
        default:
            break;
    }
}

void SecondRadio::SendUplink(double uplinkKHz) {
    switch (setup_.family) {
        case RadioFamily::Yaesu: {
            const YaesuFrequencyBlock block = EncodeYaesuFrequency(
                uplinkKHz, static_cast<std::uint8_t>(setup_.yaesu.uplinkOpcode));
            if (!block.bytes.isEmpty()) {
                lastYaesuBlock_ = block.bytes;
                Send(block.bytes);
            }
            break;
        }
        case RadioFamily::YaesuII:
            Send(EncodeYaesuIIFrequency("FA", uplinkKHz).bytes);
            break;
        case RadioFamily::Kenwood:
            Send(EncodeKenwoodFrequency("FA", uplinkKHz, setup_.kenwood.model == "TS-790").bytes);
            break;
        case RadioFamily::Icom:
            if (const auto frequency = EncodeIcomFrequency(uplinkKHz)) {
                Send(IcomFrameFor(QByteArray(1, '\x05') + frequency->bytes));
                link_.Delay();
            }
            break;
        case RadioFamily::None:
            break;
    }
}

bool SecondRadio::Transmitting(bool catOn, double& lastSentTarget) {
    transmitting_ = false;
    if (!link_.HasPort()) {
        return false;
    }
    if (setup_.family == RadioFamily::Yaesu && setup_.yaesu.model != "FT-736R") {
        link_.ClearInput();
        link_.Send(YaesuBlock(0xF7));
        const QByteArray answer = link_.AwaitReply(0);
        transmitting_ = !answer.isEmpty() && (static_cast<std::uint8_t>(answer[0]) & 0x80) == 0;
    } else if (setup_.family == RadioFamily::YaesuII && catOn) {
        link_.ClearInput();
        link_.Send("TX;");
        transmitting_ = link_.AwaitReply(2).contains("TX2;");
        lastSentTarget = 0;
    }
    return transmitting_;
}

void SecondRadio::ModeSetup(const QString& uplinkMode, bool dialMoved) {
    if (!link_.HasPort() && setup_.family != RadioFamily::YaesuII) {
        return;
    }
    switch (setup_.family) {
        case RadioFamily::Yaesu: {
            const int byte = YaesuModeByte(uplinkMode);
            if (byte >= 0) {
                QByteArray block = lastYaesuBlock_.size() == 5 ? lastYaesuBlock_ : YaesuBlock(0);
                block[0] = static_cast<char>(byte);
                block[4] = '\x07';
                Send(block);
            }
            QThread::msleep(kYaesuModePauseMs);
            break;
        }
        case RadioFamily::YaesuII:
            if (!dialMoved) {
                Send(("MD" + YaesuIIModeCode(uplinkMode, true) + ";").toLatin1());
                link_.Delay();
            }
            break;
        case RadioFamily::Kenwood: {
            if (dialMoved) {
                break;
            }
            const int digit = KenwoodModeDigit(uplinkMode);
            Send(QStringLiteral("MD%1;").arg(digit != 0 ? digit : 4).toLatin1());
            link_.Delay();
            if (uplinkMode == "FMN" || uplinkMode == "FM") {
                Send(uplinkMode == "FMN" ? "FW0000;" : "FW0001;");
                link_.Delay();
            }
            break;
        }
        case RadioFamily::Icom: {
            if (transmitting_) {
                break;
            }
            // Radio 2's own mode bytes: FM/FMN carry a filter only on the IC-910H; USB and
            // LSB change only the mode byte; other words send the previous frame again.
            if (uplinkMode == "FM" || uplinkMode == "FMN") {
                icomModeBytes_ = setup_.icomModel == "IC-910H"
                                     ? QByteArray(1, '\x05') + char(uplinkMode == "FM" ? 1 : 2)
                                     : QByteArray(1, '\x05');
            } else if (uplinkMode == "CW" || uplinkMode == "CWN") {
                icomModeBytes_ = QByteArray("\x03\x01", 2);
            } else if (uplinkMode == "USB" || uplinkMode == "LSB") {
                icomModeBytes_[0] = uplinkMode == "USB" ? '\x01' : '\x00';
            }
            Send(IcomFrameFor(QByteArray(1, '\x06') + icomModeBytes_));
            link_.Delay();
            break;
        }
        case RadioFamily::None:
            break;
    }
}

void SecondRadio::TransmitReceive(bool transmit) {
    switch (setup_.family) {
        case RadioFamily::Icom:
            Send(IcomFrameFor(transmit ? QByteArray("\x1C\x00\x01", 3)
                                       : QByteArray("\x1C\x00\x00", 3)));
            break;
        case RadioFamily::Yaesu:
            Send(YaesuBlock(transmit ? 0x08 : 0x88));
            break;
        case RadioFamily::YaesuII:
            Send(transmit ? "TX1;" : "TX0;");
            break;
        case RadioFamily::Kenwood:
            Send(";");
            Send(transmit ? "TX;" : "RX;");
            break;
        case RadioFamily::None:
            return;
    }
    link_.Delay();
}

bool SecondRadio::NeedsBandSetup() const {
    return setup_.family == RadioFamily::Icom &&
           (setup_.icomModel == "IC-820H" || setup_.icomModel == "IC-821H");
}

void SecondRadio::BandSetup(double downlinkKHz, double downlinkOffsetKHz) {
    if (!NeedsBandSetup() || !link_.HasPort()) {
        return;
    }
    link_.ClearInput();
    link_.Send(IcomFrameFor(QByteArray(1, '\x03')));
    const QString text = IcomFrequencyAnswer(link_.AwaitReply(16), setup_.icom.address);
    if (text.isEmpty()) {
        return;
    }
    const double away = std::abs(downlinkKHz - downlinkOffsetKHz - text.toDouble());
    if (away > 50000 && away < 500000) {
        link_.Send(IcomFrameFor(QByteArray("\x07\xB0", 2)));
        link_.Delay();
    }
}

ToneTarget SecondRadio::Tone() const {
    switch (setup_.family) {
        case RadioFamily::Yaesu:
            return {setup_.family, setup_.yaesu.model, 0};
        case RadioFamily::YaesuII:
            return {setup_.family, setup_.yaesuII.model, 0};
        case RadioFamily::Kenwood:
            return {setup_.family, setup_.kenwood.model, 0};
        case RadioFamily::Icom:
            return {setup_.family, setup_.icomModel, setup_.icom.address};
        case RadioFamily::None:
            break;
    }
    return {};
}

void SecondRadio::SendTone(const QList<QByteArray>& commands) {
    for (const QByteArray& command : commands) {
        Send(command);
        link_.Delay();
    }
}

PortRoles RolesForBandPair(BandPair pair, const RadioPortRole& radio1,
                           const RadioPortRole& radio2) {
    if (pair == BandPair::VU) {
        return {radio1, radio2};
    }
    // Device, family, lines and baud rate all follow their radio to the other port.
    return {radio2, radio1};
}

bool ExchangeDue(bool enabled, BandPair previous, BandPair next, int ticksSinceStart) {
    if (!enabled || previous == next) {
        return false;
    }
    return next == BandPair::UV || ticksSinceStart >= 3;
}

IcomAddressPair AddressPairForBandPair(BandPair pair, IcomAddressPair configured) {
    if (pair == BandPair::UV) {
        std::swap(configured.receive, configured.transmit);
    }
    return configured;
}

}  // namespace orbivox

namespace orbivox {

SecondRadioSetup AsSecondRadio(RadioFamily family, const CommandSetSettings& radio1) {
    SecondRadioSetup setup;
    setup.family = family;
    setup.yaesu = radio1.yaesu;
    setup.yaesuII = radio1.yaesuII;
    setup.kenwood = radio1.kenwood;
    setup.icomModel = radio1.icomModel.model;
    setup.icom.baudRate = radio1.icom.baudRate;
    if (!radio1.icom.addressPairs.isEmpty()) {
        setup.icom.address = radio1.icom.addressPairs.first().receive;
    }
    return setup;
}

CommandSetSettings AsFirstRadio(const SecondRadioSetup& radio2, const CommandSetSettings& radio1) {
    CommandSetSettings settings = radio1;
    settings.yaesu = radio2.yaesu;
    settings.yaesuII = radio2.yaesuII;
    settings.kenwood = radio2.kenwood;
    settings.icomModel = IcomVfoBytesForModel(IcomModel{radio2.icomModel, 0, 0});
    settings.icom.baudRate = radio2.icom.baudRate;
    settings.icom.addressPairs = {{radio2.icom.address, radio2.icom.address}};
    return settings;
}

bool ReopenPorts(const PortRoles& roles, SerialPort& port1, SerialPort& port2, int* failed) {
    port1.Close();
    port2.Close();
    bool opened = true;
    int number = 1;
    for (const auto& [port, role] :
         {std::pair<SerialPort*, const RadioPortRole*>{&port1, &roles.port1},
          {&port2, &roles.port2}}) {
        if (!port->Open(role->device, role->line)) {
            if (failed != nullptr) {
                *failed = number;
            }
            opened = false;
        } else if (!port->SetRts(role->rts) || !port->SetDtr(role->dtr)) {
            // Pseudo-terminals and some adapters have no modem lines: noted, not an error.
            qInfo().noquote() << "RTS/DTR could not be set on" << role->device;
        }
        ++number;
    }
    return opened;
}

}  // namespace orbivox
