// The rotor policy against the cases its users know: what goes out for a set point
// (corrections, horizon, flip, overlap, the rotor's travel), the two update modes, the AOS
// lead, parking, standby, and the flip/overlap decision for a pass.
#include "rotator/AntennaPositioning.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace orbivox {
namespace {

constexpr double kSecond = 1.0 / 86400.0;

struct Sent {
    QString azimuth;
    QString elevation;
    bool operator==(const Sent&) const = default;
};

// A positioning whose sends are written down.
struct Recorder {
    Recorder() {
        positioning.SetSender([this](const QString& az, const QString& el) {
            sent.push_back({az, el});
        });
        positioning.Settings().decimals = 0;
    }
    AntennaPositioning positioning;
    std::vector<Sent> sent;
};

struct OutputCase {
    const char* what;
    double azimuth, elevation;
    double vertical, horizontal;
    bool flipMode, azimuth450, flipPass, overlapPass;
    int decimals;
    const char* azText;
    const char* elText;
};

TEST(RotorPositionToSend, CorrectionsFlipOverlapAndTravel) {
    const OutputCase cases[] = {
        {"flip pass 350/30", 350, 30, 0, 0, true, false, true, false, 0, "170", "150"},
        {"flip mode off: the flag is not used", 350, 30, 0, 0, false, false, true, false, 0, "350",
         "030"},
        {"overlap pass: 45 is 405", 45, 20, 0, 0, false, true, false, true, 0, "405", "020"},
        {"overlap only below 90", 120, 20, 0, 0, false, true, false, true, 0, "120", "020"},
        {"+20 correction past north", 350, 10, 0, 20, false, false, false, false, 0, "010", "010"},
        {"+20 correction on an overlap pass", 350, 10, 0, 20, false, true, false, true, 0, "370",
         "010"},
        {"-5 correction never below the horizon", 100, 2, -5, 0, false, false, false, false, 0,
         "100", "000"},
        {"one decimal, rounded", 45.27, 7, 0, 0, false, false, false, false, 1, "045.3", "007.0"},
        {"two decimals", 5.125, 89.999, 0, 0, false, false, false, false, 2, "005.13", "090.00"},
        {"park azimuth typed out of range", 800, 10, 0, 0, false, false, false, false, 0, "080",
         "010"},
        {"elevation past the zenith by a correction", 10, 88, 5, 0, false, false, false, false, 0,
         "010", "090"},
        {"flipped elevation stays within 180", 10, 88, 5, 0, true, false, true, false, 0, "190",
         "090"},
        {"flip at low elevation", 100, 3, 0, 0, true, false, true, false, 0, "280", "177"},
        // An overlap pass with a correction stays on its side of the rotor's travel.
        {"+5 on the overlap part", 28.59, 20, 0, 5, false, true, false, true, 2, "393.59",
         "020.00"},
        {"+5 across 90 on the overlap part: the end stop", 85.84, 20, 0, 5, false, true, false,
         true, 2, "450.00", "020.00"},
        {"-10 across 90 before the overlap part", 95, 20, 0, -10, false, true, false, true, 0,
         "085", "020"},
        {"-5 across north onto the overlap part", 3, 20, 0, -5, false, true, false, true, 0, "358",
         "020"},
        {"+5 across north", 357, 20, 0, 5, false, true, false, true, 0, "362", "020"},
    };
    for (const OutputCase& c : cases) {
        RotorSettings s;
        s.corrections = {c.vertical, c.horizontal};
        s.flip = {c.flipMode, c.azimuth450};
        s.decimals = c.decimals;
        const RotorOutput out =
            RotorPositionToSend(c.azimuth, c.elevation, s, c.flipPass, c.overlapPass);
        EXPECT_EQ(FormatRotorValue(out.azimuth, c.decimals, '.'), c.azText) << c.what;
        EXPECT_EQ(FormatRotorValue(out.elevation, c.decimals, '.'), c.elText) << c.what;
        EXPECT_LE(out.azimuth, 450) << c.what;
        EXPECT_LE(out.elevation, 180) << c.what;
    }
    EXPECT_EQ(FormatRotorValue(123.45, 1, ','), "123,5");
}

TEST(AntennaPositioning, PositionChangeModeLeadsByHalfAStepAndCrossesNorth) {
    Recorder r;
    RotorSettings& s = r.positioning.Settings();
    s.update.updateMode = 'w';
    s.update.positionStep = 2;
    r.positioning.UpdateRotorOnChange({358, 10}, false);  // the first position goes at once
    r.positioning.UpdateRotorOnChange({2, 10}, false);    // dAz = -356: the sign turns
    ASSERT_EQ(r.sent.size(), 2u);
    EXPECT_EQ(r.sent[1], (Sent{"003", "010"}));

    // P = 5, constant, 0.4 degrees a tick: a new azimuth every 13 ticks, 2.5 ahead.
    Recorder steady;
    steady.positioning.Settings().update.positionStep = 5;
    steady.positioning.Settings().decimals = 1;
    std::vector<int> sentAt;
    for (int tick = 0; tick <= 30; ++tick) {
        const size_t before = steady.sent.size();
        steady.positioning.UpdateRotorOnChange({100 + 0.4 * tick, 30}, false);
        if (steady.sent.size() > before) {
            sentAt.push_back(tick);
        }
    }
    EXPECT_EQ(sentAt, (std::vector<int>{0, 13, 26}));
    EXPECT_EQ(steady.sent[1].azimuth, "107.7");  // 105.2 + 2.5

    // Gain related: at 60 degrees the threshold is 2P; at 89.5 it is P / cos 89.
    Recorder gain;
    gain.positioning.Settings().update.positionStep = 5;
    gain.positioning.Settings().update.azimuthRule = 'g';
    gain.positioning.UpdateRotorOnChange({100, 60}, false);
    gain.positioning.UpdateRotorOnChange({109.9, 60}, false);
    EXPECT_EQ(gain.sent.size(), 1u);
    gain.positioning.UpdateRotorOnChange({110.1, 60}, false);
    ASSERT_EQ(gain.sent.size(), 2u);
    EXPECT_EQ(gain.sent[1].azimuth, "115");  // 110.1 + 10 / 2
    const double t89 = 5 / std::cos(89 * 3.1415928 / 180);
    gain.positioning.UpdateRotorOnChange({110.1 + t89 - 0.5, 89.5}, false);
    gain.positioning.UpdateRotorOnChange({110.1 + t89 + 0.5, 89.5}, false);
    EXPECT_EQ(gain.sent.size(), 4u);  // two elevation steps; only the second also azimuth
}

TEST(AntennaPositioning, StandbyAndMinimumElevationHoldTheAntennaAndParkOnce) {
    Recorder r;
    RotorSettings& s = r.positioning.Settings();
    s.update.updateMode = 'w';
    s.autoPark = true;
    s.park = {180, 5};
    r.positioning.UpdateRotorOnChange({200, -5}, false);  // never followed: no park
    EXPECT_TRUE(r.sent.empty());
    r.positioning.UpdateRotorOnChange({200, 10}, false);
    r.positioning.UpdateRotorOnChange({250, -1}, true);  // LOS standby: held
    EXPECT_EQ(r.sent.size(), 1u);
    r.positioning.UpdateRotorOnChange({260, -4}, false);  // below -3: parked once
    r.positioning.UpdateRotorOnChange({261, -5}, false);
    ASSERT_EQ(r.sent.size(), 2u);
    EXPECT_EQ(r.sent[1], (Sent{"180", "005"}));
    EXPECT_TRUE(r.positioning.Parked());
    EXPECT_EQ(r.positioning.SetPointElevation(), 0);
}

TEST(AntennaPositioning, IntervalModeSendsEveryIntervalForItsMiddle) {
    for (const int speed : {1, 5}) {
        Recorder r;
        bool on = false;
        r.positioning.BindRotorSwitch(&on);
        r.positioning.SetRotorOn(true);
        r.positioning.Settings().update.updateInterval = 10;
        std::vector<double> asked;  // seconds after the start, the instants looked at
        const double start = 17000.25;
        RotorTickInput input;
        input.speedFactor = speed;
        input.aosPlus30 = start;
        input.lookAt = [&](double day) -> std::optional<LookAngles> {
            asked.push_back(std::round((day - start) / kSecond * 10) / 10);
            return LookAngles{90, 20};
        };
        const int ticks = 31 * speed;
        for (int k = 0; k < ticks; ++k) {
            input.now = start + k * kSecond / speed;
            r.positioning.Tick(input);
        }
        EXPECT_EQ(asked, (std::vector<double>{5, 15, 25, 35})) << "speed " << speed;
        EXPECT_EQ(r.sent.size(), 4u);
    }
}

// Real ticks come a little early or late: each interval still ends on the tick nearest its
// end, ten ticks of a second for 10 s.
TEST(AntennaPositioning, IntervalModeKeepsItsLengthWithTicksEarlyOrLate) {
    for (const int speed : {1, 5}) {
        Recorder r;
        r.positioning.SetRotorOn(true);
        r.positioning.Settings().update.updateInterval = 10;
        std::vector<long> ticks;  // the ticks that looked ahead
        long k = 0;
        RotorTickInput input;
        input.speedFactor = speed;
        input.lookAt = [&](double) -> std::optional<LookAngles> {
            ticks.push_back(k);
            return LookAngles{90, 20};
        };
        const double start = 17000.25;
        const double jitter[] = {-0.003, 0.002, -0.04, 0.0, 0.03, -0.001};
        for (k = 0; k <= 40 * speed; ++k) {
            input.now = start + (static_cast<double>(k) / speed + jitter[k % 6] / speed) * kSecond;
            r.positioning.Tick(input);
        }
        const long every = 10L * speed;
        EXPECT_EQ(ticks, (std::vector<long>{0, every, 2 * every, 3 * every, 4 * every}))
            << "speed " << speed;
    }
}

TEST(AntennaPositioning, IntervalModeLeadsARisingSatelliteOnly) {
    const double now = 17000.5;
    Recorder rising;
    rising.positioning.UpdateRotorInterval({123, -2}, now, now + 180 * kSecond);
    ASSERT_EQ(rising.sent.size(), 1u);
    EXPECT_EQ(rising.sent[0], (Sent{"123", "000"}));
    Recorder setting;
    setting.positioning.UpdateRotorInterval({123, -2}, now, now + 0.2);
    EXPECT_TRUE(setting.sent.empty());
}

TEST(AntennaPositioning, ManualSendsSwitchTheRotorOffAndLeaveTheFlipOut) {
    Recorder r;
    bool on = true;
    r.positioning.BindRotorSwitch(&on);
    RotorSettings& s = r.positioning.Settings();
    s.flip.flipMode = true;
    PassGeometryInput pass;  // a flipped pass for satellite 0
    pass.meanMotion = 15;
    pass.aosAzimuth = 300;
    pass.losAzimuth = 60;
    pass.subPointAt = [](double) { return std::make_pair(70.0, 10.0); };
    r.positioning.DecidePassGeometry(0, pass);
    ASSERT_TRUE(r.positioning.FlipPass(0));
    r.positioning.SetDecimalSeparator('.');
    r.positioning.SendRotorPosition();
    EXPECT_TRUE(r.positioning.FlippedSend());  // lblRotor yellow
    r.positioning.SendManualPosition(0, 0);    // the standard direction North,0
    EXPECT_FALSE(on);
    EXPECT_EQ(r.positioning.RotorSwitchText(), "R-");
    EXPECT_EQ(r.sent.back(), (Sent{"000", "000"}));
    EXPECT_FALSE(r.positioning.FlippedSend());

    r.positioning.SetSecondInstance(true);
    r.positioning.SendManualPosition(90, 10);
    EXPECT_EQ(r.sent.size(), 2u);  // a second copy sends nothing at all
}

struct GeometryCase {
    const char* what;
    double meanMotion;
    double aosAzimuth, losAzimuth;
    double subLatitude;
    QChar turningPoint;
    bool flip, overlap;
};

TEST(AntennaPositioning, PassGeometryForThePassesOfTheUsersGuide) {
    // Observer at 10 E, 50 N; the track crosses the observer's longitude 4 minutes after
    // AOS at the given latitude.
    const GeometryCase cases[] = {
        {"300 through north to 60, turning point N", 15, 300, 60, 62, 'N', true, true},
        {"120 through south to 240, turning point N", 15, 120, 240, 40, 'N', false, false},
        {"south of the observer, turning point S", 15, 120, 240, 40, 'S', true, false},
        {"ends on one side of the north-south line", 15, 100, 170, 62, 'N', false, false},
        {"250 through north to 110: no end below 90", 15, 250, 110, 62, 'N', true, false},
    };
    for (const GeometryCase& c : cases) {
        AntennaPositioning p;
        p.Settings().flip = {false, true};
        p.Settings().turningPoint = c.turningPoint;
        PassGeometryInput pass;
        pass.meanMotion = c.meanMotion;
        pass.aosTime = 17000;
        pass.aosAzimuth = c.aosAzimuth;
        pass.losAzimuth = c.losAzimuth;
        pass.observerLongitude = 10;
        pass.observerLatitude = 50;
        const double lat = c.subLatitude;
        pass.subPointAt = [lat](double day) {
            const double minutes = (day - 17000) * 1440;
            // 360 - 10 .. 30 degrees east: crossing 10 E at minute 4, sign-wrapped.
            const double lon = std::fmod(350 + 5 * minutes + 360, 360);
            return std::make_optional(std::make_pair(lat + (minutes - 4) * 0.01, lon));
        };
        p.DecidePassGeometry(3, pass);
        EXPECT_EQ(p.FlipPass(3), c.flip) << c.what;
        EXPECT_EQ(p.OverlapPass(3), c.overlap) << c.what;
    }

    // Mean motion 2.0 and neither option: the flags keep what they had.
    AntennaPositioning p;
    p.Settings().flip = {true, false};
    PassGeometryInput pass;
    pass.meanMotion = 15;
    pass.aosAzimuth = 300;
    pass.losAzimuth = 60;
    pass.observerLatitude = 50;
    pass.subPointAt = [](double) { return std::make_optional(std::make_pair(62.0, 0.0)); };
    p.DecidePassGeometry(1, pass);
    ASSERT_TRUE(p.FlipPass(1));
    pass.meanMotion = 2.0;
    pass.subPointAt = [](double) { return std::make_optional(std::make_pair(0.0, 0.0)); };
    p.DecidePassGeometry(1, pass);
    EXPECT_TRUE(p.FlipPass(1));

    // A satellite that cannot be propagated, or gives no numbers, ends the search.
    pass.meanMotion = 15;
    pass.subPointAt = [](double) { return std::make_optional(std::make_pair(NAN, NAN)); };
    p.DecidePassGeometry(1, pass);
    EXPECT_FALSE(p.FlipPass(1));
    pass.subPointAt = [](double) -> std::optional<std::pair<double, double>> { return {}; };
    p.DecidePassGeometry(1, pass);
    EXPECT_FALSE(p.FlipPass(1));
}

TEST(RotorSettingsRules, FlipOrSouthTurningPointLeaveNoOverlap) {
    RotorSettings s;
    s.flip = {true, true};
    ApplyFlipRules(s);
    EXPECT_FALSE(s.flip.azimuth450);
    s.flip = {false, true};
    s.turningPoint = 's';
    ApplyFlipRules(s);
    EXPECT_FALSE(s.flip.azimuth450);
    s.turningPoint = 'N';
    EXPECT_TRUE(Azimuth450Allowed(s));
}

}  // namespace
}  // namespace orbivox
