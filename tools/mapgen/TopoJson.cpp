// Parsing a TopoJSON file: decoding the delta-encoded arcs, stitching rings from arc indices,
// and counting how many countries use each arc. A malformed file throws with its path.
#include "tools/mapgen/TopoJson.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <algorithm>
#include <stdexcept>

namespace orbivox::mapgen {

namespace {

[[noreturn]] void Fail(const QString& path, const QString& why) {
    throw std::runtime_error(QStringLiteral("%1: %2").arg(path, why).toStdString());
}

// Arcs are delta-encoded integer positions scaled by the topology's transform.
std::vector<Ring> DecodeArcs(const QJsonObject& root) {
    const QJsonObject transform = root.value(QStringLiteral("transform")).toObject();
    const QJsonArray scale = transform.value(QStringLiteral("scale")).toArray();
    const QJsonArray translate = transform.value(QStringLiteral("translate")).toArray();
    const bool quantized = !scale.isEmpty();
    std::vector<Ring> arcs;
    for (const QJsonValue& arcValue : root.value(QStringLiteral("arcs")).toArray()) {
        Ring ring;
        double x = 0;
        double y = 0;
        for (const QJsonValue& pointValue : arcValue.toArray()) {
            const QJsonArray point = pointValue.toArray();
            if (quantized) {
                x += point.at(0).toDouble();
                y += point.at(1).toDouble();
                ring.emplace_back(x * scale.at(0).toDouble() + translate.at(0).toDouble(),
                                  y * scale.at(1).toDouble() + translate.at(1).toDouble());
            } else {
                ring.emplace_back(point.at(0).toDouble(), point.at(1).toDouble());
            }
        }
        arcs.push_back(std::move(ring));
    }
    return arcs;
}

// A ring is a list of arc indices; ~i is arc i reversed. Shared end points appear once.
Ring StitchRing(const QJsonArray& indices, const std::vector<Ring>& arcs, std::vector<int>& used) {
    Ring ring;
    for (const QJsonValue& v : indices) {
        const int index = v.toInt();
        const bool reversed = index < 0;
        const int arc = reversed ? ~index : index;
        if (arc < 0 || arc >= static_cast<int>(arcs.size())) {
            continue;
        }
        used.push_back(arc);
        Ring piece = arcs[arc];
        if (reversed) {
            std::reverse(piece.begin(), piece.end());
        }
        if (!ring.empty() && !piece.empty()) {
            ring.pop_back();
        }
        ring.insert(ring.end(), piece.begin(), piece.end());
    }
    return ring;
}

std::vector<Ring> ReadPolygon(const QJsonArray& rings, const std::vector<Ring>& arcs,
                              std::vector<int>& used) {
    std::vector<Ring> polygon;
    for (const QJsonValue& ring : rings) {
        polygon.push_back(StitchRing(ring.toArray(), arcs, used));
    }
    return polygon;
}

}  // namespace

Topology ReadTopology(const QString& path, const QString& objectName) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Fail(path, file.errorString());
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (document.isNull()) {
        Fail(path, error.errorString());
    }
    const QJsonObject root = document.object();
    const QJsonObject object =
        root.value(QStringLiteral("objects")).toObject().value(objectName).toObject();
    if (object.isEmpty()) {
        Fail(path, QStringLiteral("no object \"%1\"").arg(objectName));
    }
    Topology topology;
    topology.arcs = DecodeArcs(root);
    topology.arcUse.assign(topology.arcs.size(), 0);
    for (const QJsonValue& value : object.value(QStringLiteral("geometries")).toArray()) {
        const QJsonObject geometry = value.toObject();
        const QString type = geometry.value(QStringLiteral("type")).toString();
        const QJsonArray arcs = geometry.value(QStringLiteral("arcs")).toArray();
        Country country;
        country.name = geometry.value(QStringLiteral("properties"))
                           .toObject()
                           .value(QStringLiteral("name"))
                           .toString();
        if (type == QLatin1String("Polygon")) {
            country.polygons.push_back(ReadPolygon(arcs, topology.arcs, country.arcs));
        } else if (type == QLatin1String("MultiPolygon")) {
            for (const QJsonValue& polygon : arcs) {
                country.polygons.push_back(
                    ReadPolygon(polygon.toArray(), topology.arcs, country.arcs));
            }
        } else {
            continue;
        }
        std::sort(country.arcs.begin(), country.arcs.end());
        country.arcs.erase(std::unique(country.arcs.begin(), country.arcs.end()),
                           country.arcs.end());
        for (const int arc : country.arcs) {
            ++topology.arcUse[arc];
        }
        topology.countries.push_back(std::move(country));
    }
    return topology;
}

}  // namespace orbivox::mapgen
