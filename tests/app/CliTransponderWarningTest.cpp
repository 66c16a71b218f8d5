// A typo in Doppler.SQF at start-up: the tool still runs and says once, on standard error,
// which file and line it read as 0.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "tests/app/CliRunner.h"

namespace {

TEST(CliTransponderWarning, ATypedNumberIsReportedOnceAndTheRunGoesOn) {
    QTemporaryDir home;
    ASSERT_EQ(RunCli({"folders"}, home.path()).exitCode, 0);  // first start makes the folder
    QFile doppler(home.path() + "/.local/share/Orbivox32/Doppler.SQF");
    ASSERT_TRUE(doppler.open(QIODevice::Append));
    doppler.write("NEW-1,4351OO,145900,USB,LSB,REV,0,0\r\nNEW-2,435100,x,USB,LSB,REV,0,0\r\n");
    doppler.close();

    const CliRun run = RunCli({"track", "--ticks", "1"}, home.path());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(run.out.isEmpty());
    const QStringList warnings = run.err.split('\n', Qt::SkipEmptyParts).filter("Doppler.SQF");
    ASSERT_EQ(warnings.size(), 1) << run.err.toStdString();
    EXPECT_TRUE(warnings[0].startsWith("Doppler.SQF, line "));
    EXPECT_TRUE(warnings[0].endsWith(": field 2 holds no number, read as 0 (and 1 more such line)"))
        << warnings[0].toStdString();
}

}  // namespace
