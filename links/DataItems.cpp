// The name and data items: the standby rules, the data line's fields and formats.
#include "links/DataItems.h"

#include "orbit/DisplayFormat.h"
#include "settings/CodePage.h"

namespace orbivox {
namespace {

const std::string kStandby = " Standby";

std::string Hz(std::int64_t hz) {
    return std::to_string(hz);
}

}  // namespace

PublishedAngles ApplyFlip(double azimuth, double elevation, const FlipState& flip) {
    if (flip.flipPass && flip.flipMode) {
        azimuth += 180.0;
        if (azimuth > 360.0) {
            azimuth -= 360.0;
        }
        return {azimuth, 180.0 - elevation};
    }
    if (!flip.flipMode && flip.overlapPass && flip.azimuth450 && azimuth < 90.0) {
        azimuth += 360.0;
    }
    return {azimuth, elevation};
}

std::string FormatDataLine(const DataLineValues& values, bool radioFrequencies,
                           char decimalSeparator) {
    const PublishedAngles angles = ApplyFlip(values.azimuth, values.elevation, values.flip);
    std::int64_t up = values.uplinkHz;
    std::int64_t down = values.downlinkHz;
    if (radioFrequencies) {
        if (up > values.uplinkOffsetHz) {
            up -= values.uplinkOffsetHz;
        }
        if (down > values.downlinkOffsetHz) {
            down -= values.downlinkOffsetHz;
        }
    }
    std::string line = "SN" + values.name;
    line += " AZ" + orbit::FormatNumber(angles.azimuth, "##0.0", decimalSeparator);
    line += " EL" + orbit::FormatNumber(angles.elevation, "##0.0", decimalSeparator);
    line += " UP" + Hz(up);
    line += " UM" + values.uplinkMode;
    line += " DN" + Hz(down);
    line += " DM" + values.downlinkMode;
    line += " MA" + orbit::FormatNumber(values.meanAnomaly, "##0.0", decimalSeparator);
    return line;
}

QString ReduceToCp1252(const QString& text) {
    return DecodeCp1252(EncodeCp1252(text));
}

void DataItems::AddTo(ConversationServer& server) {
    server.AddItem(kNameTopic, kNameItem);
    server.AddItem(kDataTopic, kDataItem);
}

void DataItems::Publish(const QString& topic, const QString& item, const QString& text) {
    if (sink_ != nullptr) {
        sink_->PublishItem(topic, item, ReduceToCp1252(text));
    }
}

void DataItems::PublishNameTick(const std::string& name, double previousElevation,
                                double elevation, double minElevation, bool& losStandby) {
    const QString shown = QString::fromStdString(name);
    const QString standby = QString::fromStdString(name + kStandby);
    double previous = previousElevation;
    if (name != rememberedName_) {
        Publish(kNameTopic, kNameItem, elevation > minElevation ? shown : standby);
        previous = 0;
        rememberedName_ = name;
    }
    if (previous > 0 && elevation < 0) {
        Publish(kNameTopic, kNameItem, standby);
        losStandby = true;
    }
    if (previous < minElevation && elevation > minElevation) {
        Publish(kNameTopic, kNameItem, shown);
    }
    if (previous < minElevation) {
        losStandby = false;
    }
}

void DataItems::PublishDataTick(const DataLineValues& values, bool alwaysPublish,
                                bool radioFrequencies, char decimalSeparator) {
    if (!alwaysPublish && values.elevation < 0) {
        Publish(kDataTopic, kDataItem, kNoSatelliteText);
        return;
    }
    Publish(kDataTopic, kDataItem,
            QString::fromStdString(FormatDataLine(values, radioFrequencies, decimalSeparator)));
}

void DataItems::PublishStandby(const std::string& name) {
    Publish(kNameTopic, kNameItem, QString::fromStdString(name + kStandby));
}

}  // namespace orbivox
