// A GS-232B rotor controller on the far end of the line: commands end in CR, "Waaa eee"
// turns the rotor (at once: the emulator has no motors), "C2", "C" and "B" report where it
// points, "S" stops; anything else is answered "?>" as the controller does.
#include <QRegularExpression>

#include "emulators/EmulatorFamily.h"
#include "emulators/TextCommands.h"

namespace orbivox {
namespace {

constexpr qsizetype kLongestCommand = 32;  // a longer run without CR is line noise
const QByteArray kEnd = "\r\n";
const QByteArray kRefused = "?>\r\n";

QByteArray Degrees(const char* label, int value) {
    return QByteArray(label) + QByteArray::number(value).rightJustified(3, '0');
}

class Gs232Emulator : public EmulatorFamily {
public:
    QList<EmulatedCommand> Feed(const QByteArray& bytes) override {
        return TakeTextCommands(pending_, bytes, '\r', kLongestCommand, [this](const QString& raw) {
            const QString text = raw.trimmed().toUpper();
            // Hamlib follows a command with a second CR: an empty line is no command.
            return text.isEmpty() ? EmulatedCommand{} : Take(text);
        });
    }

private:
    EmulatedCommand Take(const QString& text) {
        static const QRegularExpression move(QStringLiteral("^W(\\d{1,3}) (\\d{1,3})$"));
        static const QRegularExpression azimuthOnly(QStringLiteral("^M(\\d{1,3})$"));
        if (const auto m = move.match(text); m.hasMatch()) {
            const int az = m.captured(1).toInt();
            const int el = m.captured(2).toInt();
            if (az > 450 || el > 180) {
                return {QStringLiteral("refused move to azimuth %1, elevation %2").arg(az).arg(el),
                        kRefused};
            }
            azimuth_ = az;
            elevation_ = el;
            return {QStringLiteral("move to azimuth %1, elevation %2").arg(az).arg(el), {}};
        }
        if (const auto m = azimuthOnly.match(text); m.hasMatch()) {
            const int az = m.captured(1).toInt();
            if (az > 450) {
                return {QStringLiteral("refused move to azimuth %1").arg(az), kRefused};
            }
            azimuth_ = az;
            return {QStringLiteral("move to azimuth %1").arg(az), {}};
        }
        if (text == "C2") {
            return {QStringLiteral("read position: azimuth %1, elevation %2")
                        .arg(azimuth_)
                        .arg(elevation_),
                    Degrees("AZ=", azimuth_) + "  " + Degrees("EL=", elevation_) + kEnd};
        }
        if (text == "C") {
            return {QStringLiteral("read azimuth: %1").arg(azimuth_),
                    Degrees("AZ=", azimuth_) + kEnd};
        }
        if (text == "B") {
            return {QStringLiteral("read elevation: %1").arg(elevation_),
                    Degrees("EL=", elevation_) + kEnd};
        }
        if (text == "S" || text == "A" || text == "E") {
            return {QStringLiteral("stop"), {}};
        }
        if (text.size() == 2 && text[0] == 'X' && text[1] >= '1' && text[1] <= '4') {
            return {QStringLiteral("speed %1").arg(text[1]), {}};
        }
        return {QStringLiteral("unknown command \"%1\"").arg(text), kRefused};
    }

    int azimuth_ = 0;
    int elevation_ = 0;
    QByteArray pending_;
};

}  // namespace

std::unique_ptr<EmulatorFamily> MakeGs232Emulator(const FamilyOptions& options, QString& error) {
    if (!options.model.isEmpty() && options.model != "GS-232B") {
        error = QStringLiteral("the gs232 family has the model GS-232B");
        return nullptr;
    }
    return std::make_unique<Gs232Emulator>();
}

}  // namespace orbivox
