// The Hamlib radio family against Hamlib's own rigctld (dummy radio on a free port of
// 127.0.0.1): `orbivox track --now` tunes a pass through it directly, with no server
// program between; a turn of the radio's dial mid-pass becomes the VFO offset; a rigctld
// killed and started again costs the commands in between, said on two lines; the Radio
// Setup's "Test" reads the frequency or says why it cannot.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTcpSocket>
#include <QTemporaryDir>

#include "radio/RadioSetup.h"
#include "settings/SqfFile.h"
#include "tests/servers/ServerPrograms.h"
#include "tests/support/RecordingNotifier.h"
#include "tests/support/ScratchFiles.h"
#include "tests/support/Spin.h"

namespace orbivox {
namespace {

// ISS (ZARYA) of the bundled elements rises at 23:25:07 and sets at 23:35:28.
const QStringList kIssPass = {"track", "--now", "2026-03-01T23:20:00Z", "--until",
                              "2026-03-01T23:40:00Z", "--json"};

class HamlibFamily : public ServerProgramTest {
protected:
    void SetUp() override {
        ServerProgramTest::SetUp();
        for (const char* name :
             {"TRX.SQF", "SatStart.SQF", "Doppler.SQF", "HamlibPar.SQF", "IntVCatSSB.SQF"}) {
            saved_[name] = QFileInfo::exists(Config(name)) ? FileText(Config(name)) : QByteArray();
        }
    }
    void TearDown() override {
        for (auto it = saved_.cbegin(); it != saved_.cend(); ++it) {
            if (it.value().isEmpty()) {
                QFile::remove(Config(it.key()));
            } else {
                WriteBytes(Config(it.key()), it.value());
            }
        }
        ServerProgramTest::TearDown();
    }
    // Radio 1 of the Hamlib family at rigctld's port, CAT on at start, not in KCT mode.
    void UseHamlib(quint16 port) {
        WriteBytes(Config("TRX.SQF"), "Hamlib\r\n");
        WriteBytes(Config("HamlibPar.SQF"),
                   "127.0.0.1\r\n" + QByteArray::number(port) + "\r\nsplit\r\nDummy\r\n");
        StoreSqfLines(Config("SatStart.SQF"), {{2, "+"}, {11, "-"}});
    }
    // The ISS's first entry a linear inverting transponder (VFO mode on).
    void LinearIss() {
        QStringList lines = ReadSqfLines(Config("Doppler.SQF"));
        lines.insert(2, QStringLiteral("ISS (ZARYA),435150,145900,USB,LSB,REV,0,0"));
        SqfWriter().Lines(lines).Commit(Config("Doppler.SQF"));
    }
    static QSet<long long> JsonHertz(const QByteArray& out) {
        QSet<long long> hertz;
        for (const QByteArray& line : out.split('\n')) {
            const QJsonObject object = QJsonDocument::fromJson(line).object();
            for (const char* key : {"downlink_hz", "uplink_hz"}) {
                if (object.contains(key)) {
                    hertz << object.value(key).toInteger();
                }
            }
        }
        return hertz;
    }

    QMap<QString, QByteArray> saved_;
};

TEST_F(HamlibFamily, TrackNowTunesAPassThroughRigctldDirectly) {
    const quint16 port = FreePort();
    QTemporaryDir scratch;
    Rigctld rigctld(port, scratch.filePath("rigctld.log"));
    UseHamlib(port);
    QProcess track;
    track.start(QStringLiteral(ORBIVOX_CLI), kIssPass);
    ASSERT_TRUE(track.waitForFinished(180000));
    const QByteArray err = track.readAllStandardError();
    ASSERT_EQ(track.exitCode(), 0) << err.toStdString();
    // Every frequency rigctld's radio was set to is one the run worked out (fD + dD, whole
    // Hz): 437800 kHz FM down, 145990 kHz FM up.
    const QSet<long long> computed = JsonHertz(track.readAllStandardOutput());
    const QList<long long> tuned = SetFrequencies(rigctld.Log());
    ASSERT_GE(tuned.size(), 10) << err.toStdString();
    for (const long long hertz : tuned) {
        EXPECT_TRUE(computed.contains(hertz)) << hertz;
    }
    EXPECT_TRUE(std::any_of(tuned.begin(), tuned.end(),
                            [](long long hz) { return std::llabs(hz - 437800000) < 12000; }));
    EXPECT_TRUE(std::any_of(tuned.begin(), tuned.end(),
                            [](long long hz) { return std::llabs(hz - 145990000) < 5000; }));
    // Split on with CAT on, off at the end.
    const QByteArray log = rigctld.Log();
    EXPECT_TRUE(log.contains("rig_set_split_vfo")) << log.right(3000).toStdString();
    EXPECT_FALSE(err.contains("does not answer")) << err.toStdString();
}

TEST_F(HamlibFamily, ADialTurnMidPassIsAdopted) {
    const quint16 port = FreePort();
    QTemporaryDir scratch;
    Rigctld rigctld(port, scratch.filePath("rigctld.log"));
    UseHamlib(port);
    LinearIss();
    // New frequencies only every few kHz of Doppler: most ticks only read the dial back, so
    // a turn seldom lands between a tick's readback and its send (which would overwrite it,
    // as on a real radio; then the operator turns again).
    WriteBytes(Config("IntVCatSSB.SQF"), "3000\r\n");
    QProcess track;
    // From the rise to past the culmination: the linear transponder is read back every tick.
    track.start(QStringLiteral(ORBIVOX_CLI), {"track", "--now", "2026-03-01T23:25:00Z", "--until",
                                              "2026-03-01T23:29:00Z"});
    ASSERT_TRUE(Spin([&] { return SetFrequencies(rigctld.Log()).size() >= 4; }, 60000));
    // The operator tunes 20 kHz up the transponder with the radio's dial (Hamlib's own
    // client), more than the Doppler ever moves it. A turn that lands just before one of the
    // run's own sends is overwritten, as on a real radio: then the operator turns again.
    const long long turned = 435170000;
    auto downlinks = [&] {
        QList<long long> down;
        for (const long long hertz : SetFrequencies(rigctld.Log())) {
            if (hertz > 400000000) {
                down << hertz;
            }
        }
        return down;
    };
    bool adopted = false;
    for (int attempt = 0; attempt < 5 && !adopted; ++attempt) {
        QProcess rigctl;
        rigctl.start("rigctl", {"-m", "2", "-r", "127.0.0.1:" + QString::number(port), "F",
                                QString::number(turned)});
        ASSERT_TRUE(rigctl.waitForFinished(30000));
        const qsizetype before = downlinks().size();
        ASSERT_TRUE(Spin([&] { return downlinks().size() >= before + 1; }, 60000));
        // The run goes on from the turned dial: its sends lie near it, where the Doppler
        // alone would have put them back near 435150 kHz.
        adopted = std::llabs(downlinks().last() - turned) < 1000;
    }
    EXPECT_TRUE(adopted) << downlinks().last();
    ASSERT_TRUE(track.waitForFinished(180000));
    ASSERT_EQ(track.exitCode(), 0) << track.readAllStandardError().toStdString();
}

TEST_F(HamlibFamily, ARigctldRestartedMidPassIsSaidAndTrackingResumes) {
    const quint16 port = FreePort();
    QTemporaryDir scratch;
    auto rigctld = std::make_unique<Rigctld>(port, scratch.filePath("first.log"));
    UseHamlib(port);
    QProcess track;
    track.start(QStringLiteral(ORBIVOX_CLI), kIssPass);
    ASSERT_TRUE(Spin([&] { return SetFrequencies(rigctld->Log()).size() >= 4; }, 60000));
    rigctld.reset();
    QByteArray err;
    ASSERT_TRUE(Spin([&] {
        track.waitForReadyRead(50);
        err += track.readAllStandardError();
        return err.contains("does not answer");
    }, 60000)) << err.toStdString();
    Rigctld again(port, scratch.filePath("second.log"));
    ASSERT_TRUE(track.waitForFinished(180000));
    err += track.readAllStandardError();
    ASSERT_EQ(track.exitCode(), 0) << err.toStdString();
    const QString radio = "Radio 1 (rigctld on 127.0.0.1:" + QString::number(port) + ")";
    EXPECT_EQ(QString::fromUtf8(err).count(radio + " does not answer"), 1) << err.toStdString();
    EXPECT_EQ(QString::fromUtf8(err).count(radio + " answers again"), 1) << err.toStdString();
    EXPECT_GE(SetFrequencies(again.Log()).size(), 4);
}

TEST_F(HamlibFamily, TheRadioSetupsTestReadsTheFrequencyOrSaysWhy) {
    const quint16 port = FreePort();
    QTemporaryDir scratch;
    UseHamlib(port);
    RecordingNotifier notifier;
    RadioSetup setup(folders_, notifier);
    setup.Load();
    EXPECT_TRUE(setup.TestRadio1().startsWith("No connection to rigctld at 127.0.0.1:" +
                                              QString::number(port) + ": "))
        << setup.TestRadio1().toStdString();
    Rigctld rigctld(port, scratch.filePath("rigctld.log"));
    EXPECT_EQ(setup.TestRadio1(), "rigctld at 127.0.0.1:" + QString::number(port) +
                                      ": the radio stands on 145.000000 MHz");
}

}  // namespace
}  // namespace orbivox
