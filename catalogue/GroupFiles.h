#pragma once
// Satellite groups on disk: the group list SatFiles.SQF and the group files ("<group>.Sat")
// in the configuration data folder, and the slot's source list (SatSources.SQF ..
// SatSourcesIV.SQF) in the main data folder, whose line i + 1 names the element file of
// group i.
#include <QList>
#include <QString>
#include <QStringList>

namespace orbivox {

inline constexpr int kMaxGroups = 12;
inline constexpr int kMaxGroupMembers = 24;
inline constexpr int kSourceListLines = 12;
// The template for new groups; it cannot be removed.
inline const QString kStandardGroup = QStringLiteral("Standard");
// The source a new group starts with, relative to the main data folder.
inline const QString kNewGroupSource = QStringLiteral("Kepler\\nasa.all");

// The group names: from line 1 up to the end, a ";" line or twelve names. Group 0 is the
// current group at start. Throws SqfError.
QStringList ReadGroupList(const QString& path);
// The sort dialog's reading: every line that is not a ";" comment.
QStringList ReadGroupListSkippingComments(const QString& path);

struct GroupMember {
    QString name;        // as written in the element file
    bool onMap = false;  // "+": drawn when several satellites are shown
    bool operator==(const GroupMember&) const = default;
};

// Pairs of lines: name, then "+" or "-". A pair with an empty name is passed over; members
// beyond the 24th are ignored. Throws SqfError (a missing file names "<group>.Sat").
QList<GroupMember> ReadGroupFile(const QString& path);
// Writes the members' pairs. Throws SqfError for more than 24 members (nothing written).
void WriteGroupFile(const QString& path, const QList<GroupMember>& members);

// Why a typed group name cannot name a group file, or an empty text when it can: names
// with path separators, drive colons or control characters would leave the folder.
QString GroupNameProblem(const QString& name);

// The group's file in folder: "<group>.Sat" matched without regard to letter case (older
// lists spell it ".SAT"); the ".Sat" path when no such file exists yet.
QString FindGroupFile(const QString& folder, const QString& group);

// The slot's source list: always twelve lines (missing lines empty). Throws SqfError.
QStringList ReadSourceList(const QString& path);
// Stores sourcePath as group groupIndex's source and writes all twelve lines.
void WriteSourceList(const QString& path, QStringList lines, int groupIndex,
                     const QString& sourcePath);
// The element file a source list line names: a line beginning with "Kepler" lies in the
// main data folder; backslashes become the system's separators.
QString ResolveSourcePath(const QString& line, const QString& mainDataFolder);

// The result of a group change on disk: done, or refused with the message to show.
struct GroupChange {
    bool done = false;
    QString message;
};

// New group: inserted after the last group name of the list (before ";" lines), its file
// made from the first 12 lines of Standard.Sat, its source line (kNewGroupSource) inserted
// at its index of the source list. Refused for a bad name, a name already listed or a
// thirteenth group. Throws SqfError when a file cannot be read or written.
GroupChange AddGroup(const QString& configFolder, const QString& sourceListPath,
                     const QString& name);

// Removes the group at index (of ReadGroupList): its line, its group file and its source
// line, so the following groups keep their sources. "Standard" is refused with "This
// group must not be deleted!"; an index outside the list changes nothing.
GroupChange RemoveGroup(const QString& configFolder, const QString& sourceListPath, int index);

}  // namespace orbivox
