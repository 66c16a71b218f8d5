// orbivox map: the world map frame the main window would show at an instant, drawn
// without a screen and written as a picture. Documented in docs/cli.md.
#include <QCoreApplication>
#include <QFileInfo>
#include <map>

#include "app/cli/CommandStart.h"
#include "app/cli/Commands.h"
#include "app/cli/OrbitArguments.h"
#include "app/cli/PictureOutput.h"
#include "map/GlobeView.h"
#include "map/MapRenderer.h"
#include "tracking/MapRefresh.h"

namespace orbivox::cli {

const char* const kMapUsage =
    "usage: orbivox map --at T [--size W1..W5] [--zoom 1|2] [--set political|physical]\n"
    "                   [--centre observer|greenwich|satellite] [--globe 1|2]\n"
    "                   --out FILE.png|.jpg|.bmp\n"
    "       T is UTC, YYYY-MM-DDTHH:MM:SS[.fff]Z\n";

const char* const kMapHelp =
    "Draws the world map frame the main window would show at T for the current group of the\n"
    "configuration in use, without a display. The defaults come from SatStart.SQF.\n"
    "  --at T                                  the UTC instant\n"
    "  --size W1..W5                           the window size: W1 600x299 ... W5 1500x750\n"
    "  --zoom 1|2                              zoom 2 shows the quarter around the satellite\n"
    "  --set political|physical                the map set\n"
    "  --centre observer|greenwich|satellite   what the map is centred on\n"
    "  --globe 1|2                             the globe view 3D1 or 3D2 instead of the flat map\n"
    "  --out FILE                              the picture; its type follows the name\n";

namespace {

template <typename T>
std::optional<T> Lookup(const std::map<std::string, T>& table, const std::string& key) {
    const auto found = table.find(key);
    return found == table.end() ? std::nullopt : std::optional<T>(found->second);
}

struct MapOptions {
    std::optional<double> at;
    std::optional<WindowSize> size;
    std::optional<Zoom> zoom;
    std::optional<MapSet> set;
    std::optional<CentringMode> centre;
    std::optional<GlobeMode> globe;
    std::string out;
};

// Empty optional after a usage message.
std::optional<MapOptions> ParseMapOptions(const Arguments& args, std::ostream& err) {
    static const std::map<std::string, WindowSize> sizes = {{"W1", WindowSize::W1},
                                                            {"W2", WindowSize::W2},
                                                            {"W3", WindowSize::W3},
                                                            {"W4", WindowSize::W4},
                                                            {"W5", WindowSize::W5}};
    static const std::map<std::string, Zoom> zooms = {{"1", Zoom::Z1}, {"2", Zoom::Z2}};
    static const std::map<std::string, MapSet> sets = {{"political", MapSet::Political},
                                                       {"physical", MapSet::Physical}};
    static const std::map<std::string, CentringMode> centres = {
        {"observer", CentringMode::Observer},
        {"greenwich", CentringMode::GreenwichOrSecondObserver},
        {"satellite", CentringMode::Satellite}};
    MapOptions o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (i + 1 >= args.size()) {
            err << "orbivox map: unknown or incomplete option \"" << a << "\"\n" << kMapUsage;
            return std::nullopt;
        }
        const std::string& value = args[++i];
        bool ok = true;
        if (a == "--at") {
            o.at = ParseInstant(value);
            ok = o.at.has_value();
        } else if (a == "--size") {
            o.size = Lookup(sizes, value);
            ok = o.size.has_value();
        } else if (a == "--zoom") {
            o.zoom = Lookup(zooms, value);
            ok = o.zoom.has_value();
        } else if (a == "--set") {
            o.set = Lookup(sets, value);
            ok = o.set.has_value();
        } else if (a == "--centre") {
            o.centre = Lookup(centres, value);
            ok = o.centre.has_value();
        } else if (a == "--globe") {
            static const std::map<std::string, GlobeMode> globes = {{"1", GlobeMode::Globe1},
                                                                    {"2", GlobeMode::Globe2}};
            o.globe = Lookup(globes, value);
            ok = o.globe.has_value();
        } else if (a == "--out") {
            o.out = value;
            ok = !value.empty();
        } else {
            err << "orbivox map: unknown option \"" << a << "\"\n" << kMapUsage;
            return std::nullopt;
        }
        if (!ok) {
            err << "orbivox map: " << a << " does not take \"" << value << "\"\n" << kMapUsage;
            return std::nullopt;
        }
    }
    if (!o.at || o.out.empty()) {
        err << kMapUsage;
        return std::nullopt;
    }
    if (PictureFormat(o.out).isEmpty()) {
        err << "orbivox map: cannot write a picture of the type \""
            << QFileInfo(QString::fromStdString(o.out)).suffix().toStdString()
            << "\"; the name of --out ends in .png, .jpg or .bmp\n";
        return std::nullopt;
    }
    if (o.zoom == Zoom::Z2 && o.size && !ZoomAvailable(*o.size)) {
        err << "orbivox map: W4 and W5 have no zoom 2\n";
        return std::nullopt;
    }
    if (o.globe && o.size == WindowSize::W1) {
        err << "orbivox map: W1 has no globe\n";
        return std::nullopt;
    }
    return o;
}

}  // namespace

int RunMap(const Arguments& args, std::ostream& out, std::ostream& err) {
    const std::optional<MapOptions> options = ParseMapOptions(args, err);
    if (!options) {
        return 2;
    }
    const double displayTime = *options->at - orbit::kDisplayTimeToJulianDate;
    orbit::FixedClock clock(displayTime, displayTime);
    CommandStart started = StartForCommand(clock, "map", err);
    if (!started.start.session) {
        return started.exitCode;
    }
    TrackingSession& session = *started.start.session;

    // The station's clock reads local time; with a manual offset it is that far from UTC.
    TrackingEngine& engine = session.engine();
    const StationSettings& station = session.settings().station;
    if (station.utcOffset.trimmed().compare(QLatin1String("auto"), Qt::CaseInsensitive) != 0) {
        clock.Set(displayTime + engine.View().UtcOffsetHours() / 24, displayTime);
    }
    engine.TrackingTick();

    MapSwitches switches = MapSwitchesFromStart(session.startValues());
    MapViewSwitches& view = engine.Switches().map;
    view.size = options->size.value_or(view.size);
    if (options->globe && view.size == WindowSize::W1) {
        view.size = WindowSize::W3;
    }
    view.zoom = options->zoom.value_or(ZoomAvailable(view.size) ? view.zoom : Zoom::Z1);
    if (options->globe) {
        view.zoom = Zoom::Z1;
    }
    view.set = options->set.value_or(view.set);
    switches.centring = options->centre.value_or(switches.centring);

    MapFrame frame;
    frame.observerLongitude = station.longitude;
    frame.observerLatitude = station.latitude;
    frame.observerLabel = station.locator.trimmed();
    const QString error = LoadMapImages(frame, session.folders().programFolder, view);
    if (!error.isEmpty()) {
        err << "orbivox map: " << error.toStdString() << "\n";
        return 1;
    }
    const MapScene scene = ComposeMapScene(engine, switches, OnMapBySlot(session.members(), [&] {
                                               std::vector<std::string> names;
                                               for (const QString& name : session.SelectedNames()) {
                                                   names.push_back(name.toStdString());
                                               }
                                               return names;
                                           }()));
    if (options->globe) {
        // The globe shows the flat map's Z1 images underneath.
        GlobeState globe;
        GlobePictures pictures(session.folders().programFolder);
        EnterGlobe(frame, globe, *options->globe);
        const QString missing =
            SelectGlobePictures(frame, globe, pictures, session.folders().programFolder,
                                GlobeCentreFor(frame, scene, switches.centring, false));
        if (!missing.isEmpty()) {
            err << "orbivox map: " << missing.toStdString() << "\n";
            return 1;
        }
        RenderGlobeFrame(frame, globe, scene);
    } else {
        RenderMapFrame(frame, scene, switches.centring);
    }

    if (!WritePicture(frame.view, options->out, "map", out, err)) {
        return 1;
    }
    TrackingEngine::QuitProgram(QuitHooks{}, true, false);
    return 0;
}

}  // namespace orbivox::cli
