// The preview and MA dialogs and the preview's step buttons.
#include "app/desktop/PreviewDialogs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/desktop/ClickLabel.h"

namespace orbivox {
namespace {

// Every field shows its digits after a blank: two, the year four.
class DigitsSpin : public QSpinBox {
public:
    DigitsSpin(int digits, int low, int high, QWidget* parent) : QSpinBox(parent), digits_(digits) {
        setRange(low, high);
        setPrefix(QStringLiteral(" "));
        setWrapping(true);
    }

protected:
    QString textFromValue(int value) const override {
        return QStringLiteral("%1").arg(value, digits_, 10, QLatin1Char('0'));
    }

private:
    int digits_;
};

}  // namespace

TVorschau::TVorschau(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TVorschau"));
    SetZone(false);
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    const struct {
        const char* label;
        int digits, low, high;
    } specs[] = {{"Year", 4, 1985, 2385}, {"Month", 2, 1, 12},    {"Day", 2, 1, 31},
                 {"Hour", 2, 0, 23},      {"Min.", 2, 0, 59},     {"Sec.", 2, 0, 59},
                 {"Step h", 2, 0, 12},    {"Step min", 2, 0, 59}, {"Step s", 2, 0, 59}};
    for (int i = 0; i < 9; ++i) {
        fields_[static_cast<size_t>(i)] =
            new DigitsSpin(specs[i].digits, specs[i].low, specs[i].high, this);
        const int row = i < 3 ? 0 : i < 6 ? 1 : 2;
        grid->addWidget(new QLabel(QString::fromLatin1(specs[i].label), this), row * 2, i % 3);
        grid->addWidget(fields_[static_cast<size_t>(i)], row * 2 + 1, i % 3);
    }
    layout->addLayout(grid);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* present = new QPushButton(QStringLiteral("Present Time"), this);
    present->setObjectName(QStringLiteral("cmdPresent"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(present);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(present, &QPushButton::clicked, this, [this] {
        if (presentTimeRequested) {
            presentTimeRequested();
        }
    });
}

void TVorschau::SetZone(bool local) {
    setWindowTitle(QStringLiteral("Start Time (") +
                   (local ? QStringLiteral("L") : QStringLiteral("U")) + QStringLiteral(")"));
}

void TVorschau::SetPresent(double displayJulianDate, double meanMotion) {
    const orbit::CivilTime now = orbit::CivilFromJulianDate(displayJulianDate);
    const PreviewStep step = DefaultPreviewStep(meanMotion);
    const int values[] = {now.year, now.month,  now.day,      now.hour,    now.minute,
                          0,        step.hours, step.minutes, step.seconds};
    for (size_t i = 0; i < fields_.size(); ++i) {
        fields_[i]->setValue(values[i]);
    }
    filled_ = true;
}

double TVorschau::Instant() const {
    orbit::CivilTime civil;
    civil.year = fields_[Year]->value();
    civil.month = fields_[Month]->value();
    civil.day = fields_[Day]->value();
    civil.hour = fields_[Hour]->value();
    civil.minute = fields_[Minute]->value();
    civil.second = fields_[Second]->value();
    return orbit::JulianDateFromCivil(civil) - orbit::kDayNumberToJulianDate;
}

PreviewStep TVorschau::Step() const {
    return {fields_[StepHours]->value(), fields_[StepMinutes]->value(),
            fields_[StepSeconds]->value()};
}

TMAInp::TMAInp(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TMAInp"));
    setWindowTitle(QStringLiteral("MA"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("MA (0 - 256)"), this));
    txtMA_ = new QLineEdit(this);
    txtMA_->setObjectName(QStringLiteral("txtMA"));
    layout->addWidget(txtMA_);
    lblInvalid_ = new QLabel(kInvalidMaText, this);
    lblInvalid_->setObjectName(QStringLiteral("lblInvalid"));
    lblInvalid_->setStyleSheet(QStringLiteral("color: red;"));
    lblInvalid_->hide();
    layout->addWidget(lblInvalid_);
    auto* buttons = new QHBoxLayout;
    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    buttons->addWidget(cmdOK_);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(txtMA_, &QLineEdit::textChanged, this, [this] { Check(); });
    connect(cmdOK_, &QPushButton::clicked, this, [this] {
        const std::optional<double> target = ParseMaTarget(txtMA_->text());
        if (target && jump) {
            jump(*target);
        }
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TMAInp::Clear() {
    txtMA_->clear();
    Check();
}

void TMAInp::Check() {
    const bool valid = ParseMaTarget(txtMA_->text()).has_value();
    lblInvalid_->setVisible(!valid);
    cmdOK_->setEnabled(valid);
}

void TMAInp::keyPressEvent(QKeyEvent* event) {
    // Enter presses "OK" when it may be pressed; the dialog stays open for the next jump.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (cmdOK_->isEnabled()) {
            cmdOK_->click();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

PreviewControls::PreviewControls(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PreviewControls"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    auto* back = new QToolButton(this);
    back->setArrowType(Qt::LeftArrow);
    back->setObjectName(QStringLiteral("UpDown1Back"));
    auto* forward = new QToolButton(this);
    forward->setArrowType(Qt::RightArrow);
    forward->setObjectName(QStringLiteral("UpDown1Forward"));
    for (QToolButton* button : {back, forward}) {
        button->setAutoRepeat(true);
        connect(button, &QToolButton::clicked, this, [this, forward, button] {
            if (step) {
                step(button == forward);
            }
        });
    }
    layout->addWidget(back);
    layout->addWidget(forward);
}

}  // namespace orbivox
