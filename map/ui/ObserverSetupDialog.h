#pragma once
// TSatSetupObsF, "Observer Setup": altitude, locator, longitude, latitude, UTC offset and
// source file mask of the station, edited one at a time in a field under the list and
// stored in SatIni.SQF. Every keystroke is checked; a refused one beeps and asks for a
// correction without touching the line to be stored.
#include <QDialog>
#include <QTimer>
#include <array>
#include <functional>

#include "map/ObserverSetup.h"
#include "settings/Notifier.h"
#include "settings/ScreenMetrics.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace orbivox {

class TSatSetupObsF : public QDialog {
public:
    // Reads the observer lines of `satIniPath`; throws SqfError when it cannot.
    TSatSetupObsF(const QString& satIniPath, Notifier& notifier, const ScreenMetrics& screen,
                  QWidget* parent = nullptr);

    // Closing the dialog stores the main window's position.
    std::function<void()> storeWindowPosition;

    void SelectItem(ObserverItem item);
    ObserverItem selectedItem() const { return item_; }
    // The values as they would be stored, in list order.
    const std::array<QString, 6>& values() const { return values_; }
    QLineEdit* edit() const { return edtPers_; }
    QListWidget* valueList() const { return lstValue_; }
    QLabel* correction() const { return korrektur_; }
    QPushButton* button(const QString& caption) const;
    // PC clock minus this is UTC.
    double clockOffsetHours() const { return clockOffsetHours_; }

protected:
    void done(int result) override;

private:
    void OnEdited(const QString& text);
    void LocatorToDegs();
    void DegsToLocator();
    void ShowHelp();
    void Store();
    void ShowClock();
    void Warn(const QString& text);

    QString satIniPath_;
    Notifier& notifier_;
    const ScreenMetrics& screen_;
    std::array<QString, 6> values_;
    ObserverItem item_ = ObserverItem::Altitude;
    double clockOffsetHours_ = 0;
    QListWidget* memo1_;
    QListWidget* lstValue_;
    QLineEdit* edtPers_;
    QLabel* korrektur_;
    QLabel* clock_;
    QPushButton* locToDegs_;
    QPushButton* degsToLoc_;
    QTimer timer_;
};

}  // namespace orbivox
