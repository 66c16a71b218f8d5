#pragma once
// What the Rotor Setup dialog decides, without its widgets: the interface list and the
// chosen entry, the selection, search and store rules with their messages, the four
// SatIni.SQF rotor values of the "Settings:" list with their checks, the positioning
// options it stores, and the "Hints [Rotor]" menu.
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "net/DaemonAddress.h"
#include "rotator/AntennaPositioning.h"
#include "rotator/ServerFiles.h"
#include "settings/Folders.h"
#include "settings/Notifier.h"

namespace orbivox {

inline const QString kRotorPleaseCorrect = QStringLiteral("please, correct!");

// The rows of the "Settings:" list, and the SatIni.SQF lines they edit.
enum class RotorSetupRow { ParallelPort = 0, Delay, TurningPoint, MinimumElevation };
inline constexpr int kRotorSetupRows = 4;

class RotorSetup {
public:
    // `positioning`: the run's settings, changed in memory by the positioning options.
    RotorSetup(const Folders& folders, RotorSettings& positioning, Notifier& notifier);

    // Created at start-up: AlleServer.SQF, RotorInterface.SQF, Decimals.SQF, the server
    // flag as loaded from SatStart.SQF and ParPort.SQF's addresses. Throws SqfError.
    void Load(bool rotorServerFlag, const QList<long long>& parallelPorts);
    // Shown: SatIni.SQF lines 7 to 12 read again, corrections from AntKorr.SQF.
    void Show();

    const QList<RotorInterfaceEntry>& Entries() const { return entries_; }
    int InterfaceIndex() const { return index_; }
    bool RotorServerFlag() const { return rotorServerFlag_; }
    bool SearchEnabled() const { return searchEnabled_; }
    // The selected entry has a server of its own (its rows and corrections are shown).
    bool SelectedHasServer() const;

    // cbRotIntf: the selection rule.
    void SelectInterface(int row);
    // "Search": the chosen file, or nothing when the file dialog was cancelled.
    void SearchResult(const std::optional<QString>& chosenFile);
    // The upper "Store": every file in its order, then the restart message.
    void Store();

    // The "Settings:" list: the value texts as shown.
    const std::array<QString, kRotorSetupRows>& RowTexts() const { return rowTexts_; }
    QString RowValue(RotorSetupRow row) const { return values_[static_cast<size_t>(row)]; }
    // edtPers changed while `row` is selected: trimmed, checked, taken when valid. False
    // (with a beep and "please, correct!") when the check failed.
    bool EditRow(RotorSetupRow row, const QString& text);
    bool CorrectionHintShown() const { return correctionHint_; }
    // "$" and the chosen LPT's address as four hexadecimal digits.
    QString PortAddressText() const;
    // The help text of a row, one memo line a line.
    static QStringList RowHelp(RotorSetupRow row);

    // The positioning options (txtDecimals and the others write into the run's settings).
    RotorSettings& Positioning() { return positioning_; }
    const orbivox::Folders& SetupFolders() const { return folders_; }
    int Decimals() const { return positioning_.decimals; }
    void SetDecimals(int decimals);
    // "Make sure ..." when 180 degrees is chosen while the dialog is shown.
    void SetFlipMode(bool flip, bool dialogVisible);
    void SetAzimuth450(bool overlap);
    void SetUpdateMode(QChar mode, AntennaPositioning* positioning);
    // cmdRotOptSave: WiRotOpt.SQF and Flip.SQF.
    void StoreRotorOptions();

    // With the rotctld server chosen: where rotctld listens (RotctldSrv.SQF lines 1 and 2),
    // shown, typed (false with `refusal`) and stored by "Store".
    bool RotctldChosen() const;
    const DaemonAddress& Rotctld() const { return rotctld_; }
    bool TypeRotctldHost(const QString& text, QString* refusal);
    bool TypeRotctldPort(const QString& text, QString* refusal);

    // "Hints [Rotor]": the names of entries 2 to 23.
    QStringList HintNames() const;
    // The readme of item `item` (0-based in that menu), or empty when the item does nothing.
    QString HintReadmePath(int item) const;

private:
    QString Config(const char* name) const;
    void ReadSatIniRows();

    const Folders& folders_;
    RotorSettings& positioning_;
    Notifier& notifier_;
    QList<RotorInterfaceEntry> entries_;
    int index_ = 0;
    bool rotorServerFlag_ = false;
    bool searchEnabled_ = false;
    std::array<QString, kRotorSetupRows> values_;    // the last valid texts
    std::array<QString, kRotorSetupRows> rowTexts_;  // as shown
    bool correctionHint_ = false;
    QList<long long> parallelPorts_;
    DaemonAddress rotctld_;
};

}  // namespace orbivox
