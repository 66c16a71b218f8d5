// Icom radios on a CI-V bus at the far end of the line: one or two radios, each on its own
// address, frames FE FE to from ... FD. Like a real bus it echoes every byte it is sent
// (unless --no-echo: a USB radio does not), and with --collide other stations' frames and
// collisions come in between. Answers: FB (good), FA (not good), and the read answers.
#include <QStringList>
#include <cstdint>
#include <map>

#include "emulators/EmulatorFamily.h"
#include "emulators/FrequencyText.h"
#include "radio/icom/IcomFamily.h"

namespace orbivox {
namespace {

constexpr char kPreamble = '\xFE', kEnd = '\xFD';
constexpr qsizetype kLongestFrame = 64;  // a longer run without FD is line noise

struct Radio {
    std::map<int, std::int64_t> vfos{
        {0xD0, 435000000}, {0xD1, 145900000}, {0x00, 435000000}, {0x01, 145900000}};
    int selected = 0xD0;
    bool transmitting = false;
};

QString Hex(int byte) {
    return QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
}

QString ModeName(const QByteArray& data) {
    static const std::map<int, QString> names = {{0x00, "LSB"},  {0x01, "USB"},  {0x02, "AM"},
                                                 {0x03, "CW"},   {0x04, "RTTY"}, {0x05, "FM"},
                                                 {0x07, "CW-R"}, {0x17, "DV"}};
    if (data.isEmpty()) {
        return QStringLiteral("without a mode");
    }
    const auto found = names.find(static_cast<unsigned char>(data[0]));
    QString name =
        found == names.end() ? "mode " + Hex(static_cast<unsigned char>(data[0])) : found->second;
    if (data.size() > 1) {
        name += " filter " + QString::number(static_cast<unsigned char>(data[1]));
    }
    return name;
}

// Five packed-digit bytes, least significant first; -1 when a nibble is not a digit.
std::int64_t DecodeHertz(const QByteArray& bytes) {
    std::int64_t hertz = 0;
    for (int i = 4; i >= 0; --i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if ((byte >> 4) > 9 || (byte & 0x0F) > 9) {
            return -1;
        }
        hertz = hertz * 100 + (byte >> 4) * 10 + (byte & 0x0F);
    }
    return hertz;
}

QByteArray EncodeHertz(std::int64_t hertz) {
    QByteArray bytes;
    for (int i = 0; i < 5; ++i) {
        const int pair = static_cast<int>(hertz % 100);
        hertz /= 100;
        bytes += static_cast<char>(((pair / 10) << 4) | (pair % 10));
    }
    return bytes;
}

class IcomEmulator : public EmulatorFamily {
public:
    explicit IcomEmulator(const FamilyOptions& options)
        : echo_(options.echo), collide_(options.collide), roundToHz_(options.roundToHz) {
        for (int address : options.addresses) {
            radios_[address] = Radio{};
        }
        if (radios_.empty()) {
            radios_[0x60] = Radio{};
        }
    }

    QList<EmulatedCommand> Feed(const QByteArray& bytes) override {
        pending_ += bytes;
        QList<EmulatedCommand> commands;
        while (true) {
            const qsizetype start = pending_.indexOf(QByteArray(2, kPreamble));
            if (start < 0) {
                if (pending_.size() > 1) {
                    pending_ = pending_.right(1);  // keep a lone FE that may start a frame
                }
                break;
            }
            pending_.remove(0, start);
            const qsizetype end = pending_.indexOf(kEnd);
            if (end < 0) {
                if (pending_.size() > kLongestFrame) {
                    commands.append(
                        {QStringLiteral("noise dropped (%1 bytes)").arg(pending_.size()), {}});
                    pending_.clear();
                }
                break;
            }
            const QByteArray frame = pending_.left(end + 1);
            pending_.remove(0, end + 1);
            commands.append(Take(frame));
        }
        return commands;
    }

    void SetMicrophonePtt(bool pressed) override {
        for (auto& [address, radio] : radios_) {
            radio.transmitting = pressed;
        }
    }

    QString TurnDial(int hertz) override {
        auto& [address, radio] = *radios_.begin();
        radio.vfos[radio.selected] += hertz;
        return QStringLiteral("%1 dial turned to %2")
            .arg(Hex(address), MegahertzText(radio.vfos[radio.selected], 6));
    }

private:
    EmulatedCommand Take(const QByteArray& frame) {
        EmulatedCommand command;
        const QByteArray echo = echo_ ? frame : QByteArray();
        if (frame.size() < 6) {
            command.log =
                QStringLiteral("short frame %1").arg(QString::fromLatin1(frame.toHex(' ')));
            command.answer = echo;
            return command;
        }
        const int to = static_cast<unsigned char>(frame[2]);
        const int from = static_cast<unsigned char>(frame[3]);
        const auto found = radios_.find(to);
        if (found == radios_.end()) {
            command.log = QStringLiteral("frame for %1 from %2 not ours").arg(Hex(to), Hex(from));
            command.answer = echo;
            return command;
        }
        const QByteArray body = frame.mid(4, frame.size() - 5);
        QByteArray reply;
        command.log = Hex(to) + ' ' + Act(found->second, to, body, reply);
        const QByteArray answer = reply.isEmpty() ? Acknowledge(to, true) : reply;
        QByteArray bus;
        if (collide_ && (++frames_ % 2 == 1)) {
            // A station that keyed up at the same moment: a jammed frame, then its own
            // frequency broadcast, before the answer.
            bus = QByteArray("\xFE\xFE\xFC\xFC\xFC\xFD", 6) +
                  QByteArray("\xFE\xFE\x00\x7E\x03", 5) + EncodeHertz(14074000) + kEnd;
            command.log = QStringLiteral("collision on the bus\n") + command.log;
        }
        command.answer = echo + bus + answer;
        return command;
    }

    QByteArray Acknowledge(int from, bool good) const {
        return QByteArray(2, kPreamble) + '\0' + char(from) + (good ? '\xFB' : '\xFA') + kEnd;
    }

    QByteArray Answer(int from, const QByteArray& body) const {
        return QByteArray(2, kPreamble) + '\0' + char(from) + body + kEnd;
    }

    QString Act(Radio& radio, int address, const QByteArray& body, QByteArray& reply) {
        const int command = body.isEmpty() ? -1 : static_cast<unsigned char>(body[0]);
        const QByteArray data = body.mid(1);
        auto byteAt = [&](int i) {
            return i < data.size() ? static_cast<unsigned char>(data[i]) : -1;
        };
        switch (command) {
            case 0x03:
                reply = Answer(address,
                               QByteArray(1, '\x03') + EncodeHertz(radio.vfos[radio.selected]));
                return QStringLiteral("read frequency: %1")
                    .arg(MegahertzText(radio.vfos[radio.selected], 6));
            case 0x05: {
                const std::int64_t hertz = data.size() == 5 ? DecodeHertz(data) : -1;
                if (hertz < 0) {
                    reply = Acknowledge(address, false);
                    return QStringLiteral("bad frequency frame");
                }
                radio.vfos[radio.selected] = StoredFrequency(hertz, roundToHz_);
                return QStringLiteral("set frequency %1")
                    .arg(MegahertzText(radio.vfos[radio.selected], 6));
            }
            case 0x06:
                return QStringLiteral("mode %1").arg(ModeName(data));
            case 0x07:
                if (byteAt(0) == 0xB0) {
                    std::swap(radio.vfos[0xD0], radio.vfos[0xD1]);
                    return QStringLiteral("exchange main and sub");
                }
                if (data.size() == 1) {
                    radio.selected = byteAt(0);
                    return QStringLiteral("select VFO %1").arg(Hex(byteAt(0)));
                }
                break;
            case 0x0F:
                return QStringLiteral("split %1").arg(byteAt(0) == 1 ? "on" : "off");
            case 0x16:
                if (byteAt(0) == 0x5A) {
                    return QStringLiteral("satellite mode %1").arg(byteAt(1) == 1 ? "on" : "off");
                }
                if (byteAt(0) == 0x42) {
                    return QStringLiteral("tone %1").arg(byteAt(1) == 1 ? "on" : "off");
                }
                break;
            case 0x1A:
                if (byteAt(0) == 0x07) {
                    return QStringLiteral("satellite mode %1").arg(byteAt(1) == 1 ? "on" : "off");
                }
                if (byteAt(0) == 0x06) {
                    return QStringLiteral("data mode %1").arg(byteAt(1) == 1 ? "on" : "off");
                }
                break;
            case 0x1B:
                // Three packed-digit bytes of tenths of Hz; a shorter frame is refused.
                if (byteAt(0) == 0x00 && data.size() == 4) {
                    const int tenths = (byteAt(1) & 0x0F) * 10000 + (byteAt(2) >> 4) * 1000 +
                                       (byteAt(2) & 0x0F) * 100 + (byteAt(3) >> 4) * 10 +
                                       (byteAt(3) & 0x0F);
                    return QStringLiteral("tone %1.%2 Hz").arg(tenths / 10).arg(tenths % 10);
                }
                break;
            case 0x1C:
                if (byteAt(0) == 0x00 && data.size() == 2) {
                    radio.transmitting = byteAt(1) == 1;
                    return radio.transmitting ? QStringLiteral("transmit")
                                              : QStringLiteral("receive");
                }
                if (byteAt(0) == 0x00 && data.size() == 1) {
                    reply = Answer(address,
                                   QByteArray("\x1C\x00", 2) + char(radio.transmitting ? 1 : 0));
                    return QStringLiteral("read transmit state: %1")
                        .arg(radio.transmitting ? "transmitting" : "receiving");
                }
                break;
            case 0x15:
                if (byteAt(0) == 0x02) {
                    reply = Answer(address, QByteArray("\x15\x02", 2) +
                                                (radio.transmitting ? QByteArray(2, '\0')
                                                                    : QByteArray("\x01\x20", 2)));
                    return QStringLiteral("read S-meter");
                }
                break;
            default:
                break;
        }
        reply = Acknowledge(address, false);
        return QStringLiteral("unknown command %1")
            .arg(QString::fromLatin1(body.toHex(' ')).toUpper());
    }

    std::map<int, Radio> radios_;
    bool echo_ = true;
    bool collide_ = false;
    int roundToHz_ = 0;
    long frames_ = 0;
    QByteArray pending_;
};

}  // namespace

std::unique_ptr<EmulatorFamily> MakeIcomEmulator(const FamilyOptions& options, QString& error) {
    if (!KnownRadioModel(IcomFamily(), "icom", options.model, error)) {
        return nullptr;
    }
    if (options.addresses.size() > 2) {
        error = QStringLiteral("the icom family takes one or two addresses");
        return nullptr;
    }
    return std::make_unique<IcomEmulator>(options);
}

}  // namespace orbivox
