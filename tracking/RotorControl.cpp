// Joining the rotor to the tracking cycle: the settings it starts from, the look angles and
// sub-satellite points it asks for at other instants, and the hooks it fills.
#include "tracking/RotorControl.h"

#include "orbit/PassPrediction.h"
#include "orbit/StationView.h"
#include "rotator/CatServerLauncher.h"

namespace orbivox {
namespace {

RotorSettings SettingsFrom(const LoadedSettings& loaded) {
    RotorSettings s;
    s.flip = loaded.flip;
    s.update = loaded.rotorUpdate;
    s.turningPoint = loaded.station.turningPoint.toUpper();
    s.minElevation = loaded.station.minimumElevation;
    s.corrections = loaded.antennaCorrections;
    s.autoPark = loaded.autoPark;
    s.park = loaded.parkPosition;
    ApplyFlipRules(s);
    return s;
}

}  // namespace

RotorControl::RotorControl(TrackingSession& session, Notifier& notifier, ServerStarter& starter,
                           const QString& runtimeFolder)
    : session_(session),
      conversations_(runtimeFolder),
      interface_(conversations_, starter, notifier),
      setup_(session.folders(), positioning_.Settings(), notifier),
      manual_(positioning_, session.folders(), notifier) {
    const LoadedSettings& loaded = session.settings();
    positioning_.Settings() = SettingsFrom(loaded);
    setup_.Load(session.settings().startValues.rotorServerInUse, loaded.parallelPorts);
    TrackingEngine& engine = session.engine();
    positioning_.BindRotorSwitch(&engine.Switches().rotorControl);
    positioning_.SetDecimalSeparator(engine.Switches().decimalSeparator);
    positioning_.SetSecondInstance(session.IsSecondInstance());
    positioning_.SetWorkingSatellite(std::max(engine.WorkingSlot(), 0));
    positioning_.SetSender([this](const QString& az, const QString& el) {
        interface_.SendToRotor(az, el);
        if (interface_.RotorServerActive() && onSetPointSent) {
            onSetPointSent(az, el);
        }
    });
}

RotorControl::~RotorControl() {
    TrackingEngine& engine = session_.engine();
    TrackingHooks& hooks = engine.Hooks();
    hooks.rotorUpdate = nullptr;
    hooks.resetRotorCounter = nullptr;
    hooks.dataLineRotor = nullptr;
    engine.View().decidePassGeometry = nullptr;
}

void RotorControl::Attach() {
    TrackingEngine& engine = session_.engine();
    TrackingHooks& hooks = engine.Hooks();
    hooks.rotorUpdate = [this, &engine] {
        if (engine.WorkingSlot() < 0) {
            return;
        }
        const double now = engine.Time().dayNumber;
        RotorTickInput input;
        input.now = now;
        input.speedFactor = 1000 / engine.TickIntervalMs();
        input.aosPlus30 = engine.WorkingPass().aosRounded;
        input.losStandby = engine.LosStandby();
        input.lookAt = [&engine, now](double day) -> std::optional<LookAngles> {
            if (day == now) {  // the tick's own look angles
                const orbit::TrackResult& working = engine.Working();
                return working.ok ? std::optional<LookAngles>({working.azimuth, working.elevation})
                                  : std::nullopt;
            }
            orbit::StationView& view = engine.View();
            orbit::SearchScope scope(view);
            view.SetTime(day);
            if (!view.Evaluate(engine.WorkingSlot())) {
                return std::nullopt;
            }
            return LookAngles{view.Result().azimuth, view.Result().elevation};
        };
        positioning_.Tick(input);
    };
    hooks.resetRotorCounter = [this, &engine] {
        positioning_.SetWorkingSatellite(std::max(engine.WorkingSlot(), 0));
    };
    hooks.dataLineRotor = [this](DataLineValues& values) {
        values.flip = positioning_.WorkingFlipState();
    };
    engine.View().decidePassGeometry = [this, &engine](int position) {
        orbit::StationView& view = engine.View();
        const orbit::PassData& pass = view.Pass(position);
        const int setIndex = view.Selection().at(static_cast<size_t>(position));
        PassGeometryInput input;
        input.meanMotion = engine.Orbit().Sets()[setIndex].meanMotionRevPerDay;
        input.aosTime = pass.aosTime;
        input.aosAzimuth = pass.aosAzimuth;
        if (pass.alreadyUp) {
            // Searched while up (back to real time, another working satellite, the start): its
            // AOS is now. The flip and the overlap are the pass's own, decided from its real
            // rise as before it rose, so they hold for as long as the satellite stays up.
            orbit::SearchScope scope(view);
            const orbit::PassPrediction fromRise = orbit::PassFromRise(
                engine.Orbit(), setIndex, view.Site(), pass.aosTime, view.Shifts().computation);
            if (fromRise.pass.finding == orbit::PassFinding::Pass) {
                input.aosTime = fromRise.pass.aosTime;
                input.aosAzimuth = fromRise.pass.aosAzimuth;
            }
        }
        input.losAzimuth = pass.losAzimuth;
        input.observerLongitude = view.Observer().longitude;
        input.observerLatitude = view.Observer().latitude;
        input.subPointAt = [&view,
                            position](double day) -> std::optional<std::pair<double, double>> {
            // The tick's time, instant and satellite in process come back with the scope.
            orbit::SearchScope scope(view);
            view.SetTime(day);
            if (!view.Evaluate(position)) {
                return std::nullopt;
            }
            view.ComputeSubPoint();
            return std::make_pair(view.Result().subLatitude, view.Result().subLongitude);
        };
        positioning_.DecidePassGeometry(position, input);
    };
}

void RotorControl::StartServers() {
    interface_.StartRotorServer(session_.startValues().rotorServerInUse,
                                session_.settings().rotorServerPath, session_.IsSecondInstance(),
                                session_.folders().programFolder);
    if (session_.startValues().catServerInUse) {
        // Data folders made before we shipped ServerKCT get its launcher too.
        EnsureCatServerLauncher(session_.folders().configDataFolder,
                                session_.folders().programFolder);
    }
    interface_.StartCatServer(session_.startValues().catServerInUse,
                              session_.folders().configDataFolder);
}

void RotorControl::FillQuitHooks(QuitHooks& hooks) {
    hooks.closeCatServer = [this] { interface_.CloseCatServer(); };
    hooks.closeRotorServer = [this] { interface_.CloseRotorServer(); };
}

}  // namespace orbivox
