#pragma once
// The main window's radio panel: the frequency window (ptbRxTx, ptbRxTx2), the switch
// lblTxRx (lblCat and lblVFO sit on the switch panel), the calibration labels lblRevNor and
// lblRevNorRx, and the status panel of the correction mode. It shows what RadioControl holds and
// forwards clicks; Timer4 (the automatic return to receive) lives here.
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

#include "settings/Notifier.h"
#include "tracking/RadioControl.h"

namespace orbivox {

class RadioPanel : public QWidget {
public:
    RadioPanel(TrackingSession& session, Notifier& notifier, ClientConversation* catServer,
               QWidget* parent);

    RadioControl& Radios() { return radios_; }
    QLabel* StatusPanel() { return statusCorrection_; }
    // After each tick: the texts of the frequency window and the labels.
    void Refresh();
    // "&Sat mode off".
    void SatelliteModeOff();

private:
    void TxRxClicked();
    void ShowTxRx();

    TrackingSession& session_;
    Notifier& notifier_;
    RadioControl radios_;
    QLabel* ptbRxTx_;
    QLabel* ptbRxTx2_;
    QLabel* lblTxRx_;
    QLabel* lblRevNor_;
    QLabel* lblRevNorRx_;
    QLabel* statusCorrection_;
    QTimer timer4_;
};

}  // namespace orbivox
