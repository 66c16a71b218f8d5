// The Mode dialog's operations on the running tuning and its store.
#include "radio/ModeSettings.h"

#include "settings/SqfFile.h"

namespace orbivox {

QList<IcomAddressPair> ModeDialogPairs(const RadioFiles& radio1Files) {
    return radio1Files.Get<IcomParameters>().addressPairs;
}

ModeSettings::ModeSettings(DopplerTracker& tracker, QString korrModPath,
                           QList<IcomAddressPair> pairs, Notifier& notifier)
    : tracker_(tracker),
      korrModPath_(std::move(korrModPath)),
      pairs_(std::move(pairs)),
      notifier_(notifier) {}

void ModeSettings::ChooseMode(CorrectionMode mode) {
    if (!ModeEnabled()) {
        return;
    }
    tracker_.Tuning().correction.mode = mode;
    if (onStatus) {
        onStatus(tracker_.CorrectionStatus());
    }
}

void ModeSettings::ChooseDisplay(FrequencyDisplay display) {
    tracker_.Tuning().correction.display = display;
    if (display == FrequencyDisplay::DopplerShift) {
        tracker_.BlankShiftLine();
    }
}

QStringList ModeSettings::PairTexts() const {
    return AddressPairTexts(pairs_);
}

bool ModeSettings::ApplyPair(int index) {
    RadioCommandSet* commands = tracker_.Commands();
    if (commands == nullptr || index < 0 || index >= pairs_.size()) {
        return false;
    }
    return commands->UseAddressPair(pairs_[index].receive, pairs_[index].transmit);
}

bool ModeSettings::Store() {
    try {
        WriteCorrectionSettings(korrModPath_, Correction());
    } catch (const SqfError& e) {
        notifier_.Error(WriteFailureText(korrModPath_, e));
        return false;
    }
    return true;
}

}  // namespace orbivox
