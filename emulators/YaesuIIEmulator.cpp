// The YaesuII radios (radio/yaesu2/YaesuIIModels.cpp) on the far end of the line: text
// commands ending in ";", VFO-A and VFO-B with a frequency and a mode each, "?;" for what the radio does not understand.
#include <QStringList>
#include <array>
#include <cstdint>

#include "emulators/EmulatorFamily.h"
#include "emulators/FrequencyText.h"
#include "radio/yaesu2/YaesuIIFamily.h"
#include "emulators/TextCommands.h"

namespace orbivox {
namespace {

constexpr qsizetype kLongestCommand = 64;  // a longer run without ";" is line noise

struct Vfo {
    std::int64_t hertz = 145900000;
    QString mode = QStringLiteral("02");
};

QString ModeName(const QString& code) {
    static const QStringList names = {"LSB",      "USB",      "CW-U",     "FM",       "AM",
                                      "RTTY-LSB", "CW-L",     "DATA-LSB", "RTTY-USB", "DATA-FM",
                                      "FM-N",     "DATA-USB", "AM-N",     "C4FM"};
    bool ok = false;
    const int number = code.toInt(&ok, 16);
    if (ok && number >= 1 && number <= names.size()) {
        return names[number - 1];
    }
    return QStringLiteral("unknown mode \"%1\"").arg(code);
}

bool AllDigits(const QString& text) {
    for (const QChar c : text) {
        if (!c.isDigit()) {
            return false;
        }
    }
    return !text.isEmpty();
}

class YaesuIIEmulator : public EmulatorFamily {
public:
    YaesuIIEmulator() { vfos_[1].hertz = 435000000; }

    QList<EmulatedCommand> Feed(const QByteArray& bytes) override {
        return TakeTextCommands(pending_, bytes, ';', kLongestCommand,
                                [this](const QString& text) { return Take(text); });
    }

    void SetMicrophonePtt(bool pressed) override { microphonePtt_ = pressed; }

    QString TurnDial(int hertz) override {
        vfos_[0].hertz += hertz;
        return QStringLiteral("dial turned to %1").arg(MegahertzText(vfos_[0].hertz, 6));
    }

private:
    EmulatedCommand Take(const QString& text) {
        const QByteArray unknown = "?;";
        if (text == "FA" || text == "FB") {
            const Vfo& vfo = vfos_[text == "FA" ? 0 : 1];
            return {
                QStringLiteral("read VFO-%1: %2").arg(text.at(1), MegahertzText(vfo.hertz, 6)),
                (text + QStringLiteral("%1;").arg(vfo.hertz, 9, 10, QLatin1Char('0'))).toLatin1()};
        }
        if ((text.startsWith("FA") || text.startsWith("FB")) && text.size() == 11 &&
            AllDigits(text.mid(2))) {
            Vfo& vfo = vfos_[text.startsWith("FA") ? 0 : 1];
            vfo.hertz = text.mid(2).toLongLong();
            return {QStringLiteral("set VFO-%1 %2").arg(text.at(1), MegahertzText(vfo.hertz, 6)),
                    {}};
        }
        if (text.startsWith("MD")) {
            if (text.size() != 4) {
                return {QStringLiteral("bad mode command \"%1;\"").arg(text), unknown};
            }
            vfos_[0].mode = text.mid(2);
            return {QStringLiteral("mode VFO-A %1").arg(ModeName(vfos_[0].mode)), {}};
        }
        if (text == "SV") {
            std::swap(vfos_[0], vfos_[1]);
            return {QStringLiteral("swap VFO-A and VFO-B"), {}};
        }
        if (text == "FT3" || text == "FT2") {
            return {QStringLiteral("transmit on VFO-%1").arg(text == "FT3" ? "B" : "A"), {}};
        }
        if (text == "TX1" || text == "TX0") {
            catPtt_ = text == "TX1";
            return {catPtt_ ? QStringLiteral("transmit") : QStringLiteral("receive"), {}};
        }
        if (text == "TX") {
            // 0 receiving, 1 keyed by CAT, 2 keyed by the microphone.
            const char state = microphonePtt_ ? '2' : catPtt_ ? '1' : '0';
            return {QStringLiteral("read transmit state: TX%1").arg(state),
                    QByteArray("TX") + state + ';'};
        }
        return {QStringLiteral("unknown command \"%1;\"").arg(text), unknown};
    }

    std::array<Vfo, 2> vfos_{};
    bool catPtt_ = false;
    bool microphonePtt_ = false;
    QByteArray pending_;
};

}  // namespace

std::unique_ptr<EmulatorFamily> MakeYaesuIIEmulator(const FamilyOptions& options, QString& error) {
    if (!KnownRadioModel(YaesuIIFamily(), "yaesu2", options.model, error)) {
        return nullptr;
    }
    return std::make_unique<YaesuIIEmulator>();
}

}  // namespace orbivox
