#pragma once

// Which model family propagates: "-" in the settings file is SGP4/SDP4,
// "+" is SGP8/SDP8.
namespace orbit {

enum class ModelChoice { Sgp4, Sgp8 };

}  // namespace orbit
