#pragma once
// The Kenwood command set (TS-790, TS-2000 and "Others"): text commands ending in ";".
#include <QByteArray>
#include <QString>
#include <memory>

#include "radio/RadioCommandSet.h"

namespace orbivox {

// What a Kenwood model needs beyond the common record.
struct KenwoodModel {
    RadioModel radio;
    bool bandControl = false;    // "DC1;" / "DC0;" pick main and sub (TS-790)
    bool satelliteMode = false;  // "SA..." control strings, "TS1;" band fix, "TN39;" (TS-2000)
    bool wholeTenHertz = false;  // the 1 Hz digit is always sent as 0 (TS-790)
};

// The record of a model name; nullptr for a name that is not a Kenwood model.
const KenwoodModel* FindKenwoodModel(const QString& name);

// "FA" / "FB" + 11 digits of Hz + ";"; text: the digits with "." before the last three.
struct KenwoodFrequencyCommand {
    QByteArray bytes;
    QString text;
};
KenwoodFrequencyCommand EncodeKenwoodFrequency(const char* prefix, double kHz,
                                               bool wholeTenHertz = false);

// The "FA" answer's frequency text ("00435150.125"); empty unless "FA" + 11 digits + ";"
// is found.
QString KenwoodAnswerText(const QByteArray& answer);

// The mode digit of a mode word ("LSB" 1, "USB" 2, "CW" 3, "FM"/"FMN" 4, "CWN" 7); 0 for
// any other word.
int KenwoodModeDigit(const QString& mode);

// The TS-2000's main and sub control strings: "SA" + satellite option + memory digit + ...
struct KenwoodControl {
    QByteArray main, sub;
};
KenwoodControl KenwoodControlStrings(const KenwoodModel& model, const KenwoodParameters& parameters,
                                     bool satelliteModeOption, bool trace, bool inverting);

std::unique_ptr<RadioCommandSet> MakeKenwoodCommandSet(const CommandSetSettings& settings);

}  // namespace orbivox
