#pragma once
// THinweise, "Rotor": the manual rotor dialog. Typed positions and the standard directions
// switch the rotor off and point the antenna; the spinners move the corrections; the park
// position and automatic parking are set and stored here. What it decides is ManualRotor's.
#include <QDialog>
#include <QList>
#include <array>
#include <functional>

#include "rotator/ManualRotor.h"
#include "rotator/StandardDirections.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orbivox {

class THinweise : public QDialog {
public:
    THinweise(ManualRotor& manual, QList<StandardDirection> directions, QWidget* parent = nullptr);

    // Refreshes the corrections, their spinners and "Execute" (on every opening).
    void Prepare();
    // Called after the dialog changed the rotor switch or its colour (lblRotor repaints).
    std::function<void()> rotorSwitchChanged;

    QLineEdit* txtEl() const { return txtEl_; }
    QLineEdit* txtAz() const { return txtAz_; }
    QPushButton* cmdOK() const { return cmdOK_; }
    QListWidget* lstStandR() const { return lstStandR_; }
    QLabel* txtKorrV() const { return txtKorrV_; }
    QLabel* txtKorrH() const { return txtKorrH_; }

private:
    void ShowCorrections();
    void Finish();

    ManualRotor& manual_;
    QList<StandardDirection> directions_;
    QLineEdit* txtEl_;
    QLineEdit* txtAz_;
    QPushButton* cmdOK_;
    QListWidget* lstStandR_;
    QLabel* txtKorrV_;
    QLabel* txtKorrH_;
    std::array<QPushButton*, 6> elevationSpinners_{};  // up/down for 1, 0.1, 0.01
    std::array<QPushButton*, 6> azimuthSpinners_{};
    QLineEdit* edParkAz_;
    QLineEdit* edParkEl_;
    QCheckBox* chkPark_;
};

}  // namespace orbivox
