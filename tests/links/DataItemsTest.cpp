// The published name and data items: the data line byte for byte, flip and converter
// offsets, the 8-bit repertoire, and the name item's standby rules tick by tick.
#include "links/DataItems.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace orbivox {
namespace {

struct Published {
    QString topic;
    QString item;
    QString text;
    bool operator==(const Published&) const = default;
};

class RecordingSink : public ItemSink {
public:
    void PublishItem(const QString& topic, const QString& item, const QString& text) override {
        published.push_back({topic, item, text});
    }
    std::vector<QString> Names() const {
        std::vector<QString> names;
        for (const Published& p : published) {
            if (p.topic == kNameTopic && p.item == kNameItem) {
                names.push_back(p.text);
            }
        }
        return names;
    }
    std::vector<Published> published;
};

DataLineValues Sample() {
    DataLineValues v;
    v.name = "AO-07";
    v.azimuth = 123.44;
    v.elevation = 5.2;
    v.meanAnomaly = 17.5;
    v.uplinkHz = 435285123;
    v.downlinkHz = 145925456;
    v.uplinkMode = "LSB";
    v.downlinkMode = "USB";
    return v;
}

TEST(DataLine, FieldsInOrderWithTheirFormats) {
    EXPECT_EQ(FormatDataLine(Sample(), false, '.'),
              "SNAO-07 AZ123.4 EL5.2 UP435285123 UMLSB DN145925456 DMUSB MA17.5");
    EXPECT_EQ(FormatDataLine(Sample(), false, ','),
              "SNAO-07 AZ123,4 EL5,2 UP435285123 UMLSB DN145925456 DMUSB MA17,5");
    // Before the radio fills in its part: zeros and empty modes.
    DataLineValues bare;
    bare.name = "ISS";
    bare.azimuth = 0.04;
    bare.elevation = -10;
    EXPECT_EQ(FormatDataLine(bare, true, '.'), "SNISS AZ0.0 EL-10.0 UP0 UM DN0 DM MA0.0");
    // Frequencies above 2^31 Hz (2.4 and 10 GHz) are not cut to 32 bits.
    DataLineValues shf = bare;
    shf.uplinkHz = 2400100000;
    shf.downlinkHz = 10489750000;
    EXPECT_EQ(FormatDataLine(shf, false, '.'),
              "SNISS AZ0.0 EL-10.0 UP2400100000 UM DN10489750000 DM MA0.0");
}

TEST(DataLine, ConverterOffsetsComeOffOnlyWithTheOptionAndOnlyBelowTheFrequency) {
    struct Case {
        std::int64_t up, upOffset, down, downOffset;
        bool radio;
        const char* expected;
    };
    const Case cases[] = {
        {145950000, 116000000, 435000000, 0, true, "UP29950000 UM DN435000000"},
        {145950000, 116000000, 435000000, 0, false, "UP145950000 UM DN435000000"},
        {0, 116000000, 1268000000, 1124000000, true, "UP0 UM DN144000000"},
        {116000000, 116000000, 100, 200, true, "UP116000000 UM DN100"},
    };
    for (const Case& c : cases) {
        DataLineValues v;
        v.name = "X";
        v.uplinkHz = c.up;
        v.uplinkOffsetHz = c.upOffset;
        v.downlinkHz = c.down;
        v.downlinkOffsetHz = c.downOffset;
        EXPECT_NE(FormatDataLine(v, c.radio, '.').find(c.expected), std::string::npos)
            << c.expected << " in " << FormatDataLine(v, c.radio, '.');
    }
}

TEST(DataLine, FlipAndOverlapTurnThePublishedAngles) {
    struct Case {
        double az, el;
        FlipState flip;
        double wantAz, wantEl;
    };
    const Case cases[] = {
        {350, 30, {true, true, false, false}, 170, 150},
        {100, 30, {true, true, false, false}, 280, 150},
        {350, 30, {true, false, false, false}, 350, 30},  // flip mode off
        {45, 10, {false, false, true, true}, 405, 10},    // overlap below 90 degrees
        {95, 10, {false, false, true, true}, 95, 10},
        {45, 10, {false, false, true, false}, 45, 10},  // rotor without 450 degrees
        {45, 10, {true, true, true, true}, 225, 170},   // flip mode wins over overlap
    };
    for (const Case& c : cases) {
        const PublishedAngles a = ApplyFlip(c.az, c.el, c.flip);
        EXPECT_DOUBLE_EQ(a.azimuth, c.wantAz) << c.az;
        EXPECT_DOUBLE_EQ(a.elevation, c.wantEl) << c.az;
    }
    DataLineValues v = Sample();
    v.azimuth = 350;
    v.elevation = 30;
    v.flip = {true, true, false, false};
    EXPECT_NE(FormatDataLine(v, false, '.').find(" AZ170.0 EL150.0 "), std::string::npos);
}

TEST(DataItems, TextsAreReducedToTheEightBitRepertoire) {
    RecordingSink sink;
    DataItems items;
    items.SetSink(&sink);
    bool losStandby = false;
    DataLineValues v = Sample();
    v.name =
        "\xC5\x81\xC3\xB3"
        "d\xC5\xBA \xE2\x82\xAC";  // "Łódź €": Ł and ź are not in it
    items.PublishNameTick(v.name, 0, 20, -3, losStandby);
    items.PublishDataTick(v, true, false, '.');
    ASSERT_EQ(sink.published.size(), 2u);
    EXPECT_EQ(sink.published[0].text, QString::fromUtf8("?\xC3\xB3"
                                                        "d? \xE2\x82\xAC"));
    EXPECT_TRUE(
        sink.published[1].text.startsWith(QString::fromUtf8("SN?\xC3\xB3"
                                                            "d? \xE2\x82\xAC AZ")));
}

TEST(DataItems, NoSatelliteTextOnlyWhenLineTwoAsksForIt) {
    struct Case {
        double elevation;
        bool alwaysPublish;
        bool noSatellite;
    };
    const Case cases[] = {
        {-10, false, true}, {-10, true, false}, {0, false, false}, {12, false, false}};
    for (const Case& c : cases) {
        RecordingSink sink;
        DataItems items;
        items.SetSink(&sink);
        DataLineValues v = Sample();
        v.elevation = c.elevation;
        items.PublishDataTick(v, c.alwaysPublish, false, '.');
        ASSERT_EQ(sink.published.size(), 1u);
        EXPECT_EQ(sink.published[0].topic, kDataTopic);
        EXPECT_EQ(sink.published[0].item, kDataItem);
        if (c.noSatellite) {
            EXPECT_EQ(sink.published[0].text, QStringLiteral("** NO SATELLITE **\n"));
        } else {
            EXPECT_TRUE(sink.published[0].text.contains(QStringLiteral(" EL") +
                                                        QString::number(c.elevation, 'f', 1) + ' '))
                << sink.published[0].text.toStdString();
        }
    }
}

// The name item and the standby flag over a run of ticks, with a minimum elevation of -3.
TEST(DataItems, NameItemFollowsSettingAndRisingThroughTheMinimumElevation) {
    struct Tick {
        double elevation;
        std::vector<QString> published;  // name item texts of this tick
        bool losStandby;
    };
    const QString up = QStringLiteral("AO-07");
    const QString standby = QStringLiteral("AO-07 Standby");
    const std::vector<Tick> ticks = {
        {-5.0, {standby}, false},                       // first tick: below the minimum, standby
        {-4.0, {}, false},        {-2.9, {up}, false},  // passes -3: the bare name
        {-1.0, {}, false},                              // not yet above the horizon, stays
        {10.0, {}, false},        {0.5, {}, false},    {-0.5, {standby}, true},  // has just set
        {-2.0, {}, true},         {-4.0, {}, true},  // below the minimum now, cleared on the next
                                                     // tick
        {-5.0, {}, false},        {-2.0, {up}, false},  // rising again
    };
    RecordingSink sink;
    DataItems items;
    items.SetSink(&sink);
    bool losStandby = false;
    for (size_t t = 0; t < ticks.size(); ++t) {
        sink.published.clear();
        const double previous = t == 0 ? 0 : ticks[t - 1].elevation;
        items.PublishNameTick("AO-07", previous, ticks[t].elevation, -3, losStandby);
        EXPECT_EQ(sink.Names(), ticks[t].published) << "tick " << t;
        EXPECT_EQ(losStandby, ticks[t].losStandby) << "tick " << t;
    }
}

TEST(DataItems, ForgottenNameIsPublishedAgainAndPreviewPublishesStandby) {
    RecordingSink sink;
    DataItems items;
    items.SetSink(&sink);
    bool losStandby = false;
    items.PublishNameTick("AO-07", 0, 20, -3, losStandby);
    items.PublishNameTick("AO-07", 20, 21, -3, losStandby);
    // A new client on the name topic: the next tick gives the bare name again.
    items.ForgetName();
    items.PublishNameTick("AO-07", 21, 22, -3, losStandby);
    // Preview or MA: standby; back in real time the name comes again.
    items.PublishStandby("AO-07");
    items.ForgetName();
    items.PublishNameTick("AO-07", 22, 22, -3, losStandby);
    // Another working satellite below the minimum.
    items.PublishNameTick("FO-29", 22, -20, -3, losStandby);
    EXPECT_EQ(sink.Names(),
              (std::vector<QString>{"AO-07", "AO-07", "AO-07 Standby", "AO-07", "FO-29 Standby"}));
}

TEST(DataItems, WithoutASinkTheStandbyRuleStillRuns) {
    DataItems items;
    bool losStandby = false;
    items.PublishNameTick("AO-07", 0, 10, -3, losStandby);
    items.PublishNameTick("AO-07", 10, -1, -3, losStandby);
    EXPECT_TRUE(losStandby);
    items.PublishDataTick(Sample(), true, true, '.');
}

}  // namespace
}  // namespace orbivox
