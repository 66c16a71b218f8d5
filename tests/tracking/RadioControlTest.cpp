// The radios in the tracking cycle, on a copy of the bundled configuration: the data item's
// radio fields, the port message at start-up, and pausing the tracking for a store.
#include "tracking/RadioControl.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "links/ClientConversation.h"
#include "links/ConversationProtocol.h"
#include "settings/SqfFile.h"
#include "tests/support/BundledData.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingNotifier.h"
#include "tests/support/RecordingSocketServer.h"

namespace orbivox {
namespace {

class RecordingSink : public ItemSink {
public:
    void PublishItem(const QString&, const QString& item, const QString& text) override {
        if (item == kDataItem) {
            data = text;
        }
    }
    QString data;
};

class RadioControlTest : public BundledConfiguration {
protected:
    void Start() {
        session_ = std::make_unique<TrackingSession>(clock_, folders_);
        ASSERT_FALSE(session_->LoadSettings({}));
        ASSERT_EQ(session_->LoadElements(), ElementPartOutcome::Tracking);
        radios_ = std::make_unique<RadioControl>(*session_, messages_);
    }
    orbit::FixedClock clock_{46256.0, 46256.0};  // 2026-08-22 00:00
    RecordingNotifier messages_;
    std::unique_ptr<TrackingSession> session_;
    std::unique_ptr<RadioControl> radios_;
};

TEST_F(RadioControlTest, TheDataItemCarriesTheTunedFrequenciesAndModes) {
    Start();
    TrackingEngine& engine = session_->engine();
    RecordingSink sink;
    engine.Data().SetSink(&sink);
    radios_->OpenPorts();
    radios_->Install(engine.Hooks());
    engine.TrackingTick();
    clock_.Advance(1.0 / 86400);
    engine.TrackingTick();
    const TuningState& t = radios_->Tracker().Tuning();
    ASSERT_NE(t.receive, 0);  // ISS (ZARYA),437800,145990,FM,FM,NOR
    const QString expected = QStringLiteral(" UP%1 UMFM DN%2 DMFM ")
                                 .arg(std::llround(t.transmit * 1000))
                                 .arg(std::llround(t.receive * 1000));
    EXPECT_TRUE(sink.data.contains(expected)) << sink.data.toStdString();
    EXPECT_TRUE(messages_.texts.isEmpty());
}

// With the CAT server in use and CAT off at start, the server is told so at once ("RaClose").
TEST_F(RadioControlTest, CatOffAtStartIsSentToTheCatServer) {
    QTemporaryDir runtime;
    RecordingServer server(ServiceSocketPath(runtime.path(), "ServerKCT"));
    StoreSqfLines(folders_.ConfigFile("SatStart.SQF"), {{2, "-"}, {11, "+"}});
    session_ = std::make_unique<TrackingSession>(clock_, folders_);
    ASSERT_FALSE(session_->LoadSettings({}));
    ASSERT_EQ(session_->LoadElements(), ElementPartOutcome::Tracking);
    ASSERT_TRUE(session_->startValues().catServerInUse);
    ClientConversation cat(ClientOpening::WhenLinked, runtime.path());
    cat.SetLink("ServerKCT", "CatServConv");
    RadioControl radios(*session_, messages_, &cat);
    radios.OpenPorts();
    ASSERT_TRUE(server.WaitLines(2));
    EXPECT_EQ(server.lines[0], "CONNECT CatServConv");
    EXPECT_EQ(server.lines[1], "EXECUTE RaClose");
}

TEST_F(RadioControlTest, APortThatWillNotOpenIsReportedAndLeftAtZero) {
    StoreSqfLines(folders_.ConfigFile("SatIni.SQF"), {{5, "3"}});
    StoreSqfLines(folders_.ConfigFile("ComPorts.SQF"), {{1, "3=" + root_.filePath("no-device")}});
    Start();
    radios_->OpenPorts();
    EXPECT_EQ(radios_->Radio1PortNumber(), 0);
    ASSERT_EQ(messages_.texts.size(), 1);
    // With the device the number opens on this machine.
    EXPECT_EQ(messages_.texts[0], PortOpenFailureMessage(3, 1) + "\rCOM3 opens " +
                                      root_.filePath("no-device") +
                                      " on this machine (ComPorts.SQF).");
    EXPECT_TRUE(
        messages_.texts[0].startsWith("Could not open COM3 for Radio 1!\rCheck whether COM3"));
}

TEST_F(RadioControlTest, AStoreRestartsOnlyATimerThatWasRunning) {
    Start();
    bool running = false;
    int starts = 0;
    radios_->stopTracking = [&] {
        const bool was = running;
        running = false;
        return was;
    };
    radios_->startTracking = [&] {
        running = true;
        ++starts;
    };
    radios_->PauseTracking();  // preview: the timer is not running
    radios_->ResumeTracking();
    EXPECT_EQ(starts, 0);
    running = true;
    radios_->PauseTracking();
    EXPECT_FALSE(running);
    radios_->ResumeTracking();
    EXPECT_EQ(starts, 1);
}

}  // namespace
}  // namespace orbivox
