// The sky view's content from the pass list functions and the running engine.
#include "tracking/SkyView.h"

#include <algorithm>

#include "orbit/DisplayFormat.h"
#include "orbit/PassPrediction.h"
#include "orbit/TimeScales.h"
#include "settings/SqfFile.h"
#include "tracking/NextPasses.h"
#include "tracking/TrackingEngine.h"

namespace orbivox {
namespace {

// The track has a point every 10 s, or 400 points along a long pass.
constexpr double kTrackStep = 10.0 * orbit::kSecondInDays;
constexpr int kMostTrackPoints = 400;

}  // namespace

SkyPlotContent SkyViewContent(orbit::OrbitEngine& orbit, const SkyViewRequest& request) {
    SkyPlotContent content;
    const QString name = QString::fromStdString(request.name);
    orbit::PassData pass;
    if (!orbit::PassAround(orbit, request.setIndex, request.site, request.nowUtc, pass)) {
        content.title = name + QStringLiteral(": no pass within the search");
    } else {
        const double length =
            std::max(0.0, (pass.neverSets ? pass.aosTime + 1.0 : pass.losTime) - pass.aosTime);
        const double step = std::max(kTrackStep, length / kMostTrackPoints);
        content.track = orbit::PassTrack(orbit, request.setIndex, request.site, pass, step);
        const bool now = pass.aosTime <= request.nowUtc;
        content.title = name +
                        (now ? QStringLiteral(": pass now, ") : QStringLiteral(": next pass, ")) +
                        ZoneTimeText(pass.aosTime, request.zoneShiftDays, "yyyy-mm-dd");
        if (!content.track.empty()) {
            const orbit::SkyPoint& rise = content.track.front();
            const orbit::SkyPoint top{pass.maxTime, pass.maxAzimuth, pass.maxElevation};
            content.events.push_back(
                {rise.azimuth, rise.elevation,
                 QStringLiteral("AOS ") +
                     ZoneTimeText(rise.dayNumber, request.zoneShiftDays, "hh:nn:ss")});
            content.events.push_back(
                {top.azimuth, top.elevation,
                 ZoneTimeText(top.dayNumber, request.zoneShiftDays, "hh:nn:ss") +
                     QStringLiteral("  ") +
                     QString::fromStdString(orbit::FormatNumber(top.elevation, "#0.0")) +
                     QChar(0x00B0)});
            if (!pass.neverSets) {
                const orbit::SkyPoint& set = content.track.back();
                content.events.push_back(
                    {set.azimuth, set.elevation,
                     QStringLiteral("LOS ") +
                         ZoneTimeText(set.dayNumber, request.zoneShiftDays, "hh:nn:ss")});
            }
        }
    }
    const orbit::Observation seen = orbit::ObserveSet(
        orbit, request.setIndex, request.site, orbit::ComputationInstant(request.nowUtc, 0.0));
    if (seen.state.ok && seen.look.elevation >= 0.0) {
        content.now = SkyPlotMark{seen.look.azimuth, seen.look.elevation, QString()};
    }
    if (request.rotor) {
        content.rotor = SkyPlotMark{request.rotor->first, request.rotor->second, QString()};
    }
    return content;
}

std::vector<orbit::PassRow> NextDayPasses(orbit::OrbitEngine& orbit,
                                          const std::vector<int>& setIndices,
                                          const orbit::GeodeticSite& site, double nowUtc) {
    return orbit::PassTable(orbit, setIndices, site, nowUtc, nowUtc + 1.0);
}

SkyViewPlace ReadSkyViewPlace(const QString& path) {
    SkyViewPlace place;
    try {
        const QStringList lines = ReadSqfLines(path);
        place.open = lines.value(0).trimmed() == QLatin1String("+");
        bool xOk = false;
        bool yOk = false;
        const int x = lines.value(1).trimmed().toInt(&xOk);
        const int y = lines.value(2).trimmed().toInt(&yOk);
        if (xOk && yOk) {
            place.position = QPoint(x, y);
        }
    } catch (const SqfError&) {
        // First run, or a damaged file: the window starts closed.
    }
    return place;
}

void WriteSkyViewPlace(const QString& path, const SkyViewPlace& place) {
    SqfWriter writer;
    writer.Flag(place.open);
    if (place.position) {
        writer.Integer(place.position->x()).Integer(place.position->y());
    }
    writer.Commit(path);
}

double EngineNowUtc(const TrackingEngine& engine) {
    return engine.Time().computationInstant - orbit::kDayNumberToJulianDate;
}

double EngineZoneShiftDays(const TrackingEngine& engine) {
    return engine.Time().dayNumber - EngineNowUtc(engine);
}

SkyViewRequest SkyViewRequestOf(TrackingEngine& engine,
                                std::optional<std::pair<double, double>> rotor) {
    SkyViewRequest request;
    request.setIndex = engine.WorkingSetIndex();
    request.name = engine.WorkingName();
    request.site = engine.View().Site();
    request.nowUtc = EngineNowUtc(engine);
    request.zoneShiftDays = EngineZoneShiftDays(engine);
    request.rotor = rotor;
    return request;
}

}  // namespace orbivox
