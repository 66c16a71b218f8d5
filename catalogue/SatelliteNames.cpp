// Reading the names list by its fixed columns, reading and writing the name options, finding a
// list name for a set, and passing both to the element reader.
#include "catalogue/SatelliteNames.h"

#include <algorithm>
#include <memory>

#include "orbit/CatalogueNumber.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

std::string Column(const QString& line, int firstColumn, int width) {
    return line.mid(firstColumn - 1, width).toStdString();
}

QString WithoutTrailingBlanks(QString text) {
    while (!text.isEmpty() && text.back().isSpace()) {
        text.chop(1);
    }
    return text;
}

}  // namespace

NamesList ReadNamesList(const QString& path) {
    NamesList list;
    const QStringList lines = ReadSqfLines(path);
    const int count = std::min(static_cast<int>(lines.size()), kMaxNamesListLines);
    for (int i = 0; i < count; ++i) {
        const QString& line = lines[i];
        // A whole number longer than the five columns pushes the rest of the line along.
        const qsizetype numberEnd = line.indexOf(QLatin1Char(' '));
        const bool longNumber = numberEnd > 5 && numberEnd <= 9 &&
                                std::all_of(line.begin(), line.begin() + numberEnd,
                                            [](QChar c) { return c.isDigit(); });
        const qsizetype wide = longNumber ? numberEnd - 5 : 0;
        const std::string number = Column(line, 1, static_cast<int>(5 + wide));
        list.catalogueNumbers.push_back(number);
        list.numberValues.push_back(orbit::CatalogueNumberValue(number).value_or(0));
        list.designators.push_back(Column(line, static_cast<int>(7 + wide), 8));
        list.names.push_back(WithoutTrailingBlanks(line.mid(15 + wide, 24)).toStdString());
    }
    return list;
}

NameOptions ReadNameOptions(const QString& path) {
    SqfReader reader(path);
    NameOptions options;
    options.useListNames = reader.Flag() == QLatin1Char('+');
    options.showWithoutListName = reader.Flag() == QLatin1Char('+');
    options.identification = reader.Text();
    return options;
}

void WriteNameOptions(const QString& path, const NameOptions& options) {
    SqfWriter()
        .Flag(options.useListNames)
        .Flag(options.showWithoutListName)
        .Text(options.identification)
        .Commit(path);
}

std::optional<std::string> FindListName(const NamesList& list, char identifyBy,
                                        std::string_view key) {
    if (identifyBy != 'D') {
        const std::optional<long long> number = orbit::CatalogueNumberValue(key);
        if (number && *number > 99999) {
            for (std::size_t i = 0; i < list.numberValues.size(); ++i) {
                if (list.numberValues[i] == *number) {
                    return list.names[i];
                }
            }
            return std::nullopt;
        }
    }
    const std::vector<std::string>& keys =
        identifyBy == 'D' ? list.designators : list.catalogueNumbers;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] == key) {
            return list.names[i];
        }
    }
    return std::nullopt;
}

void SetNameOptions(orbit::ElementReadOptions& readOptions, const NameOptions& options,
                    NamesList list) {
    readOptions.identifyBy = options.byDesignator() ? 'D' : 'I';
    readOptions.useListNames = options.useListNames;
    readOptions.showWithoutListName = options.showWithoutListName;
    auto shared = std::make_shared<const NamesList>(std::move(list));
    readOptions.applyListName = [shared](char identifyBy, std::string_view key) {
        return FindListName(*shared, identifyBy, key);
    };
}

}  // namespace orbivox
