// The switch panel's table (captions before and after a click, start values from
// SatStart.SQF, which clicks reach the stored values), the keyboard table, and the Options
// dialog's values and "Store" on the bundled configuration.
#include "tracking/SwitchPanelState.h"

#include <gtest/gtest.h>

#include <Qt>

#include "settings/SqfFile.h"
#include "tests/support/BundledData.h"
#include "tests/support/RadioEmulator.h"
#include "tests/support/RecordingNotifier.h"
#include "tracking/SwitchOptions.h"

namespace orbivox {
namespace {

class SwitchPanelStateTest : public BundledConfiguration {
protected:
    // SatStart.SQF with every flag line `flag`, then a loaded session with its switches.
    void Load(const char* flag) {
        std::map<int, QString> lines;
        for (int line : {1, 2, 3, 6, 10, 12, 13, 14, 15, 18, 19, 20, 22}) {
            lines[line] = QString::fromLatin1(flag);
        }
        StoreSqfLines(SatStart(), lines);
        session_ = std::make_unique<TrackingSession>(clock_, folders_);
        ASSERT_FALSE(session_->LoadSettings({}));
        ASSERT_EQ(session_->LoadElements(), ElementPartOutcome::Tracking);
        map_ = MapSwitchesFromStart(session_->startValues());
        radios_ = std::make_unique<RadioControl>(*session_, notifier_);
        radios_->Install(session_->engine().Hooks());
        rotor_.BindRotorSwitch(&session_->engine().Switches().rotorControl);
        state_ = std::make_unique<SwitchPanelState>(*session_, map_);
        state_->SetRadios(radios_.get());
        state_->SetRotor(&rotor_);
    }
    QString SatStart() const { return folders_.ConfigFile(QStringLiteral("SatStart.SQF")); }

    orbit::FixedClock clock_{46256.0, 46256.0};  // 2026-08-22
    RecordingNotifier notifier_;
    std::unique_ptr<TrackingSession> session_;
    MapSwitches map_;
    std::unique_ptr<RadioControl> radios_;
    AntennaPositioning rotor_;
    std::unique_ptr<SwitchPanelState> state_;
};

struct SwitchRow {
    SwitchId id;
    const char* startOff;  // caption when SatStart.SQF says "-"
    const char* startOn;   // caption when it says "+"
    const char* clicked;   // after one click from "-"
};

// The switches the panel changes itself; the map-view ones are the map panel's.
constexpr SwitchRow kRows[] = {
    {SwitchId::Rotor, "R-", "R+", "R+"},   {SwitchId::Cat, "C-", "C+", "C+"},
    {SwitchId::Wechsel, "A-", "A+", "A+"}, {SwitchId::Utc, "U", "L", "L"},
    {SwitchId::CountD, "AL", "Ct", "Ct"},  {SwitchId::Multi, "M-", "M+", "M+"},
    {SwitchId::Spur, "G-", "G+", "Gt"},    {SwitchId::Sun, "S-", "S+", "S+"},
    {SwitchId::Arrow, "D-", "D+", "D+"},   {SwitchId::BlueM, "Pl", "BM", "Pl"},
    {SwitchId::Zoom, "Z1", "Z2", "Z1"},    {SwitchId::Vfo, "V-", "V-", "V+"},
};

TEST_F(SwitchPanelStateTest, StartValuesAndOneClickFromTheTable) {
    Load("+");
    for (const SwitchRow& row : kRows) {
        EXPECT_EQ(state_->Caption(row.id), row.startOn) << InfoOf(row.id).name;
    }
    Load("-");
    for (const SwitchRow& row : kRows) {
        EXPECT_EQ(state_->Caption(row.id), row.startOff) << InfoOf(row.id).name;
        EXPECT_TRUE(state_->Click(row.id).isEmpty());
        EXPECT_EQ(state_->Caption(row.id), row.clicked) << InfoOf(row.id).name;
    }
}

// Only the window size, zone mode, map set and ground track are values "Store" writes;
// every other click leaves the stored start values alone.
TEST_F(SwitchPanelStateTest, OnlyFourSwitchesReachTheStoredValues) {
    Load("-");
    for (const SwitchInfo& info : kSwitchTable) {
        const bool stored = info.id == SwitchId::Utc || info.id == SwitchId::Spur ||
                            info.id == SwitchId::WinSize || info.id == SwitchId::BlueM;
        EXPECT_EQ(info.stored, stored) << info.name;
    }
    const StartValues before = session_->storedValues();
    for (const SwitchRow& row : kRows) {
        state_->Click(row.id);
    }
    StartValues& after = session_->storedValues();
    EXPECT_TRUE(after.localZone);
    EXPECT_FALSE(after.groundTrack);  // "Gt" is not continuous
    state_->Click(SwitchId::Spur);
    EXPECT_TRUE(after.groundTrack);  // "G+"
    after.localZone = before.localZone;
    after.groundTrack = before.groundTrack;
    WriteStartValues(SatStart(), after);
    const QStringList written = ReadSqfLines(SatStart());
    WriteStartValues(SatStart(), before);
    EXPECT_EQ(written, ReadSqfLines(SatStart()));
}

TEST_F(SwitchPanelStateTest, GroundTrackCyclesAndTheTemporaryTrackEndsAtTheNextRefresh) {
    Load("-");
    state_->Click(SwitchId::Spur);
    EXPECT_EQ(state_->Caption(SwitchId::Spur), "Gt");
    state_->BeforeRefresh();
    EXPECT_EQ(state_->Caption(SwitchId::Spur), "G-");
    state_->Click(SwitchId::Spur);
    state_->Click(SwitchId::Spur);
    EXPECT_EQ(state_->Caption(SwitchId::Spur), "G+");
    state_->BeforeRefresh();
    EXPECT_EQ(state_->Caption(SwitchId::Spur), "G+");
    state_->Click(SwitchId::Spur);
    EXPECT_EQ(state_->Caption(SwitchId::Spur), "G-");
    state_->DoubleClick(SwitchId::Spur);
    EXPECT_EQ(state_->Caption(SwitchId::Spur), "G+");
    EXPECT_TRUE(session_->storedValues().groundTrack);
}

TEST_F(SwitchPanelStateTest, ZoneChangeShiftsTheClockAndSearchesPassesAgain) {
    Load("-");
    session_->engine().TrackingTick();
    const double utc = session_->engine().Time().displayJulianDate;
    bool told = false;
    state_->zoneChanged = [&told] { told = true; };
    state_->Click(SwitchId::Utc);
    session_->engine().TrackingTick();
    EXPECT_TRUE(told);
    EXPECT_TRUE(session_->runValues().localZone);
    EXPECT_EQ(session_->engine().View().Zone(), orbit::ZoneMode::Local);
    // The fixed clock's local time is its UTC time: the zone changes the label, not the
    // instant.
    EXPECT_DOUBLE_EQ(session_->engine().Time().displayJulianDate, utc);
}

TEST(KeyboardTable, KeysAndTheirSteps) {
    struct Row {
        int key;
        bool keypad;
        std::optional<KeyAction> action;
    };
    const Row rows[] = {
        {Qt::Key_Escape, false, KeyAction{KeyStep::Resync, 0}},
        {Qt::Key_Space, false, KeyAction{KeyStep::SecondObserver, 0}},
        {Qt::Key_Minus, false, KeyAction{KeyStep::Calibration, -10}},
        {Qt::Key_6, false, KeyAction{KeyStep::Calibration, -10}},
        {Qt::Key_6, true, std::nullopt},
        {Qt::Key_Plus, false, KeyAction{KeyStep::Calibration, 10}},
        {Qt::Key_Plus, true, KeyAction{KeyStep::Calibration, 100}},
        {Qt::Key_Minus, true, KeyAction{KeyStep::Calibration, -100}},
        {Qt::Key_8, true, KeyAction{KeyStep::Receive, 10}},
        {Qt::Key_2, true, KeyAction{KeyStep::Receive, -10}},
        {Qt::Key_9, true, KeyAction{KeyStep::Receive, 100}},
        {Qt::Key_3, true, KeyAction{KeyStep::Receive, -100}},
        {Qt::Key_8, false, std::nullopt},
        {Qt::Key_PageUp, false, KeyAction{KeyStep::Vfo, 5000}},
        {Qt::Key_PageDown, false, KeyAction{KeyStep::Vfo, -5000}},
        {Qt::Key_Home, false, KeyAction{KeyStep::Vfo, 1000}},
        {Qt::Key_End, false, KeyAction{KeyStep::Vfo, -1000}},
        {Qt::Key_Right, false, KeyAction{KeyStep::Vfo, 500}},
        {Qt::Key_Left, false, KeyAction{KeyStep::Vfo, -500}},
        {Qt::Key_Up, true, KeyAction{KeyStep::Vfo, 100}},
        {Qt::Key_Down, false, KeyAction{KeyStep::Vfo, -100}},
        {Qt::Key_Insert, false, KeyAction{KeyStep::Vfo, 20}},
        {Qt::Key_Delete, false, KeyAction{KeyStep::Vfo, -20}},
        {Qt::Key_A, false, std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(KeyActionFor(row.key, row.keypad), row.action) << row.key << " " << row.keypad;
    }
}

// Page Up with VFO mode off changes nothing; calibration keys change the working
// satellite's calibration; Space asks for the second observer.
TEST_F(SwitchPanelStateTest, KeysStepTheRadioOnlyWhereTheyMay) {
    Load("-");
    session_->engine().TrackingTick();
    const TuningState& tuning = radios_->Tracker().Tuning();
    int held = 0, observer = 0;
    state_->holdTracking = [&held] { ++held; };
    state_->openSecondObserver = [&observer] { ++observer; };
    EXPECT_TRUE(state_->Key(Qt::Key_PageUp, false));
    EXPECT_EQ(tuning.vfoOffsetHz, 0);
    EXPECT_TRUE(state_->Key(Qt::Key_Plus, true));
    EXPECT_TRUE(state_->Key(Qt::Key_Minus, false));
    EXPECT_EQ(tuning.CalibrationHz(), 90);
    EXPECT_TRUE(state_->Key(Qt::Key_Space, false));
    EXPECT_EQ(observer, 1);
    EXPECT_FALSE(state_->Key(Qt::Key_A, false));
    EXPECT_EQ(held, 0);
}

// Esc resynchronises an FT-817's VFOs with CAT on; other radios are left alone.
TEST_F(SwitchPanelStateTest, EscapeTogglesTheVfoOfAnFt817Only) {
    for (const char* model : {"FT-817", "FT-847"}) {
        RadioEmulator radio({"yaesu", "--model", model});
        StoreSqfLines(folders_.ConfigFile("TRX.SQF"), {{1, "Yaesu"}});
        StoreSqfLines(folders_.ConfigFile("YaesuPar.SQF"), {{4, model}});
        StoreSqfLines(folders_.ConfigFile("SatIni.SQF"), {{5, "3"}});
        StoreSqfLines(folders_.ConfigFile("ComPorts.SQF"), {{1, "3=" + radio.Device()}});
        Load("+");
        radios_->OpenPorts();
        ASSERT_TRUE(radios_->Radio1Port().IsOpen()) << model;
        EXPECT_TRUE(state_->Key(Qt::Key_Escape, false));
        const qsizetype toggles = model == QString("FT-817") ? 1 : 0;
        EXPECT_EQ(radio.Lines("toggle VFO", toggles).size(), toggles) << model;
        EXPECT_EQ(state_->Caption(SwitchId::Cat), "C+");
        radios_.reset();
    }
}

TEST_F(SwitchPanelStateTest, OptionsChangeMemoryAndOnlyStoreWritesTheFile) {
    Load("-");
    SqfWriter().Lines(ReadSqfLines(SatStart()) << "a line of a later version").Commit(SatStart());
    const QStringList before = ReadSqfLines(SatStart());
    SwitchOptions options(*session_, map_);
    options.SetOption(StartOption::Rotor, true);
    options.SetOption(StartOption::Zoom2, true);
    options.ChooseCentring(SwitchOptions::kSatellite);
    EXPECT_EQ(map_.centring, CentringMode::Satellite);
    for (int i = 0; i < 200; ++i) {
        options.StepMapSeconds(+1);
        options.StepTransmitStop(+1);
    }
    EXPECT_EQ(options.MapSeconds(), kMaxMapUpdateSeconds);
    EXPECT_EQ(options.TransmitStopSeconds(), kMaxTransmitStopSeconds);
    for (int i = 0; i < 200; ++i) {
        options.StepTransmitStop(-1);
    }
    EXPECT_EQ(TransmitStopLabelFor(options.TransmitStopSeconds()).text, "DISABLED!");
    EXPECT_TRUE(TransmitStopLabelFor(0).red);
    options.StepTransmitStop(+1);
    EXPECT_EQ(TransmitStopLabelFor(options.TransmitStopSeconds()).text, "after (sec):");
    EXPECT_FALSE(TransmitStopLabelFor(1).red);
    EXPECT_EQ(SpinText(5), " 5");
    // "OK": nothing written.
    EXPECT_EQ(ReadSqfLines(SatStart()), before);

    // The Rotor Setup stored its server flag meanwhile; a second instance's overrides live in
    // the run's copy only.
    StoreSqfLines(SatStart(), {{4, "+"}});
    session_->MarkSecondInstance();
    WriteSatStart(*session_);
    const QStringList after = ReadSqfLines(SatStart());
    ASSERT_EQ(after.size(), 25);
    EXPECT_EQ(after[0], "+");  // rotor control start value
    EXPECT_EQ(after[3], "+");  // rotor server, as its dialog stored it
    EXPECT_EQ(after[6], "-");  // centred on the satellite
    EXPECT_EQ(after[8], "100");
    EXPECT_EQ(after[9], "+");  // zoom
    EXPECT_EQ(after[20], "1");
    EXPECT_EQ(after[23], "-2");  // the element refresh, off
    EXPECT_EQ(after[24], "a line of a later version");
}

// A zoom stored as "+" with W5 starts at Z1, and "Store" keeps "+".
TEST_F(SwitchPanelStateTest, StoredZoomSurvivesAStartWithoutZoom) {
    StoreSqfLines(SatStart(), {{5, "B"}, {10, "+"}});
    Load("+");
    SwitchOptions options(*session_, map_);
    EXPECT_EQ(state_->Caption(SwitchId::Zoom), "Z1");
    EXPECT_TRUE(options.Option(StartOption::Zoom2));
    WriteSatStart(*session_);
    EXPECT_EQ(ReadSqfLines(SatStart())[9], "+");
}

}  // namespace
}  // namespace orbivox
