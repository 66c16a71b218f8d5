#pragma once
// How old a satellite's elements are at an instant, and when that is too old to trust: the
// status bar shows the working satellite's age, the command-line predictions warn, and a
// start on old elements offers "Update Keps" once per element file (the answer is kept in
// "KepsAge.SQF", main data folder, so the same file is not asked about again).
//
// KepsAge.SQF: pairs of lines, the element file (full path, "|", its date and time as
// yyyy-MM-ddTHH:mm:ss) and the answer ("+" Update Keps, "-" not now). A file that a download
// replaced has another date and is asked about again once its elements are old.
#include <QString>
#include <optional>
#include <string>

#include "orbit/ElementSet.h"
#include "settings/Notifier.h"

namespace orbivox {

inline constexpr double kElementAgeLimitDays = 14.0;
// Drag changes a low orbit quickly: its elements age faster.
inline constexpr double kLowOrbitAgeLimitDays = 3.0;
inline constexpr double kLowOrbitPerigeeKm = 300.0;
inline constexpr char kKepsAgeFile[] = "KepsAge.SQF";

struct ElementAge {
    double days = 0.0;  // from the epoch to the instant; negative before the epoch
    double limitDays = kElementAgeLimitDays;
    bool old = false;
};

// `julianDate` is a UTC Julian date (the computation instant).
ElementAge AgeOf(const orbit::ElementSet& set, double julianDate);

// The newest epoch of an element file's sets as a UTC Julian date, read with the program's
// own reader (every format by content); nothing, with `error` set, when the file cannot be
// read or holds no set.
std::optional<double> NewestEpoch(const std::string& path, std::string& error);

// The status bar text, " Elements: 3.2 days".
QString ElementAgePanelText(const ElementAge& age, char decimalSeparator = '.');
// The style of the status bar panel: a warning colour for old elements, else none.
QString ElementAgePanelStyle(const ElementAge& age);

// "elements of "NAME" are 20.4 days old (more than 14 days): fresh ones with orbivox download"
std::string OldElementsWarning(const std::string& name, const ElementAge& age);
// One line for many old sets of a file: "elements of 35 satellites in "FILE" are old, the
// oldest "NAME" 20.4 days (more than 14 days): fresh ones with orbivox download"
std::string OldElementsInFileWarning(int oldSets, const std::string& file,
                                     const std::string& oldestName, const ElementAge& oldest);

// Asks once per element file whether to update the elements, through the notifier, and keeps
// the answer. True when the operator wants to update now. Nothing is asked (false) when the
// file was asked about before; a memory file that cannot be written is no reason to ask again
// and again, so the answer is then given but not kept.
bool OfferUpdateKeps(Notifier& notifier, const QString& memoryPath, const QString& elementFile,
                     const QString& satelliteName, const ElementAge& age);

}  // namespace orbivox
