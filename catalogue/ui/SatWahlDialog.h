#pragma once
// TSatWahl ("Satellites"): pick up to 24 satellites of an element file for the group in use.
// Left the element files of the source folder, in the middle every satellite of the chosen
// file, right the chosen list with its map stars and letters. All rules live in
// SatelliteChoice; this dialog shows them and forwards the operator's clicks.
//
// The caller reads the outcome from the choice when exec() returns.
#include <QDialog>
#include <array>
#include <functional>

#include "catalogue/FileChooser.h"
#include "catalogue/SatelliteChoice.h"
#include "catalogue/SatelliteNames.h"
#include "settings/Notifier.h"
#include "settings/ScreenMetrics.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

namespace orbivox {

class TSatWahl : public QDialog {
public:
    TSatWahl(SatelliteChoice& choice, Notifier& notifier, FileChooser& files,
             const ScreenMetrics& screen, QWidget* parent = nullptr);

    // Called after "Sat. Names" stored new name options.
    std::function<void(const NameOptions&)> nameOptionsChanged;

    // Opens on the running selection; openedFile (File | Open) replaces its source file.
    void Prepare(const SelectionState& running, bool fromMenu, const QString& openedFile = {});

    void FileClick(int row);
    void AddClick(const QString& name);
    void EntryClick(int row);
    void DeleteClick();
    void ShowOnOffClick();
    void ActiveSatClick();
    void DisplayDataClick();
    void UpdateKepsClick();
    void SatNamesClick();
    void SortClick();
    void GroupsClick();
    void cmdFileOKClick();
    void CancelClick();
    void reject() override { CancelClick(); }

    QLabel* lblPfad = nullptr;
    QListWidget* filSource = nullptr;
    QLabel* Label26 = nullptr;  // the source file's date and time
    QLineEdit* edtFilter = nullptr;  // narrows lstAlleSat as the operator types
    QListWidget* lstAlleSat = nullptr;
    QLabel* lblAuswahl = nullptr;
    QListWidget* lstAuswahl = nullptr;
    std::array<QLabel*, kMaxGroupMembers> stars{};
    QLabel* lblInfo = nullptr;
    QLabel* lblCount = nullptr;
    QPushButton* cmdFileOK = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnShowOnOff = nullptr;
    QPushButton* btnActiveSat = nullptr;
    QPushButton* Button2 = nullptr;  // "Display Data"
    QPushButton* btnUpdateKeps = nullptr;
    QPushButton* btnSatNames = nullptr;
    QPushButton* btnSort = nullptr;
    QPushButton* btnGroups = nullptr;
    QToolButton* btnWider = nullptr;
    QToolButton* btnNarrower = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowFiles();
    void ShowChoice();
    void ShowAllSatellites();
    void ShowChosenList();
    void SetEntryButtons(bool enabled);
    void SetGroupCaption(const QString& word);

    SatelliteChoice& choice_;
    Notifier& notifier_;
    FileChooser& files_;
    const ScreenMetrics& screen_;
    QString rememberedFile_;
    bool centred_ = false;
    bool fromFileOpen_ = false;
};

}  // namespace orbivox
