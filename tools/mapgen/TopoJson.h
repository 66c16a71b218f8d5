#pragma once
// Reads a TopoJSON topology of country polygons: rings of longitude/latitude points, and
// for each ring piece whether it is a coastline (one country) or a border (two).
#include <QJsonObject>
#include <QPointF>
#include <QString>
#include <vector>

namespace orbivox::mapgen {

using Ring = std::vector<QPointF>;  // (longitude, latitude) in degrees

struct Country {
    QString name;
    std::vector<std::vector<Ring>> polygons;  // each: outer ring, then holes
    std::vector<int> arcs;                    // arcs used, for neighbours
};

struct Topology {
    std::vector<Ring> arcs;   // decoded, in degrees
    std::vector<int> arcUse;  // how many countries use each arc
    std::vector<Country> countries;
};

// Decodes the object `objectName` ("countries") of a topology file. Throws
// std::runtime_error naming the file when it cannot be read.
Topology ReadTopology(const QString& path, const QString& objectName);

}  // namespace orbivox::mapgen
