#pragma once
// Talk.SQF: the voice, pitch, volume and rate of the rising announcements, four integers.
#include <QString>

namespace orbivox {

struct SpeechSettings {
    int voice = 0;     // 1  index into the engine's voice list
    int pitch = 0;     // 2  -10..10
    int volume = 100;  // 3  0..100
    int rate = 0;      // 4  -10..10
};

// Throws SqfError (missing file, a line without an integer).
SpeechSettings ReadSpeechSettings(const QString& path);
void WriteSpeechSettings(const QString& path, const SpeechSettings& settings);

}  // namespace orbivox
