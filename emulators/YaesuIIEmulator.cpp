// The YaesuII radios (radio/yaesu2/YaesuIIModels.cpp) on the far end of the line: text
// commands ending in ";", VFO-A and VFO-B with a frequency and a mode each, split (FT), the
// CTCSS tone (CN, CT), "?;" for what the radio does not understand.
#include <QStringList>
#include <array>
#include <cstdint>

#include "emulators/EmulatorFamily.h"
#include "emulators/FrequencyText.h"
#include "radio/yaesu2/YaesuIIFamily.h"
#include "radio/yaesu2/YaesuIIModels.h"
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

// The CTCSS tone of a number 000..049, "67.0".
QString ToneText(int number) {
    const int tenths = YaesuIITones()[number];
    return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
}

class YaesuIIEmulator : public EmulatorFamily {
public:
    explicit YaesuIIEmulator(int roundToHz) : roundToHz_(roundToHz) { vfos_[1].hertz = 435000000; }

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
            vfo.hertz = StoredFrequency(text.mid(2).toLongLong(), roundToHz_);
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
            split_ = text == "FT3";
            return {QStringLiteral("transmit on VFO-%1").arg(split_ ? "B" : "A"), {}};
        }
        if (text == "TX1" || text == "TX0") {
            catPtt_ = text == "TX1";
            if (!catPtt_) {
                return {QStringLiteral("receive"), {}};
            }
            const Vfo& vfo = vfos_[split_ ? 1 : 0];
            return {QStringLiteral("transmit on VFO-%1 %2%3")
                        .arg(split_ ? "B" : "A", MegahertzText(vfo.hertz, 6),
                             toneMode_ == '2' ? QStringLiteral(" with tone %1 Hz").arg(tone_)
                                              : QString()),
                    {}};
        }
        // CN P1 P2 P3P4P5: P1 0, P2 0 for CTCSS (1 DCS), the tone number 000..049.
        if (text.startsWith("CN") && text.size() == 7 && AllDigits(text.mid(2))) {
            const int number = text.mid(4).toInt();
            if (text.mid(2, 2) != "00" || number >= YaesuIITones().size()) {
                return {QStringLiteral("bad tone number \"%1;\"").arg(text), unknown};
            }
            tone_ = ToneText(number);
            return {QStringLiteral("tone number %1 (%2 Hz)").arg(text.mid(4), tone_), {}};
        }
        // CT P1 P2: P1 0, P2 0 off, 1 encode and decode, 2 encode, 3 DCS.
        if (text.startsWith("CT") && text.size() == 4 && text.at(2) == '0' &&
            text.at(3) >= '0' && text.at(3) <= '3') {
            toneMode_ = text.at(3).toLatin1();
            static const QStringList modes = {"off", "encode and decode", "encode", "DCS"};
            return {QStringLiteral("tone %1").arg(modes[toneMode_ - '0']), {}};
        }
        if (text == "TX") {
            // 0 receiving, 1 keyed by CAT, 2 keyed by the microphone.
            const char state = microphonePtt_ ? '2' : catPtt_ ? '1' : '0';
            return {QStringLiteral("read transmit state: TX%1").arg(state),
                    QByteArray("TX") + state + ';'};
        }
        return {QStringLiteral("unknown command \"%1;\"").arg(text), unknown};
    }

    int roundToHz_ = 0;
    std::array<Vfo, 2> vfos_{};
    bool split_ = false;
    QString tone_ = ToneText(0);
    char toneMode_ = '0';
    bool catPtt_ = false;
    bool microphonePtt_ = false;
    QByteArray pending_;
};

}  // namespace

std::unique_ptr<EmulatorFamily> MakeYaesuIIEmulator(const FamilyOptions& options, QString& error) {
    if (!KnownRadioModel(YaesuIIFamily(), "yaesu2", options.model, error)) {
        return nullptr;
    }
    return std::make_unique<YaesuIIEmulator>(options.roundToHz);
}

}  // namespace orbivox
