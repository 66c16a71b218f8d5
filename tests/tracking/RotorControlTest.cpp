// The rotor in the tracking cycle, on the bundled configuration: positions reach the rotor
// server's conversation, the pass-geometry decision and the look-ahead leave the tick's
// own figures alone, and a server that never reads costs positions, not the tick.
#include "tracking/RotorControl.h"

#include <gtest/gtest.h>

#include <QFile>

#include "links/ConversationProtocol.h"
#include "settings/SqfFile.h"
#include "tests/support/BundledData.h"
#include "tests/support/RecordingNotifier.h"
#include "tests/support/RecordingSocketServer.h"
#include "tracking/PreviewMode.h"

namespace orbivox {
namespace {

class NoLaunch : public ServerStarter {
public:
    bool Start(const QString&, const QString&) override { return true; }
    void Wait(int milliseconds) override { waited += milliseconds; }
    int waited = 0;
};

// The bundled configuration with the rotor on, server "TestRot" in the program folder.
class RotorControlTest : public BundledConfiguration {
protected:
    void SetUp() override {
        BundledConfiguration::SetUp();
        ASSERT_TRUE(runtime_.isValid() && program_.isValid());
        folders_.programFolder = program_.path() + "/";
        WriteBytes(folders_.programFolder + "TestRot", "");
        StoreSqfLines(folders_.ConfigFile("SatStart.SQF"), {{1, "+"}, {4, "+"}});
        StoreSqfLines(folders_.ConfigFile("RotorServer.SQF"), {{1, "TestRot"}});
        // Flip mode and a step of nothing: a position every tick, the flip decided per pass.
        StoreSqfLines(folders_.ConfigFile("Flip.SQF"), {{1, "+"}});
        StoreSqfLines(folders_.ConfigFile("WiRotOpt.SQF"), {{1, "w"}, {3, "0"}});
    }
    std::unique_ptr<TrackingSession> Session() {
        auto session = std::make_unique<TrackingSession>(clock_, folders_);
        EXPECT_FALSE(session->LoadSettings({}));
        EXPECT_EQ(session->LoadElements(), ElementPartOutcome::Tracking);
        return session;
    }
    static void WriteBytes(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    orbit::FixedClock clock_{46256.0, 46256.0};  // 2026-08-22
    QTemporaryDir runtime_;
    QTemporaryDir program_;
    NoLaunch starter_;
    RecordingNotifier notifier_;
};

TEST_F(RotorControlTest, PositionsGoOutAndTheTickKeepsItsOwnFigures) {
    RecordingServer server(ServiceSocketPath(runtime_.path(), "TestRot"));
    auto plain = Session();
    auto withRotor = Session();
    RotorControl rotor(*withRotor, notifier_, starter_, runtime_.path());
    rotor.Attach();
    rotor.StartServers();
    EXPECT_EQ(starter_.waited, 1200);
    // Three and a half hours of ticks, 30 s apart: the ISS passes at 01:22 and 02:57.
    for (int tick = 0; tick < 420; ++tick) {
        plain->engine().TrackingTick();
        withRotor->engine().TrackingTick();
        ASSERT_EQ(withRotor->engine().ListText(), plain->engine().ListText()) << tick;
        clock_.Advance(30.0 / 86400);
    }
    ASSERT_TRUE(server.WaitLines(3));
    EXPECT_EQ(server.lines[0], "CONNECT RotServConv");
    EXPECT_EQ(server.lines[1], "EXECUTE ClientOn");
    // Bundled decimals: whole degrees, "000" form.
    EXPECT_TRUE(server.lines[2].startsWith("EXECUTE ")) << server.lines[2].toStdString();
    EXPECT_EQ(server.lines[2].size(), QByteArray("EXECUTE 000 000").size());

    QuitHooks quit;
    rotor.FillQuitHooks(quit);
    TrackingEngine::QuitProgram(quit, true, false);
    EXPECT_EQ(starter_.waited, 2200);
    // Positions of the last ticks may still be on their way: wait for the closing text.
    ASSERT_TRUE(Spin([&] { return server.lines.back() == "EXECUTE Close"; }))
        << server.lines.back().toStdString();
}

// A flipped pass stays flipped while the satellite is up, though its pass is searched again
// from a preview back to real time once the satellite has crossed to the side it sets on.
TEST_F(RotorControlTest, BackToRealTimeMidPassKeepsThePassFlipped) {
    auto session = Session();
    RotorControl rotor(*session, notifier_, starter_, runtime_.path());
    rotor.Attach();
    TrackingEngine& engine = session->engine();
    PreviewMode preview(engine);
    int flippedPasses = 0;
    double handledLos = 0;
    // Ticks 30 s apart through the day; in each flipped pass, a minute before LOS (on the side
    // it sets on, as an AOS taken now would be) a preview and back.
    while (engine.Time().dayNumber < 17766.0) {
        engine.TrackingTick();
        const orbit::PassData pass = engine.WorkingPass();
        const double oneMinute = 1.0 / 1440;
        if (pass.alreadyUp && rotor.Positioning().FlipPass(0) &&
            std::abs(pass.losTime - handledLos) > oneMinute &&
            engine.Time().dayNumber < pass.losTime - oneMinute) {
            handledLos = pass.losTime;
            ++flippedPasses;
            clock_.Advance(pass.losTime - oneMinute - engine.Time().dayNumber);
            preview.EnterPreview();
            preview.StartPreview(engine.Time().dayNumber + 0.5, {0, 2, 0});
            preview.ReturnToRealTime();
            engine.TrackingTick();
            ASSERT_TRUE(engine.WorkingPass().alreadyUp);
            EXPECT_TRUE(rotor.Positioning().FlipPass(0)) << pass.losTime;
        }
        clock_.Advance(30.0 / 86400);
    }
    EXPECT_GE(flippedPasses, 1);
}

TEST_F(RotorControlTest, AServerThatNeverReadsLeavesTheTickRunning) {
    const int deaf = DeafServer(ServiceSocketPath(runtime_.path(), "TestRot"));
    ASSERT_GE(deaf, 0);
    clock_.Advance(2.98 / 24);  // 02:58:48, in the ISS pass of 02:57
    auto session = Session();
    RotorControl rotor(*session, notifier_, starter_, runtime_.path());
    rotor.Attach();
    rotor.StartServers();
    // A position every tick, far more than the socket holds, into a socket nobody reads:
    // every tick returns all the same.
    double azimuths = 0;
    for (int tick = 0; tick < 12000; ++tick) {
        session->engine().TrackingTick();
        azimuths += rotor.Positioning().SetPointAzimuth();
        clock_.Advance(0.04 / 86400);
    }
    EXPECT_GT(azimuths, 0);  // the satellite was followed
    EXPECT_TRUE(notifier_.texts.isEmpty());
    ::close(deaf);
}

}  // namespace
}  // namespace orbivox
