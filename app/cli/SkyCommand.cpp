// orbivox sky: the sky plot of one satellite's pass over a site, drawn headless into a
// picture: the pass in progress at --from, else the next one. Documented in docs/cli.md.
#include <optional>

#include "app/cli/Commands.h"
#include "app/cli/ConfiguredDefaults.h"
#include "app/cli/OrbitArguments.h"
#include "app/cli/PictureOutput.h"
#include "orbit/TimeScales.h"
#include "tracking/SkyView.h"

namespace orbivox::cli {

const char* const kSkyUsage =
    "usage: orbivox sky [--site LAT,LON,ALT] --sat NAME --from T --out IMAGE.png [--size N]\n"
    "                   [--light] [--model sgp4|sgp8] [FILE]\n"
    "       instants are UTC, YYYY-MM-DDTHH:MM:SS[.fff]Z, or now\n";

const char* const kSkyHelp =
    "Draws the sky view's polar plot of one satellite's pass in progress at T, or its next.\n"
    "  --site LAT,LON,ALT   the observer: degrees north, degrees east, metres above sea level\n"
    "                       (default: the station of the configuration in use)\n"
    "  --sat NAME           the satellite: a catalogue number, a name or the unique beginning\n"
    "                       of one, in any letter case\n"
    "  --from T             the UTC instant\n"
    "  --out IMAGE          the picture; its type follows the name (.png, .jpg, .bmp)\n"
    "  --size N             the picture's side in pixels (120-4000, default 400)\n"
    "  --light              a light background\n"
    "  --model sgp4|sgp8    the orbit model (default sgp4)\n"
    "  FILE                 an element file: two-line, verbose or OMM (CSV, XML, JSON)\n"
    "                       (default: the current group's element file)\n";

namespace {

constexpr int kDefaultSize = 400;
constexpr long kLeastSize = 120;
constexpr long kMostSize = 4000;

}  // namespace

int RunSky(const Arguments& args, std::ostream& out, std::ostream& err) {
    SkyArguments sky;
    std::optional<double> from;
    std::string picture;
    int size = kDefaultSize;
    SkyPlotStyle style = SkyPlotStyle::Dark;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--from" && hasValue) {
            from = ParseInstant(args[++i]);
            if (!from) {
                err << "orbivox sky: --from wants a UTC instant YYYY-MM-DDTHH:MM:SS[.fff]Z or now\n"
                    << kSkyUsage;
                return 2;
            }
        } else if (a == "--out" && hasValue) {
            picture = args[++i];
        } else if (a == "--size" && hasValue) {
            const auto parsed = ParseWholeNumber(args[++i], kLeastSize, kMostSize);
            if (!parsed) {
                err << "orbivox sky: --size wants a whole number " << kLeastSize << ".."
                    << kMostSize << "\n"
                    << kSkyUsage;
                return 2;
            }
            size = static_cast<int>(*parsed);
        } else if (a == "--light") {
            style = SkyPlotStyle::Light;
        } else if (TakeSkyArgument(args, i, sky, "sky", kSkyUsage, err) == OptionResult::Bad) {
            return 2;
        }
    }
    if (!from || !sky.satellite || picture.empty()) {
        err << kSkyUsage;
        return 2;
    }
    if (PictureFormat(picture).isEmpty()) {
        err << "orbivox sky: cannot write a picture of that type; the name of --out ends in "
               ".png, .jpg or .bmp\n";
        return 2;
    }
    if (const auto failed = FillFromConfiguration(sky, "sky", err))
        return *failed;
    orbit::OrbitEngine engine(YearOf(*from), sky.model);
    const auto sets = LoadSets(engine, *sky.file, sky.satellite, *from, "sky", err);
    if (!sets)
        return sets.exitCode;
    SkyViewRequest request;
    request.setIndex = sets->front();
    request.name = engine.Sets()[request.setIndex].name;
    request.site = orbit::ObserverToSite(*sky.site);
    request.nowUtc = *from - orbit::kDayNumberToJulianDate;
    const QImage image = DrawSkyPlot(SkyViewContent(engine, request), size, style);
    return WritePicture(image, picture, "sky", out, err) ? 0 : 1;
}

}  // namespace orbivox::cli
