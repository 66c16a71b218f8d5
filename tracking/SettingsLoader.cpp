#include "tracking/SettingsLoader.h"

#include <QDir>
#include <QFileInfo>

#include "tracking/SqfFile.h"

namespace orbivox {
namespace {

constexpr int kMaxGroups = 12;

std::function<QString()> Label(const QString& text) {
    return [text] { return text; };
}

// Group names from the first line up to the end, a ";" line, or twelve names.
QStringList ReadGroupNames(const QString& path) {
    QStringList names;
    for (const QString& line : ReadSqfLines(path)) {
        if (line.startsWith(QLatin1Char(';')) || names.size() == kMaxGroups) {
            break;
        }
        names.append(line);
    }
    return names;
}

// A group file named in any letter case (".Sat" and ".SAT" are the same file).
QString FindCaseInsensitive(const QString& folder, const QString& fileName) {
    const QString exact = folder + fileName;
    if (QFileInfo::exists(exact)) {
        return exact;
    }
    for (const QString& entry : QDir(folder).entryList(QDir::Files)) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0) {
            return folder + entry;
        }
    }
    return exact;
}

}  // namespace

QString SourceListFileName(int slot) {
    static const char* const kSuffix[] = {"", "II", "III", "IV"};
    return QStringLiteral("SatSources%1.SQF").arg(QLatin1String(kSuffix[slot]));
}

std::vector<LoaderStep> SettingsLoaderSteps(const Folders& folders, LoadedSettings& s) {
    const QString cfg = folders.configDataFolder;
    const QString main = folders.mainDataFolder;
    auto keep = [&s](const QString& path) {
        return [&s, path] { s.filesAsRead.insert(QFileInfo(path).fileName(), ReadSqfLines(path)); };
    };
    auto keepFile = [&](int number, const QString& name) {
        return LoaderStep{number, Label(name), keep(cfg + name)};
    };
    const QString radio2 = cfg + QStringLiteral("Radio2/");

    std::vector<LoaderStep> steps = {
        keepFile(1, "TRX.SQF"),
        keepFile(2, "Flip.SQF"),
        keepFile(3, "Park.SQF"),
        keepFile(4, "ParkPos.SQF"),
        {5, Label("SatFiles.SQF"),
         [&s, cfg] { s.groupNames = ReadGroupNames(cfg + QStringLiteral("SatFiles.SQF")); }},
        {6, Label("SatIni.SQF, ParPort.SQF"),
         [&s, cfg, keep] {
             s.station = ReadStationSettings(cfg + QStringLiteral("SatIni.SQF"));
             keep(cfg + QStringLiteral("AntKorr.SQF"))();
             s.parallelPorts = ReadParallelPorts(cfg + QStringLiteral("ParPort.SQF"));
             s.parallelPortAddress =
                 ParallelPortAddress(s.parallelPorts, s.station.parallelPortIndex);
         }},
        keepFile(7, "YaesuIIPar.SQF"),
        keepFile(8, "YaesuPar.SQF"),
        keepFile(9, "IcomPar.SQF"),
        keepFile(10, "IcomName.SQF"),
        keepFile(11, "KenwoodPar.SQF"),
        {12, Label("NelvoNames.Txt"), keep(FindCaseInsensitive(main, "NelvoNames.txt"))},
        keepFile(13, "SatNameOpt.SQF"),
        keepFile(14, "RTS12.SQF"),
        keepFile(15, "CountDownPos.SQF"),
        {16, Label("TRX_Semi.SQF"), keep(radio2 + "TRX_Semi.SQF")},
        {17, Label("YaesuParSemi.SQF"), keep(radio2 + "YaesuParSemi.SQF")},
        {18, Label("YaesuIIParSemi.SQF"), keep(radio2 + "YaesuIIParSemi.SQF")},
        {19, Label("KenwoodParSemi.SQF"), keep(radio2 + "KenwoodParSemi.SQF")},
        {20, Label("IcomNameSemi.SQF"), keep(radio2 + "IcomNameSemi.SQF")},
        {21, Label("IcomParSemi.SQF"), keep(radio2 + "IcomParSemi.SQF")},
        // Radio 2's command strings are built from the files of steps 16-21.
        {22, Label("IcomParSemi.SQF"), [] {}},
        keepFile(23, "Squint.SQF"),
        keepFile(24, "SubTone.SQF"),
        keepFile(25, "IntVCat.SQF"),
        keepFile(26, "IntVCatSSB.SQF"),
        {27, Label("SatSources.SQF"),
         [&s, main, slot = folders.slot] {
             const QStringList lines = ReadSqfLines(main + SourceListFileName(slot));
             QString source = lines.value(0);
             if (source.startsWith(QStringLiteral("Kepler"), Qt::CaseInsensitive)) {
                 source = main + source;
             }
             s.sourceFile = QDir::fromNativeSeparators(source.replace(QLatin1Char('\\'), '/'));
         }},
        {28, [&s] { return s.groupNames.value(0) + QStringLiteral(".Sat"); },
         [&s, cfg, keep] {
             keep(FindCaseInsensitive(cfg, s.groupNames.value(0) + QStringLiteral(".Sat")))();
         }},
        keepFile(29, "Doppler.SQF"),
        keepFile(30, "Prior.SQF"),
        {31, Label("SatStart.SQF"),
         [&s, cfg] { s.startValues = ReadStartValues(cfg + QStringLiteral("SatStart.SQF")); }},
        keepFile(32, "WiRotOpt.SQF"),
        keepFile(33, "StandPos.SQF"),
        keepFile(34, "Program.SQF"),
        keepFile(35, "Auxiliary.SQF"),
        {36, Label("RotorServer.SQF oder CatServer.SQF"),
         [cfg, keep] {
             keep(cfg + QStringLiteral("RotorServer.SQF"))();
             keep(cfg + QStringLiteral("CatServer.SQF"))();
         }},
        keepFile(37, "KorrMod.SQF"),
    };
    return steps;
}

std::optional<LoaderFailure> RunSettingsLoader(const Folders& folders, LoadedSettings& settings,
                                               const std::function<void()>& openSerialPorts) {
    const std::vector<LoaderStep> steps = SettingsLoaderSteps(folders, settings);
    const auto firstPart = std::vector<LoaderStep>(steps.begin(), steps.begin() + 22);
    if (auto failure = RunLoaderSteps(firstPart)) {
        return failure;
    }
    if (openSerialPorts) {
        openSerialPorts();
    }
    return RunLoaderSteps(std::vector<LoaderStep>(steps.begin() + 22, steps.end()));
}

}  // namespace orbivox
