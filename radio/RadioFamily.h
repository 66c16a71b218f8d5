#pragma once
// Which radio family drives each radio: TRX.SQF names radio 1's, Radio2\TRX_Semi.SQF
// radio 2's together with its port and the automatic RX/TX exchange. Each family's value
// here has its descriptor in the registry (radio/RadioFamilies.h).
#include <QString>
#include <optional>

namespace orbivox {

enum class RadioFamily { None, Yaesu, YaesuII, Kenwood, Icom, Hamlib };

// The family's word as the files spell it ("None", or the family descriptor's word).
QString RadioFamilyText(RadioFamily family);
// The family for a file's word (exact spelling); std::nullopt for any other text.
std::optional<RadioFamily> ParseRadioFamily(const QString& text);

// TRX.SQF, line 1: radio 1's family (never "None": radio 1 always has a family).
// Throws SqfError.
RadioFamily ReadRadio1Family(const QString& path);
void WriteRadio1Family(const QString& path, RadioFamily family);

// Radio2\TRX_Semi.SQF.
struct SecondRadioSettings {
    RadioFamily family = RadioFamily::None;  // 1
    int port = 0;                            // 2  0..99, 0 = none
    bool autoExchange = false;               // 3  "+": exchange RX/TX roles between VU and UV
};

// Throws SqfError (missing file, unknown family, port outside 0..99).
SecondRadioSettings ReadSecondRadioSettings(const QString& path);
void WriteSecondRadioSettings(const QString& path, const SecondRadioSettings& settings);

}  // namespace orbivox
