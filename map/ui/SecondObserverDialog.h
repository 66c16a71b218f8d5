#pragma once
// TLocEingabe, "Observer 2 ": a second observer given by its locator, marked on the map
// and, while set, its centre in the "Greenw./Obs.2" mode. The dialog keeps its place on
// the screen in LocPos.SQF.
#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orbivox {

struct SecondObserver {
    QString locator;       // 6 characters once confirmed
    double longitude = 0;  // east, 0..360
    double latitude = 45;
    QString longitudeText;  // two decimals, "." separator
    QString latitudeText;
};

class TLocEingabe : public QDialog {
public:
    TLocEingabe(const QString& locPosPath, QWidget* parent = nullptr);

    // OK: the mark is shown and the map centred on it. Remove: neither.
    std::function<void(const SecondObserver&)> onConfirmed;
    std::function<void()> onRemoved;
    // Any edit of the locator stops centring on it.
    std::function<void()> onCentreOff;

    const SecondObserver& observer() const { return observer_; }
    QLineEdit* edit() const { return edLoc_; }
    QLabel* error() const { return error_; }
    QPushButton* okButton() const { return ok_; }
    QLabel* readout() const { return lblErg_; }

    // True while the dialog is open on a confirmed locator: the tracking cycle then shows
    // the working satellite as seen from there.
    bool WantsReadout() const;
    // lblErg: white while the satellite is above the second observer's horizon.
    void ShowReadout(const QString& text, bool aboveHorizon);

    void Confirm();
    void Remove();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void OnChanged(const QString& text);

    QString locPosPath_;
    SecondObserver observer_;
    QLineEdit* edLoc_;
    QLabel* error_;
    QPushButton* ok_;
    QLabel* lblErg_;
};

}  // namespace orbivox
