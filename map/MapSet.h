#pragma once
// The two sets of map images: political (the default) and physical.

namespace orbivox {

enum class MapSet { Political, Physical };

struct MapSetSpec {
    const char* folder;       // under the program folder
    const char* caption;      // lblBlueM
    const char* globePrefix;  // in front of the globe picture folders
};

inline constexpr MapSetSpec kPoliticalMaps{"Maps2D", "Pl", ""};
inline constexpr MapSetSpec kPhysicalMaps{"BM_Maps2D", "BM", "BM_"};

inline constexpr const MapSetSpec& SpecOf(MapSet set) {
    return set == MapSet::Political ? kPoliticalMaps : kPhysicalMaps;
}

}  // namespace orbivox
