#pragma once
// The two items we publish about the working satellite: its name (with " Standby" while
// it is down) and one line of tracking data per tick. The tracking cycle hands over plain
// values; the texts go to an ItemSink (the conversation server, or nothing at all when
// another instance publishes).
#include <QString>
#include <cstdint>
#include <string>

#include "links/ConversationServer.h"

namespace orbivox {

inline const QString kDataService = QStringLiteral("Orbivox32");
inline const QString kNameTopic = QStringLiteral("DdeServConv");
inline const QString kNameItem = QStringLiteral("DdeServItem");
inline const QString kDataTopic = QStringLiteral("OrbivoxDdeConv");
inline const QString kDataItem = QStringLiteral("OrbivoxDdeItem");
// What the data item reads while the satellite is down and DivOptions line 2 is "-".
inline const QString kNoSatelliteText = QStringLiteral("** NO SATELLITE **\n");

// The rotor's flip and overlap state of the working pass; the published angles follow it
// so a controller fed from us points where the rotor would.
struct FlipState {
    bool flipPass = false;
    bool flipMode = false;
    bool overlapPass = false;
    bool azimuth450 = false;
};

// One tick's values for the data line.
struct DataLineValues {
    std::string name;
    double azimuth = 0;    // degrees, the tick's look angles
    double elevation = 0;  // degrees
    double meanAnomaly = 0;
    FlipState flip;
    // Doppler-corrected frequencies in Hz (0 without a transponder entry), the modes,
    // and the entry's converter offsets in Hz.
    std::int64_t uplinkHz = 0;
    std::int64_t downlinkHz = 0;
    std::string uplinkMode;
    std::string downlinkMode;
    std::int64_t uplinkOffsetHz = 0;
    std::int64_t downlinkOffsetHz = 0;
};

struct PublishedAngles {
    double azimuth = 0;
    double elevation = 0;
};
PublishedAngles ApplyFlip(double azimuth, double elevation, const FlipState& flip);

// "SN<name> AZ<az> EL<el> UP<hz> UM<mode> DN<hz> DM<mode> MA<ma>". With
// `radioFrequencies` (DivOptions line 3 "+") each converter offset is taken off its
// frequency when the frequency is above it: what the radio is tuned to.
std::string FormatDataLine(const DataLineValues& values, bool radioFrequencies,
                           char decimalSeparator);

// Texts go out in the 8-bit repertoire the items have always had: a character outside
// Windows-1252 becomes "?".
QString ReduceToCp1252(const QString& text);

class DataItems {
public:
    // Null: nothing is published, the name and standby rules still run.
    void SetSink(ItemSink* sink) { sink_ = sink; }
    // Makes the two items on `server` with their start texts.
    static void AddTo(ConversationServer& server);

    // The name item's rules for one tick of the working satellite, with its elevation of
    // the tick before (the tracking engine keeps it); sets and clears `losStandby` as the
    // rotor's standby rule has it.
    void PublishNameTick(const std::string& name, double previousElevation, double elevation,
                         double minElevation, bool& losStandby);
    // The data item: the line, or the no-satellite text while the satellite is down and
    // `alwaysPublish` (DivOptions line 2) is off.
    void PublishDataTick(const DataLineValues& values, bool alwaysPublish, bool radioFrequencies,
                         char decimalSeparator);
    // Preview and MA mode: the name item reads name + " Standby".
    void PublishStandby(const std::string& name);
    // A client opened the name topic, the program returned to real time or MA was
    // cancelled: the next tick publishes the name afresh.
    void ForgetName() { rememberedName_.clear(); }

private:
    void Publish(const QString& topic, const QString& item, const QString& text);

    ItemSink* sink_ = nullptr;
    std::string rememberedName_;
};

}  // namespace orbivox
