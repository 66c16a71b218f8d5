// The classic Yaesu radios (the models of radio/yaesu/YaesuModels.cpp) on the far end of the
// line: five-byte blocks, frequencies in packed digits, answers to the read commands. As the
// radios do, a satellite radio (FT-847, FT-736R) ignores every command until its CAT ON
// block; a one-VFO radio (FT-817 type) keeps a tone per VFO and transmits on the other VFO
// only with split on.
#include <QStringList>
#include <array>
#include <cstdint>

#include "emulators/EmulatorFamily.h"
#include "emulators/FrequencyText.h"
#include "radio/yaesu/YaesuFamily.h"
#include "radio/yaesu/YaesuModels.h"

namespace orbivox {
namespace {

struct Vfo {
    std::int64_t hertz = 145900000;
    std::uint8_t mode = 0x01;
    bool toneOn = false;  // the one-VFO radio's tone, per VFO
    QString toneHz;
};

QString ModeName(std::uint8_t mode) {
    switch (mode) {
        case 0x00:
            return QStringLiteral("LSB");
        case 0x01:
            return QStringLiteral("USB");
        case 0x02:
            return QStringLiteral("CW");
        case 0x03:
            return QStringLiteral("CWR");
        case 0x04:
            return QStringLiteral("AM");
        case 0x08:
            return QStringLiteral("FM");
        case 0x0C:
            return QStringLiteral("PKT");
        case 0x82:
            return QStringLiteral("CWN");
        case 0x88:
            return QStringLiteral("FMN");
        default:
            return QStringLiteral("mode %1").arg(mode, 2, 16, QLatin1Char('0')).toUpper();
    }
}

// Four bytes of packed digits, 10 Hz resolution; the first nibble may exceed 9 (0xC = 12
// hundreds of MHz for the 23 cm band).
std::int64_t DecodeHertz(const QByteArray& block) {
    std::int64_t tens = 0;
    for (int i = 0; i < 4; ++i) {
        const auto byte = static_cast<std::uint8_t>(block[i]);
        tens = tens * 100 + (byte >> 4) * 10 + (byte & 0x0F);
    }
    return tens * 10;
}

QByteArray EncodeHertz(std::int64_t hertz) {
    std::int64_t tens = hertz / 10;
    QByteArray bytes(4, '\0');
    for (int i = 3; i >= 0; --i) {
        const int pair = static_cast<int>(tens % 100);
        tens /= 100;
        // The leading pair carries whatever is left in its high nibble (12 for 1.2 GHz).
        const int high = i == 0 ? static_cast<int>(pair / 10 + tens * 10) : pair / 10;
        bytes[i] = static_cast<char>((high << 4) | (pair % 10));
    }
    return bytes;
}

class YaesuEmulator : public EmulatorFamily {
public:
    YaesuEmulator(QString model, int roundToHz) : model_(std::move(model)), roundToHz_(roundToHz) {
        const YaesuModel* record = FindYaesuModel(model_);
        oneVfo_ = record != nullptr && record->radio.oneVfoInUse;
        catOn_ = oneVfo_;  // the satellite radios wait for CAT ON
        vfos_[1].hertz = 435000000;
    }

    QList<EmulatedCommand> Feed(const QByteArray& bytes) override {
        pending_ += bytes;
        QList<EmulatedCommand> commands;
        while (pending_.size() >= 5) {
            const QByteArray block = pending_.left(5);
            pending_.remove(0, 5);
            if (!catOn_ && static_cast<std::uint8_t>(block[4]) != 0x00) {
                commands.append({QStringLiteral("ignored (CAT off): %1")
                                     .arg(QString::fromLatin1(block.toHex(' ').toUpper())),
                                 {}});
                continue;
            }
            commands.append(Take(block));
        }
        return commands;
    }

    void SetMicrophonePtt(bool pressed) override { microphonePtt_ = pressed; }

    QString TurnDial(int hertz) override {
        Receiving().hertz += hertz;
        return QStringLiteral("dial turned to %1").arg(MegahertzText(Receiving().hertz, 5));
    }

private:
    // A satellite radio: VFO 0 is the main (downlink) band, 1 the sub (uplink) band. A
    // one-VFO radio: VFO-A and VFO-B, one of them in use.
    Vfo& Receiving() { return vfos_[oneVfo_ ? current_ : 0]; }
    QString VfoName(int index) const {
        if (oneVfo_) {
            return index == 0 ? QStringLiteral("VFO-A") : QStringLiteral("VFO-B");
        }
        return index == 0 ? QStringLiteral("downlink") : QStringLiteral("uplink");
    }

    EmulatedCommand Take(const QByteArray& block) {
        const auto opcode = static_cast<std::uint8_t>(block[4]);
        const int target = oneVfo_ ? current_ : 0;
        switch (opcode) {
            case 0x00:
                catOn_ = true;
                return {QStringLiteral("CAT on"), {}};
            case 0x80:
                catOn_ = oneVfo_;  // a one-VFO radio has no CAT on/off
                return {QStringLiteral("CAT off"), {}};
            case 0x4E:
            case 0x0E:
                return {QStringLiteral("satellite mode on"), {}};
            case 0x8E:
                return {QStringLiteral("satellite mode off"), {}};
            case 0x02:
                split_ = true;
                return {QStringLiteral("split on"), {}};
            case 0x82:
                split_ = false;
                return {QStringLiteral("split off"), {}};
            case 0x81:
                current_ = 1 - current_;
                return {QStringLiteral("toggle VFO, now %1").arg(VfoName(current_)), {}};
            case 0x08:
                catPtt_ = true;
                return {QStringLiteral("transmit") + TransmitVfo(), {}};
            case 0x88:
                catPtt_ = false;
                return {QStringLiteral("receive"), {}};
            case 0x03:
            case 0x13: {
                const Vfo& vfo = Receiving();
                return {QStringLiteral("read %1: %2 %3")
                            .arg(VfoName(target), MegahertzText(vfo.hertz, 5), ModeName(vfo.mode)),
                        EncodeHertz(vfo.hertz) + char(vfo.mode)};
            }
            case 0x23:
                return {QStringLiteral("read uplink: %1 %2")
                            .arg(MegahertzText(vfos_[1].hertz, 5), ModeName(vfos_[1].mode)),
                        EncodeHertz(vfos_[1].hertz) + char(vfos_[1].mode)};
            case 0xF7: {
                const bool transmitting = catPtt_ || microphonePtt_;
                // The top bit clear means transmitting.
                return {QStringLiteral("read transmit status: %1")
                            .arg(transmitting ? "transmitting" : "receiving"),
                        QByteArray(1, transmitting ? '\x00' : '\x80')};
            }
            case 0x01:
            case 0x11:
            case 0x1E:
                return SetFrequency(target, block);
            case 0x21:
            case 0x2E:
                return SetFrequency(1, block);
            case 0x07:
            case 0x17:
                return SetMode(target, block);
            case 0x27:
                return SetMode(1, block);
            // The tone: on the satellite transmit side, of a one-VFO radio, on the main band.
            case 0x0A:
            case 0x2A:
                return ToneSwitch(static_cast<std::uint8_t>(block[0]), opcode == 0x0A);
            case 0x4A:
            case 0x8A:
                return ToneSwitch(opcode, false);
            case 0x2B:
            case 0xFA:
                return {QString::asprintf("tone number %02X", static_cast<std::uint8_t>(block[0])),
                        {}};
            case 0x0B: {
                // Tone x 10 as four packed digits: 67.0 Hz is 06 70.
                const QString hertz = QString::number(
                    DecodeHertz(block.left(2) + QByteArray(2, '\0')) / 1000000.0, 'f', 1);
                vfos_[current_].toneHz = hertz;
                return {QStringLiteral("tone %1 Hz").arg(hertz) + OnVfo(), {}};
            }
            default:
                break;
        }
        return {QStringLiteral("unknown command %1")
                    .arg(QString::fromLatin1(block.toHex(' ').toUpper())),
                {}};
    }

    // The one-VFO radio's own tone switch (opcode 0A) belongs to the VFO in use.
    EmulatedCommand ToneSwitch(std::uint8_t code, bool perVfo) {
        if (code == 0x4A || code == 0x8A) {
            if (perVfo) {
                vfos_[current_].toneOn = code == 0x4A;
            }
            return {QStringLiteral("tone %1").arg(code == 0x4A ? "on" : "off") +
                        (perVfo ? OnVfo() : QString()),
                    {}};
        }
        return {QString::asprintf("unknown tone switch %02X", code), {}};
    }

    // " (VFO-A)" after what a one-VFO radio keeps per VFO; nothing for the others.
    QString OnVfo() const { return oneVfo_ ? QStringLiteral(" (%1)").arg(VfoName(current_)) : QString(); }

    // Where a one-VFO radio transmits: the VFO in use, the other one with split on; with
    // that VFO's frequency and tone.
    QString TransmitVfo() const {
        if (!oneVfo_) {
            return {};
        }
        const int index = split_ ? 1 - current_ : current_;
        const Vfo& vfo = vfos_[index];
        return QStringLiteral(" on %1 %2%3")
            .arg(VfoName(index), MegahertzText(vfo.hertz, 5),
                 vfo.toneOn ? QStringLiteral(" with tone %1 Hz").arg(vfo.toneHz) : QString());
    }

    EmulatedCommand SetFrequency(int index, const QByteArray& block) {
        vfos_[index].hertz = StoredFrequency(DecodeHertz(block), roundToHz_);
        return {
            QStringLiteral("set %1 %2").arg(VfoName(index), MegahertzText(vfos_[index].hertz, 5)),
            {}};
    }

    EmulatedCommand SetMode(int index, const QByteArray& block) {
        vfos_[index].mode = static_cast<std::uint8_t>(block[0]);
        return {QStringLiteral("mode %1 %2").arg(VfoName(index), ModeName(vfos_[index].mode)), {}};
    }

    QString model_;
    int roundToHz_ = 0;
    bool oneVfo_ = false;
    bool catOn_ = false;
    bool split_ = false;
    std::array<Vfo, 2> vfos_{};
    int current_ = 0;
    bool catPtt_ = false;
    bool microphonePtt_ = false;
    QByteArray pending_;
};

}  // namespace

std::unique_ptr<EmulatorFamily> MakeYaesuEmulator(const FamilyOptions& options, QString& error) {
    if (!KnownRadioModel(YaesuFamily(), "yaesu", options.model, error)) {
        return nullptr;
    }
    return std::make_unique<YaesuEmulator>(
        options.model.isEmpty() ? DefaultYaesuModel().radio.name : options.model,
        options.roundToHz);
}

}  // namespace orbivox
