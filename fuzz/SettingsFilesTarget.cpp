// Every settings file through the reader the program uses for it. A configuration folder made
// once from the bundled defaults stands in for the user's; each run puts the input in place of
// one file, runs only what reads that file (its loader step, or the dialog's or server's
// reader for a file read outside the loader), and puts the default back.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <cstdlib>
#include <functional>

#include "catalogue/DownloadAddresses.h"
#include "catalogue/ElementAge.h"
#include "fuzz/FuzzInput.h"
#include "fuzz/FuzzTargets.h"
#include "links/SpeechSettings.h"
#include "map/LocPosFile.h"
#include "net/DaemonAddress.h"
#include "radio/PortMap.h"
#include "rotator/PositioningFiles.h"
#include "rotator/ServerFiles.h"
#include "servers/CatBridge.h"
#include "servers/Gs232Settings.h"
#include "settings/Folders.h"
#include "settings/Notifier.h"
#include "settings/SqfFile.h"
#include "tracking/SettingsLoader.h"
#include "tracking/SkyView.h"
#include "tracking/StationSettings.h"

namespace orbivox::fuzz {

namespace {

QByteArray ReadWhole(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::abort();
    }
    return file.readAll();
}

// Answers every question with No and shows nothing.
class SilentNotifier : public Notifier {
public:
    void Show(const OperatorMessage&) override {}
    bool Ask(const OperatorMessage&) override { return false; }
};

using Reader = std::function<void(const QString& path)>;

// The files read outside the loader, each with its reader.
const QMap<QString, Reader>& OutsideReaders() {
    static const QMap<QString, Reader> readers = [] {
        static servers::ServerLog log(ScratchFolder() + QStringLiteral("server.log"));
        QMap<QString, Reader> r;
        r["DivOptions.SQF"] = [](const QString& p) { (void)ReadDivOptions(p); };
        r["Config.SQF"] = [](const QString& p) {
            if (ReadConfigurationSlot(QFileInfo(p).path() + QLatin1Char('/')) > 3) {
                std::abort();
            }
        };
        r["SatPos.SQF"] = [](const QString& p) { (void)ReadWindowPosition(p); };
        r["SkyView.SQF"] = [](const QString& p) { (void)ReadSkyViewPlace(p); };
        r["LocPos.SQF"] = [](const QString& p) { (void)ReadLocPos(p); };
        r["Talk.SQF"] = [](const QString& p) { (void)ReadSpeechSettings(p); };
        r["KepsAge.SQF"] = [](const QString& p) {
            SilentNotifier silent;
            (void)OfferUpdateKeps(silent, p, QStringLiteral("/keps/amateur.txt"),
                                  QStringLiteral("ISS"), ElementAge{20.0, 14.0, true});
        };
        r["ComPorts.SQF"] = [](const QString& p) {
            QStringList skipped;
            (void)ReadPortMap(p, &skipped);
        };
        r["AlleServer.SQF"] = [](const QString& p) { (void)ReadRotorInterfaces(p); };
        r["RotorInterface.SQF"] = [](const QString& p) { (void)ReadRotorInterfaceIndex(p); };
        r["Decimals.SQF"] = [](const QString& p) { (void)ReadRotorDecimals(p); };
        r["Celestrak.SQF"] = [](const QString& p) { (void)ReadDownloadAddresses(p); };
        r["RotctldSrv.SQF"] = [](const QString& p) {
            QString problem;
            const DaemonAddress read =
                ReadDaemonAddress(p, kRotctldDefaultAddress, &problem);
            if (read.port < 1 || read.port > 65535) {
                std::abort();
            }
        };
        r["GS232Srv.SQF"] = [](const QString& p) { (void)servers::ReadGs232Port(p, log); };
        r["HamlibCat.SQF"] = [](const QString& p) { (void)servers::ReadCatSettings(p, log); };
        return r;
    }();
    return readers;
}

// The defaults by their names relative to the folder ("Radio2/TRX_Semi.SQF"), copied into
// the scratch configuration folder on first use; a file read outside the loader that the
// bundle lacks has an empty default (the file is then removed after each run).
const QMap<QString, QByteArray>& Defaults() {
    static const QMap<QString, QByteArray> defaults = [] {
        QMap<QString, QByteArray> files;
        const QDir bundled(QStringLiteral(ORBIVOX_BUNDLED_DATA));
        QDirIterator it(bundled.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString name = bundled.relativeFilePath(path);
            files.insert(name, ReadWhole(path));
            QDir().mkpath(QFileInfo(ScratchFolder() + name).path());
            WriteScratchFile(name, files.value(name));
        }
        if (files.isEmpty()) {
            std::abort();
        }
        for (const QString& name : OutsideReaders().keys()) {
            if (!files.contains(name)) {
                files.insert(name, QByteArray());
            }
        }
        return files;
    }();
    return defaults;
}

// The file the input stands in for: a default's name as written, else one picked by the
// name's bytes so that any first line reaches some reader.
QString TargetName(const QByteArray& head) {
    const QString name = QString::fromLatin1(head);
    if (Defaults().contains(name)) {
        return name;
    }
    unsigned sum = 0;
    for (char c : head) {
        sum += static_cast<unsigned char>(c);
    }
    return Defaults().keys().at(static_cast<qsizetype>(sum % Defaults().size()));
}

// The loader's steps over the scratch folder, made once, with the files each step's label
// names.
struct Loader {
    Folders folders;
    LoadedSettings settings;
    std::vector<LoaderStep> steps;
    std::vector<QStringList> labelled;

    Loader() {
        folders.mainDataFolder = ScratchFolder();
        folders.configDataFolder = ScratchFolder();
        folders.dataRoot = ScratchFolder();
        steps = SettingsLoaderSteps(folders, settings);
        const QRegularExpression between(QStringLiteral(",? (oder )?"));
        for (const LoaderStep& step : steps) {
            labelled.push_back(step.label().split(between));
        }
    }

    // Runs the steps that read the file: those whose label names it, the station step for
    // the corrections file, and the group list's step before a group file's.
    bool RunStepsOf(const QString& name) {
        const QString file = QFileInfo(name).fileName();
        bool ran = false;
        for (size_t k = 0; k < steps.size(); ++k) {
            const int number = steps[k].number;
            const bool reads =
                labelled[k].contains(file, Qt::CaseInsensitive) ||
                (file == QStringLiteral("AntKorr.SQF") && number == 6) ||
                (file.endsWith(QStringLiteral(".Sat")) && (number == 5 || number == 28));
            if (reads) {
                (void)RunLoaderSteps({steps[k]});
                ran = true;
            }
        }
        return ran;
    }
};

}  // namespace

void FuzzSettingsFiles(const std::uint8_t* data, std::size_t size) {
    static Loader loader;
    const HeadAndBody input = SplitFirstLine(data, size);
    const QString name = TargetName(input.head);
    const QString path = WriteScratchFile(name, input.body);

    if (!loader.RunStepsOf(name)) {
        const auto reader = OutsideReaders().constFind(name);
        if (reader != OutsideReaders().constEnd()) {
            try {
                (*reader)(path);
            } catch (const SqfError&) {
                // the reader's own refusal, as the program shows it
            }
        }
    }

    const QByteArray& original = Defaults().value(name);
    if (original.isEmpty() && !QFile::exists(QStringLiteral(ORBIVOX_BUNDLED_DATA "/") + name)) {
        QFile::remove(path);
    } else {
        WriteScratchFile(name, original);
    }
}

}  // namespace orbivox::fuzz
