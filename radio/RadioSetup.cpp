// The Radio Setup's rules: the family lists, the checks of the port and CAT delay, the Icom
// address stepping, the port devices and the store of every radio file in its order.
#include "radio/RadioSetup.h"

#include <QDir>
#include <QFileInfo>
#include <map>

#include "radio/HexByte.h"
#include "radio/PortMap.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

constexpr int kPortLine = 5;
constexpr int kCatDelayLine = 6;
constexpr int kKctLine = 11;
constexpr int kSatelliteModeLine = 16;
constexpr int kMaxPort = 99;

// The whole text as a whole number in [low, high] ("x5", "5x" and "" are none).
std::optional<int> NumberIn(const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value >= low && value <= high ? std::optional<int>(value) : std::nullopt;
}

int WrapByte(int value) {
    return ((value % 256) + 256) % 256;
}

}  // namespace

RadioSetup::RadioSetup(const Folders& folders, Notifier& notifier)
    : folders_(folders), notifier_(notifier) {}

QString RadioSetup::Config(const QString& name) const {
    return folders_.ConfigFile(name);
}

QString RadioSetup::Radio2File(const QString& name) const {
    return folders_.ConfigFile(QStringLiteral("Radio2/") + name);
}

void RadioSetup::Load() {
    RadioSetupValues v;
    v.radio1 = ReadRadio1Family(Config("TRX.SQF"));
    for (const RadioFamilyDescriptor* family : RadioFamilies()) {
        for (const RadioParameterFile& file : family->radio1Files) {
            file.read(Config(QLatin1String(file.name)), v.radio1Files);
        }
    }
    const QStringList satIni = ReadSqfLines(Config("SatIni.SQF"));
    v.port = NumberIn(satIni.value(kPortLine - 1), 0, kMaxPort).value_or(0);
    v.catDelayMs = NumberIn(satIni.value(kCatDelayLine - 1), 0, kMaxCatDelayMs).value_or(0);
    v.lines = ReadPortLines(Config("RTS12.SQF"));
    const QStringList satStart = ReadSqfLines(Config("SatStart.SQF"));
    v.kctTuner = satStart.value(kKctLine - 1).trimmed() == QLatin1String("+");
    v.satelliteMode = satStart.value(kSatelliteModeLine - 1).trimmed() == QLatin1String("+");
    v.radio2 = ReadSecondRadioSettings(Radio2File("TRX_Semi.SQF"));
    if (v.radio2.family != RadioFamily::None) {
        for (const RadioFamilyDescriptor* family : RadioFamilies()) {
            for (const RadioParameterFile& file : family->radio2Files) {
                file.read(Radio2File(QLatin1String(file.name)), v.radio2Files);
            }
        }
    }
    devices_ = ReadPortMap(Config("ComPorts.SQF"));
    chosenDevices_.clear();
    values_ = v;
    SelectPair(0);
}

QList<RadioSetupItem> RadioSetup::ItemKinds(RadioFamily family) {
    const RadioFamilyDescriptor* descriptor = FindRadioFamily(family);
    return descriptor != nullptr ? descriptor->setupItems : QList<RadioSetupItem>{};
}

QStringList RadioSetup::Items(RadioFamily family) {
    QStringList items;
    for (RadioSetupItem kind : ItemKinds(family)) {
        switch (kind) {
            case RadioSetupItem::Model:
                items << QStringLiteral("Model");
                break;
            case RadioSetupItem::BaudRate:
                items << QStringLiteral("Baudrate");
                break;
            case RadioSetupItem::SatelliteMemory:
                items << QStringLiteral("S-Store");
                break;
            case RadioSetupItem::Trace:
                items << QStringLiteral("Trace");
                break;
            case RadioSetupItem::Addresses:
                items << QStringLiteral("Addresses");
                break;
            case RadioSetupItem::Host:
                items << QStringLiteral("Host");
                break;
            case RadioSetupItem::NetworkPort:
                items << QStringLiteral("Port");
                break;
            case RadioSetupItem::VfoStyle:
                items << QStringLiteral("VFO style");
                break;
            case RadioSetupItem::RadioName:
                items << QStringLiteral("Radio");
                break;
        }
    }
    return items;
}

QStringList RadioSetup::Choices(RadioFamily family, RadioSetupItem item, int radio) {
    const RadioFamilyDescriptor* descriptor = FindRadioFamily(family);
    if (descriptor == nullptr || !descriptor->setupItems.contains(item)) {
        return {};
    }
    return descriptor->choices(item, radio);
}

QString RadioSetup::Chosen(RadioFamily family, RadioSetupItem item, int radio) const {
    const RadioFamilyDescriptor* descriptor = FindRadioFamily(family);
    if (descriptor == nullptr || !descriptor->setupItems.contains(item)) {
        return {};
    }
    const bool first = radio == 1;
    if (item == RadioSetupItem::Addresses) {
        return first ? PairTexts().value(pairIndex_) : Radio2AddressText();
    }
    return descriptor->chosen(first ? values_.radio1Files : values_.radio2Files, item, radio);
}

bool RadioSetup::Choose(RadioFamily family, RadioSetupItem item, int radio, const QString& choice) {
    if (item == RadioSetupItem::Addresses) {
        if (radio == 1) {
            SelectPair(static_cast<int>(PairTexts().indexOf(choice)));
        }
        return true;
    }
    if (!Choices(family, item, radio).contains(choice)) {
        return false;
    }
    FindRadioFamily(family)->choose(radio == 1 ? values_.radio1Files : values_.radio2Files, item,
                                    radio, choice);
    return true;
}

bool RadioSetup::FreeText(RadioFamily family, RadioSetupItem item) {
    const RadioFamilyDescriptor* descriptor = FindRadioFamily(family);
    return descriptor != nullptr && descriptor->takeText != nullptr &&
           descriptor->setupItems.contains(item) && item != RadioSetupItem::Addresses &&
           descriptor->choices(item, 1).isEmpty();
}

bool RadioSetup::TakeText(RadioFamily family, RadioSetupItem item, int radio, const QString& text,
                          QString* refusal) {
    if (!FreeText(family, item)) {
        return false;
    }
    return FindRadioFamily(family)->takeText(radio == 1 ? values_.radio1Files : values_.radio2Files,
                                             item, text, refusal);
}

QString RadioSetup::TestRadio1() const {
    const RadioFamilyDescriptor* descriptor = FindRadioFamily(values_.radio1);
    if (descriptor == nullptr || descriptor->testNetworkLine == nullptr) {
        return {};
    }
    return descriptor->testNetworkLine(values_.radio1Files);
}

void RadioSetup::ChooseRadio1(RadioFamily family) {
    if (family == RadioFamily::None) {
        return;  // radio 1 always has a family
    }
    values_.radio1 = family;
    const RadioFamilyDescriptor* descriptor = FindRadioFamily(family);
    if (family == values_.radio2.family && descriptor != nullptr &&
        descriptor->bothRadiosMessage != nullptr) {
        notifier_.Message(QString::fromLatin1(descriptor->bothRadiosMessage));
    }
}

void RadioSetup::ChooseRadio2(RadioFamily family) {
    values_.radio2.family = family;
    if (family == RadioFamily::None) {
        values_.radio2.port = 0;
    } else if (family == values_.radio1) {
        ChooseRadio1(family);  // says what two radios of one family take, if anything
    }
}

QString RadioSetup::RowValue(RadioSetupRow row) const {
    return QString::number(row == RadioSetupRow::Port ? values_.port : values_.catDelayMs);
}

bool RadioSetup::EditRow(RadioSetupRow row, const QString& text) {
    const bool port = row == RadioSetupRow::Port;
    const std::optional<int> value = NumberIn(text, 0, port ? kMaxPort : kMaxCatDelayMs);
    if (!value) {
        notifier_.Beep();
        return false;
    }
    (port ? values_.port : values_.catDelayMs) = *value;
    return true;
}

bool RadioSetup::EditRadio2Port(const QString& text) {
    const std::optional<int> value = NumberIn(text, 0, kMaxPort);
    if (!value) {
        notifier_.Beep();
        return false;
    }
    values_.radio2.port = *value;
    return true;
}

QStringList RadioSetup::RowHelp(RadioSetupRow row) {
    if (row == RadioSetupRow::Port) {
        return {"  Port number of CAT interface:",
                "  ",
                "  With this function you can determine a COM",
                "  port (1 - 99) for frequency and mode control",
                "  of the radio.",
                "  At installation the port number is set to 0. With",
                "  this setting the program will run, even if no",
                "  device is connected. This setting therefore",
                "  must be changed only after a radio or an ",
                "  interface has been connected to the port ",
                "  (most radios require an interface for level",
                "  conversion).",
                "    "};
    }
    return {"  CAT delay:",
            "  ",
            "  With the Yaesu and Kenwood transceivers the ",
            "  delay may be 0. The Icom IC-820/821  require ",
            "  a delay of about 70 - 90, however. In a test",
            "  the IC-275/475 required a delay of 140 for proper",
            "  operation in ssb mode (they were run with",
            "  with 1200 Baud, one for uplink, one for downlink).",
            "  Set the delay as low as possible, consistent with",
            "  reliable operation.",
            "    "};
}

QList<IcomAddressPair>& RadioSetup::Pairs() {
    return values_.radio1Files.Get<IcomParameters>().addressPairs;
}

const QList<IcomAddressPair>& RadioSetup::Pairs() const {
    return values_.radio1Files.Get<IcomParameters>().addressPairs;
}

int& RadioSetup::Radio2Address() {
    return values_.radio2Files.Get<SecondIcomParameters>().address;
}

QStringList RadioSetup::PairTexts() const {
    return AddressPairTexts(Pairs());
}

void RadioSetup::SelectPair(int index) {
    const auto& pairs = Pairs();
    pairIndex_ = index >= 0 && index < pairs.size() ? index : 0;
    editedPair_ = pairs.isEmpty() ? IcomAddressPair{} : pairs[pairIndex_];
}

void RadioSetup::StepReceive(int step) {
    editedPair_.receive = WrapByte(editedPair_.receive + step);
}

void RadioSetup::StepTransmit(int step) {
    editedPair_.transmit = WrapByte(editedPair_.transmit + step);
}

void RadioSetup::AcceptPair() {
    auto& pairs = Pairs();
    if (pairs.isEmpty()) {
        pairs.append(editedPair_);
        pairIndex_ = 0;
    } else {
        pairs[pairIndex_] = editedPair_;
    }
}

void RadioSetup::StepRadio2Address(int step) {
    Radio2Address() = WrapByte(Radio2Address() + step);
}

QString RadioSetup::Radio2AddressText() const {
    return QLatin1Char(' ') + DollarHexByte(values_.radio2Files.Get<SecondIcomParameters>().address);
}

QString RadioSetup::DeviceFor(int port) const {
    return DeviceForPort(devices_, port);
}

void RadioSetup::SetDevice(int port, const QString& device) {
    if (port < 1 || port > kMaxPort || device.trimmed().isEmpty() ||
        device.trimmed() == DeviceFor(port)) {
        return;
    }
    devices_.insert(port, device.trimmed());
    chosenDevices_.insert(port, device.trimmed());
}

bool RadioSetup::Store() {
    if (ReachedOverNetwork(values_.radio1)) {
        values_.port = 0;  // reached over the network: no serial port to open
    }
    const RadioSetupValues& v = values_;
    // The files in their order; each step writes one file atomically.
    std::vector<std::pair<QString, std::function<void(const QString&)>>> steps = {
        {Config("SatIni.SQF"),
         [&v](const QString& p) {
             StoreSqfLines(p, {{kPortLine, QString::number(v.port)},
                               {kCatDelayLine, QString::number(v.catDelayMs)}});
         }},
        {Config("RTS12.SQF"), [&v](const QString& p) { WritePortLines(p, v.lines); }},
        {Config("TRX.SQF"), [&v](const QString& p) { WriteRadio1Family(p, v.radio1); }},
    };
    for (const RadioFamilyDescriptor* family : RadioFamilies()) {
        for (const RadioParameterFile& file : family->radio1Files) {
            steps.push_back({Config(QLatin1String(file.name)),
                             [&v, &file](const QString& p) { file.store(p, v.radio1Files); }});
        }
    }
    steps.push_back({Radio2File("TRX_Semi.SQF"),
                     [&v](const QString& p) { WriteSecondRadioSettings(p, v.radio2); }});
    if (Radio2Configured()) {
        for (const RadioFamilyDescriptor* family : RadioFamilies()) {
            for (const RadioParameterFile& file : family->radio2Files) {
                steps.push_back({Radio2File(QLatin1String(file.name)),
                                 [&v, &file](const QString& p) { file.store(p, v.radio2Files); }});
            }
        }
    }
    // The KCT-Tuner and Satellite Mode boxes live in SatStart.SQF; only their lines change.
    steps.push_back({Config("SatStart.SQF"), [this, &v](const QString& p) {
                         StoreSqfLines(p, {{kKctLine, SqfFlagText(v.kctTuner)},
                                           {kSatelliteModeLine, SqfFlagText(v.satelliteMode)}});
                         if (onStartFlagsStored) {
                             onStartFlagsStored(v.kctTuner, v.satelliteMode);
                         }
                     }});
    if (!chosenDevices_.isEmpty()) {
        steps.push_back({Config("ComPorts.SQF"), [this](const QString& p) {
                             for (auto it = chosenDevices_.cbegin(); it != chosenDevices_.cend();
                                  ++it) {
                                 StorePortMapEntry(p, it.key(), it.value());
                             }
                         }});
    }

    QDir().mkpath(QFileInfo(Radio2File("TRX_Semi.SQF")).absolutePath());
    for (const auto& [path, write] : steps) {
        try {
            write(path);
        } catch (const SqfError& e) {
            notifier_.Error(QStringLiteral("The radio settings could not be stored completely.\r") +
                            WriteFailureText(path, e) +
                            QStringLiteral("\rThe files before it were stored."));
            return false;
        }
    }
    chosenDevices_.clear();
    notifier_.Message(kRadioSetupRestart);
    return true;
}

}  // namespace orbivox
