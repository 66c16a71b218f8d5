// The radio family words as stored, and reading and writing the family of radio 1 and the
// settings of radio 2.
#include "radio/RadioFamily.h"

#include <array>
#include <utility>

#include "settings/SqfFile.h"

namespace orbivox {

namespace {

constexpr std::array<std::pair<RadioFamily, const char*>, 5> kFamilyWords{{
    {RadioFamily::None, "None"},
    {RadioFamily::Yaesu, "Yaesu"},
    {RadioFamily::YaesuII, "YaesuII"},
    {RadioFamily::Kenwood, "Kenwood"},
    {RadioFamily::Icom, "Icom"},
}};

}  // namespace

QString RadioFamilyText(RadioFamily family) {
    for (const auto& [value, word] : kFamilyWords) {
        if (value == family) {
            return QString::fromLatin1(word);
        }
    }
    return QString();
}

std::optional<RadioFamily> ParseRadioFamily(const QString& text) {
    for (const auto& [value, word] : kFamilyWords) {
        if (text == QLatin1String(word)) {
            return value;
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
