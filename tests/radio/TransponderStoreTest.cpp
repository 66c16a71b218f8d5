// Storing the live tuning into Doppler.SQF and restoring it, on scratch files: only the
// selected entry's own line changes, refusals leave every file as it was, and the tuning is
// paused, handed the new values and resumed.
#include "radio/TransponderStore.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>

#include "settings/SqfFile.h"
#include "tests/radio/TransponderTestTarget.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingNotifier.h"
#include "tests/support/ScratchFiles.h"

namespace orbivox {
namespace {

// Not the three-line header the old layout assumed, and a comment between entries: entry k
// is not file line k + 3 here.
const QByteArray kTable =
    ";Satellite,Downlink kHz,...\r\n"
    "OSCAR 7 (AO-7),145950,432150,USB,LSB,REV,0,0\r\n"
    ";linear ones\r\n"
    "JAS-2 (FO-29),435850,145950,USB,LSB,REV,0,0,old note\r\n"
    "SAUDISAT 1C (SO-50),436795,145850,FM,FM,NOR,0,0\r\n"
    "FO-29 typo,435000\r\n";

class TransponderStoreTest : public ScratchFolder {
protected:
    void SetUp() override {
        Write("Doppler.SQF", kTable);
        files_ = TransponderFilesIn(dir_.path() + "/");
        table_ = ReadTransponderTable(files_.table);
    }
    TransponderEntry& Entry(const QString& name) {
        for (TransponderEntry& entry : table_) {
            if (entry.satelliteName == name) {
                return entry;
            }
        }
        throw std::runtime_error("no such entry");
    }
    QByteArray TableWith(const char* from, const char* to) const {
        return QByteArray(kTable).replace(from, to);
    }

    TransponderFiles files_;
    QList<TransponderEntry> table_;
    RecordingTarget target_;
    RecordingNotifier notifier_;
};

TEST_F(TransponderStoreTest, RxTxStoreRewritesOnlyTheEntrysLineAfterABackup) {
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    target_.tuning = {435151.75, 145901.5, 1.0, 1.0, 0.25, 900};
    TransponderEntry& fo29 = Entry("JAS-2 (FO-29)");

    EXPECT_TRUE(StoreRxTxFrequencies(files_, &fo29, target_, notifier_));
    QLocale::setDefault(before);
    EXPECT_EQ(Bytes("Doppler.SQF"), TableWith("435850,145950,USB,LSB,REV,0,0,old note",
                                              "435150.5,145900.5,USB,LSB,REV,0,0,old note"));
    EXPECT_EQ(Bytes("DopplerOld.SQF"), kTable);
    EXPECT_EQ(target_.events, QStringList({"pause", "rxtx 435150.50 145900.50", "resume"}));
    EXPECT_EQ(notifier_.messages, QStringList(kStoredMessage));
    EXPECT_DOUBLE_EQ(fo29.downlinkKHz, 435150.5);
    EXPECT_DOUBLE_EQ(fo29.uplinkKHz, 145900.5);

    // The entry now knows its new line, so it can be stored again; the backup follows.
    target_.tuning = {435150, 145900, 0, 0, 0, 0};
    EXPECT_TRUE(StoreRxTxFrequencies(files_, &fo29, target_, notifier_));
    EXPECT_EQ(Bytes("Doppler.SQF"), TableWith("435850,145950", "435150,145900"));
    EXPECT_EQ(Bytes("DopplerOld.SQF"), TableWith("435850,145950", "435150.5,145900.5"));

    // A short line gets the field it lacks.
    TransponderEntry& typo = Entry("FO-29 typo");
    EXPECT_TRUE(StoreRxTxFrequencies(files_, &typo, target_, notifier_));
    EXPECT_TRUE(Bytes("Doppler.SQF").endsWith("\r\nFO-29 typo,435150,145900\r\n"));
}

// Each refusal: the tracking resumes, the operator is told why, and no file is touched
// (in particular no backup is taken for a store that does not happen).
TEST_F(TransponderStoreTest, RefusedStoresTouchNoFile) {
    struct Case {
        const char* name;
        const char* entry;      // null: no transponder selected
        QByteArray fileBefore;  // the file as it is when the button is pressed
        bool calibration;
        QString message;
    } const cases[] = {
        {"FM transponder", "SAUDISAT 1C (SO-50)", kTable, false, kOnlySsbMessage},
        {"line edited meanwhile", "JAS-2 (FO-29)", TableWith("435850", "435855"), false,
         "Doppler.SQF has changed since it was read: line 4 no longer holds \"JAS-2 "
         "(FO-29),435850,145950,USB,LSB,REV,0,0,old note\".\rNothing was stored."},
        {"line moved by an added header line", "JAS-2 (FO-29)", ";new header\r\n" + kTable, true,
         ""},
        {"no transponder", nullptr, kTable, true,
         "No transponder of the working satellite is selected.\rNothing was stored."},
        {"tuning not a number", "OSCAR 7 (AO-7)", kTable, false,
         "The present frequencies are no numbers.\rNothing was stored."},
        {"calibration not a number", "OSCAR 7 (AO-7)", kTable, true,
         "The present frequencies are no numbers.\rNothing was stored."},
        {"file gone", "OSCAR 7 (AO-7)", QByteArray(), true,
         "Doppler.SQF could not be read (file not found).\rNothing was stored."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        target_.events.clear();
        notifier_.messages.clear();
        if (c.fileBefore.isEmpty()) {
            QFile::remove(Path("Doppler.SQF"));
        } else {
            Write("Doppler.SQF", c.fileBefore);
        }
        TransponderEntry* entry = c.entry ? &Entry(c.entry) : nullptr;
        const TransponderEntry unchanged = entry ? *entry : TransponderEntry();
        target_.tuning = {435000, 145900, 0, 0, 0, 1000};
        if (QByteArray(c.name).endsWith("not a number")) {
            target_.tuning = {std::nan(""), 145900, 0, 0, 0, std::nan("")};
        }
        const bool written = c.calibration
                                 ? StoreUplinkCalibration(files_, entry, target_, notifier_)
                                 : StoreRxTxFrequencies(files_, entry, target_, notifier_);
        EXPECT_FALSE(written);
        EXPECT_EQ(target_.events, QStringList({"pause", "resume"}));
        ASSERT_EQ(notifier_.messages.size(), 1);
        if (!c.message.isEmpty()) {
            EXPECT_EQ(notifier_.messages[0], c.message);
        }
        if (!c.fileBefore.isEmpty()) {
            EXPECT_EQ(Bytes("Doppler.SQF"), c.fileBefore);
        }
        EXPECT_FALSE(QFile::exists(Path("DopplerOld.SQF")));
        if (entry) {
            EXPECT_EQ(entry->line, unchanged.line);
            EXPECT_DOUBLE_EQ(entry->uplinkKHz, unchanged.uplinkKHz);
        }
    }
}

TEST_F(TransponderStoreTest, CalibrationIsFoldedInOnceWithoutBackup) {
    TransponderEntry& ao7 = Entry("OSCAR 7 (AO-7)");
    target_.tuning.uplinkCalibrationHz = -1250;
    EXPECT_TRUE(StoreUplinkCalibration(files_, &ao7, target_, notifier_));
    EXPECT_EQ(Bytes("Doppler.SQF"), TableWith("432150", "432148.75"));
    EXPECT_FALSE(QFile::exists(Path("DopplerOld.SQF")));
    EXPECT_EQ(target_.events, QStringList({"pause", "calibration 432148.75", "resume"}));
    EXPECT_EQ(notifier_.messages, QStringList(kStoredMessage));

    // The target cleared its calibration: storing again changes nothing.
    EXPECT_TRUE(StoreUplinkCalibration(files_, &ao7, target_, notifier_));
    EXPECT_EQ(Bytes("Doppler.SQF"), TableWith("432150", "432148.75"));
    EXPECT_DOUBLE_EQ(ao7.uplinkKHz, 432148.75);
}

// Long merged tables: a store rewrites the whole file, the lines after the 2000th included.
TEST_F(TransponderStoreTest, AStoreKeepsEveryLineOfALongTable) {
    QByteArray content = kTable;
    for (int i = 0; i < 2500; ++i) {
        content += "SAT" + QByteArray::number(i) + ",435000,145900,USB,LSB,REV,0,0\r\n";
    }
    Write("Doppler.SQF", content);
    table_ = ReadTransponderTable(files_.table);
    target_.tuning = {435010, 145890, 0, 0, 0, 0};
    EXPECT_TRUE(StoreRxTxFrequencies(files_, &Entry("SAT2400"), target_, notifier_));
    EXPECT_EQ(Bytes("Doppler.SQF"),
              QByteArray(content).replace("SAT2400,435000,145900", "SAT2400,435010,145890"));
    EXPECT_EQ(Bytes("DopplerOld.SQF"), content);
}

TEST_F(TransponderStoreTest, RestorePutsBackTheBackupAndNeedsOne) {
    EXPECT_FALSE(RestoreTransponderTable(files_, notifier_));
    EXPECT_EQ(notifier_.messages,
              QStringList("There is no backup DopplerOld.SQF yet: a store of RX/TX frequencies "
                          "makes one.\rDoppler.SQF was left as it is."));
    EXPECT_EQ(Bytes("Doppler.SQF"), kTable);

    target_.tuning = {435100, 145800, 0, 0, 0, 0};
    ASSERT_TRUE(StoreRxTxFrequencies(files_, &Entry("OSCAR 7 (AO-7)"), target_, notifier_));
    ASSERT_NE(Bytes("Doppler.SQF"), kTable);
    notifier_.messages.clear();
    EXPECT_TRUE(RestoreTransponderTable(files_, notifier_));
    EXPECT_EQ(Bytes("Doppler.SQF"), kTable);
    EXPECT_EQ(notifier_.messages, QStringList(kRestoredMessage));
}

}  // namespace
}  // namespace orbivox
