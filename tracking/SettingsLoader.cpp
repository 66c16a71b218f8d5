// The list of settings steps with their labels and readers, the source list's name per slot,
// and running the steps with the hook that opens the serial ports.
#include "tracking/SettingsLoader.h"

#include <QFileInfo>
#include <algorithm>

#include "radio/RadioFamilies.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

std::function<QString()> Label(const QString& text) {
    return [text] { return text; };
}

std::vector<std::string> StdLines(const QString& path) {
    std::vector<std::string> lines;
    for (const QString& line : ReadSqfLines(path)) {
        lines.push_back(line.toStdString());
    }
    return lines;
}

}  // namespace

QString SourceListFileName(int slot) {
    static const char* const kSuffix[] = {"", "II", "III", "IV"};
    return QStringLiteral("SatSources%1.SQF").arg(QLatin1String(kSuffix[slot]));
}

std::vector<LoaderStep> SettingsLoaderSteps(const Folders& folders, LoadedSettings& s) {
    const QString cfg = folders.configDataFolder;
    const QString main = folders.mainDataFolder;
    const QString radio2 = cfg + QStringLiteral("Radio2/");
    // A step that reads one file of the configuration folder with one reader.
    auto step = [&cfg](int number, const QString& name, auto read) {
        return LoaderStep{number, Label(name), [read, path = cfg + name] { read(path); }};
    };
    auto radio2Step = [&radio2](int number, const QString& name, auto read) {
        return LoaderStep{number, Label(name), [read, path = radio2 + name] { read(path); }};
    };

    std::vector<LoaderStep> steps = {
        step(1, "TRX.SQF", [&s](const QString& p) { s.radio1Family = ReadRadio1Family(p); }),
        step(2, "Flip.SQF", [&s](const QString& p) { s.flip = ReadFlipSettings(p); }),
        step(3, "Park.SQF", [&s](const QString& p) { s.autoPark = ReadAutoPark(p); }),
        step(4, "ParkPos.SQF", [&s](const QString& p) { s.parkPosition = ReadParkPosition(p); }),
        // Without a first group there is no group file to read at step 28; the fault is here.
        step(5, "SatFiles.SQF",
             [&s](const QString& p) {
                 s.groupNames = ReadGroupList(p);
                 if (s.groupNames.value(0).isEmpty()) {
                     throw SqfError(QStringLiteral("SatFiles.SQF"),
                                    QStringLiteral("no group name on its first line"));
                 }
             }),
        {6, Label("SatIni.SQF, ParPort.SQF"),
         [&s, cfg] {
             s.station = ReadStationSettings(cfg + QStringLiteral("SatIni.SQF"));
             // The corrections file wins over the rounded copies in SatIni.SQF.
             s.antennaCorrections = ReadAntennaCorrections(cfg + QStringLiteral("AntKorr.SQF"));
             s.station.verticalCorrection = qRound(s.antennaCorrections.vertical);
             s.station.horizontalCorrection = qRound(s.antennaCorrections.horizontal);
             s.parallelPorts = ReadParallelPorts(cfg + QStringLiteral("ParPort.SQF"));
             s.parallelPortAddress =
                 ParallelPortAddress(s.parallelPorts, s.station.parallelPortIndex);
         }},
        {12, Label("NelvoNames.Txt"),
         [&s, main] { s.namesList = ReadNamesList(main + QStringLiteral("NelvoNames.txt")); }},
        step(13, "SatNameOpt.SQF", [&s](const QString& p) { s.nameOptions = ReadNameOptions(p); }),
        step(14, "RTS12.SQF", [&s](const QString& p) { s.portLines = ReadPortLines(p); }),
        // Radio 1's command strings are built from its files when its family is built.
        step(15, "CountDownPos.SQF",
             [&s](const QString& p) {
                 std::string error;
                 const auto settings = ParseCountdownSettings(StdLines(p), &error);
                 if (!settings) {
                     throw SqfError(QStringLiteral("CountDownPos.SQF"),
                                    QString::fromStdString(error));
                 }
                 s.countdown = *settings;
             }),
        radio2Step(16, "TRX_Semi.SQF",
                   [&s](const QString& p) { s.radio2 = ReadSecondRadioSettings(p); }),
        // Radio 2's command strings are built from the files of steps 16-21.
        {22, Label("IcomParSemi.SQF"), [] {}},
        step(23, "Squint.SQF",
             [&s](const QString& p) { s.squint = orbit::ParseSquintLines(StdLines(p)); }),
        step(24, "SubTone.SQF", [&s](const QString& p) { s.tones = ReadToneTable(p); }),
        step(25, "IntVCat.SQF", [&s](const QString& p) { s.fmInterval = ReadSendInterval(p); }),
        step(26, "IntVCatSSB.SQF", [&s](const QString& p) { s.ssbInterval = ReadSendInterval(p); }),
        {27, Label("SatSources.SQF"),
         [&s, main, slot = folders.slot] {
             s.sourceList = ReadSourceList(main + SourceListFileName(slot));
             s.sourceFile = ResolveSourcePath(s.sourceList.value(0), main);
         }},
        {28, [&s] { return s.groupNames.value(0) + QStringLiteral(".Sat"); },
         [&s, cfg] { s.members = ReadGroupFile(FindGroupFile(cfg, s.groupNames.value(0))); }},
        step(29, "Doppler.SQF",
             [&s](const QString& p) {
                 TransponderTableRead read = ReadTransponderTableWithProblems(p);
                 s.transponders = std::move(read.entries);
                 if (!read.problem.isEmpty()) {
                     s.warnings.append(read.problem);
                 }
             }),
        step(30, "Prior.SQF",
             [&s](const QString& p) { s.priorities = orbit::ParsePriorityLines(StdLines(p)); }),
        step(31, "SatStart.SQF", [&s](const QString& p) { s.startValues = ReadStartValues(p); }),
        step(32, "WiRotOpt.SQF",
             [&s](const QString& p) { s.rotorUpdate = ReadRotorUpdateOptions(p); }),
        step(33, "StandPos.SQF",
             [&s](const QString& p) { s.standardDirections = ReadStandardDirections(p); }),
        step(34, "Program.SQF", [&s](const QString& p) { s.programs = ReadProgramList(p); }),
        step(35, "Auxiliary.SQF",
             [&s](const QString& p) { s.auxiliaryFiles = ReadAuxiliaryList(p); }),
        {36, Label("RotorServer.SQF oder CatServer.SQF"),
         [&s, cfg] {
             s.rotorServerPath = ReadServerPath(cfg + QStringLiteral("RotorServer.SQF"));
             s.catServerPath = ReadServerPath(cfg + QStringLiteral("CatServer.SQF"));
         }},
        step(37, "KorrMod.SQF",
             [&s](const QString& p) { s.correction = ReadCorrectionSettings(p); }),
    };
    // Steps 7-11 and 17-21: each family's parameter files of radio 1 and radio 2.
    for (const RadioFamilyDescriptor* family : RadioFamilies()) {
        for (const RadioParameterFile& file : family->radio1Files) {
            steps.push_back({file.loaderStep, Label(QLatin1String(file.name)),
                             [&s, &file, path = cfg + QLatin1String(file.name)] {
                                 file.read(path, s.radio1Files);
                             }});
        }
        for (const RadioParameterFile& file : family->radio2Files) {
            steps.push_back({file.loaderStep, Label(QLatin1String(file.name)),
                             [&s, &file, path = radio2 + QLatin1String(file.name)] {
                                 file.read(path, s.radio2Files);
                             }});
        }
    }
    std::stable_sort(steps.begin(), steps.end(),
                     [](const LoaderStep& a, const LoaderStep& b) { return a.number < b.number; });
    return steps;
}

std::optional<LoaderFailure> RunSettingsLoader(const Folders& folders, LoadedSettings& settings,
                                               const std::function<void()>& openSerialPorts) {
    const std::vector<LoaderStep> steps = SettingsLoaderSteps(folders, settings);
    // The ports open after step 22.
    const auto secondPart = std::find_if(steps.begin(), steps.end(),
                                         [](const LoaderStep& step) { return step.number > 22; });
    if (auto failure = RunLoaderSteps(std::vector<LoaderStep>(steps.begin(), secondPart))) {
        return failure;
    }
    if (openSerialPorts) {
        openSerialPorts();
    }
    return RunLoaderSteps(std::vector<LoaderStep>(secondPart, steps.end()));
}

}  // namespace orbivox
