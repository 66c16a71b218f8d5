// The main window's radio panel.
#include "app/desktop/RadioPanel.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/desktop/ClickLabel.h"
#include "orbit/DisplayFormat.h"
#include "settings/FixedColours.h"

namespace orbivox {
namespace {

QLabel* Switch(const QString& name, const QString& text, std::function<void()> onClick,
               QWidget* parent) {
    auto* label = new ClickLabel(text, std::move(onClick), parent);
    label->setObjectName(name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Raised);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(28);
    return label;
}

// "####0" with two leading spaces.
QString CalibrationText(double hertz) {
    return QStringLiteral("  ") + QString::fromStdString(orbit::FormatNumber(hertz, "####0"));
}

}  // namespace

RadioPanel::RadioPanel(TrackingSession& session, Notifier& notifier, ClientConversation* catServer,
                       QWidget* parent)
    : QWidget(parent),
      session_(session),
      notifier_(notifier),
      radios_(session, notifier, catServer) {
    setObjectName(QStringLiteral("PanRadio"));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* window = new QVBoxLayout;
    ptbRxTx_ = new QLabel(QString(26, ' '), this);
    ptbRxTx_->setObjectName(QStringLiteral("ptbRxTx"));
    ptbRxTx2_ = new QLabel(QString(25, ' '), this);
    ptbRxTx2_->setObjectName(QStringLiteral("ptbRxTx2"));
    for (QLabel* line : {ptbRxTx_, ptbRxTx2_}) {
        line->setFont(fixed);
        line->setTextInteractionFlags(Qt::TextSelectableByMouse);
        window->addWidget(line);
    }
    layout->addLayout(window);
    lblTxRx_ = Switch(
        QStringLiteral("lblTxRx"), QStringLiteral("RX"), [this] { TxRxClicked(); }, this);
    lblTxRx_->setAutoFillBackground(true);
    lblRevNor_ = new QLabel(this);
    lblRevNor_->setObjectName(QStringLiteral("lblRevNor"));
    lblRevNorRx_ = new QLabel(this);
    lblRevNorRx_->setObjectName(QStringLiteral("lblRevNorRx"));
    for (QLabel* label : {lblTxRx_, lblRevNor_, lblRevNorRx_}) {
        layout->addWidget(label);
    }
    layout->addStretch(1);
    statusCorrection_ = new QLabel(this);
    statusCorrection_->setObjectName(QStringLiteral("StatusCorrection"));

    timer4_.setObjectName(QStringLiteral("Timer4"));
    timer4_.setSingleShot(true);
    connect(&timer4_, &QTimer::timeout, this, [this] {
        radios_.Tracker().TransmitReceive(false);
        ShowTxRx();
    });
    ShowTxRx();
    Refresh();
}

void RadioPanel::Refresh() {
    const DopplerTracker& tracker = radios_.Tracker();
    const TuningState& t = tracker.Tuning();
    ptbRxTx_->setText(tracker.FrequencyLine());
    ptbRxTx2_->setText(tracker.ShiftLine());
    statusCorrection_->setText(tracker.CorrectionStatus());
    const double fD = tracker.Transponder().downlinkKHz, fU = tracker.Transponder().uplinkKHz;
    if (t.vfoMode) {
        lblRevNor_->setText(CalibrationText(t.CalibrationHz()));
        lblRevNorRx_->setText(QStringLiteral("0"));
    } else {
        lblRevNorRx_->setText(CalibrationText(t.CalibrationHz()));
        // Without a downlink there is nothing to scale by.
        lblRevNor_->setText(CalibrationText(fD != 0 ? t.CalibrationHz() * fU / fD : 0));
    }
}

void RadioPanel::TxRxClicked() {
    DopplerTracker& tracker = radios_.Tracker();
    tracker.TransmitReceive(!tracker.Transmitting());
    ShowTxRx();
    const int seconds = session_.startValues().transmitStopSeconds;
    if (seconds > 0) {  // never a 0 ms Timer4
        timer4_.start(seconds * 1000);
    }
}

void RadioPanel::ShowTxRx() {
    const bool transmitting = radios_.Tracker().Transmitting();
    lblTxRx_->setText(transmitting ? QStringLiteral("TX") : QStringLiteral("RX"));
    lblTxRx_->setStyleSheet(FixedBackgroundStyle(transmitting ? "red" : "lime"));
}

void RadioPanel::SatelliteModeOff() {
    radios_.Tracker().SatelliteModeOff();
    Refresh();
}

}  // namespace orbivox
