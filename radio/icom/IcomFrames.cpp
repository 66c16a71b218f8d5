// CI-V frames.
#include "radio/icom/IcomFrames.h"

#include "radio/FrequencyDigits.h"

namespace orbivox {
namespace {

constexpr char kPreamble = '\xFE', kEnd = '\xFD', kCollision = '\xFC';

}  // namespace

QByteArray IcomFrame(int address, const QByteArray& body) {
    return QByteArray(2, kPreamble) + char(address) + kControllerAddress + body + kEnd;
}

std::optional<IcomFrequency> EncodeIcomFrequency(double kHz) {
    const QString digits = ZeroPadded(FrequencyUnits(kHz, 1), 10);
    if (digits.size() > 10 || kHz < 0) {
        return std::nullopt;
    }
    QByteArray bytes;
    for (int pair = 8; pair >= 0; pair -= 2) {
        bytes += static_cast<char>(digits.mid(pair, 2).toInt(nullptr, 16));
    }
    return IcomFrequency{bytes, digits.left(7) + '.' + digits.mid(7)};
}

QString IcomFrequencyText(const QByteArray& fiveBytes) {
    if (fiveBytes.size() != 5) {
        return {};
    }
    QString digits;
    for (int i = 4; i >= 0; --i) {
        const auto byte = static_cast<unsigned char>(fiveBytes[i]);
        if ((byte >> 4) > 9 || (byte & 0x0F) > 9) {
            return {};
        }
        digits += QChar('0' + (byte >> 4));
        digits += QChar('0' + (byte & 0x0F));
    }
    return digits.left(7) + '.' + digits.mid(7);
}

QList<IcomFrameSeen> SplitIcomFrames(const QByteArray& bytes) {
    QList<IcomFrameSeen> frames;
    qsizetype at = 0;
    while ((at = bytes.indexOf(QByteArray(2, kPreamble), at)) >= 0) {
        qsizetype start = at + 2;
        while (start < bytes.size() && bytes[start] == kPreamble) {
            ++start;  // a longer preamble
        }
        const qsizetype end = bytes.indexOf(kEnd, start);
        if (end < 0) {
            break;  // cut off: the rest has not arrived
        }
        // A frame another preamble starts inside was cut by a collision: go on from there.
        const qsizetype nested = bytes.indexOf(QByteArray(2, kPreamble), start);
        if (nested >= 0 && nested < end) {
            at = nested;
            continue;
        }
        const QByteArray inner = bytes.mid(start, end - start);
        at = end + 1;
        if (inner.size() < 3 || inner.contains(kCollision)) {
            continue;
        }
        frames.append({static_cast<unsigned char>(inner[0]), static_cast<unsigned char>(inner[1]),
                       inner.mid(2)});
    }
    return frames;
}

QString IcomFrequencyAnswer(const QByteArray& bytes, int radio) {
    for (const IcomFrameSeen& frame : SplitIcomFrames(bytes)) {
        if (frame.to == kControllerAddress && frame.from == radio && frame.body.size() == 6 &&
            frame.body[0] == '\x03') {
            const QString text = IcomFrequencyText(frame.body.mid(1));
            if (!text.isEmpty()) {
                return text;
            }
        }
    }
    return {};
}

std::optional<QByteArray> IcomModeBytes(const QString& mode, IcomModeClass modelClass,
                                        bool uplink) {
    const bool satellite = modelClass == IcomModeClass::Satellite;
    if (mode == "LSB")
        return QByteArray(1, '\x00');
    if (mode == "USB")
        return QByteArray(1, '\x01');
    if (mode == "CW")
        return satellite ? QByteArray("\x03\x01", 2) : QByteArray(1, '\x03');
    if (mode == "CWN")
        return satellite ? QByteArray("\x03\x02", 2) : QByteArray(1, '\x03');
    if (mode == "FM")
        return satellite ? QByteArray("\x05\x01", 2) : QByteArray(1, '\x05');
    if (mode == "FMN")
        return satellite ? QByteArray("\x05\x02", 2) : QByteArray(1, '\x05');
    if (mode == "FMD" && satellite) {
        return uplink ? QByteArray(1, '\x05') : QByteArray("\x05\x01", 2);
    }
    if (mode == "DV")
        return QByteArray(1, '\x17');
    return std::nullopt;
}

}  // namespace orbivox
