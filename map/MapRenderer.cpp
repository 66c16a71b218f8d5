// Putting a map frame together in drawing order, from the footprint at the bottom to the view
// copy at the end; without a working satellite the whole map is dark.
#include "map/MapRenderer.h"

#include "map/FootprintDrawing.h"
#include "map/Raster.h"

namespace orbivox {

MapPoint RenderMapFrame(MapFrame& frame, const MapScene& scene, CentringMode mode) {
    const MapGeometry& g = frame.geometry;
    MapPoint position;
    if (scene.working) {
        const WorkingOnMap& w = *scene.working;
        position = ProjectToMap(g, w.subPoint.longitude, w.subPoint.latitude);
        const FootprintRows rows = ComputeFootprint(g, position, w.subPoint.latitude, w.radiusKm);
        DrawFootprint(frame, rows, position, w.elevation > 0);
        if (w.later) {
            DrawDirectionArrow(frame.work, g, position,
                               ProjectToMap(g, w.later->longitude, w.later->latitude));
        }
    } else {
        // Nothing to light up: the whole world dark, the observer still marked.
        frame.work.fill(kBlack);
        ComposeLightAndDark(frame);
        DrawObserverMarks(frame, false);
        position = ProjectToMap(g, frame.observerLongitude, frame.observerLatitude);
    }
    if (scene.subSolarPoint) {
        DrawSunTerminator(frame, *scene.subSolarPoint);
    }
    DrawOtherSatellites(frame, scene.others);
    DrawGroundTrack(frame, scene.groundTrack);
    PresentMap(frame, position, mode);
    return position;
}

}  // namespace orbivox
