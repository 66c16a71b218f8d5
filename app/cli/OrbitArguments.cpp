// Parsing the orbit commands' shared arguments: ISO UTC instants (impossible dates rejected by
// a round trip), sites, model names, and loading the element file's sets, optionally by name.
#include "app/cli/OrbitArguments.h"

#include <charconv>
#include <cmath>

#include "catalogue/ElementAge.h"
#include "catalogue/ElementFileReader.h"
#include "catalogue/SatelliteLookup.h"
#include "orbit/DisplayFormat.h"
#include "orbit/TimeScales.h"

namespace orbivox::cli {
namespace {

std::optional<int> Digits(const std::string& s, size_t from, size_t count) {
    if (from + count > s.size())
        return std::nullopt;
    int value = 0;
    for (size_t i = from; i < from + count; ++i) {
        if (s[i] < '0' || s[i] > '9')
            return std::nullopt;
        value = value * 10 + (s[i] - '0');
    }
    return value;
}

std::optional<double> ParseReal(const std::string& text) {
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+')
        ++first;
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (first == last || error != std::errc() || end != last || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string> SplitAtCommas(const std::string& text) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t comma = text.find(',', start);
        parts.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return parts;
}

// The old-element warnings of LoadSets(): a line per old set, or one line for them all.
void WarnOfOldElements(const orbit::OrbitEngine& engine, const std::vector<int>& sets,
                       const std::string& file, double julianDate, const std::string& command,
                       AgeWarnings ageWarnings, std::ostream& err) {
    int oldSets = 0;
    const orbit::ElementSet* oldest = nullptr;
    ElementAge oldestAge;
    for (const int index : sets) {
        const orbit::ElementSet& set = engine.Sets()[index];
        const ElementAge age = AgeOf(set, julianDate);
        if (!age.old)
            continue;
        ++oldSets;
        if (ageWarnings == AgeWarnings::EachSatellite) {
            err << "orbivox " << command << ": warning: " << OldElementsWarning(set.name, age)
                << '\n';
        } else if (!oldest || age.days > oldestAge.days) {
            oldest = &set;
            oldestAge = age;
        }
    }
    if (ageWarnings == AgeWarnings::OncePerFile && oldest) {
        err << "orbivox " << command << ": warning: "
            << (oldSets == 1 ? OldElementsWarning(oldest->name, oldestAge)
                             : OldElementsInFileWarning(oldSets, file, oldest->name, oldestAge))
            << '\n';
    }
}

}  // namespace

double NowJulianDate() {
    return orbit::SystemClock().Now().utc + orbit::kDisplayTimeToJulianDate;
}

std::optional<double> ParseInstant(const std::string& s) {
    if (s == "now")
        return NowJulianDate();
    if (s.size() < 20 || s[4] != '-' || s[7] != '-' || s[10] != 'T' || s[13] != ':' ||
        s[16] != ':' || s.back() != 'Z') {
        return std::nullopt;
    }
    const auto year = Digits(s, 0, 4), month = Digits(s, 5, 2), day = Digits(s, 8, 2);
    const auto hour = Digits(s, 11, 2), minute = Digits(s, 14, 2), second = Digits(s, 17, 2);
    if (!year || !month || !day || !hour || !minute || !second)
        return std::nullopt;
    // Any number of fraction digits: the first three give the millisecond, the rest are kept
    // as a fraction of it.
    int millisecond = 0;
    double belowMillisecond = 0.0;
    if (s.size() != 20) {
        if (s[19] != '.' || s.size() < 22)
            return std::nullopt;
        const size_t last = s.size() - 1;  // the 'Z'
        int weight = 100;
        double scale = 0.1;
        for (size_t i = 20; i < last; ++i) {
            if (s[i] < '0' || s[i] > '9')
                return std::nullopt;
            if (weight > 0) {
                millisecond += (s[i] - '0') * weight;
                weight /= 10;
            } else {
                belowMillisecond += (s[i] - '0') * scale;
                scale /= 10.0;
            }
        }
    }
    if (*month < 1 || *month > 12 || *day < 1 || *day > 31 || *hour > 23 || *minute > 59 ||
        *second > 59) {
        return std::nullopt;
    }
    const orbit::CivilTime civil{*year, *month, *day, *hour, *minute, *second, millisecond};
    double jd = orbit::JulianDateFromCivil(civil);
    if (belowMillisecond > 0.0)
        jd += belowMillisecond / 86400000.0;
    // 31 February and the like do not come back as written.
    const orbit::CivilTime back = orbit::CivilFromJulianDate(jd);
    if (back.day != *day || back.month != *month)
        return std::nullopt;
    return jd;
}

std::optional<std::vector<double>> ParseInstantList(const std::string& text) {
    std::vector<double> instants;
    for (const std::string& part : SplitAtCommas(text)) {
        const auto jd = ParseInstant(part);
        if (!jd)
            return std::nullopt;
        instants.push_back(*jd);
    }
    return instants;
}

std::string FormatInstant(double julianDate) {
    const orbit::CivilTime c = orbit::CivilFromJulianDate(julianDate);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", c.year, c.month, c.day,
                  c.hour, c.minute, c.second, c.millisecond);
    return text;
}

std::optional<orbit::ObserverSite> ParseSite(const std::string& text) {
    const std::vector<std::string> parts = SplitAtCommas(text);
    if (parts.size() != 3)
        return std::nullopt;
    const auto latitude = ParseReal(parts[0]);
    const auto longitude = ParseReal(parts[1]);
    const auto altitude = ParseReal(parts[2]);
    if (!latitude || !longitude || !altitude)
        return std::nullopt;
    if (*latitude < -90.0 || *latitude > 90.0 || *longitude < -180.0 || *longitude > 360.0) {
        return std::nullopt;
    }
    orbit::ObserverSite site;
    site.latitude = *latitude;
    site.longitude = *longitude;
    site.altitude = parts[2];
    site.utcOffset = "0";
    return site;
}

std::optional<orbit::ModelChoice> ParseModel(const std::string& text) {
    if (text == "sgp4")
        return orbit::ModelChoice::Sgp4;
    if (text == "sgp8")
        return orbit::ModelChoice::Sgp8;
    return std::nullopt;
}

int YearOf(double julianDate) {
    return orbit::CivilFromJulianDate(julianDate).year;
}

LoadedSets LoadSets(orbit::OrbitEngine& engine, const std::string& file,
                    const std::optional<std::string>& satellite, double julianDate,
                    const std::string& command, std::ostream& err, AgeWarnings ageWarnings) {
    const orbit::ElementReadResult read = ReadElementFileByContent(file, engine);
    if (!read.fileRead) {
        err << "orbivox " << command << ": " << read.error << '\n';
        return {{}, 1};
    }
    if (read.format == orbit::ElementFormat::None || read.count == 0) {
        err << "orbivox " << command << ": no element sets in \"" << file << "\"\n";
        return {{}, 1};
    }
    LoadedSets loaded;
    for (int i = 1; i <= read.count; ++i)
        loaded.sets.push_back(i);
    if (satellite) {
        const SatelliteLookup found = LookUpSatellite(engine.Sets(), loaded.sets, *satellite);
        if (found.ambiguous()) {
            err << "orbivox " << command << ": \"" << *satellite << "\" fits "
                << CandidateList(found.candidates) << "; name one of them\n";
            return {{}, 2};
        }
        if (!found.found()) {
            err << "orbivox " << command << ": no satellite named \"" << *satellite << "\" in \""
                << file << "\"\n";
            return {{}, 1};
        }
        loaded.sets = found.sets;
    }
    if (read.pastLimit) {
        err << "orbivox " << command << ": warning: " << orbit::PastLimitNote(file, read) << "\n";
    }
    if (read.skipped > 0) {
        err << "orbivox " << command << ": warning: " << read.skipped << " records of \"" << file
            << "\" are for another model than SGP4 and were left out\n";
    }
    WarnOfOldElements(engine, loaded.sets, file, julianDate, command, ageWarnings, err);
    return loaded;
}

std::optional<long> ParseWholeNumber(const std::string& text, long least, long most) {
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < least ||
        value > most) {
        return std::nullopt;
    }
    return value;
}

std::string Fixed(double value, int decimals) {
    std::string pattern = "0";
    if (decimals > 0)
        pattern += "." + std::string(static_cast<size_t>(decimals), '0');
    return orbit::FormatNumber(value, pattern);
}

OptionResult TakeSkyArgument(const std::vector<std::string>& args, size_t& i, SkyArguments& sky,
                             const std::string& command, const char* usage, std::ostream& err) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    const std::string prefix = "orbivox " + command + ": ";
    if (a == "--site" && hasValue) {
        sky.site = ParseSite(args[++i]);
        if (!sky.site) {
            err << prefix << "--site wants LAT,LON,ALT (degrees, degrees, metres)\n" << usage;
            return OptionResult::Bad;
        }
    } else if (a == "--model" && hasValue) {
        const auto parsed = ParseModel(args[++i]);
        if (!parsed) {
            err << prefix << "unknown model \"" << args[i] << "\"\n" << usage;
            return OptionResult::Bad;
        }
        sky.model = *parsed;
    } else if (a == "--sat" && hasValue) {
        sky.satellite = args[++i];
    } else if (!a.empty() && a[0] == '-') {
        err << prefix << "unknown or incomplete option \"" << a << "\"\n" << usage;
        return OptionResult::Bad;
    } else if (!sky.file) {
        sky.file = a;
    } else {
        err << prefix << "one element file only\n" << usage;
        return OptionResult::Bad;
    }
    return OptionResult::Taken;
}

}  // namespace orbivox::cli
