// Rewriting one transponder line in Doppler.SQF after checking it is still the selected
// entry's, with the backup and the tuning handed back around it.
#include "radio/TransponderStore.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cmath>
#include <map>

#include "radio/TransponderList.h"
#include "settings/SqfFile.h"

namespace orbivox {

namespace {

// Tracking stands still from the start of a store to its end, whichever way it ends.
class PausedTracking {
public:
    explicit PausedTracking(CalibrationTarget& target) : target_(target) {
        target_.PauseTracking();
    }
    ~PausedTracking() { target_.ResumeTracking(); }
    PausedTracking(const PausedTracking&) = delete;
    PausedTracking& operator=(const PausedTracking&) = delete;

private:
    CalibrationTarget& target_;
};

QString NothingStored(const QString& why) {
    return why + QStringLiteral("\rNothing was stored.");
}

// A tuning that is not a number (nothing tuned yet) must not be written as "NAN".
const QString kNoFrequency =
    QStringLiteral("The present frequencies are no numbers.\rNothing was stored.");

// The table's lines as the file holds them now, with the selected entry's line checked.
struct TableLines {
    QStringList lines;
    int index = -1;  // 0-based index of the entry's line
    QString refusal;
};

TableLines ReadEntryLine(const QString& path, const TransponderEntry* entry) {
    TableLines table;
    const QString name = QFileInfo(path).fileName();
    if (!entry) {
        table.refusal =
            NothingStored(QStringLiteral("No transponder of the working satellite is selected."));
        return table;
    }
    try {
        table.lines = ReadSqfLines(path);
    } catch (const SqfError& error) {
        table.refusal = NothingStored(name + QStringLiteral(" could not be read (") +
                                      error.reason() + QStringLiteral(")."));
        return table;
    }
    const int index = entry->lineNumber - 1;
    if (index < 0 || index >= table.lines.size() || table.lines[index] != entry->line) {
        table.refusal = NothingStored(
            name +
            QStringLiteral(" has changed since it was read: line %1 no longer holds \"")
                .arg(entry->lineNumber) +
            entry->line + QStringLiteral("\"."));
        return table;
    }
    table.index = index;
    return table;
}

// The line with the given number fields (2, 3, 7 or 8) replaced and every other character
// kept; a short line gets the commas it lacks.
QString WithNumberFields(const QString& line, const std::map<int, double>& values) {
    QStringList fields = line.split(QLatin1Char(','));
    for (const auto& [field, value] : values) {
        while (fields.size() < field) {
            fields.append(QString());
        }
        fields[field - 1] = TransponderKHzText(value);
    }
    return fields.join(QLatin1Char(','));
}

// Writes the lines (first the backup, when asked); the refusal text when a write failed.
QString WriteTable(const TransponderFiles& files, const QStringList& original,
                   const QStringList& changed, bool backUp) {
    try {
        if (backUp) {
            SqfWriter().Lines(original).Commit(files.backup);
        }
        SqfWriter().Lines(changed).Commit(files.table);
    } catch (const SqfError& error) {
        return NothingStored(error.fileName() + QStringLiteral(" could not be written (") +
                             error.reason() + QStringLiteral(")."));
    }
    return {};
}

}  // namespace

TransponderFiles TransponderFilesIn(const QString& dataFolder) {
    return {dataFolder + QStringLiteral("Doppler.SQF"),
            dataFolder + QStringLiteral("DopplerOld.SQF")};
}

bool StoreRxTxFrequencies(const TransponderFiles& files, TransponderEntry* entry,
                          CalibrationTarget& target, Notifier& notifier) {
    QString refusal;
    bool onlySsb = false;
    {
        PausedTracking paused(target);
        TableLines table = ReadEntryLine(files.table, entry);
        refusal = table.refusal;
        if (refusal.isEmpty()) {
            const QString& line = table.lines[table.index];
            // The check comes before the backup: a refused store leaves DopplerOld.SQF as
            // the file before the last store that did write.
            onlySsb = line.mid(line.indexOf(QLatin1Char(',')) + 1).contains(QLatin1String("FM"));
        }
        if (refusal.isEmpty() && !onlySsb) {
            const TuningForStore tuning = target.TuningNow();
            const double downlink =
                tuning.receiveKHz - tuning.downlinkShiftKHz - tuning.receiveCorrectionKHz;
            const double uplink = tuning.transmitKHz - tuning.uplinkShiftKHz;
            QStringList changed = table.lines;
            changed[table.index] =
                WithNumberFields(table.lines[table.index], {{2, downlink}, {3, uplink}});
            refusal = std::isfinite(downlink) && std::isfinite(uplink)
                          ? WriteTable(files, table.lines, changed, true)
                          : kNoFrequency;
            if (refusal.isEmpty()) {
                entry->line = changed[table.index];
                entry->downlinkKHz = downlink;
                entry->uplinkKHz = uplink;
                target.RxTxStored(downlink, uplink);
            }
        }
    }
    if (onlySsb) {
        notifier.Message(kOnlySsbMessage);
        return false;
    }
    if (!refusal.isEmpty()) {
        notifier.Warning(refusal);
        return false;
    }
    notifier.Message(kStoredMessage);
    return true;
}

bool StoreUplinkCalibration(const TransponderFiles& files, TransponderEntry* entry,
                            CalibrationTarget& target, Notifier& notifier) {
    QString refusal;
    {
        PausedTracking paused(target);
        TableLines table = ReadEntryLine(files.table, entry);
        refusal = table.refusal;
        if (refusal.isEmpty()) {
            const double uplink = entry->uplinkKHz + target.TuningNow().uplinkCalibrationHz / 1000;
            QStringList changed = table.lines;
            changed[table.index] = WithNumberFields(table.lines[table.index], {{3, uplink}});
            refusal = std::isfinite(uplink) ? WriteTable(files, table.lines, changed, false)
                                            : kNoFrequency;
            if (refusal.isEmpty()) {
                entry->line = changed[table.index];
                entry->uplinkKHz = uplink;
                // Folded into the entry, the calibration must not be added a second time.
                target.CalibrationStored(uplink);
            }
        }
    }
    if (!refusal.isEmpty()) {
        notifier.Warning(refusal);
        return false;
    }
    notifier.Message(kStoredMessage);
    return true;
}

bool RestoreTransponderTable(const TransponderFiles& files, Notifier& notifier) {
    const QString backupName = QFileInfo(files.backup).fileName();
    if (!QFile::exists(files.backup)) {
        notifier.Warning(QStringLiteral("There is no backup %1 yet: a store of RX/TX frequencies "
                                        "makes one.\r%2 was left as it is.")
                             .arg(backupName, QFileInfo(files.table).fileName()));
        return false;
    }
    try {
        const QStringList lines = ReadSqfLines(files.backup);
        SqfWriter().Lines(lines).Commit(files.table);
    } catch (const SqfError& error) {
        notifier.Warning(error.fileName() + QStringLiteral(": ") + error.reason() +
                         QStringLiteral("\rNothing was restored."));
        return false;
    }
    notifier.Message(kRestoredMessage);
    return true;
}

}  // namespace orbivox
