#pragma once
// The two sets of map images: political (the default) and physical.

namespace orbivox {

enum class MapSet { Political, Physical };

struct MapSetNames {
    const char* folder;       // under the program folder
    const char* caption;      // lblBlueM
    const char* globePrefix;  // in front of the globe picture folders
};

inline constexpr MapSetNames kPoliticalMaps{"Maps2D", "Pl", ""};
inline constexpr MapSetNames kPhysicalMaps{"BM_Maps2D", "BM", "BM_"};

inline constexpr const MapSetNames& NamesOf(MapSet set) {
    return set == MapSet::Political ? kPoliticalMaps : kPhysicalMaps;
}

}  // namespace orbivox
