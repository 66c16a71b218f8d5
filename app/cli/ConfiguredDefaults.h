#pragma once
// What look, passes and sky take when the command line leaves it out: the station of
// SatIni.SQF and the current group's element file, read from the configuration in use as the
// program's start reads them.
#include <optional>
#include <ostream>
#include <string>

#include "app/cli/OrbitArguments.h"

namespace orbivox::cli {

// Fills the site and the file of `sky` when they are missing, with one line on `err` saying
// what was taken. Returns the exit status when the configuration cannot give them (the
// message written), nothing when all is there.
std::optional<int> FillFromConfiguration(SkyArguments& sky, const std::string& command,
                                         std::ostream& err);

// "LAT,LON,ALT" of a site, as --site takes it.
std::string SiteText(const orbit::ObserverSite& site);

}  // namespace orbivox::cli
