#pragma once
// Whether a downloaded body may replace a stored element file. A body is stored only when
// every line that is not blank belongs to a set that reads and the last set is whole:
//
//   two-line   an optional title, then line 1 and line 2: 69 columns each, their numbers in
//              their columns, the same catalogue number, the checksum in column 69
//   verbose    a "Satellite:" line, then labelled lines holding the nine values in order,
//              each a number
//   OMM        CSV, XML or JSON whose records all read and give at least one set
//
// A web page, an error text, a body cut off in the middle or one good set followed by
// something else is refused with the first place that is not element data, so a good file
// is never replaced by it.
#include <QString>
#include <optional>
#include <string_view>

namespace orbivox {

// Nothing when the body may be stored; otherwise why not, in words for the operator
// ("line 7 is no line 2 of a set: its checksum is 3, column 69 says 4").
std::optional<QString> DownloadBodyProblem(std::string_view body);

}  // namespace orbivox
