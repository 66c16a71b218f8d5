// orbivox look and passes on old elements: a warning line on standard error per old set, the
// output itself unchanged; OMM files read like two-line ones.
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
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.err, c.expectedErr);
        EXPECT_FALSE(run.out.isEmpty());
    }
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
