#pragma once
// The running selection: the group in use, the element file its satellites come from, its
// members, and the element sets they matched. The main window holds one; the satellites
// dialog works on a copy and hands a new one back.
#include <QList>
#include <QString>
#include <string>
#include <vector>

#include "catalogue/GroupFiles.h"
#include "settings/Notifier.h"

namespace orbivox {

struct SelectionState {
    QString group;
    int groupIndex = 0;  // in the group list, and so the line of the source list
    QString sourceFile;  // full path
    QList<GroupMember> members;
    std::vector<int> selected;  // set indices (from 1) of the matched members, member order
    int workingSlot = -1;       // letter "A" + slot; -1 when none

    int SelectedCount() const { return static_cast<int>(selected.size()); }
};

// The selected index table: for each member in order, the first set of exactly that name
// (file order, case counts); members without a set are dropped. Two members of the same
// name both match that first set.
std::vector<int> MatchSelection(const QList<GroupMember>& members,
                                const std::vector<std::string>& setNames);

// Texts the selection shows.
QString ApplicationTitle(const QString& group);
QString ConfigPanelText(const QString& slotNumeral, const QString& group);
QString KepsPanelText(const QString& sourceFile);
// " " + letter + ": " + name
QString WorkingNameText(int slot, const QString& name);

inline const QString kSelectSatellitesInfo =
    QStringLiteral(" Select stellite(s) or change source file! ");
QString NoDataInfo(const QString& fileName);
QString MissingGroupFileMessage(const QString& group);
QString MissingSourceWarning(const QString& group);
inline const QString kSourceNotFoundOnCheck = QStringLiteral(
    "The file was not found,\rplease, check the filename\rand call the menu "
    "File|Open.\r");
inline const QString kSourceNotFoundOnOpen = QStringLiteral(
    "The file was not found,\rplease, check the filename and call \ragain menu "
    "File|Open!\r");
inline const QString kNoSourceChosen =
    QStringLiteral("No source file chosen!,\rCall menu  File | Open\rand choose a file.");
inline const QString kTooManySatellites = QStringLiteral("too many satellites!");
inline const QString kNoDataForGroup =
    QStringLiteral("No data in source file\r for chosen satellite!");
inline const QString kNoDataForGroupClosing = QStringLiteral(
    "No datas in source file for chosen satellite!\rEdit the group in menu "
    "Satellites.\rThe window will now be closed");
inline const QString kRestartAfterSort = kRestartToTakeEffect;
inline const QString kAreYouSure = QStringLiteral("Are you sure?");

// The open dialogs' filters in Qt's form: "All Files (*.*)" first, then the Kepler files
// of the source mask. The check after a group change and File | Open spell them apart.
enum class FilterSpelling { SourceCheck, FileOpen };
QStringList SourceFileFilters(const QString& mask, FilterSpelling spelling);
// The mask's patterns ("*.txt;*.tle" gives two).
QStringList MaskPatterns(const QString& mask);

}  // namespace orbivox
