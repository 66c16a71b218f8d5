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

const QStringList kYaesuModels = {"FT-736R", "FT-847", "FT-817", "FT-857", "FT-897"};
const QStringList kYaesuIIModels = {"FT-991", "FT-991A"};
const QStringList kKenwoodModels = {"TS-790", "TS-2000", "Others"};
const QStringList kIcomModels = {"IC-820H", "IC-821H",     "IC-910H", "IC-9100",
                                 "IC-9700", "IC-706MKIIG", "IC-7000", "Others"};
const QStringList kYaesuBauds = {"4800", "9600", "38400", "57600", "115200"};
const QStringList kSixBauds = {"4800", "9600", "19200", "38400", "57600", "115200"};
const QStringList kRadio2KenwoodBauds = {"4800", "9600", "57600", "115200"};
const QStringList kIcomBauds = {"1200", "4800", "9600", "19200", "57600", "115200"};

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
    v.yaesu = ReadYaesuParameters(Config("YaesuPar.SQF"));
    v.yaesuII = ReadYaesuIIParameters(Config("YaesuIIPar.SQF"));
    v.kenwood = ReadKenwoodParameters(Config("KenwoodPar.SQF"));
    v.icom = ReadIcomParameters(Config("IcomPar.SQF"));
    v.icomModel = ReadIcomModel(Config("IcomName.SQF"));
    const QStringList satIni = ReadSqfLines(Config("SatIni.SQF"));
    v.port = NumberIn(satIni.value(kPortLine - 1), 0, kMaxPort).value_or(0);
    v.catDelayMs = NumberIn(satIni.value(kCatDelayLine - 1), 0, kMaxCatDelayMs).value_or(0);
    v.lines = ReadPortLines(Config("RTS12.SQF"));
    const QStringList satStart = ReadSqfLines(Config("SatStart.SQF"));
    v.kctTuner = satStart.value(kKctLine - 1).trimmed() == QLatin1String("+");
    v.satelliteMode = satStart.value(kSatelliteModeLine - 1).trimmed() == QLatin1String("+");
    v.radio2 = ReadSecondRadioSettings(Radio2File("TRX_Semi.SQF"));
    if (v.radio2.family != RadioFamily::None) {
        v.radio2Yaesu = ReadYaesuParameters(Radio2File("YaesuParSemi.SQF"));
        v.radio2YaesuII = ReadYaesuIIParameters(Radio2File("YaesuIIParSemi.SQF"));
        v.radio2Kenwood = ReadKenwoodParameters(Radio2File("KenwoodParSemi.SQF"));
        v.radio2IcomModel = ReadSecondIcomModel(Radio2File("IcomNameSemi.SQF"));
        v.radio2Icom = ReadSecondIcomParameters(Radio2File("IcomParSemi.SQF"));
    }
    devices_ = ReadPortMap(Config("ComPorts.SQF"));
    chosenDevices_.clear();
    values_ = v;
    SelectPair(0);
}

QList<RadioSetupItem> RadioSetup::ItemKinds(RadioFamily family) {
    switch (family) {
        case RadioFamily::Kenwood:
            return {RadioSetupItem::Model, RadioSetupItem::BaudRate,
                    RadioSetupItem::SatelliteMemory, RadioSetupItem::Trace};
        case RadioFamily::Icom:
            return {RadioSetupItem::Model, RadioSetupItem::BaudRate, RadioSetupItem::Addresses};
        case RadioFamily::None:
            return {};
        default:
            return {RadioSetupItem::Model, RadioSetupItem::BaudRate};
    }
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
        }
    }
    return items;
}

QStringList RadioSetup::Choices(RadioFamily family, RadioSetupItem item, int radio) {
    if (item == RadioSetupItem::SatelliteMemory) {
        return {"0", "1", "2"};
    }
    if (item == RadioSetupItem::Trace) {
        return {"TraceOn", "TraceOff"};
    }
    const bool model = item == RadioSetupItem::Model;
    switch (family) {
        case RadioFamily::Yaesu:
            return model ? kYaesuModels : kYaesuBauds;
        case RadioFamily::YaesuII:
            return model ? kYaesuIIModels : kSixBauds;
        case RadioFamily::Kenwood:
            return model ? kKenwoodModels : (radio == 2 ? kRadio2KenwoodBauds : kSixBauds);
        case RadioFamily::Icom:
            return item == RadioSetupItem::Addresses ? QStringList()
                                                     : (model ? kIcomModels : kIcomBauds);
        case RadioFamily::None:
            break;
    }
    return {};
}

QString RadioSetup::Chosen(RadioFamily family, RadioSetupItem item, int radio) const {
    const RadioSetupValues& v = values_;
    const bool model = item == RadioSetupItem::Model;
    const bool first = radio == 1;
    switch (family) {
        case RadioFamily::Yaesu: {
            const YaesuParameters& p = first ? v.yaesu : v.radio2Yaesu;
            return model ? p.model : p.baudRate;
        }
        case RadioFamily::YaesuII: {
            const YaesuIIParameters& p = first ? v.yaesuII : v.radio2YaesuII;
            return model ? p.model : p.baudRate;
        }
        case RadioFamily::Kenwood: {
            const KenwoodParameters& p = first ? v.kenwood : v.radio2Kenwood;
            switch (item) {
                case RadioSetupItem::Model:
                    return p.model;
                case RadioSetupItem::BaudRate:
                    return p.baudRate;
                case RadioSetupItem::SatelliteMemory:
                    return QString(p.satelliteMemory);
                case RadioSetupItem::Trace:
                    return p.traceOn ? QStringLiteral("TraceOn") : QStringLiteral("TraceOff");
                case RadioSetupItem::Addresses:
                    break;
            }
            return {};
        }
        case RadioFamily::Icom:
            if (item == RadioSetupItem::Addresses) {
                return first ? PairTexts().value(pairIndex_) : Radio2AddressText();
            }
            if (model) {
                return first ? v.icomModel.model : v.radio2IcomModel;
            }
            return first ? v.icom.baudRate : v.radio2Icom.baudRate;
        case RadioFamily::None:
            break;
    }
    return {};
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
    RadioSetupValues& v = values_;
    const bool model = item == RadioSetupItem::Model;
    const bool first = radio == 1;
    switch (family) {
        case RadioFamily::Yaesu: {
            YaesuParameters& p = first ? v.yaesu : v.radio2Yaesu;
            (model ? p.model : p.baudRate) = choice;
            break;
        }
        case RadioFamily::YaesuII: {
            YaesuIIParameters& p = first ? v.yaesuII : v.radio2YaesuII;
            (model ? p.model : p.baudRate) = choice;
            break;
        }
        case RadioFamily::Kenwood: {
            KenwoodParameters& p = first ? v.kenwood : v.radio2Kenwood;
            if (item == RadioSetupItem::SatelliteMemory) {
                p.satelliteMemory = choice[0];
            } else if (item == RadioSetupItem::Trace) {
                p.traceOn = choice == QLatin1String("TraceOn");
            } else {
                (model ? p.model : p.baudRate) = choice;
            }
            break;
        }
        case RadioFamily::Icom:
            if (model) {
                (first ? v.icomModel.model : v.radio2IcomModel) = choice;
            } else {
                (first ? v.icom.baudRate : v.radio2Icom.baudRate) = choice;
            }
            break;
        case RadioFamily::None:
            return false;
    }
    return true;
}

void RadioSetup::ChooseRadio1(RadioFamily family) {
    if (family == RadioFamily::None) {
        return;  // radio 1 always has a family
    }
    values_.radio1 = family;
    if (family == RadioFamily::Icom && values_.radio2.family == RadioFamily::Icom) {
        notifier_.Message(
            QStringLiteral("The program will steer 2 Icom radios via a single CAT interface\r"
                           "(to save a 2nd COM port). \rSelect \"None\" for Radio 2 and select "
                           "both Icom device addresses\rin section \"Radio 1\"."));
    }
}

void RadioSetup::ChooseRadio2(RadioFamily family) {
    values_.radio2.family = family;
    if (family == RadioFamily::None) {
        values_.radio2.port = 0;
    } else if (family == RadioFamily::Icom && values_.radio1 == RadioFamily::Icom) {
        ChooseRadio1(RadioFamily::Icom);
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

QStringList RadioSetup::PairTexts() const {
    return AddressPairTexts(values_.icom.addressPairs);
}

void RadioSetup::SelectPair(int index) {
    const auto& pairs = values_.icom.addressPairs;
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
    auto& pairs = values_.icom.addressPairs;
    if (pairs.isEmpty()) {
        pairs.append(editedPair_);
        pairIndex_ = 0;
    } else {
        pairs[pairIndex_] = editedPair_;
    }
}

void RadioSetup::StepRadio2Address(int step) {
    values_.radio2Icom.address = WrapByte(values_.radio2Icom.address + step);
}

QString RadioSetup::Radio2AddressText() const {
    return QLatin1Char(' ') + DollarHexByte(values_.radio2Icom.address);
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
        {Config("YaesuPar.SQF"),
         [&v](const QString& p) { WriteYaesuParameters(p, YaesuOpcodesForModel(v.yaesu)); }},
        {Config("YaesuIIPar.SQF"),
         [&v](const QString& p) { WriteYaesuIIParameters(p, v.yaesuII); }},
        {Config("KenwoodPar.SQF"),
         [&v](const QString& p) { WriteKenwoodParameters(p, v.kenwood); }},
        {Config("IcomPar.SQF"), [&v](const QString& p) { WriteIcomParameters(p, v.icom); }},
        {Config("IcomName.SQF"),
         [&v](const QString& p) { WriteIcomModel(p, IcomVfoBytesForModel(v.icomModel)); }},
        {Radio2File("TRX_Semi.SQF"),
         [&v](const QString& p) { WriteSecondRadioSettings(p, v.radio2); }},
    };
    if (Radio2Configured()) {
        steps.insert(steps.end(),
                     {{Radio2File("YaesuParSemi.SQF"),
                       [&v](const QString& p) {
                           WriteYaesuParameters(p, YaesuOpcodesForModel(v.radio2Yaesu));
                       }},
                      {Radio2File("YaesuIIParSemi.SQF"),
                       [&v](const QString& p) { WriteYaesuIIParameters(p, v.radio2YaesuII); }},
                      {Radio2File("KenwoodParSemi.SQF"),
                       [&v](const QString& p) { WriteKenwoodParameters(p, v.radio2Kenwood); }},
                      {Radio2File("IcomParSemi.SQF"),
                       [&v](const QString& p) { WriteSecondIcomParameters(p, v.radio2Icom); }},
                      {Radio2File("IcomNameSemi.SQF"),
                       [&v](const QString& p) { WriteSecondIcomModel(p, v.radio2IcomModel); }}});
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
