#pragma once
// How a picture of the Earth is laid out. Every picture is made from an equirectangular
// master (vector drawing or the Blue Marble photograph) by looking up, for each of its
// pixels, the longitude and latitude it shows. A globe picture is one more projection.
#include <QPointF>
#include <QSize>
#include <optional>

namespace orbivox::mapgen {

struct LonLat {
    double longitude;  // degrees east, -180..180
    double latitude;
};

class Projection {
public:
    virtual ~Projection() = default;
    virtual QSize size() const = 0;
    // The point of the Earth seen at a picture position; none off the Earth.
    virtual std::optional<LonLat> Inverse(QPointF pixel) const = 0;
    // Pixels per degree of longitude at the picture's centre, to pick the master's detail.
    virtual double PixelsPerDegree() const = 0;
};

// The world map: longitude -180..180 left to right, latitude 90..-90 top to bottom.
class Equirectangular : public Projection {
public:
    explicit Equirectangular(QSize size) : size_(size) {}
    QSize size() const override { return size_; }
    std::optional<LonLat> Inverse(QPointF pixel) const override {
        return LonLat{pixel.x() * 360.0 / size_.width() - 180.0,
                      90.0 - pixel.y() * 180.0 / size_.height()};
    }
    double PixelsPerDegree() const override { return size_.width() / 360.0; }

private:
    QSize size_;
};

}  // namespace orbivox::mapgen
