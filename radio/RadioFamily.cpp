// The radio family words as stored, and reading and writing the family of radio 1 and the
// settings of radio 2.
#include "radio/RadioFamily.h"

#include "radio/RadioFamilies.h"
#include "settings/SqfFile.h"

namespace orbivox {

namespace {

const QLatin1String kNoFamily("None");

}  // namespace

QString RadioFamilyText(RadioFamily family) {
    const RadioFamilyDescriptor* descriptor = FindRadioFamily(family);
    return descriptor != nullptr ? QString::fromLatin1(descriptor->word) : QString(kNoFamily);
}

std::optional<RadioFamily> ParseRadioFamily(const QString& text) {
    if (text == kNoFamily) {
        return RadioFamily::None;
    }
    for (const RadioFamilyDescriptor* descriptor : RadioFamilies()) {
        if (text == QLatin1String(descriptor->word)) {
            return descriptor->family;
        }
    }
    return std::nullopt;
}

RadioFamily ReadRadio1Family(const QString& path) {
    SqfReader file(path);
    const QString word = file.Text();
    const auto family = ParseRadioFamily(word);
    if (!family || *family == RadioFamily::None) {
        file.Fail(QStringLiteral("line 1 names no radio family (\"%1\")").arg(word));
    }
    return *family;
}

void WriteRadio1Family(const QString& path, RadioFamily family) {
    SqfWriter().Text(RadioFamilyText(family)).Commit(path);
}

SecondRadioSettings ReadSecondRadioSettings(const QString& path) {
    SqfReader file(path);
    SecondRadioSettings settings;
    const QString word = file.Text();
    const auto family = ParseRadioFamily(word);
    if (!family) {
        file.Fail(QStringLiteral("line 1 names no radio family (\"%1\")").arg(word));
    }
    settings.family = *family;
    const long long port = file.Integer();
    if (port < 0 || port > 99) {
        file.Fail(QStringLiteral("line 2 holds port %1, outside 0..99").arg(port));
    }
    settings.port = static_cast<int>(port);
    settings.autoExchange = file.Flag() == QChar('+');
    return settings;
}

void WriteSecondRadioSettings(const QString& path, const SecondRadioSettings& settings) {
    SqfWriter()
        .Text(RadioFamilyText(settings.family))
        .Integer(settings.port)
        .Flag(settings.autoExchange)
        .Commit(path);
}

}  // namespace orbivox
