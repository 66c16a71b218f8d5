// orbivox look and passes on old elements: a warning line on standard error per old set (one
// for the whole file under a table of passes), the output itself unchanged; OMM files read
// like two-line ones.
#include <gtest/gtest.h>

#include "tests/app/CliRunner.h"

namespace {

const QString kSets = QString(ORBIVOX_TEST_DATA) + "/omm/sets.txt";
const QString kSite = "48.15,11.58,520";

TEST(CliElementAge, OldElementsAreWarnedAboutOnStandardError) {
    const struct {
        QStringList args;
        QString expectedErr;
    } cases[] = {
        // Days after the ISS epoch of 2026-08-22T12:00: fresh.
        {{"look", "--site", kSite, "--at", "2026-08-23T12:00:00Z", "--sat", "ISS (ZARYA)", kSets},
         ""},
        // Four days on: the ISS flies above 300 km, so its limit is 14 days, not 3.
        {{"look", "--site", kSite, "--at", "2026-08-26T12:00:00Z", "--sat", "ISS (ZARYA)", kSets},
         ""},
        {{"passes", "--site", kSite, "--from", "2026-09-12T12:00:00Z", "--count", "1", "--sat",
          "ISS (ZARYA)", kSets},
         "orbivox passes: warning: elements of \"ISS (ZARYA)\" are 21.0 days old (more than 14 "
         "days): fresh ones with orbivox download\n"},
        // A table of one satellite warns as the list does.
        {{"passes", "--site", kSite, "--from", "2026-09-12T12:00:00Z", "--table", "--sat",
          "ISS (ZARYA)", kSets},
         "orbivox passes: warning: elements of \"ISS (ZARYA)\" are 21.0 days old (more than 14 "
         "days): fresh ones with orbivox download\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.err, c.expectedErr);
        EXPECT_FALSE(run.out.isEmpty());
    }
}

// All five sets are old on 12 September: the list names each, the table mixes them and says
// so once, with the oldest.
TEST(CliElementAge, ThePassTableWarnsOnceForTheWholeFile) {
    const QStringList passes{"passes", "--site", kSite, "--from", "2026-09-12T12:00:00Z"};
    const CliRun list = RunCli(passes + QStringList{kSets});
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    EXPECT_EQ(list.err.count("orbivox passes: warning: elements of \""), 5)
        << list.err.toStdString();

    const CliRun table = RunCli(passes + QStringList{"--table", kSets});
    ASSERT_EQ(table.exitCode, 0) << table.err.toStdString();
    EXPECT_EQ(table.err, "orbivox passes: warning: elements of 5 satellites in \"" + kSets +
                             "\" are old, the oldest \"COSMOS 2510\" 81.1 days old (more than 14 "
                             "days): fresh ones with orbivox download\n");
    EXPECT_FALSE(table.out.isEmpty());
}

TEST(CliElementAge, OmmFilesGiveTheSameLinesAsTwoLineFiles) {
    const QString omm = QString(ORBIVOX_TEST_DATA) + "/omm/sets.json";
    for (const QString& command : QStringList{"look", "passes"}) {
        SCOPED_TRACE(command.toStdString());
        const QStringList when =
            command == "look" ? QStringList{"--at", "2026-08-23T02:10:00Z"}
                              : QStringList{"--from", "2026-08-23T00:00:00Z", "--count", "2"};
        const CliRun twoLine =
            RunCli(QStringList{command, "--site", kSite} + when + QStringList{kSets});
        const CliRun json = RunCli(QStringList{command, "--site", kSite} + when + QStringList{omm});
        ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
        EXPECT_EQ(json.out, twoLine.out);
        EXPECT_EQ(json.err, twoLine.err);
    }
}

}  // namespace
