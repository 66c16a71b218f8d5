// The stores of one kill-test round, through the program's own writers.
#include "tests/reliability/SettingsStores.h"

#include <QFile>
#include <stdexcept>

#include "catalogue/GroupFiles.h"
#include "map/ObserverSetup.h"
#include "radio/TransponderStore.h"
#include "radio/TransponderTable.h"
#include "settings/Notifier.h"
#include "tracking/StationSettings.h"

namespace orbivox {

namespace {

// The live tuning a store takes its frequencies from; nothing is paused here.
class FixedTuning : public CalibrationTarget {
public:
    explicit FixedTuning(TuningForStore tuning) : tuning_(tuning) {}
    TuningForStore TuningNow() const override { return tuning_; }
    void PauseTracking() override {}
    void ResumeTracking() override {}
    void RxTxStored(double, double) override {}
    void CalibrationStored(double) override {}

private:
    TuningForStore tuning_;
};

class SilentNotifier : public Notifier {
public:
    void Show(const OperatorMessage&) override {}
    bool Ask(const OperatorMessage&) override { return true; }
    void Beep() override {}
};

// The transponder whose line the rounds rewrite: the table's first SSB entry.
constexpr int kStoredEntry = 0;

}  // namespace

QStringList StoredSettingsFiles() {
    return {QStringLiteral("SatIni.SQF"), QStringLiteral("Amateur.Sat"),
            QStringLiteral("SatPos.SQF"), QStringLiteral("Doppler.SQF"),
            QStringLiteral("DopplerOld.SQF")};
}

void PrepareSettingsFolder(const QString& folder) {
    for (const char* name : {"SatIni.SQF", "Amateur.Sat", "Doppler.SQF"}) {
        const QString from = QStringLiteral(ORBIVOX_BUNDLED_DATA "/") + QLatin1String(name);
        if (!QFile::copy(from, folder + QLatin1String(name))) {
            throw std::runtime_error("cannot copy " + from.toStdString());
        }
        QFile::setPermissions(folder + QLatin1String(name), QFile::ReadOwner | QFile::WriteOwner);
    }
}

void StoreSettingsRound(const QString& folder, int version) {
    const QString v = QString::number(version);
    StoreObserverLines(folder + QStringLiteral("SatIni.SQF"),
                       {v, QStringLiteral("JN58TD"), QString::number(11.5 + version / 1000.0),
                        QString::number(48.1 - version / 1000.0), QStringLiteral("N"), v});

    QList<GroupMember> members;
    for (int i = 0; i <= version % kMaxGroupMembers; ++i) {
        members.append({QStringLiteral("SAT %1-%2").arg(version).arg(i), i % 2 == 0});
    }
    WriteGroupFile(folder + QStringLiteral("Amateur.Sat"), members);

    WriteWindowPosition(folder + QStringLiteral("SatPos.SQF"), {version, 2 * version, 7, 9, true});

    const TransponderFiles files = TransponderFilesIn(folder);
    QList<TransponderEntry> table = ReadTransponderTable(files.table);
    TransponderEntry& entry = table[kStoredEntry];
    TuningForStore tuning;
    tuning.receiveKHz = 145950 + version;
    tuning.transmitKHz = 432150 - version;
    FixedTuning target(tuning);
    SilentNotifier notifier;
    if (!StoreRxTxFrequencies(files, &entry, target, notifier)) {
        throw std::runtime_error("the transponder store refused");
    }
}

}  // namespace orbivox
