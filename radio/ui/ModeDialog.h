#pragma once
// TMode, "Mode": the Doppler correction mode, the frequency window's display option and the
// Icom address pair of radio 1. Opened modally; ModeSettings does the work.
#include <QDialog>

#include "radio/ModeSettings.h"

class QButtonGroup;
class QGroupBox;
class QListWidget;

namespace orbivox {

class TMode : public QDialog {
public:
    explicit TMode(ModeSettings& mode, QWidget* parent = nullptr);

    // The controls from the running state, centred on the parent, then exec().
    int Open();

    QButtonGroup* rdgModeKorr() const { return rdgModeKorr_; }
    QButtonGroup* radioGroup1() const { return radioGroup1_; }
    QListWidget* lstAdress() const { return lstAdress_; }

private:
    ModeSettings& mode_;
    QGroupBox* modeBox_;
    QButtonGroup* rdgModeKorr_;
    QButtonGroup* radioGroup1_;
    QListWidget* lstAdress_;
};

}  // namespace orbivox
