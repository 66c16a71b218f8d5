// The tone commands and the tone switch.
#include "radio/ToneCommands.h"

#include <QDebug>
#include <algorithm>
#include <cmath>

namespace orbivox {
namespace {

// tone x 10 as four digits, cut into two packed-digit bytes: 88.5 Hz gives 08 85.
QByteArray PackedTone(double toneHz) {
    const int tenths = static_cast<int>(std::lround(toneHz * 10.0));
    QByteArray bytes(2, '\0');
    bytes[0] = static_cast<char>(((tenths / 1000) << 4) | (tenths / 100 % 10));
    bytes[1] = static_cast<char>(((tenths / 10 % 10) << 4) | (tenths % 10));
    return bytes;
}

QByteArray Icom(int address, const QByteArray& body) {
    return QByteArray("\xFE\xFE", 2) + char(address) + '\0' + body + '\xFD';
}

QByteArray Block(const QByteArray& fourBytes, char opcode) {
    return fourBytes + opcode;
}

bool ToneInRange(double toneHz) {
    return toneHz >= kLowestToneHz && toneHz <= kHighestToneHz;
}

}  // namespace

std::optional<QList<QByteArray>> ToneCommands(const ToneTarget& target, bool on,
                                              const ToneEntry& entry, QString* refusal) {
    const auto refuse = [&](const QString& what) -> std::optional<QList<QByteArray>> {
        if (refusal != nullptr) {
            *refusal = QStringLiteral("Tone of %1 not sent: %2").arg(entry.satelliteName, what);
        }
        return std::nullopt;
    };
    const auto hzValue = [&]() -> bool { return ToneInRange(entry.toneHz); };
    const QString hzRefusal = QStringLiteral("%1 Hz is outside %2-%3 Hz")
                                  .arg(entry.toneHz)
                                  .arg(kLowestToneHz)
                                  .arg(kHighestToneHz);
    const QString& model = target.model;
    switch (target.family) {
        case RadioFamily::Icom:
            if (!on) {
                return QList<QByteArray>{Icom(target.icomAddress, QByteArray("\x16\x42\x00", 3))};
            }
            if (!hzValue()) {
                return refuse(hzRefusal);
            }
            return QList<QByteArray>{
                Icom(target.icomAddress, QByteArray("\x1B\x00", 2) + PackedTone(entry.toneHz)),
                Icom(target.icomAddress, QByteArray("\x16\x42\x01", 3))};
        case RadioFamily::Kenwood:
            if (!on) {
                return QList<QByteArray>{"TO0;"};
            }
            // Kenwood's tone numbers run from 01 to 42.
            if (entry.code2 < 1 || entry.code2 > 42) {
                return refuse(QStringLiteral("tone number %1 is outside 1-42").arg(entry.code2));
            }
            return QList<QByteArray>{
                QStringLiteral("TN%1;").arg(entry.code2, 2, 10, QChar('0')).toLatin1(), "TO1;"};
        case RadioFamily::YaesuII: {
            if (!on) {
                return QList<QByteArray>{"CT00;"};
            }
            // The FT-991's tone numbers run from 000 to 049; the table's 1 stands for 000.
            if (entry.code2 < 0 || entry.code2 > 49) {
                return refuse(QStringLiteral("tone number %1 is outside 0-49").arg(entry.code2));
            }
            const int number = entry.code2 == 1 ? 0 : entry.code2;
            return QList<QByteArray>{
                QStringLiteral("CN00%1;").arg(number, 3, 10, QChar('0')).toLatin1(), "CT02;"};
        }
        case RadioFamily::Yaesu: {
            const bool oneVfo = model == "FT-817" || model == "FT-857" || model == "FT-897";
            if (oneVfo) {
                if (!on) {
                    return QList<QByteArray>{QByteArray("\x8A\x00\x00\x00\x0A", 5)};
                }
                if (!hzValue()) {
                    return refuse(hzRefusal);
                }
                const QByteArray packed = PackedTone(entry.toneHz);
                return QList<QByteArray>{Block(packed + packed, '\x0B'),
                                         QByteArray("\x4A\x00\x00\x00\x0A", 5)};
            }
            const bool ft847 = model == "FT-847";
            if (!on) {
                return QList<QByteArray>{ft847 ? QByteArray("\x8A\x00\x00\x00\x2A", 5)
                                               : QByteArray("\x00\x00\x00\x00\x8A", 5)};
            }
            if (entry.code1 < 0 || entry.code1 > 0xFF) {
                return refuse(QStringLiteral("tone code %1 is outside 0-255").arg(entry.code1));
            }
            const QByteArray code = char(entry.code1) + QByteArray(3, '\0');
            return QList<QByteArray>{Block(code, ft847 ? '\x2B' : '\xFA'),
                                     ft847 ? QByteArray("\x4A\x00\x00\x00\x2A", 5)
                                           : QByteArray("\x00\x00\x00\x00\x4A", 5)};
        }
        case RadioFamily::None:
            break;
    }
    return QList<QByteArray>{};
}

ToneSwitch::ToneSwitch(QList<ToneEntry> table) : table_(std::move(table)) {}

void ToneSwitch::SetRadio(ToneTarget target, std::function<void(const QList<QByteArray>&)> send) {
    target_ = std::move(target);
    send_ = std::move(send);
}

void ToneSwitch::SatelliteChanged(const QString& satelliteName) {
    satellite_ = satelliteName;
    entries_.clear();
    for (qsizetype i = 0; i < table_.size(); ++i) {
        if (table_[i].satelliteName != satelliteName) {
            continue;
        }
        entries_.append(table_[i]);
        // A second tone is the line right after the first.
        if (i + 1 < table_.size() && table_[i + 1].satelliteName == satelliteName) {
            entries_.append(table_[i + 1]);
        }
        break;
    }
    if (entries_.isEmpty()) {
        state_ = 0;
    } else {
        state_ = std::clamp(state_, 1, Tones());
    }
    Apply();
}

void ToneSwitch::Click() {
    state_ = state_ >= Tones() ? 0 : state_ + 1;
    Apply();
    if (state_ == 0 && send_ && target_.family == RadioFamily::Kenwood &&
        target_.model == "TS-2000") {
        send_({"TN39;"});
    }
}

void ToneSwitch::Reset() {
    state_ = Tones();  // the next step is 0
    Click();
}

void ToneSwitch::FirstUplink() {
    if (entries_.isEmpty()) {
        state_ = 0;
        return;
    }
    state_ = 1;
    Apply();
}

void ToneSwitch::Apply() {
    const bool on = state_ > 0 && state_ <= Tones();
    const ToneEntry entry = on ? entries_[state_ - 1] : ToneEntry{satellite_, 0, 0, 0};
    QString refusal;
    const auto commands = ToneCommands(target_, on, entry, &refusal);
    if (!commands) {
        const QString key = QStringLiteral("%1/%2").arg(satellite_).arg(state_);
        if (!refusedOnce_.contains(key)) {
            refusedOnce_.append(key);
            qWarning().noquote() << refusal;
            if (onRefused) {
                onRefused(refusal);
            }
        }
        return;
    }
    if (send_ && !commands->isEmpty()) {
        send_(*commands);
    }
}

}  // namespace orbivox
