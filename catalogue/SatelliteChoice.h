#pragma once
// What the satellites dialog does, without its widgets: the source file and its element
// sets, the chosen list with its map flags, the group switch with its way back, and the
// stores of OK. The dialog works on its own copy of the sets, so the running tracker keeps
// its selection until the operator confirms a new one.
//
// Responsibilities: browsing element files, the chosen list's rules (24 entries, no
// doubles, deletion clears the working satellite), group switching, OK's stores.
// Collaborations: GroupFiles (group list, group files, source lists), the orbit reader.
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "catalogue/GroupFiles.h"
#include "catalogue/SatelliteFilter.h"
#include "catalogue/Selection.h"
#include "orbit/ElementFile.h"
#include "orbit/SetTable.h"

namespace orbivox {

// Where the satellites dialog finds its files.
struct CatalogueContext {
    QString configFolder;    // group list and group files
    QString mainDataFolder;  // "Kepler" sources lie here
    QString sourceListPath;  // the slot's SatSources*.SQF
    QString slotNumeral;     // "I ", "II ", ...
    QString sourceMask;      // the Kepler files pattern ("*.txt")
    QString openFolderText;  // the folder text File | Open shows
};

// How the dialog was left, and so what the running tracker takes over.
enum class ChoiceOutcome {
    Open,           // still open
    Accepted,       // OK: stored, take the new selection
    Activated,      // "Active Sat.": take the selection, nothing stored
    GroupSwitched,  // another group chosen: take it, nothing stored
    Cancelled,      // keep the running selection
};

class SatelliteChoice {
public:
    SatelliteChoice(CatalogueContext context, orbit::ElementReadOptions readOptions);

    const CatalogueContext& context() const { return context_; }
    // Name options and century of the next file reading.
    void SetReadOptions(orbit::ElementReadOptions options) { readOptions_ = std::move(options); }

    // Opening the dialog on the running selection. Opened from the menu, the working
    // satellite stays as it is unless an entry is deleted.
    void Open(const SelectionState& running, bool fromMenu);
    ChoiceOutcome outcome() const { return outcome_; }
    // The selection to take over after Accepted, Activated or GroupSwitched.
    const SelectionState& result() const { return result_; }
    const SelectionState& running() const { return running_; }

    const QString& group() const { return group_; }
    int groupIndex() const { return groupIndex_; }
    const QString& sourceFile() const { return sourceFile_; }
    QString sourceFolder() const;
    // The files of the source folder that fit the mask, and the source file itself.
    QStringList SourceFiles() const;
    // The source file's date and time to the minute, as the dialog shows it.
    QString SourceDateText() const;

    // A file chosen in the file list: its sets are read, the group file is read and the
    // chosen list keeps the members found among the names. Returns false when the file
    // holds no element sets.
    bool ChooseSourceFile(const QString& path);
    const orbit::SetTable& sets() const { return *sets_; }
    const QStringList& allNames() const { return allNames_; }  // sorted
    // Narrows allNames() by a typed part of a name or a catalogue number.
    const SatelliteFilter& filter() const { return filter_; }
    const QList<GroupMember>& chosen() const { return chosen_; }
    const std::vector<int>& selected() const { return selected_; }
    int workingSlot() const { return workingSlot_; }

    // The info line (shown when not empty), and what OK and "Display Data" may do.
    const QString& info() const { return info_; }
    bool okEnabled() const { return okEnabled_; }
    bool displayEnabled() const { return displayEnabled_; }

    enum class AddResult { Added, AlreadyChosen, TooMany };
    AddResult AddSatellite(const QString& name);
    void DeleteEntry(int row);
    void ToggleOnMap(int row);
    // "Active Sat.": the entry becomes the working satellite and the dialog closes.
    SelectionState ActivateEntry(int row);
    // OK: the file's path goes to the source list, the chosen list to the group file; both
    // are read back. Throws SqfError when a file cannot be written (nothing is taken over).
    SelectionState Accept();
    // Cancel: the running selection stays; the dialog's state returns to it.
    SelectionState Cancel();
    // The set the element display starts at: the working satellite's, else the first.
    int DisplayStartIndex() const;

    // Group switching. Begin remembers where to return to; Switch makes the group at
    // index current (false with the message when its group file is missing). When its
    // source file does not exist, the caller asks for one (ChooseMissingSource) or goes
    // back (RestoreGroup). Finish reads the source as a click on it would; it returns false
    // when no member was found.
    void BeginGroupChoice();
    bool SwitchGroup(int index, QString* message);
    bool SourceExists() const;
    void ChooseMissingSource(const QString& path) { sourceFile_ = path; }
    void RestoreGroup();
    bool FinishGroupSwitch();
    // The switched group taken over by the tracker (the chooser's OK).
    SelectionState TakeGroup();
    QStringList ReadGroups() const;
    // After a group was added or removed: the groups in use are found again by name, so
    // their source lines stay theirs.
    void GroupListChanged();

    // File | Open: the chosen file becomes the source.
    void OpenSourceFile(const QString& path) { sourceFile_ = path; }

private:
    void Rematch();
    std::vector<std::string> SetNames() const;
    SelectionState Current(int workingSlot) const;
    QString GroupFilePath() const;

    CatalogueContext context_;
    orbit::ElementReadOptions readOptions_;
    std::unique_ptr<orbit::SetTable> sets_;
    SelectionState running_;
    bool fromMenu_ = false;
    bool deletedSinceOpen_ = false;
    ChoiceOutcome outcome_ = ChoiceOutcome::Open;
    SelectionState result_;

    QString group_;
    int groupIndex_ = 0;
    QString sourceFile_;
    QStringList allNames_;
    SatelliteFilter filter_;
    QList<GroupMember> chosen_;
    std::vector<int> selected_;
    int workingSlot_ = -1;
    QString info_;
    bool okEnabled_ = false;
    bool displayEnabled_ = false;

    struct Remembered {
        QString group;
        int groupIndex = 0;
        QString sourceFile;
    } remembered_;
};

}  // namespace orbivox
