// Building the element display's labels and values: two-line sets re-read field by field from
// their stored lines, verbose and OMM sets from the values kept at reading; numbers in the
// locale's form.
#include "catalogue/ElementDisplay.h"

#include <numbers>

#include "orbit/CatalogueNumber.h"
#include "orbit/DisplayFormat.h"
#include "orbit/ElementConversion.h"

namespace orbivox {
namespace {

constexpr double kMinutesPerDay = 1440.0;

double Field(const std::string& line, int first, int last) {
    return orbit::ElementNumber(orbit::ElementField(line, first, last));
}

QString Decay(double revolutionsPerDaySquared, char sep) {
    return QString::fromStdString(orbit::FormatNumber(revolutionsPerDaySquared, "0.00000000", sep));
}

}  // namespace

QStringList ElementDisplayLabels() {
    return {QStringLiteral("Satellite:"),
            QStringLiteral("Catalogue Number:"),
            QStringLiteral("International Designator:"),
            QStringLiteral("Element Set:"),
            QStringLiteral("Epoch Time:"),
            QStringLiteral("Julian Date of Epoch"),
            QStringLiteral("Epoch Rev:"),
            QStringLiteral("Mean Anomaly:"),
            QStringLiteral("Mean Motion:"),
            QStringLiteral("Inclination:"),
            QStringLiteral("Eccentricity:"),
            QStringLiteral("Arg. Perigee:"),
            QStringLiteral("R.A.A.N.:"),
            QStringLiteral("Decay:")};
}

QString GeneralNumber(double value, char decimalSeparator) {
    QString text = QString::number(value, 'g', 15);
    if (decimalSeparator != '.') {
        text.replace(QLatin1Char('.'), QLatin1Char(decimalSeparator));
    }
    return text;
}

QStringList ElementDisplayValues(const orbit::ElementSet& set, char sep) {
    const QString name = QString::fromStdString(set.name);
    const QString setNumber = QString::fromStdString(set.elementSetNumber);
    const QString julianDate = GeneralNumber(set.epochJulianDate, sep);
    if (set.source == orbit::ElementSource::Verbose) {
        // No lines were stored: the values as read (the revolution without its half).
        const double decay =
            set.meanMotionRate * kMinutesPerDay * kMinutesPerDay / (2.0 * std::numbers::pi);
        return {name,
                QString(),
                QString(),
                setNumber,
                GeneralNumber(set.epoch, sep),
                julianDate,
                GeneralNumber(set.epochRevolution + 0.5, sep),
                GeneralNumber(set.meanAnomalyDeg, sep),
                GeneralNumber(set.meanMotionRevPerDay, sep),
                GeneralNumber(set.inclinationDeg, sep),
                GeneralNumber(set.eccentricity, sep),
                GeneralNumber(set.argumentOfPerigeeDeg, sep),
                GeneralNumber(set.nodeDeg, sep),
                Decay(decay, sep)};
    }
    if (set.source == orbit::ElementSource::Omm) {
        // The record's fields as the file gave them.
        const orbit::OmmValues& v = set.omm;
        return {name,
                QString::fromStdString(orbit::ShownCatalogueNumber(set.catalogueNumber)),
                QString::fromStdString(set.internationalDesignator).trimmed(),
                QString::number(v.elementSetNumber),
                QString::fromStdString(v.epochText),
                julianDate,
                QString::number(v.revolutionAtEpoch),
                GeneralNumber(v.meanAnomaly, sep),
                GeneralNumber(v.meanMotion, sep),
                GeneralNumber(v.inclination, sep),
                GeneralNumber(v.eccentricity, sep),
                GeneralNumber(v.argumentOfPerigee, sep),
                GeneralNumber(v.node, sep),
                Decay(v.meanMotionDot, sep)};
    }
    const std::string& l1 = set.line1;
    const std::string& l2 = set.line2;
    // The eccentricity column has its decimal point implied in front.
    return {name,
            QString::fromStdString(
                orbit::ShownCatalogueNumber(l1.size() >= 3 ? l1.substr(2, 5) : std::string())),
            QString::fromStdString(l1.size() >= 10 ? l1.substr(9, 8) : std::string()),
            setNumber,
            GeneralNumber(Field(l1, 19, 32), sep),
            julianDate,
            GeneralNumber(Field(l2, 64, 68), sep),
            GeneralNumber(Field(l2, 44, 51), sep),
            GeneralNumber(Field(l2, 53, 63), sep),
            GeneralNumber(Field(l2, 9, 16), sep),
            GeneralNumber(Field(l2, 27, 33) * 1.0e-7, sep),
            GeneralNumber(Field(l2, 35, 42), sep),
            GeneralNumber(Field(l2, 18, 25), sep),
            Decay(Field(l1, 34, 43), sep)};
}

}  // namespace orbivox
