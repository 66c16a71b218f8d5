#pragma once
// The dialogs of the stopped clock: TVorschau (the preview's start time and step), TMAInp
// (the mean anomaly to jump to), and PreviewControls, the step buttons UpDown1 and the
// factor switch lblVorZur that stand in for the radio and rotor switches during a preview.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QWidget>
#include <array>
#include <functional>

#include "orbit/TimeScales.h"
#include "tracking/PreviewMode.h"

namespace orbivox {

class TVorschau : public QDialog {
public:
    explicit TVorschau(QWidget* parent);

    // The caption's zone letter, "U" or "L".
    void SetZone(bool local);
    // "Present Time": the fields at `displayJulianDate` with seconds 0, the step for a
    // satellite of `meanMotion` revolutions a day.
    void SetPresent(double displayJulianDate, double meanMotion);
    bool Filled() const { return filled_; }
    // The entered instant as a day number of the display scale, and the step.
    double Instant() const;
    PreviewStep Step() const;

    std::function<void()> presentTimeRequested;

private:
    enum Field { Year, Month, Day, Hour, Minute, Second, StepHours, StepMinutes, StepSeconds };
    std::array<QSpinBox*, 9> fields_{};
    bool filled_ = false;
};

class TMAInp : public QDialog {
public:
    explicit TMAInp(QWidget* parent);

    // "OK" with a valid target; the dialog stays open.
    std::function<void(double target)> jump;
    void Clear();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Check();

    QLineEdit* txtMA_;
    QLabel* lblInvalid_;
    QPushButton* cmdOK_;
};

class PreviewControls : public QWidget {
public:
    explicit PreviewControls(QWidget* parent);

    std::function<void(bool forward)> step;
};

}  // namespace orbivox
