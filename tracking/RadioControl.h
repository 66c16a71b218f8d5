#pragma once
// The radios in the tracking cycle: opens the serial ports after the settings are read,
// fills the radio slots of TrackingHooks and QuitHooks, and reports a lost radio. The
// desktop window and `orbivox track` both make one; the window only shows what it holds.
//
// Responsibilities: port numbers to devices (ComPorts.SQF), line settings, RTS and DTR,
// the port messages, the entry selection at each working-satellite change, Doppler
// tracking and the radio step every tick, the data item's radio fields, the close order.
// Collaborations: TrackingSession (settings, engine), DopplerTracker and the family's
// RadioCommandSet (radio/), the Notifier for the port messages.
#include <QString>
#include <functional>
#include <memory>

#include "links/ClientConversation.h"
#include "radio/AnswerWatch.h"
#include "radio/CalibrationTarget.h"
#include "radio/CatLink.h"
#include "radio/DopplerTracker.h"
#include "radio/SerialPort.h"
#include "settings/Notifier.h"
#include "tracking/TrackingHooks.h"
#include "tracking/TrackingSession.h"

namespace orbivox {

// Said when a radio port fails during the run (the program then ends).
inline const QString kRadioLostMessage = QStringLiteral(
    "Switch on the radio before you start the program.\r If it was on click OK to shut "
    "Orbivox32.\rSwitch the radio off and on, then restart Orbivox32.\rThe program will now "
    "be closed.");

// The start-up message for a port that would not open (radio 1 or 2, port number n).
QString PortOpenFailureMessage(int port, int radio);
// What is said about radio 1 or 2 (its name as RadioControl gives it, e.g. "Radio 1 (FT-991
// on /dev/ttyUSB0)") when it stops answering, answers again, or its port fails quietly.
QString RadioSilentMessage(const QString& radio);
QString RadioAnswersAgainMessage(const QString& radio);
QString QuietRadioLostMessage(const QString& radio);
// The line that follows it when the device refused us for lack of permission.
QString PortPermissionHint(const QString& device);

class RadioControl : public CalibrationTarget {
public:
    // catServer: the KCT tuner server's conversation, used when the start values say the
    // CAT server is in use (no port is opened then); may be null.
    RadioControl(TrackingSession& session, Notifier& notifier,
                 ClientConversation* catServer = nullptr);
    ~RadioControl() override;

    // Opens radio 1's and radio 2's ports, with the start-up messages; in KCT mode, where the
    // CAT server has the radio, tells it "RaClose" when CAT is off at start.
    void OpenPorts();
    // Fills the radio slots; the engine then drives the radios every tick.
    void Install(TrackingHooks& hooks);
    // windowClosed: the window's frame closed it rather than "&Quit".
    void InstallQuit(QuitHooks& hooks, bool windowClosed);

    DopplerTracker& Tracker() { return *tracker_; }
    CatLink& Link() { return link_; }
    SerialPort& Radio1Port() { return radio1_; }
    int Radio1PortNumber() const { return radio1Number_; }
    // The next entry of the working satellite (the transponder list's click).
    void SelectEntry(int listOffset);
    // CAT on/off clicked (lblCat): the message to show, if any.
    QString CatClicked();

    // The frequency-store dialog's view of the tuning (CalibrationTarget).
    TuningForStore TuningNow() const override;
    void PauseTracking() override;
    void ResumeTracking() override;
    void RxTxStored(double newDownlinkKHz, double newUplinkKHz) override;
    void CalibrationStored(double newUplinkKHz) override;
    // The tracking timer, for PauseTracking: stop it and say whether it was running; start it.
    std::function<bool()> stopTracking;
    std::function<void()> startTracking;

    // A radio port failed while it mattered: the tracking must stop and the program end
    // with kRadioLostMessage. Called once.
    std::function<void()> onRadioLost;
    // A line for the status bar: a tone that cannot be sent (for a while), a radio that does
    // not answer or was lost (`lasting`: until the next line replaces it).
    std::function<void(const QString& text, bool lasting)> onStatus;
    // A lost radio of a family whose port errors do not end the desktop program (CAT is
    // disabled and the operator told) ends the run all the same: the command line's rule.
    bool everyLostRadioEnds = false;
    ToneSwitch& Tone() { return tone_; }
    bool RadioLost() const { return lost_; }

private:
    void Select(int listOffset);
    void PortFailed(int radio);
    // A port of a family whose errors do not end the program failed: said once, the port
    // closed so nothing more is written to it, CAT disabled for radio 1.
    void QuietPortFailed(int radio);
    // "Radio 1 (IC-9700 on /dev/ttyUSB0)".
    QString RadioName(int radio) const;
    void Say(const QString& text, bool lasting);
    // After the tick's radio step: a radio 1 that stopped answering, or answers again.
    void WatchAnswers();
    // A parameter file naming a model its family does not know: which one is used instead.
    void WarnOfUnknownModel(int radio, RadioFamily family, const RadioFiles& files,
                            const RadioCommandSet* commands);
    // Radio 2's commands for the files of `setup` on port 2; the tone to the radio that
    // transmits.
    void MakeSecondRadio(const SecondRadioSetup& setup);
    void AimTone();
    // The band pair of a new entry: the automatic RX/TX exchange, the address pair of two
    // radios on one port, the antenna line.
    void BandPairChanged(BandPair next);
    void ExchangeRadios(BandPair pair);
    // The family whose radio is on port 1 or 2 now.
    RadioFamily FamilyOnPort(int radio) const;

    TrackingSession& session_;
    Notifier& notifier_;
    SerialPort radio1_;
    SerialPort radio2_;
    std::unique_ptr<CatPort> networkLine_;  // radio 1 of a family reached over the network
    int radio1Number_ = 0;
    int radio2Number_ = 0;
    CatLink link_;
    CatLink link2_;
    std::unique_ptr<SecondRadio> secondRadio_;
    std::unique_ptr<DopplerTracker> tracker_;
    int listOffset_ = 0;
    bool lost_ = false;
    bool paused_ = false;
    bool noRadio2Said_ = false;
    ToneSwitch tone_;
    BandPair bandPair_ = BandPair::VU;
    int ticks_ = 0;
    CommandSetSettings radio1Settings_;
    SecondRadioSetup radio2Setup_;
    // What the configured radio 1's family asks for radio 2's band set-up and the tone.
    Radio2BandCheck radio2BandCheck_ = Radio2BandCheck::Never;
    bool toneOffAtEntrySelection_ = false;
    RadioPortRole role1_, role2_;
    BandPair portsPair_ = BandPair::VU;  // the band pair the ports were last opened for
    AnswerWatch answers_;
    bool quietLost1_ = false, quietLost2_ = false;
};

}  // namespace orbivox
