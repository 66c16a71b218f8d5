#pragma once
// What the sky view shows: the working satellite's pass in progress (or its next one) with
// its rise, culmination and set at their times in the zone shown, where the satellite is now
// and the rotor's set point; and the next-passes table of the selected satellites.
#include <QPoint>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "map/SkyPlot.h"
#include "orbit/ObserverSite.h"
#include "orbit/OrbitEngine.h"
#include "orbit/PassList.h"

namespace orbivox {

class TrackingEngine;

struct SkyViewRequest {
    int setIndex = 0;
    std::string name;
    orbit::GeodeticSite site;
    double nowUtc = 0.0;                             // day number, UTC scale
    double zoneShiftDays = 0.0;                      // added to UTC for the times shown
    std::optional<std::pair<double, double>> rotor;  // azimuth, elevation of the set point
};

// The plot's content. The engine's current set changes (callers with a running tracking
// cycle wrap the call in an orbit::SearchScope).
SkyPlotContent SkyViewContent(orbit::OrbitEngine& orbit, const SkyViewRequest& request);

// The passes of `setIndices` rising in the 24 hours from `nowUtc` (same scope rule).
std::vector<orbit::PassRow> NextDayPasses(orbit::OrbitEngine& orbit,
                                          const std::vector<int>& setIndices,
                                          const orbit::GeodeticSite& site, double nowUtc);

// The running program's request: working satellite, site, the instant of the last tick, the
// zone the switches show; the rotor's set point when given.
SkyViewRequest SkyViewRequestOf(TrackingEngine& engine,
                                std::optional<std::pair<double, double>> rotor);
// SkyView.SQF: whether the window was open at the end of the last run and where it stood.
// A missing or unreadable file gives a closed window at no particular place.
struct SkyViewPlace {
    bool open = false;
    std::optional<QPoint> position;
};
SkyViewPlace ReadSkyViewPlace(const QString& path);
// Written atomically; throws SqfError when it cannot be.
void WriteSkyViewPlace(const QString& path, const SkyViewPlace& place);

// The UTC day number of the engine's instant and the zone shift of its display scale.
double EngineNowUtc(const TrackingEngine& engine);
double EngineZoneShiftDays(const TrackingEngine& engine);

}  // namespace orbivox
