// The second radio, its family's command set in the uplink role; the radios' roles for a
// band pair.
#include "radio/SecondRadio.h"

#include <QDebug>

#include "radio/RadioFamilies.h"

namespace orbivox {

namespace {

CommandSetSettings UplinkRoleSettings(const SecondRadioSetup& setup) {
    CommandSetSettings settings;
    settings.files = setup.files;
    settings.uplinkRole = true;
    settings.radio1Model = setup.radio1Model;
    return settings;
}

}  // namespace

SecondRadio::SecondRadio(const SecondRadioSetup& setup, CatLink& link)
    : setup_(setup), link_(link), commands_(MakeCommandSet(setup.family, UplinkRoleSettings(setup))) {
    link_.ReportWritesWithoutPort(this, [this] {
        if (onMessage) {
            onMessage(kNoRadio2Port);
        }
    });
}

SecondRadio::~SecondRadio() {
    link_.ReportWritesWithoutPort(this, nullptr);
}

void SecondRadio::PortOpened() {
    if (commands_) {
        commands_->UplinkPortOpened(link_);
    }
}

void SecondRadio::SendUplink(double uplinkKHz) {
    if (commands_) {
        commands_->UplinkFrequency(link_, uplinkKHz);
    }
}

bool SecondRadio::Transmitting(bool catOn, double& lastSentTarget) {
    if (!link_.HasPort() || !commands_) {
        return false;
    }
    return commands_->UplinkTransmitting(link_, catOn, lastSentTarget);
}

void SecondRadio::ModeSetup(const QString& uplinkMode, bool dialMoved) {
    if (commands_) {
        commands_->UplinkMode(link_, uplinkMode, dialMoved);
    }
}

void SecondRadio::TransmitReceive(bool transmit) {
    if (commands_) {
        commands_->UplinkTransmitReceive(link_, transmit);
        link_.Delay();
    }
}

void SecondRadio::BandSetup(double downlinkKHz, double downlinkOffsetKHz) {
    if (commands_) {
        commands_->UplinkBandSetup(link_, downlinkKHz, downlinkOffsetKHz);
    }
}

void SecondRadio::SendTone(const QList<QByteArray>& commands) {
    link_.SendEach(commands);
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

SecondRadioSetup AsSecondRadio(RadioFamily family, const CommandSetSettings& radio1) {
    SecondRadioSetup setup;
    setup.family = family;
    if (const RadioFamilyDescriptor* descriptor = FindRadioFamily(family)) {
        descriptor->radio1AsRadio2(radio1.files, setup.files);
    }
    return setup;
}

CommandSetSettings AsFirstRadio(const SecondRadioSetup& radio2, const CommandSetSettings& radio1) {
    CommandSetSettings settings = radio1;
    if (const RadioFamilyDescriptor* descriptor = FindRadioFamily(radio2.family)) {
        descriptor->radio2AsRadio1(radio2.files, settings.files);
    }
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
