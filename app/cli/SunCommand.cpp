// orbivox sun: the Sun's position and the sub-solar point at given UTC instants. Format
// documented in docs/cli.md.
#include "app/cli/Commands.h"
#include "app/cli/OrbitArguments.h"
#include "orbit/Sun.h"

namespace orbivox::cli {

const char* const kSunUsage =
    "usage: orbivox sun --at T1[,T2...]\n"
    "       instants are UTC, YYYY-MM-DDTHH:MM:SS[.fff]Z\n";

const char* const kSunHelp =
    "The Sun at each UTC instant: ecliptic longitude, declination, right ascension, sidereal\n"
    "time, the sub-solar point and the distance, one line each.\n"
    "  --at T1[,T2...]   the UTC instants\n";

int RunSun(const Arguments& args, std::ostream& out, std::ostream& err) {
    std::optional<std::vector<double>> instants;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--at" && i + 1 < args.size()) {
            instants = ParseInstantList(args[++i]);
            if (!instants) {
                err << "orbivox sun: --at wants UTC instants YYYY-MM-DDTHH:MM:SS[.fff]Z\n"
                    << kSunUsage;
                return 2;
            }
        } else {
            err << "orbivox sun: unknown or incomplete argument \"" << args[i] << "\"\n"
                << kSunUsage;
            return 2;
        }
    }
    if (!instants) {
        err << kSunUsage;
        return 2;
    }
    for (const double jd : *instants) {
        orbit::SunState sun;
        orbit::SetSunTimeUtc(sun, jd);
        orbit::ComputeSun(sun);
        out << FormatInstant(jd) << ' ' << Fixed(sun.longitude, 4) << ' '
            << Fixed(sun.declination, 4) << ' ' << Fixed(sun.rightAscension, 4) << ' '
            << Fixed(sun.siderealTime, 4) << ' ' << Fixed(sun.subLatitude, 4) << ' '
            << Fixed(sun.subLongitude, 4) << ' ' << Fixed(sun.distance, 1) << '\n';
    }
    return 0;
}

}  // namespace orbivox::cli
