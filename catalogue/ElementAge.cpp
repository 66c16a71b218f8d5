// Element age: days since the epoch, a file's newest epoch, the limit by perigee height, the texts
// shown and the once-per-file memory of the "Update Keps" offer.
#include "catalogue/ElementAge.h"

#include <QDateTime>
#include <QFileInfo>

#include <algorithm>

#include "catalogue/ElementFileReader.h"
#include "orbit/OrbitEngine.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

constexpr double kEarthRadiusKm = 6378.135;

QString OneDecimal(double value, char separator) {
    QString text = QString::number(value, 'f', 1);
    if (separator != '.') {
        text.replace(QLatin1Char('.'), QLatin1Char(separator));
    }
    return text;
}

QString MemoryKey(const QString& elementFile) {
    const QDateTime stamp = QFileInfo(elementFile).lastModified();
    return QFileInfo(elementFile).absoluteFilePath() + QLatin1Char('|') +
           stamp.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

// "20.4 days old (more than 14 days): fresh ones with orbivox download"
std::string AgeAndRemedy(const ElementAge& age) {
    return OneDecimal(age.days, '.').toStdString() + " days old (more than " +
           QString::number(age.limitDays).toStdString() +
           " days): fresh ones with orbivox download";
}

}  // namespace

std::optional<double> NewestEpoch(const std::string& path, std::string& error) {
    orbit::OrbitEngine engine(QDate::currentDate().year());
    const orbit::ElementReadResult read = ReadElementFileByContent(path, engine);
    if (!read.fileRead) {
        error = read.error;
        return std::nullopt;
    }
    double newest = 0.0;
    for (int i = 1; i <= read.count; ++i) {
        newest = std::max(newest, engine.Sets()[i].epochJulianDate);
    }
    if (read.count == 0 || newest <= 0.0) {
        error = "no element sets";
        return std::nullopt;
    }
    return newest;
}

ElementAge AgeOf(const orbit::ElementSet& set, double julianDate) {
    ElementAge age;
    age.days = julianDate - set.epochJulianDate;
    const double perigeeKm = set.semiMajorAxis * (1.0 - set.eccentricity) * kEarthRadiusKm;
    if (set.fault == orbit::ElementFault::None && perigeeKm - kEarthRadiusKm < kLowOrbitPerigeeKm) {
        age.limitDays = kLowOrbitAgeLimitDays;
    }
    age.old = age.days > age.limitDays;
    return age;
}

QString ElementAgePanelText(const ElementAge& age, char decimalSeparator) {
    return QStringLiteral(" Elements: %1 days").arg(OneDecimal(age.days, decimalSeparator));
}

QString ElementAgePanelStyle(const ElementAge& age) {
    return age.old ? QStringLiteral("color: #ffffff; background-color: #c00000;") : QString();
}

std::string OldElementsWarning(const std::string& name, const ElementAge& age) {
    return "elements of \"" + name + "\" are " + AgeAndRemedy(age);
}

std::string OldElementsInFileWarning(int oldSets, const std::string& file,
                                     const std::string& oldestName, const ElementAge& oldest) {
    return "elements of " + std::to_string(oldSets) + " satellites in \"" + file +
           "\" are old, the oldest \"" + oldestName + "\" " + AgeAndRemedy(oldest);
}

bool OfferUpdateKeps(Notifier& notifier, const QString& memoryPath, const QString& elementFile,
                     const QString& satelliteName, const ElementAge& age) {
    QStringList lines;
    try {
        lines = ReadSqfLines(memoryPath);
    } catch (const SqfError&) {
        // No memory yet: nothing was asked.
    }
    const QString key = MemoryKey(elementFile);
    for (qsizetype i = 0; i + 1 < lines.size(); i += 2) {
        if (lines[i] == key) {
            return false;
        }
    }
    OperatorMessage question;
    question.text = QStringLiteral("The elements of %1 are %2 days old.\rUpdate Keps now?")
                        .arg(satelliteName, OneDecimal(age.days, '.'));
    question.kind = MessageKind::Warning;
    question.caption = QStringLiteral("Update Keps");
    question.detail = QStringLiteral(
                          "Elements older than %1 days give positions that are "
                          "off by more than a footprint can show. You will not be "
                          "asked again about this file.")
                          .arg(age.limitDays);
    const bool update = notifier.Ask(question);
    lines << key << QString(update ? QLatin1Char('+') : QLatin1Char('-'));
    try {
        SqfWriter().Lines(lines).Commit(memoryPath);
    } catch (const SqfError&) {
        // Asked now all the same; the next start asks again.
    }
    return update;
}

}  // namespace orbivox
