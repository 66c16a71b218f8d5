// Gathering a map scene from the tracking engine: the centring mode and map switches from the
// start values, the sub-points of the working and other satellites, the ground track and labels.
#include "tracking/MapRefresh.h"

#include "orbit/PassSearch.h"
#include "orbit/Sun.h"
#include "tracking/PassTexts.h"

namespace orbivox {
namespace {

constexpr double kArrowLeadDays = 10.0 / 86400;  // the arrow points where it is 10 s on

GeoPoint SubPointOf(const orbit::TrackResult& r) {
    return {r.subLongitude, r.subLatitude};
}

// The sub-point of the set in process at `dayNumber`, when it can be propagated.
std::optional<GeoPoint> SubPointAt(orbit::StationView& view, int setIndex, double dayNumber) {
    view.SetTime(dayNumber);
    if (!view.EvaluateSet(setIndex)) {
        return std::nullopt;
    }
    view.ComputeSubPoint();
    return SubPointOf(view.Result());
}

}  // namespace

CentringMode CentringFromFlags(QChar first, QChar second) {
    if (first != QLatin1Char('+')) {
        return CentringMode::Satellite;
    }
    return second == QLatin1Char('+') ? CentringMode::Observer
                                      : CentringMode::GreenwichOrSecondObserver;
}

MapViewSwitches MapViewFromStart(const StartValues& v) {
    MapViewSwitches view;
    view.size = v.windowSize;
    view.zoom = v.zoom2 && ZoomAvailable(v.windowSize) ? Zoom::Z2 : Zoom::Z1;
    view.set = v.physicalMap ? MapSet::Physical : MapSet::Political;
    return view;
}

MapSwitches MapSwitchesFromStart(const StartValues& v) {
    MapSwitches s;
    s.centring = CentringFromFlags(v.centringFirst, v.centringSecond);
    s.arrows = v.directionArrows;
    s.multiple = v.multipleSatellites;
    s.groundTrack = v.groundTrack ? GroundTrackMode::Continuous : GroundTrackMode::Off;
    return s;
}

std::vector<bool> OnMapBySlot(const QList<GroupMember>& members,
                              const std::vector<std::string>& selectedNames) {
    std::vector<bool> onMap;
    for (const std::string& name : selectedNames) {
        bool flag = false;
        for (const GroupMember& member : members) {
            if (member.name.toStdString() == name) {
                flag = member.onMap;
                break;
            }
        }
        onMap.push_back(flag);
    }
    return onMap;
}

MapScene ComposeMapScene(TrackingEngine& engine, const MapSwitches& switches,
                         const std::vector<bool>& onMap) {
    MapScene scene;
    if (engine.WorkingSlot() < 0) {
        return scene;
    }
    orbit::StationView& view = engine.View();
    const orbit::SetTable& sets = engine.Orbit().Sets();
    const int workingSet = engine.WorkingSetIndex();
    const double now = view.Time().dayNumber;
    const TrackingSwitches& shared = engine.Switches();
    const LabelTimes labelTimes =
        shared.countdownColumns ? LabelTimes::Countdown : LabelTimes::AosLos;

    if (shared.sunDisplay) {
        const orbit::SunState& sun = engine.SunNow();
        scene.subSolarPoint = GeoPoint{sun.subLongitude, sun.subLatitude};
    }

    orbit::SearchScope scope(view);
    const orbit::TrackResult& working = engine.Working();
    if (working.ok) {
        WorkingOnMap w;
        w.subPoint = SubPointOf(working);
        w.radiusKm = working.centreDistance;
        w.elevation = working.elevation;
        if (switches.arrows) {
            w.later = SubPointAt(view, workingSet, now + kArrowLeadDays);
        }
        scene.working = w;
    }

    if (switches.multiple) {
        for (int k = 0; k < engine.SelectedCount(); ++k) {
            if (k == engine.WorkingSlot() || (!onMap.empty() && !onMap[static_cast<size_t>(k)])) {
                continue;
            }
            const int index = engine.Selected()[static_cast<size_t>(k)];
            view.SetTime(now);
            if (!view.Evaluate(k)) {
                continue;
            }
            view.ComputeSubPoint();
            const orbit::TrackResult r = view.Result();
            OtherSatellite other;
            other.subPoint = SubPointOf(r);
            other.radiusKm = r.centreDistance;
            if (switches.arrows) {
                other.later = SubPointAt(view, index, now + kArrowLeadDays);
                view.SetTime(now);
            }
            view.ComputePass(k);
            const orbit::PassData& pass = view.Pass(k);
            LabelPass labelPass;
            labelPass.aosText = AosText(pass);
            labelPass.losText = LosText(pass);
            labelPass.aos = pass.aosTime;
            labelPass.los = pass.losTime;
            labelPass.maxElevation = pass.maxElevation;
            other.label = SatelliteLabel(static_cast<char>('A' + k), sets[index].name,
                                         sets[index].meanMotionRevPerDay, r.elevation, labelPass,
                                         labelTimes, now);
            scene.others.push_back(std::move(other));
        }
    }

    if (switches.groundTrack != GroundTrackMode::Off) {
        for (double t : GroundTrackInstants(now, sets[workingSet].meanMotionRevPerDay,
                                            switches.arrows, shared.map.ZoomFactor())) {
            if (const auto p = SubPointAt(view, workingSet, t)) {
                scene.groundTrack.push_back(*p);
            }
        }
    }
    return scene;
}

}  // namespace orbivox
