#pragma once
// "Sat-Namen": how element sets are named while a source file is read, stored in
// SatNameOpt.SQF. The choices apply from the next reading of a source file.
#include <QDialog>

#include "catalogue/SatelliteNames.h"
#include "settings/Notifier.h"

class QButtonGroup;
class QLineEdit;
class QRadioButton;

namespace orbivox {

class TSatelliteName : public QDialog {
    Q_OBJECT

public:
    // optionsPath: SatNameOpt.SQF in the configuration data folder. A missing file shows the
    // defaults.
    TSatelliteName(QString optionsPath, Notifier& notifier, QWidget* parent = nullptr);

    // The options as stored; what is clicked counts only once "Store" has written it.
    const NameOptions& options() const { return options_; }

    QButtonGroup* RgrpSatNamen = nullptr;  // 0 source names, 1 list names, 2 only listed
    QLineEdit* Edit1 = nullptr;

public slots:
    void StoreClick();

private:
    void ChooseItem(int item);
    void Edit1Change(const QString& text);
    void Warn(const QString& text);

    QString optionsPath_;
    NameOptions options_;
    NameOptions edited_;
    Notifier& notifier_;
};

}  // namespace orbivox
