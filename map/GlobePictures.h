#pragma once
// Where the globe pictures come from: a picture file of the name the globe asks for in the
// program folder (a user's own pictures) wins; otherwise the picture is drawn once from the
// set's flat map images and kept for the rest of the run. Drawing is cheap next to shipping
// hundreds of large picture files.
#include <QHash>
#include <QImage>
#include <optional>

#include "map/GlobeProjection.h"
#include "map/MapSet.h"

namespace orbivox {

struct GlobePicturePair {
    QImage light;
    QImage dark;
};

// The orthographic pictures of a pair of equirectangular maps (x = 0 at longitude 180 west)
// for a mode and centre: the globe where the projection puts it, black around it. Both are
// drawn in one pass, as they share every pixel's place on the map.
GlobePicturePair DrawGlobePictures(const GlobePicturePair& flat, const GlobeLayout& layout,
                                   GlobeCentre centre);

class GlobePictures {
public:
    explicit GlobePictures(QString programFolder);

    // The light and dark pictures of a choice ("Maps3D_2/000_45" under the set's prefix);
    // none when neither files nor flat images to draw from are found.
    std::optional<GlobePicturePair> Load(MapSet set, GlobeMode mode,
                                         const GlobePictureChoice& choice);
    // Whether the set can show 3D2: its "000_45_d.bmp" there, or flat images to draw from.
    bool Has3D2(MapSet set) const;

private:
    // The largest flat images of the set; null images when there are none.
    const GlobePicturePair& Flat(MapSet set);

    QString programFolder_;
    QHash<QString, GlobePicturePair> drawn_;
    std::optional<GlobePicturePair> flat_[2];
};

}  // namespace orbivox
