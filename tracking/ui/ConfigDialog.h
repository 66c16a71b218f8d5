#pragma once
// TConfig, "Configurations": chooses one of the four configuration slots. The choice takes
// effect after a restart, which the caller makes after writing Config.SQF.
#include <QDialog>

class QButtonGroup;

namespace orbivox {

class TConfig : public QDialog {
public:
    TConfig(int currentSlot, QWidget* parent = nullptr);
    int ChosenSlot() const;

private:
    QButtonGroup* rdgConfig_;
};

}  // namespace orbivox
