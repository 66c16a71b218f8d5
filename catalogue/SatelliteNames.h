#pragma once
// The satellite names list ("NelvoNames.txt", main data folder) and the name options
// ("SatNameOpt.SQF", configuration data folder), and the lookup the element reader calls for
// each two-line set to find the name it is shown under.
//
// Names list, fixed columns counted from 1: 1-5 catalogue number, 7-14 international
// designator (both compared as text, blanks included), 16-39 the name. At most 1201 lines.
// A catalogue number of six to nine digits is written whole at the start of its line; the
// other columns then move right by the extra digits. Numbers above 99999 (from OMM files or
// the Alpha-5 form) compare as whole numbers, whichever form each side wrote.
//
// The rule which name wins lives in the element reader alone; this side only finds a list
// name (FindListName) and hands list and options to the reader (SetNameOptions).
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "orbit/ElementFile.h"

namespace orbivox {

inline constexpr char kNamesListFile[] = "NelvoNames.txt";
inline constexpr char kNameOptionsFile[] = "SatNameOpt.SQF";
inline constexpr int kMaxNamesListLines = 1201;

// Three parallel columns, in file order.
struct NamesList {
    std::vector<std::string> catalogueNumbers;
    std::vector<long long> numberValues;  // the catalogue numbers read as numbers; 0 for none
    std::vector<std::string> designators;
    std::vector<std::string> names;

    std::size_t size() const { return names.size(); }
};

struct NameOptions {
    bool useListNames = false;                     // line 1 "+"
    bool showWithoutListName = true;               // line 2 "+"
    QString identification = QStringLiteral("I");  // line 3 as written; "D" or else "I"

    bool byDesignator() const { return identification == QLatin1String("D"); }
};

// Both throw SqfError when the file cannot be read.
NamesList ReadNamesList(const QString& path);
NameOptions ReadNameOptions(const QString& path);
// Writes the three lines atomically; throws SqfError on failure.
void WriteNameOptions(const QString& path, const NameOptions& options);

// The list's name for a catalogue number ('I') or a designator ('D', anything else is 'I'),
// first match in list order; nothing when the list does not know the satellite.
std::optional<std::string> FindListName(const NamesList& list, char identifyBy,
                                        std::string_view key);

// Hands the options and the list to the element reader, which applies them itself (and
// forces list names for files without name lines).
void SetNameOptions(orbit::ElementReadOptions& readOptions, const NameOptions& options,
                    NamesList list);

}  // namespace orbivox
