#pragma once
// TSatSetupRot, "Rotor Setup": the rotor interface and its server, the four SatIni.SQF
// rotor values, and how positions are updated (intervals or position change, flip, 450
// degrees, decimals). Every rule is RotorSetup's; the dialog shows and forwards.
#include <QDialog>
#include <functional>
#include <optional>

#include "rotator/RotorSetup.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

namespace orbivox {

class TSatSetupRot : public QDialog {
public:
    // `chooseServerFile`: the file dialog of "Search" (nothing when cancelled).
    TSatSetupRot(RotorSetup& setup, AntennaPositioning& positioning,
                 std::function<std::optional<QString>()> chooseServerFile,
                 QWidget* parent = nullptr);

    QComboBox* cbRotIntf() const { return cbRotIntf_; }
    QListWidget* lstValue() const { return lstValue_; }
    QLineEdit* edtPers() const { return edtPers_; }
    QLineEdit* rotctldHost() const { return rotctldHost_; }
    QLineEdit* rotctldPort() const { return rotctldPort_; }
    QLabel* korrektur() const { return korrektur_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowRows();
    void ShowOptions();

    RotorSetup& setup_;
    AntennaPositioning& positioning_;
    std::function<std::optional<QString>()> chooseServerFile_;
    bool optionsRead_ = false;
    QComboBox* cbRotIntf_;
    QPushButton* cmdDurchsuchen_;
    QListWidget* memo1_;
    QListWidget* lstValue_;
    QLineEdit* edtPers_;
    QLabel* korrektur_;
    QLabel* portAddress_;
    QLineEdit* rotctldHost_;
    QLineEdit* rotctldPort_;
    QWidget* rotctld_;
    QSpinBox* spinDecimals_;
    QButtonGroup* rgrRotOpt_;
    QSpinBox* spinIntV_;
    QSpinBox* spinMinWin_;
    QButtonGroup* rgrOptWinkel_;
    QButtonGroup* rdGrpFlip_;
    QButtonGroup* rdGrpMaxAz_;
};

}  // namespace orbivox
