// orbivox dde against orbivox track on the bundled data: the data item follows the list
// line tick by tick, a second copy leaves the first one's socket alone, and the client's
// answers when nobody or an unknown item answers.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <set>
#include <utility>

#include "tests/app/CliRunner.h"

namespace {

class CliDde : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(home_.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home_.path());
        env.insert("XDG_CONFIG_HOME", home_.path() + "/.config");
        env.insert("XDG_DATA_HOME", home_.path() + "/.local/share");
        env.insert("XDG_RUNTIME_DIR", home_.path() + "/run");
        track_.setProcessEnvironment(env);
        track_.start(ORBIVOX_CLI, {"track"});
        // The header and a first list line: the server listens before the first tick. What
        // is read here is kept: an advise answers at once with the latest tick's line.
        while (printed_.count('\n') < 2) {
            ASSERT_TRUE(track_.waitForReadyRead(30000));
            printed_ += track_.readAllStandardOutput();
        }
    }
    void TearDown() override {
        track_.terminate();
        track_.waitForFinished(10000);
    }
    CliRun Dde(const QStringList& args) { return RunCli(QStringList{"dde"} + args, home_.path()); }

    QTemporaryDir home_;
    QProcess track_;
    QByteArray printed_;  // what track printed so far
};

TEST_F(CliDde, DataItemCarriesTheLookAnglesOfTheSameTicksListLine) {
    const CliRun advised =
        Dde({"advise", "Orbivox32", "OrbivoxDdeConv", "OrbivoxDdeItem", "--count", "3"});
    ASSERT_EQ(advised.exitCode, 0) << advised.err.toStdString();
    track_.terminate();
    ASSERT_TRUE(track_.waitForFinished(10000));
    std::set<std::pair<QString, QString>> listed;
    printed_ += track_.readAllStandardOutput();
    for (const QString& line : QString::fromUtf8(printed_).split('\n')) {
        const QStringList fields = line.split(' ', Qt::SkipEmptyParts);
        if (fields.size() > 2) {
            listed.insert({fields[0], fields[1]});
        }
    }
    const QStringList updates = advised.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(updates.size(), 3) << advised.out.toStdString();
    const QRegularExpression shape(
        "^SN.+ AZ(-?\\d+\\.\\d) EL(-?\\d+\\.\\d) UP\\d+ UM.* DN\\d+ DM.* MA\\d+\\.\\d$");
    for (const QString& update : updates) {
        const QRegularExpressionMatch match = shape.match(update);
        ASSERT_TRUE(match.hasMatch()) << update.toStdString();
        EXPECT_TRUE(listed.count({match.captured(1), match.captured(2)})) << update.toStdString();
    }
}

TEST_F(CliDde, SecondCopyStaysSilentAndTheFirstKeepsServing) {
    const CliRun second = RunCli({"track", "--ticks", "1"}, home_.path());
    EXPECT_EQ(second.exitCode, 0);
    const CliRun name = Dde({"request", "orbivox32", "DdeServConv", "DdeServItem"});
    ASSERT_EQ(name.exitCode, 0) << name.err.toStdString();
    EXPECT_EQ(name.out.count('\n'), 1);
    EXPECT_FALSE(name.out.trimmed().isEmpty());
    // Executes and pokes get no answer; the tool does not wait for one.
    EXPECT_EQ(Dde({"execute", "Orbivox32", "DdeServConv", "[Close]"}).exitCode, 0);
    EXPECT_EQ(Dde({"poke", "Orbivox32", "DdeServConv", "DdeServItem", "x"}).exitCode, 0);
}

// The client checks the runtime folder as the server does: one others can open may hold
// anyone's socket, so nothing is asked there.
TEST_F(CliDde, ARuntimeFolderOthersCanOpenIsRefused) {
    const QString folder = home_.path() + "/run/Orbivox32";
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::permissions(folder) | QFile::ReadOther |
                                                  QFile::ExeOther));
    const CliRun refused = Dde({"request", "Orbivox32", "OrbivoxDdeConv", "OrbivoxDdeItem"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_TRUE(refused.err.contains("orbivox dde: The runtime folder " + folder +
                                     "/ is open to other users"))
        << refused.err.toStdString();
    ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ExeOwner));
    EXPECT_EQ(Dde({"request", "Orbivox32", "OrbivoxDdeConv", "OrbivoxDdeItem"}).exitCode, 0);
}

TEST_F(CliDde, UnknownItemsAndMissingServersFail) {
    struct Case {
        QStringList args;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {{"request", "Orbivox32", "OrbivoxDdeConv", "Nothing"}, 1, "unknown item Nothing"},
        {{"request", "Orbivox32", "NoTopic", "Nothing"}, 1, "unknown topic NoTopic"},
        {{"poke", "Orbivox32", "NoTopic", "Item", "x"}, 1, "unknown topic NoTopic"},
        {{"request", "WinRotor", "T", "I"}, 1, "no server answers for WinRotor"},
        {{"advise", "Orbivox32", "T", "I", "--count", "0"}, 2, "--count"},
        {{"request", "Orbivox32"}, 2, "usage: orbivox dde"},
    };
    for (const Case& c : cases) {
        const CliRun run = Dde(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

}  // namespace
