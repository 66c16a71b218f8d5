#pragma once
// Choosing the group in use: TSatFiles ("Sat-Groups", from the satellites dialog, with New,
// Remove and Edit) and TSatFilesII ("Satellite Groups", a click on the main window's
// background). Both switch through SatelliteChoice and ask for a source file when the
// group's one is missing.
#include <QDialog>

#include "catalogue/FileChooser.h"
#include "catalogue/SatelliteChoice.h"
#include "settings/Notifier.h"

class QListWidget;
class QPushButton;

namespace orbivox {

enum class GroupSwitchResult {
    Switched,          // the group's satellites were found
    NoMembers,         // the group is current in the choice, but none of them was found
    NoSource,          // no source chosen: the choice is back at the remembered group
    GroupFileMissing,  // message shown, nothing switched
    NotListed,
};

// Makes the group at index current in the choice: its group file, its source (asking for
// one when missing) and its satellites.
GroupSwitchResult RunGroupSwitch(SatelliteChoice& choice, int index, Notifier& notifier,
                                 FileChooser& files);

class TSatFiles : public QDialog {
public:
    enum class Result { Cancelled, Chosen, Edit, Closed };

    TSatFiles(SatelliteChoice& choice, Notifier& notifier, FileChooser& files,
              QWidget* parent = nullptr);
    Result result() const { return result_; }

    void OKClick() { Choose(false); }
    void EditClick() { Choose(true); }
    void CancelClick();
    void NewClick();
    void RemoveClick();

    QListWidget* lstGroups = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnEdit = nullptr;
    QPushButton* btnRemove = nullptr;
    QPushButton* btnNew = nullptr;

    void reject() override { CancelClick(); }

private:
    void Choose(bool edit);
    void FillGroups(int selectIndex);

    SatelliteChoice& choice_;
    Notifier& notifier_;
    FileChooser& files_;
    Result result_ = Result::Cancelled;
};

class TSatFilesII : public QDialog {
public:
    TSatFilesII(SatelliteChoice& choice, Notifier& notifier, FileChooser& files,
                QWidget* parent = nullptr);
    // True when a group was taken over (choice.TakeGroup() was called).
    bool switched() const { return switched_; }

    void OKClick();

    QListWidget* lstGroups = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnCancel = nullptr;

private:
    SatelliteChoice& choice_;
    Notifier& notifier_;
    FileChooser& files_;
    bool switched_ = false;
};

}  // namespace orbivox
