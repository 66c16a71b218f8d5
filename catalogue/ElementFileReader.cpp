// Telling element files apart by their first characters, and reading the XML and JSON forms
// of OMM into the records the orbit library stores.
#include "catalogue/ElementFileReader.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QXmlStreamReader>
#include <functional>
#include <memory>
#include <optional>

#include "orbit/ElementLineTests.h"
#include "orbit/OmmRecords.h"

namespace orbivox {
namespace {

enum class Kind { Lines, Csv, Xml, Json };

Kind KindOf(std::string_view text) {
    text = orbit::WithoutByteOrderMark(text);
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos) {
        if (text[first] == '<')
            return Kind::Xml;
        if (text[first] == '[' || text[first] == '{')
            return Kind::Json;
    }
    return orbit::LooksLikeOmmCsv(text) ? Kind::Csv : Kind::Lines;
}

// Deepest nesting of JSON brackets outside strings, counted before the parser sees the text.
int JsonNesting(std::string_view text) {
    int depth = 0, deepest = 0;
    bool inString = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

// Each reader hands its records one at a time to `take` and stops when it says false; false
// and `error` when the file is malformed.
using TakeRecord = std::function<bool(const orbit::OmmRecord&)>;

bool ForEachJsonRecord(std::string_view text, const TakeRecord& take, std::string& error) {
    if (JsonNesting(text) > kMaxOmmNesting) {
        error = "its JSON is nested deeper than " + std::to_string(kMaxOmmNesting) + " levels";
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size())), &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        error = "it is not valid JSON (" + parseError.errorString().toStdString() + " at byte " +
                std::to_string(parseError.offset) + ")";
        return false;
    }
    // One record alone may come as an object.
    const QJsonArray array = document.isObject() ? QJsonArray{document.object()} : document.array();
    for (qsizetype i = 0; i < array.size(); ++i) {
        const std::string where = "record " + std::to_string(i + 1);
        if (!array[i].isObject()) {
            error = where + " is not a JSON object";
            return false;
        }
        orbit::OmmRecord record;
        const QJsonObject object = array[i].toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            const std::string key = it.key().toStdString();
            const QJsonValue value = it.value();
            if (value.isString()) {
                record[key] = value.toString().toStdString();
            } else if (value.isDouble()) {
                // Seventeen digits give back the very double the file wrote.
                record[key] = QByteArray::number(value.toDouble(), 'g', 17).toStdString();
            } else if (!value.isNull()) {
                error = where + ": " + key + " is neither a number nor a text";
                return false;
            }
        }
        if (!take(record))
            return true;
    }
    return true;
}

bool ForEachXmlRecord(std::string_view text, const TakeRecord& take, std::string& error) {
    // Read in place: the reader does not copy the file.
    QXmlStreamReader xml(QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size())));
    std::optional<orbit::OmmRecord> record;  // inside an <omm>
    int depth = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (++depth > kMaxOmmNesting) {
                error =
                    "its XML is nested deeper than " + std::to_string(kMaxOmmNesting) + " levels";
                return false;
            }
            const QString name = xml.name().toString();
            if (name == QLatin1String("omm")) {
                record.emplace();
            } else if (record && name.size() > 1 && name == name.toUpper()) {
                // The OMM keywords are the upper-case elements, wherever the section puts them.
                const QString value =
                    xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
                --depth;
                if (!xml.hasError())
                    (*record)[name.toStdString()] = value.trimmed().toStdString();
            }
        } else if (token == QXmlStreamReader::EndElement) {
            --depth;
            if (xml.name() == QLatin1String("omm") && record) {
                if (!take(*record))
                    return true;
                record.reset();
            }
        }
    }
    if (xml.hasError()) {
        error = "it is not valid XML (" + xml.errorString().toStdString() + " at line " +
                std::to_string(xml.lineNumber()) + ")";
        return false;
    }
    return true;
}

orbit::ElementReadResult Refused(const std::string& why) {
    orbit::ElementReadResult result;
    result.fileRead = false;
    result.error = why;
    return result;
}

}  // namespace

orbit::ElementReadResult ReadElementText(std::string_view text, orbit::SetTable& table,
                                         const orbit::ElementReadOptions& options) {
    const Kind kind = KindOf(text);
    if (kind == Kind::Lines)
        return orbit::ReadElementLines(orbit::SplitLines(text), table, options);
    std::string error;
    orbit::ElementReadResult result;
    orbit::OmmSetCollector collector(options, result);
    const TakeRecord take = [&collector](const orbit::OmmRecord& record) {
        return collector.Add(record);
    };
    bool wellFormed = false;
    if (kind == Kind::Csv)
        wellFormed = orbit::ForEachOmmCsvRecord(text, take, error);
    else if (kind == Kind::Xml)
        wellFormed = ForEachXmlRecord(text, take, error);
    else
        wellFormed = ForEachJsonRecord(text, take, error);
    if (!wellFormed)
        return Refused(error);
    collector.StoreInto(table);
    // A file without a single record holds no element data, as for the line formats.
    if (result.fileRead && result.count == 0 && result.skipped == 0)
        result.format = orbit::ElementFormat::None;
    return result;
}

orbit::ElementReadResult ReadElementFileByContent(const std::filesystem::path& path,
                                                  orbit::SetTable& table,
                                                  const orbit::ElementReadOptions& options) {
    std::string error;
    const std::optional<std::string> text = orbit::ReadElementFileText(path, error);
    if (!text)
        return Refused(error);
    orbit::ElementReadResult result = ReadElementText(*text, table, options);
    if (!result.fileRead)
        result.error = orbit::CannotReadElementFile(path, result.error);
    return result;
}

orbit::ElementReadResult ReadElementFileByContent(const std::filesystem::path& path,
                                                  orbit::OrbitEngine& engine) {
    orbit::ElementReadResult read =
        ReadElementFileByContent(path, engine.Sets(), engine.ReadOptions());
    engine.KeepReadError(read.error);
    return read;
}

}  // namespace orbivox
