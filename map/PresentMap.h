#pragma once
// Copies the visible part of the work bitmap into the view bitmap. At Z1 the whole map is
// shown, turned so that the chosen column is in the middle; at Z2 the view follows the
// working satellite. A frame drawn sharp is widened and presented into its sharp view the
// same way.
#include <optional>

#include "map/MapFrame.h"

namespace orbivox {

enum class CentringMode { Observer, GreenwichOrSecondObserver, Satellite };

void PresentMap(MapFrame& frame, MapPoint satellite, CentringMode mode);

}  // namespace orbivox
