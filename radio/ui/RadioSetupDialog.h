#pragma once
// TSatSetupRad, "Radio Setup": both radios' families and per-family choices, the port and CAT
// delay, the line and start flags and the device each port opens. Every rule and the store
// are RadioSetup's; the dialog shows and forwards.
#include <QDialog>
#include <array>

#include "radio/RadioSetup.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orbivox {

class TSatSetupRad : public QDialog {
public:
    explicit TSatSetupRad(RadioSetup& setup, QWidget* parent = nullptr);

    // The controls from the logic's values (shown, and after the Options dialog's changes).
    void Present();

    QButtonGroup* rdGrpOptTrx() const { return radio_[0].family; }
    QButtonGroup* rdGrpOptTrx2() const { return radio_[1].family; }
    QComboBox* leftCombo(int radio) const { return radio_[radio - 1].left; }
    QComboBox* rightCombo(int radio) const { return radio_[radio - 1].right; }
    QListWidget* lstValue() const { return lstValue_; }
    QLineEdit* edtPers() const { return edtPers_; }
    QLineEdit* edPers2() const { return edPers2_; }
    QLabel* errorLabel() const { return error_; }
    QLabel* error2Label() const { return error2_; }
    QComboBox* device(int radio) const { return radio_[radio - 1].device; }
    QCheckBox* chkDtrII() const { return chkDtrII_; }
    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* cmdTest() const { return cmdTest_; }
    QLabel* helpLabel() const { return help_; }

private:
    struct RadioControls {
        QButtonGroup* family = nullptr;
        QComboBox* left = nullptr;
        QComboBox* right = nullptr;
        QLineEdit* address = nullptr;  // edAdr / edAdr2
        QComboBox* device = nullptr;
    };
    RadioFamily FamilyOf(int radio) const;
    void ShowItem(int radio);
    void ShowRadio2Enabled();
    void ShowValue();
    void ShowDevice(int radio);
    // A family reached over the network has no COM port, device or lines; its "Test" shows.
    void ShowNetworkFamily();
    void Store();

    RadioSetup& setup_;
    std::array<RadioControls, 2> radio_;
    QListWidget* memo1_;
    QListWidget* lstValue_;
    QLineEdit* edtPers_;
    QLabel* error_;
    QLineEdit* edPers2_;
    QLabel* error2_;
    QLabel* help_;
    QCheckBox* chkRts_;
    QCheckBox* chkDtr_;
    QCheckBox* chkRtsII_;
    QCheckBox* chkDtrII_;
    QCheckBox* chkSatMode_;
    QCheckBox* chkKct_;
    QCheckBox* chkAutoChange_;
    QPushButton* cmdOK_;
    QPushButton* cmdTest_;
};

}  // namespace orbivox
