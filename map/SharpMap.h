#pragma once
// The sharp map for screens with more device pixels than logical ones: the frame drawn on the
// work bitmap, widened to the pixel ratio. The map itself comes from the sharp pictures, so
// coastlines and borders stay fine; what the frame drew on it (outlines, marks, labels,
// tracks) keeps its pixels, each as a block of device pixels.
#include "map/MapFrame.h"

namespace orbivox {

// Fills the sharp work bitmap from the work bitmap; nothing when the frame has none.
void SharpenWork(MapFrame& frame);

}  // namespace orbivox
