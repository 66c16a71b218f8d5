#pragma once
// What is drawn over the composed map: the direction arrow, the ground track, the other
// satellites with their labels and the sun's day/night line. Positions come in already
// computed: the caller propagates, the map only draws.
#include <QColor>
#include <QFont>
#include <span>
#include <string>
#include <vector>

#include "map/Footprint.h"
#include "map/MapFrame.h"

class QPainter;

namespace orbivox {

// A point of the Earth: east longitude (0..360 or -180..180) and latitude, degrees.
struct GeoPoint {
    double longitude = 0;
    double latitude = 0;
};

// The arrow from the satellite's position now towards where it is a little later.
void DrawDirectionArrow(QImage& work, const MapGeometry& geometry, MapPoint now, MapPoint later);

// The instants (Julian dates) of one orbit of track dots: they start past the arrow and
// step 2 minutes up to one period. Empty for a mean motion that is not a positive number.
std::vector<double> GroundTrackInstants(double now, double meanMotion, bool arrowsOn,
                                        int zoomFactor);

// Stamps the track dot (2 x 2 white with a dark rim) at each sub-point.
void DrawGroundTrack(MapFrame& frame, std::span<const GeoPoint> subPoints);
void StampTrackDot(QImage& work, int x, int y);

// Label of another satellite: "B:AO-07 Aos:12:34 maxE:45"; geostationary satellites get
// the letter and name only.
enum class LabelTimes { AosLos, Countdown };  // lblCountD "AL" / "Ct"
struct LabelPass {
    std::string aosText;  // "hh:nn" of the next pass's AOS/LOS text
    std::string losText;
    double aos = 0;  // Julian dates, for the countdown
    double los = 0;
    double maxElevation = 0;
};
std::string SatelliteLabel(char letter, const std::string& name, double meanMotion,
                           double elevation, const LabelPass& pass, LabelTimes times, double now);

struct OtherSatellite {
    GeoPoint subPoint;
    double radiusKm = 0;            // distance from the Earth's centre
    std::optional<GeoPoint> later;  // a little later, for the arrow (arrows on)
    std::string label;
};

// Outlines (white), arrows and labels of the other selected satellites.
void DrawOtherSatellites(MapFrame& frame, std::span<const OtherSatellite> satellites);

// The labels' font and the sun's "S" font, and text with its top-left corner at (x, y)
// rimmed by a dark halo so it stays readable on any map.
QFont LabelFont();
QFont SunFont();
void DrawLabelText(QImage& work, const QFont& font, int x, int y, QRgb colour, const QString& text);
// The same on any painter, in its font, with the halo's colour chosen (the sky plot's is its
// sky).
void DrawHaloText(QPainter& painter, int x, int y, const QColor& colour, const QColor& halo,
                  const QString& text);

// The day/night line around the sub-solar point and an "S" on it.
void DrawSunTerminator(MapFrame& frame, GeoPoint subSolarPoint);

}  // namespace orbivox
