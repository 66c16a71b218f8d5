// The Rotor Setup's rules: choosing and searching an interface's server, storing, the
// checks of the SatIni.SQF rotor rows, the positioning options and the hints menu.
#include "rotator/RotorSetup.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <map>

#include "rotator/RotorInterface.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

// SatIni.SQF's first line of the four rows (7 to 10).
constexpr int kFirstRowLine = 7;
// SatStart.SQF's rotor-server flag.
constexpr int kServerFlagLine = 4;
// "Hints [Rotor]" lists entries 2 to 23; its items 20 to 22 have no readme.
constexpr int kFirstHintEntry = 1;
constexpr int kLastHintEntry = 22;
constexpr int kFirstSilentHint = 19;

const QString kRestart = QStringLiteral("Restart Orbivox32 when the settings changed!");

bool IsNoServerName(const QString& name) {
    return name == QLatin1String("DDE") || name == QLatin1String("None");
}

// The whole text as a number (a trailing digit alone is not enough: "x5" is no number).
std::optional<double> WholeNumber(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

}  // namespace

RotorSetup::RotorSetup(const Folders& folders, RotorSettings& positioning, Notifier& notifier)
    : folders_(folders), positioning_(positioning), notifier_(notifier) {}

QString RotorSetup::Config(const char* name) const {
    return folders_.ConfigFile(QLatin1String(name));
}

void RotorSetup::Load(bool rotorServerFlag, const QList<long long>& parallelPorts) {
    entries_ = ReadRotorInterfaces(Config("AlleServer.SQF"));
    index_ = ReadRotorInterfaceIndex(Config("RotorInterface.SQF"));
    positioning_.decimals = ReadRotorDecimals(Config("Decimals.SQF"));
    rotorServerFlag_ = rotorServerFlag;
    parallelPorts_ = parallelPorts;
    ReadSatIniRows();
    rotctld_ = ReadDaemonAddress(Config("RotctldSrv.SQF"), kRotctldDefaultAddress);
}

bool RotorSetup::RotctldChosen() const {
    const RotorInterfaceEntry* entry = RotorInterfaceAt(entries_, index_);
    return entry != nullptr && IsRotctldServer(entry->serverPath);
}

bool RotorSetup::TypeRotctldHost(const QString& text, QString* refusal) {
    return TakeDaemonHost(text, rotctld_.host, refusal);
}

bool RotorSetup::TypeRotctldPort(const QString& text, QString* refusal) {
    return TakeDaemonPort(text, rotctld_.port, refusal);
}

void RotorSetup::ReadSatIniRows() {
    const QStringList lines = ReadSqfLines(Config("SatIni.SQF"));
    for (int k = 0; k < kRotorSetupRows; ++k) {
        values_[static_cast<size_t>(k)] = lines.value(kFirstRowLine - 1 + k).trimmed();
    }
    rowTexts_ = values_;
}

void RotorSetup::Show() {
    ReadSatIniRows();
    if (SelectedHasServer()) {
        positioning_.corrections = ReadAntennaCorrections(Config("AntKorr.SQF"));
    }
}

bool RotorSetup::SelectedHasServer() const {
    const RotorInterfaceEntry* entry = RotorInterfaceAt(entries_, index_);
    return entry && !IsNoServerName(entry->name);
}

void RotorSetup::SelectInterface(int row) {
    const RotorInterfaceEntry* entry = RotorInterfaceAt(entries_, row);
    if (!entry) {
        return;  // the list has no such row
    }
    index_ = row;
    if (InterfaceHasNoServer(entry->name)) {
        rotorServerFlag_ = false;
        return;
    }
    const QString program = ServerProgramLocation(entry->serverPath, folders_.programFolder);
    if (QFileInfo(program).isFile()) {
        rotorServerFlag_ = true;
        return;
    }
    notifier_.Warning(QStringLiteral("Server program ") + program + " could not be found!\r" +
                      "Click on \"Search\" and search for the program file:\r" + "\"" +
                      QFileInfo(program).fileName() + "\",\r" +
                      "Mark the file name and click on \"Open\".\r" +
                      "Then save filename and path of the server program.");
    searchEnabled_ = true;
}

void RotorSetup::SearchResult(const std::optional<QString>& chosenFile) {
    if (!chosenFile || chosenFile->isEmpty()) {
        notifier_.Warning(QStringLiteral("The server file could not be found!\r") +
                          "Check whether the chosen interface is the right one" + "\r" +
                          "and whether the server software has been installed." + "\r" +
                          "Click the \"Search\" button in menu Setup/Rotor Setup" + "\r" +
                          "to search for the server program." + "\r");
        return;
    }
    if (index_ < 0 || index_ >= entries_.size()) {
        return;
    }
    // Programs here have no ".exe"; only a name that has one loses it.
    QString path = *chosenFile;
    if (path.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
        path.chop(4);
    }
    entries_[index_].serverPath = path;
    rotorServerFlag_ = !IsNoServerName(entries_[index_].name);
}

void RotorSetup::Store() {
    WriteRotorInterfaces(Config("AlleServer.SQF"), entries_);
    StoreSqfLines(Config("SatStart.SQF"), {{kServerFlagLine, SqfFlagText(rotorServerFlag_)}});
    WriteRotorInterfaceIndex(Config("RotorInterface.SQF"), index_);
    WriteRotorDecimals(Config("Decimals.SQF"), positioning_.decimals);
    // Only this dialog's lines of SatIni.SQF; the others (and line 15) stay as they are.
    StoreAntennaCorrections(Config("AntKorr.SQF"), Config("SatIni.SQF"), positioning_.corrections);
    std::map<int, QString> lines;
    for (int k = 0; k < kRotorSetupRows; ++k) {
        lines[kFirstRowLine + k] = values_[static_cast<size_t>(k)];
    }
    StoreSqfLines(Config("SatIni.SQF"), lines);

    const RotorInterfaceEntry* entry = RotorInterfaceAt(entries_, index_);
    QString serverPath = QStringLiteral("none");
    if (entry) {
        serverPath = IsAbsoluteServerPath(entry->serverPath)
                         ? entry->serverPath
                         : AbsoluteServerPath(entry->serverPath, folders_.programFolder);
    }
    WriteServerPath(Config("RotorServer.SQF"), serverPath);
    if (RotctldChosen()) {
        StoreDaemonAddress(Config("RotctldSrv.SQF"), rotctld_);
    }

    if (!entry || IsNoServerName(entry->name)) {
        notifier_.Message(kRestart);
    } else {
        notifier_.Message(kRestart + "\r" +
                          "The server program will automatically be started by Orbivox32.\r" +
                          "Note that possibly further settings and adjustments may be\r" +
                          "required in the setup of the server program.\r" +
                          "Please, read also the help text (click the \"Help\" button\r" +
                          "in the server program).");
    }
}

bool RotorSetup::EditRow(RotorSetupRow row, const QString& text) {
    correctionHint_ = false;
    const size_t k = static_cast<size_t>(row);
    QString value = text.trimmed();
    bool valid = false;
    switch (row) {
        case RotorSetupRow::ParallelPort:
            valid = value.size() == 1 && value[0] >= QChar('0') && value[0] <= QChar('4');
            break;
        case RotorSetupRow::Delay: {
            if (value.isEmpty()) {
                value = QStringLiteral("0");
                correctionHint_ = true;
            }
            bool ok = false;
            const int delay = value.toInt(&ok);
            valid = ok && delay >= 0;
            break;
        }
        case RotorSetupRow::TurningPoint:
            value = value.toUpper();
            valid = value == QLatin1String("N") || value == QLatin1String("S");
            break;
        case RotorSetupRow::MinimumElevation: {
            if (value.isEmpty()) {
                value = QStringLiteral("0");
                correctionHint_ = true;
            }
            const std::optional<double> number = WholeNumber(value);
            valid = number && *number >= -90 && *number <= 90;
            break;
        }
    }
    rowTexts_[k] = value;
    if (!valid) {
        correctionHint_ = true;
        notifier_.Beep();
        return false;
    }
    values_[k] = value;
    if (row == RotorSetupRow::TurningPoint) {
        positioning_.turningPoint = value[0];
        ApplyFlipRules(positioning_);
    } else if (row == RotorSetupRow::MinimumElevation) {
        positioning_.minElevation = value.toDouble();
    }
    return true;
}

QString RotorSetup::PortAddressText() const {
    const int port = values_[static_cast<size_t>(RotorSetupRow::ParallelPort)].toInt();
    const long long address =
        port >= 1 && port <= parallelPorts_.size() ? parallelPorts_[port - 1] : 0;
    return QStringLiteral("$") +
           QStringLiteral("%1").arg(address, 4, 16, QLatin1Char('0')).toUpper();
}

QStringList RotorSetup::RowHelp(RotorSetupRow row) {
    switch (row) {
        case RotorSetupRow::ParallelPort:
            return {QStringLiteral("  Port number:"),
                    QStringLiteral("  The interface is connected to a parallel port."),
                    QStringLiteral("  Port 2 is preset, because the printer is usually"),
                    QStringLiteral("  on Port 1. The address is read from ParPort.SQF.")};
        case RotorSetupRow::Delay:
            return {QStringLiteral("  Rotor delay:"),
                    QStringLiteral("  Output goes to the interface without flow control;"),
                    QStringLiteral("  set the delay only as high as necessary, tested with"),
                    QStringLiteral("  the 1 degree correction function of menu Rotor."),
                    QStringLiteral("  The program must be restarted after a change."),
                    QStringLiteral("  DX 486/33  :  10,"),
                    QStringLiteral("  Pent.I/90  :  30,"),
                    QStringLiteral("  Pent.II/350:  70.")};
        case RotorSetupRow::TurningPoint:
            return {QStringLiteral("  Rotor Turning Point:"),
                    QStringLiteral("  Enter s for south or n for north.")};
        case RotorSetupRow::MinimumElevation:
            return {QStringLiteral("  Minimum Elevation:"),
                    QStringLiteral("  This is the elevation-angle (in deg.), at which the"),
                    QStringLiteral("  rotor-control starts, when a satellite is rising."),
                    QStringLiteral("  The presetting (-3) is a practical value, because"),
                    QStringLiteral("  it avoids a loss of audibility-time. The antenna"),
                    QStringLiteral("  itself is not turned below 0.")};
    }
    return {};
}

void RotorSetup::SetDecimals(int decimals) {
    positioning_.decimals = std::clamp(decimals, 0, 2);
}

void RotorSetup::SetFlipMode(bool flip, bool dialogVisible) {
    if (flip && !positioning_.flip.flipMode && dialogVisible) {
        notifier_.Message(
            QStringLiteral("Make sure that your antenna system allows 180 deg. elevation,\r "
                           "before you select this option!"));
    }
    positioning_.flip.flipMode = flip;
    ApplyFlipRules(positioning_);
}

void RotorSetup::SetAzimuth450(bool overlap) {
    positioning_.flip.azimuth450 = overlap && Azimuth450Allowed(positioning_);
}

void RotorSetup::SetUpdateMode(QChar mode, AntennaPositioning* positioning) {
    positioning_.update.updateMode = mode;
    if (positioning) {
        positioning->ResetRotorCounter();
    }
}

void RotorSetup::StoreRotorOptions() {
    RotorUpdateOptions options = positioning_.update;
    options.rotorServer = rotorServerFlag_;
    WriteRotorUpdateOptions(Config("WiRotOpt.SQF"), options);
    WriteFlipSettings(Config("Flip.SQF"), positioning_.flip);
}

QStringList RotorSetup::HintNames() const {
    QStringList names;
    for (int k = kFirstHintEntry; k <= kLastHintEntry && k < entries_.size(); ++k) {
        names.append(entries_[k].name);
    }
    return names;
}

QString RotorSetup::HintReadmePath(int item) const {
    const int k = kFirstHintEntry + item;
    if (item < 0 || item >= kFirstSilentHint || k > kLastHintEntry || k >= entries_.size()) {
        return {};
    }
    const RotorInterfaceEntry& entry = entries_[k];
    const QString readme = QStringLiteral("Readme(") + entry.name + ").txt";
    if (IsAbsoluteServerPath(entry.serverPath)) {
        return QDir(folders_.programFolder + entry.name).filePath(readme);
    }
    const QString program =
        ServerProgramPath(AbsoluteServerPath(entry.serverPath, folders_.programFolder));
    return QDir(QFileInfo(program).absolutePath()).filePath(readme);
}

}  // namespace orbivox
