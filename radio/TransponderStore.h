#pragma once
// The three operations that rewrite the transponder table from the live tuning: storing the
// present receive and transmit frequencies as the selected entry's, folding the uplink
// calibration into its uplink, and putting back the file as it was before the last store.
//
// A store rewrites the selected entry's own line and no other: it finds that line by the
// number it had when the table was read and refuses when the line there no longer reads as
// then (the file was edited or restored meanwhile). The whole file is rewritten, however
// long, through an atomic replace.
#include <QString>

#include "radio/CalibrationTarget.h"
#include "radio/TransponderTable.h"
#include "settings/Notifier.h"

namespace orbivox {

struct TransponderFiles {
    QString table;   // Doppler.SQF
    QString backup;  // DopplerOld.SQF, the table as it was before the last RX/TX store
};

// The two files in a configuration data folder (ending in "/").
TransponderFiles TransponderFilesIn(const QString& dataFolder);

inline const QString kStoredMessage = QStringLiteral("The changings have been stored!\r");
inline const QString kOnlySsbMessage =
    QStringLiteral("Function can be used only with SSB transponders!");
inline const QString kRestoredMessage = QStringLiteral(
    "The Doppler.SQF file has been restored with the previous data!\r"
    "From next program start these data will be loaded.");

// "RX/TX Freq. Data": field 2 becomes D - dD - receive correction, field 3 U - dU, after the
// file is backed up; refused for an FM transponder. The target pauses tracking meanwhile
// and takes the new values; entry (the table's selected entry, null when none was found)
// gets the new frequencies and line text. Every outcome is told through notifier. True
// when the file was written.
bool StoreRxTxFrequencies(const TransponderFiles& files, TransponderEntry* entry,
                          CalibrationTarget& target, Notifier& notifier);

// "Uplink Calibration": field 3 becomes the entry's uplink + calibration / 1000 (no
// backup); the target takes the new uplink and clears its calibration.
bool StoreUplinkCalibration(const TransponderFiles& files, TransponderEntry* entry,
                            CalibrationTarget& target, Notifier& notifier);

// "Restore data": the backup's lines replace the table file; the table in memory stays.
// Refused when there is no backup.
bool RestoreTransponderTable(const TransponderFiles& files, Notifier& notifier);

}  // namespace orbivox
