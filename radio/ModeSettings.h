#pragma once
// What the Mode dialog does, without its widgets: the correction mode (applied at once, only
// with VFO mode on), the frequency window's display option, radio 1's Icom address pairs and
// "Store" of KorrMod.SQF.
#include <QString>
#include <QStringList>
#include <functional>

#include "radio/DopplerTracker.h"
#include "radio/RadioFiles.h"
#include "radio/icom/IcomFiles.h"
#include "radio/TuningFiles.h"
#include "settings/Notifier.h"

namespace orbivox {

// Radio 1's address pairs (IcomPar.SQF) among its files, as the Mode dialog lists them.
QList<IcomAddressPair> ModeDialogPairs(const RadioFiles& radio1Files);

class ModeSettings {
public:
    // korrModPath: KorrMod.SQF. pairs: the address pairs of IcomPar.SQF.
    ModeSettings(DopplerTracker& tracker, QString korrModPath, QList<IcomAddressPair> pairs,
                 Notifier& notifier);

    // rdgModeKorr is usable only with VFO mode on.
    bool ModeEnabled() const { return tracker_.Tuning().vfoMode; }
    CorrectionSettings Correction() const { return tracker_.Tuning().correction; }
    void ChooseMode(CorrectionMode mode);
    void ChooseDisplay(FrequencyDisplay display);

    // lstAdress: " $60    $60" a pair; OK applies the chosen one to an Icom radio 1.
    QStringList PairTexts() const;
    bool ApplyPair(int index);

    // "Store": KorrMod.SQF. False (and a message naming the file) when it failed.
    bool Store();

    // The status-bar text of the correction mode, after a change.
    std::function<void(const QString&)> onStatus;

private:
    DopplerTracker& tracker_;
    QString korrModPath_;
    QList<IcomAddressPair> pairs_;
    Notifier& notifier_;
};

}  // namespace orbivox
