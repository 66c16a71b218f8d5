#pragma once
// "Sat-Namen": how element sets are named while a source file is read, stored in
// SatNameOpt.SQF. The choices apply from the next reading of a source file.
#include <QDialog>
#include <functional>

#include "catalogue/SatelliteNames.h"

class QButtonGroup;
class QLineEdit;
class QRadioButton;

namespace orbivox {

class TSatelliteName : public QDialog {
    Q_OBJECT

public:
    // optionsPath: SatNameOpt.SQF in the configuration data folder. A missing file shows the
    // defaults.
    explicit TSatelliteName(QString optionsPath, QWidget* parent = nullptr);

    using MessageSink = std::function<void(QWidget* parent, const QString& text)>;
    void setMessageSink(MessageSink sink) { showMessage_ = std::move(sink); }

    const NameOptions& options() const { return options_; }

    QButtonGroup* RgrpSatNamen = nullptr;  // 0 source names, 1 list names, 2 only listed
    QLineEdit* Edit1 = nullptr;

public slots:
    void StoreClick();

private:
    void ChooseItem(int item);
    void Edit1Change(const QString& text);

    QString optionsPath_;
    NameOptions options_;
    MessageSink showMessage_;
};

}  // namespace orbivox
