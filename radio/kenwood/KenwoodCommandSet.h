#pragma once
// The Kenwood command set: text commands ending in ";".
#include <QByteArray>
#include <QString>
#include <memory>

#include "radio/RadioCommandSet.h"
#include "radio/kenwood/KenwoodFiles.h"
#include "radio/kenwood/KenwoodModels.h"

namespace orbivox {

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

// The satellite-mode model's main and sub control strings: "SA" + satellite option + memory digit + ...
struct KenwoodControl {
    QByteArray main, sub;
};
KenwoodControl KenwoodControlStrings(const KenwoodModel& model, const KenwoodParameters& parameters,
                                     bool satelliteModeOption, bool trace, bool inverting);

std::unique_ptr<RadioCommandSet> MakeKenwoodCommandSet(const CommandSetSettings& settings);

}  // namespace orbivox
