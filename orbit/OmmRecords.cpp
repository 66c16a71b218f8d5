// Checking OMM records field by field and storing them as element sets; the epoch date and the
// designator forms; the CSV layout.
#include "orbit/OmmRecords.h"

#include <charconv>
#include <cmath>

#include "orbit/CatalogueNumber.h"
#include "orbit/CodePage1252.h"
#include "orbit/ElementConversion.h"
#include "orbit/ElementLineTests.h"
#include "orbit/ElementReaders.h"

namespace orbit {
namespace {

// Reads the digits of text[at, at + count) and moves past them.
std::optional<int> Digits(std::string_view text, size_t& at, size_t count) {
    if (at + count > text.size())
        return std::nullopt;
    int value = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    at += count;
    return value;
}

bool Expect(std::string_view text, size_t& at, char c) {
    if (at >= text.size() || text[at] != c)
        return false;
    ++at;
    return true;
}

bool LeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DayOfYear(int year, int month, int day) {
    static constexpr int kBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    return kBefore[month - 1] + day + (month > 2 && LeapYear(year) ? 1 : 0);
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return kDays[month - 1] + (month == 2 && LeapYear(year) ? 1 : 0);
}

std::optional<double> StrictNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value))
        return std::nullopt;
    return value;
}

// One record's fields read and checked; the first problem is kept.
class RecordReader {
public:
    explicit RecordReader(const OmmRecord& record) : record_(record) {}

    std::optional<std::string_view> Text(std::string_view key, bool required) {
        const auto found = record_.find(key);
        if (found == record_.end()) {
            if (required)
                Fail(std::string(key) + " is missing");
            return std::nullopt;
        }
        return std::string_view(found->second);
    }

    double Number(std::string_view key, bool required = true) {
        const std::optional<std::string_view> text = Text(key, required);
        if (!text)
            return 0.0;
        const std::optional<double> value = StrictNumber(*text);
        if (!value) {
            Fail(std::string(key) + " \"" + std::string(*text) + "\" is not a number");
            return 0.0;
        }
        return *value;
    }

    long long Whole(std::string_view key, long long most, bool required = true) {
        const double value = Number(key, required);
        if (value != std::trunc(value) || value < 0.0 || value > static_cast<double>(most)) {
            Fail(std::string(key) + " \"" + std::string(*Text(key, false)) +
                 "\" is not a whole number from 0 to " + std::to_string(most));
            return 0;
        }
        return static_cast<long long>(value);
    }

    void Fail(const std::string& why) {
        if (problem_.empty())
            problem_ = why;
    }
    const std::string& Problem() const { return problem_; }

private:
    const OmmRecord& record_;
    std::string problem_;
};

std::string Upper(std::string_view text) {
    std::string out = Trim(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// Whether the record is for the model we run; others are skipped, not refused.
bool ForSgp4(const OmmRecord& record) {
    const auto type = record.find("EPHEMERIS_TYPE");
    if (type != record.end()) {
        const std::optional<double> value = StrictNumber(type->second);
        if (!value || *value != 0.0)
            return false;
    }
    const auto theory = record.find("MEAN_ELEMENT_THEORY");
    return theory == record.end() || Upper(theory->second) == "SGP4";
}

std::string RecordLabel(size_t index, const OmmRecord& record) {
    std::string label = "record " + std::to_string(index + 1);
    const auto name = record.find("OBJECT_NAME");
    if (name != record.end() && !Trim(name->second).empty())
        label += " (" + Trim(name->second) + ")";
    return label;
}

// A set's values from its record, or the reason it has none.
std::optional<ElementSet> SetFromRecord(const OmmRecord& record, std::string& problem) {
    RecordReader r(record);
    ElementSet s;
    s.source = ElementSource::Omm;
    OmmValues& v = s.omm;
    if (const std::optional<std::string_view> epoch = r.Text("EPOCH", true)) {
        const std::optional<OmmEpoch> parsed = ParseOmmEpoch(*epoch);
        if (parsed) {
            v.epochText = Trim(*epoch);
            v.epoch = parsed->epoch;
            v.century = parsed->century;
        } else {
            r.Fail("EPOCH \"" + std::string(*epoch) + "\" is not a date and time");
        }
    }
    v.meanMotion = r.Number("MEAN_MOTION");
    v.eccentricity = r.Number("ECCENTRICITY");
    v.inclination = r.Number("INCLINATION");
    v.node = r.Number("RA_OF_ASC_NODE");
    v.argumentOfPerigee = r.Number("ARG_OF_PERICENTER");
    v.meanAnomaly = r.Number("MEAN_ANOMALY");
    v.dragTerm = r.Number("BSTAR");
    v.meanMotionDot = r.Number("MEAN_MOTION_DOT");
    v.meanMotionDdot = r.Number("MEAN_MOTION_DDOT");
    v.elementSetNumber = r.Whole("ELEMENT_SET_NO", 999999999, false);
    v.revolutionAtEpoch = r.Whole("REV_AT_EPOCH", 999999999, false);
    if (const std::optional<std::string_view> id = r.Text("NORAD_CAT_ID", true)) {
        const std::optional<long long> number = CatalogueNumberValue(*id);
        if (number && *number > 0)
            s.catalogueNumber = CatalogueNumberText(*number);
        else
            r.Fail("NORAD_CAT_ID \"" + std::string(*id) +
                   "\" is not a catalogue number from 1 to 999999999");
    }
    if (const std::optional<std::string_view> id = r.Text("OBJECT_ID", false))
        s.internationalDesignator = DesignatorFromObjectId(*id);
    if (const std::optional<std::string_view> name = r.Text("OBJECT_NAME", false))
        s.name = Trim(*name);
    problem = r.Problem();
    if (!problem.empty())
        return std::nullopt;
    return s;
}

std::vector<std::string> SplitCsvLine(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

std::optional<OmmEpoch> ParseOmmEpoch(std::string_view text) {
    std::string trimmed = Trim(text);
    std::string_view t = trimmed;
    if (!t.empty() && (t.back() == 'Z' || t.back() == 'z'))
        t.remove_suffix(1);
    size_t at = 0;
    const std::optional<int> year = Digits(t, at, 4);
    if (!year || *year < 1957 || !Expect(t, at, '-'))
        return std::nullopt;
    int dayOfYear = 0;
    // The ordinal form has three digits and then the time.
    if (at + 3 < t.size() && t[at + 3] == 'T') {
        const std::optional<int> day = Digits(t, at, 3);
        if (!day || *day < 1 || *day > (LeapYear(*year) ? 366 : 365))
            return std::nullopt;
        dayOfYear = *day;
    } else {
        const std::optional<int> month = Digits(t, at, 2);
        if (!month || *month < 1 || *month > 12 || !Expect(t, at, '-'))
            return std::nullopt;
        const std::optional<int> day = Digits(t, at, 2);
        if (!day || *day < 1 || *day > DaysInMonth(*year, *month))
            return std::nullopt;
        dayOfYear = DayOfYear(*year, *month, *day);
    }
    if (!Expect(t, at, 'T'))
        return std::nullopt;
    const std::optional<int> hour = Digits(t, at, 2);
    if (!hour || *hour > 23 || !Expect(t, at, ':'))
        return std::nullopt;
    const std::optional<int> minute = Digits(t, at, 2);
    if (!minute || *minute > 59 || !Expect(t, at, ':'))
        return std::nullopt;
    const std::string_view secondsText = t.substr(at);
    // Two digits, then a fraction of any length.
    if (secondsText.size() < 2 || secondsText[0] < '0' || secondsText[0] > '9' ||
        secondsText[1] < '0' || secondsText[1] > '9' ||
        (secondsText.size() > 2 &&
         (secondsText[2] != '.' || secondsText.size() == 3 ||
          secondsText.find_first_not_of("0123456789", 3) != std::string_view::npos)))
        return std::nullopt;
    double seconds = 0.0;
    std::from_chars(secondsText.data(), secondsText.data() + secondsText.size(), seconds);
    if (seconds >= 61.0)
        return std::nullopt;
    OmmEpoch epoch;
    epoch.century = *year - *year % 100;
    const double dayFraction = (*hour * 3600.0 + *minute * 60.0 + seconds) / 86400.0;
    epoch.epoch = (*year % 100) * 1000.0 + dayOfYear + dayFraction;
    return epoch;
}

std::string DesignatorFromObjectId(std::string_view objectId) {
    const std::string id = Trim(objectId);
    std::string designator = id;
    // "1998-067A": the year's last two digits, then launch and piece without the dash.
    if (id.size() > 5 && id[4] == '-')
        designator = id.substr(2, 2) + id.substr(5);
    designator.resize(std::max<size_t>(designator.size(), 8), ' ');
    return designator.substr(0, 8);
}

OmmSetCollector::OmmSetCollector(const ElementReadOptions& options, ElementReadResult& result)
    : options_(options), result_(result) {
    result_.format = ElementFormat::Omm;
}

bool OmmSetCollector::Add(const OmmRecord& record) {
    const size_t index = records_++;
    if (!ForSgp4(record)) {
        ++result_.skipped;
        return true;
    }
    std::string problem;
    std::optional<ElementSet> set = SetFromRecord(record, problem);
    if (!set) {
        result_.fileRead = false;
        result_.error = RecordLabel(index, record) + ": " + problem;
        return false;
    }
    if (static_cast<int>(sets_.size()) >= kMaxSets) {
        result_.pastLimit = true;
        return true;  // checked all the same, but the table is full
    }
    set->name = ListedName(set->name, set->catalogueNumber, set->internationalDesignator,
                           options_, true);
    if (set->name.empty())
        return true;
    set->shortName = Utf8Prefix(set->name, 24);
    sets_.push_back(std::move(*set));
    return true;
}

void OmmSetCollector::StoreInto(SetTable& table) {
    if (!result_.fileRead)
        return;
    int count = 0;
    for (ElementSet& set : sets_) {
        result_.names.push_back(set.name);
        table[++count] = std::move(set);
    }
    sets_.clear();
    table.SetCount(count);
    result_.count = count;
    ConvertAllSets(table, options_.conversion);
}

bool LooksLikeOmmCsv(std::string_view text) {
    text = WithoutByteOrderMark(text);
    const std::string_view first = text.substr(0, text.find('\n'));
    if (first.find(',') == std::string::npos)
        return false;
    for (const std::string& name : SplitCsvLine(first)) {
        const std::string key = Trim(name);
        if (key == "OBJECT_NAME" || key == "NORAD_CAT_ID" || key == "EPOCH" || key == "MEAN_MOTION")
            return true;
    }
    return false;
}

bool ForEachOmmCsvRecord(std::string_view text, const std::function<bool(const OmmRecord&)>& take,
                         std::string& error) {
    text = WithoutByteOrderMark(text);
    std::vector<std::string> header;
    size_t lineNumber = 0;
    // Line by line through the text, so no copy of the whole file is made.
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (IsBlank(line))
            continue;
        std::vector<std::string> fields = SplitCsvLine(line);
        if (header.empty()) {
            for (const std::string& name : fields)
                header.push_back(Trim(name));
            continue;
        }
        if (fields.size() != header.size()) {
            error = "line " + std::to_string(lineNumber) + " has " + std::to_string(fields.size()) +
                    " values where the header names " + std::to_string(header.size());
            return false;
        }
        OmmRecord record;
        for (size_t k = 0; k < header.size(); ++k)
            // An empty CSV cell is a field the record does not give.
            if (!Trim(fields[k]).empty())
                record[header[k]] = std::move(fields[k]);
        if (!take(record))
            return true;
    }
    return true;
}

}  // namespace orbit
