#include "catalogue/SatelliteNames.h"

#include <memory>

#include "tracking/SqfFile.h"

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

NameOptions NameOptions::ForFileWithoutNameLines() const {
    NameOptions forced = *this;
    forced.useListNames = true;
    forced.showWithoutListName = false;
    return forced;
}

NamesList ReadNamesList(const QString& path) {
    NamesList list;
    const QStringList lines = ReadSqfLines(path);
    const int count = std::min(static_cast<int>(lines.size()), kMaxNamesListLines);
    for (int i = 0; i < count; ++i) {
        const QString& line = lines[i];
        list.catalogueNumbers.push_back(Column(line, 1, 5));
        list.designators.push_back(Column(line, 7, 8));
        list.names.push_back(WithoutTrailingBlanks(line.mid(15, 24)).toStdString());
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
    const std::vector<std::string>& keys =
        identifyBy == 'D' ? list.designators : list.catalogueNumbers;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (keys[i] == key) {
            return list.names[i];
        }
    }
    return std::nullopt;
}

std::string ApplyListName(const NamesList& list, const NameOptions& options,
                          const std::string& ownName, const std::string& catalogueNumber,
                          const std::string& designator) {
    if (!options.useListNames) {
        return ownName;
    }
    const bool byDesignator = options.byDesignator();
    const std::optional<std::string> listed =
        FindListName(list, byDesignator ? 'D' : 'I', byDesignator ? designator : catalogueNumber);
    if (listed) {
        return *listed;
    }
    // Only the designator lookup hides sets the list does not know.
    return byDesignator && !options.showWithoutListName ? std::string() : ownName;
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

NameLookup NameLookupFor(NamesList list, NameOptions options) {
    auto shared = std::make_shared<const NamesList>(std::move(list));
    return [shared, options](const std::string& ownName, const std::string& catalogueNumber,
                             const std::string& designator) {
        return ApplyListName(*shared, options, ownName, catalogueNumber, designator);
    };
}

}  // namespace orbivox
