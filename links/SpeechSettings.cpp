// Reading and writing the four speech settings in their fixed order.
#include "links/SpeechSettings.h"

#include "settings/SqfFile.h"

namespace orbivox {

SpeechSettings ReadSpeechSettings(const QString& path) {
    SqfReader file(path);
    SpeechSettings settings;
    settings.voice = static_cast<int>(file.Integer());
    settings.pitch = static_cast<int>(file.Integer());
    settings.volume = static_cast<int>(file.Integer());
    settings.rate = static_cast<int>(file.Integer());
    return settings;
}

void WriteSpeechSettings(const QString& path, const SpeechSettings& settings) {
    SqfWriter()
        .Integer(settings.voice)
        .Integer(settings.pitch)
        .Integer(settings.volume)
        .Integer(settings.rate)
        .Commit(path);
}

}  // namespace orbivox
