#pragma once
// What the Radio Setup dialog decides, without its widgets: both radios' families and their
// per-family choices, the port and CAT delay with their checks, the Icom address editing,
// the line and start flags, the device each port number opens, and "Store", which writes
// every radio file in its fixed order. The settings take effect at the next start.
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "radio/PortLines.h"
#include "radio/RadioFamilies.h"
#include "radio/RadioFamily.h"
#include "radio/RadioFiles.h"
#include "radio/icom/IcomFiles.h"
#include "settings/Folders.h"
#include "settings/Notifier.h"

namespace orbivox {

inline const QString kRadioSetupPortError = QStringLiteral("Errpor!");
inline const QString kRadioSetupRadio2PortError = QStringLiteral("Error!");
inline const QString kRadioSetupRestart =
    QStringLiteral("Restart Orbivox32 when the settings changed!\r");
inline constexpr int kMaxCatDelayMs = 2000;

// The two rows of lstValue: SatIni.SQF lines 5 and 6.
enum class RadioSetupRow { Port = 0, CatDelay = 1 };

struct RadioSetupValues {
    RadioFamily radio1 = RadioFamily::Yaesu;  // TRX.SQF
    RadioFiles radio1Files;                   // every family's files of radio 1
    int port = 0;                // SatIni.SQF line 5
    int catDelayMs = 0;          // SatIni.SQF line 6
    PortLines lines;             // RTS12.SQF
    bool kctTuner = false;       // SatStart.SQF line 11
    bool satelliteMode = false;  // SatStart.SQF line 16
    SecondRadioSettings radio2;  // Radio2\TRX_Semi.SQF: family, port, automatic RX/TX change
    RadioFiles radio2Files;      // every family's files of radio 2 (Radio2\*.SQF)
};

class RadioSetup {
public:
    RadioSetup(const Folders& folders, Notifier& notifier);

    // Reads every radio file of the configuration (radio 2's files only when radio 2 is
    // configured) and ComPorts.SQF. The port is the stored one, never a run-time port a
    // second instance went without. Throws SqfError.
    void Load();

    RadioSetupValues& Values() { return values_; }
    const RadioSetupValues& Values() const { return values_; }

    // The combo box lists, from the family's descriptor. radio: 1 or 2.
    static QStringList Items(RadioFamily family);
    static QList<RadioSetupItem> ItemKinds(RadioFamily family);
    static QStringList Choices(RadioFamily family, RadioSetupItem item, int radio);
    // The chosen value of an item, as its combo box shows it (for Addresses: the first pair).
    QString Chosen(RadioFamily family, RadioSetupItem item, int radio) const;
    // The right combo box's choice of item: false when it is not one of Choices().
    bool Choose(RadioFamily family, RadioSetupItem item, int radio, const QString& choice);
    // An item typed rather than chosen (a host, a port): the family takes the text or
    // refuses it (false, `refusal` says why, nothing changed).
    static bool FreeText(RadioFamily family, RadioSetupItem item);
    bool TakeText(RadioFamily family, RadioSetupItem item, int radio, const QString& text,
                  QString* refusal);
    // "Test": radio 1's network line asked for the frequency; what to show.
    QString TestRadio1() const;

    // " Radio 1 " and " Radio 2 " groups. Both radios of one family give that family's
    // notice, if it has one (two Icom radios share one CAT interface).
    void ChooseRadio1(RadioFamily family);
    // "None" sets radio 2's port to 0.
    void ChooseRadio2(RadioFamily family);
    bool Radio2Configured() const { return values_.radio2.family != RadioFamily::None; }

    // lstValue and edtPers: the row's text and the check of a typed one. A refused text
    // beeps, keeps the old value and returns false ("Errpor!" is shown).
    QString RowValue(RadioSetupRow row) const;
    bool EditRow(RadioSetupRow row, const QString& text);
    // edPers2: radio 2's port, 0..99 ("Error!" when refused).
    bool EditRadio2Port(const QString& text);
    static QStringList RowHelp(RadioSetupRow row);

    // The Icom address pairs of radio 1 as the right combo box lists them, and the editing of
    // the chosen pair: UpDRx/UpDTx step a byte (wrapping), "Addresses OK" puts it back.
    QStringList PairTexts() const;
    void SelectPair(int index);
    int SelectedPair() const { return pairIndex_; }
    void StepReceive(int step);
    void StepTransmit(int step);
    QString EditedPairText() const { return AddressPairText(editedPair_); }  // edAdr
    void AcceptPair();                                                       // cmdAdr
    // Radio 2's single Icom address: UpDTx2 and edAdr2.
    void StepRadio2Address(int step);
    QString Radio2AddressText() const;

    // Radio 2's "DTR +12V" box is usable when radio 2 is configured and its DTR pin does not
    // toggle antennas (the Options dialog's choice).
    void SetRadio2DtrToggles(bool toggles) { dtrToggles_ = toggles; }
    bool Radio2DtrUsable() const { return Radio2Configured() && !dtrToggles_; }

    // The device each port number opens (ComPorts.SQF, else /dev/ttyUSB<n-1>), and a typed
    // or chosen device for a port number, written into ComPorts.SQF by Store.
    QString DeviceFor(int port) const;
    void SetDevice(int port, const QString& device);

    // "Store": every file in its order, each atomically. A failure stops there and names the
    // file; what was written before stays. True when all were written.
    bool Store();
    // After SatStart.SQF's two lines were stored: the KCT and satellite-mode flags, so the
    // start values held in memory follow the file.
    std::function<void(bool kctTuner, bool satelliteMode)> onStartFlagsStored;

private:
    QString Config(const QString& name) const;
    QString Radio2File(const QString& name) const;
    // Radio 1's Icom address pairs and radio 2's Icom address, as edited here.
    QList<IcomAddressPair>& Pairs();
    const QList<IcomAddressPair>& Pairs() const;
    int& Radio2Address();

    const Folders& folders_;
    Notifier& notifier_;
    RadioSetupValues values_;
    QMap<int, QString> devices_;  // ComPorts.SQF, with the devices chosen here
    QMap<int, QString> chosenDevices_;
    int pairIndex_ = 0;
    IcomAddressPair editedPair_;
    bool dtrToggles_ = false;
};

}  // namespace orbivox
