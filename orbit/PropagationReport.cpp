// Writing the propagation report: a header line per set, then one line per time with the state
// in km and km/s, or the reason the set could not be propagated.
#include "orbit/PropagationReport.h"

#include "orbit/CatalogueNumber.h"

#include <charconv>
#include <cstdio>
#include <string>

namespace orbit {
namespace {

std::string ShortestNumber(double value) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : std::string("nan");
}

std::string Fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

}  // namespace

void WritePropagationReport(OrbitEngine& engine, const std::vector<double>& minutesFromEpoch,
                            std::ostream& out) {
    SetTable& table = engine.Sets();
    for (int i = 1; i <= table.Count(); ++i) {
        const ElementSet& set = table[i];
        // Verbose sets carry no catalogue number; an Alpha-5 number is printed whole, five
        // digits as they were written.
        std::string catalogue = set.catalogueNumber.empty() ? "-" : set.catalogueNumber;
        if (!catalogue.empty() && catalogue.front() >= 'A' && catalogue.front() <= 'Z')
            catalogue = ShownCatalogueNumber(catalogue);
        out << "# " << i << ' ' << catalogue;
        if (!set.name.empty())
            out << ' ' << set.name;
        out << '\n';
        engine.SelectCurrentSet(i);
        for (const double tsince : minutesFromEpoch) {
            const PropagationResult r = engine.PropagateMinutes(tsince);
            out << ShortestNumber(tsince);
            if (!r.ok) {
                out << " error " << FailureReason(r.failure) << '\n';
                continue;
            }
            out << ' ' << Fixed(r.position.x, 8) << ' ' << Fixed(r.position.y, 8) << ' '
                << Fixed(r.position.z, 8) << ' ' << Fixed(r.velocity.x, 9) << ' '
                << Fixed(r.velocity.y, 9) << ' ' << Fixed(r.velocity.z, 9) << '\n';
        }
    }
}

}  // namespace orbit
