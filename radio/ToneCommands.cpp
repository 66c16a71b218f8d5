// The tone commands and the tone switch.
#include "radio/ToneCommands.h"

#include <QDebug>
#include <algorithm>
#include <cmath>

namespace orbivox {

std::nullopt_t RefuseTone(const ToneEntry& entry, const QString& what, QString* refusal) {
    if (refusal != nullptr) {
        *refusal = QStringLiteral("Tone of %1 not sent: %2").arg(entry.satelliteName, what);
    }
    return std::nullopt;
}

bool ToneHertzInRange(const ToneEntry& entry, QString* refusal) {
    if (entry.toneHz >= kLowestToneHz && entry.toneHz <= kHighestToneHz) {
        return true;
    }
    RefuseTone(entry,
               QStringLiteral("%1 Hz is outside %2-%3 Hz")
                   .arg(entry.toneHz)
                   .arg(kLowestToneHz)
                   .arg(kHighestToneHz),
               refusal);
    return false;
}

QByteArray PackedToneTenths(double toneHz) {
    const int tenths = static_cast<int>(std::lround(toneHz * 10.0));
    QByteArray bytes(2, '\0');
    bytes[0] = static_cast<char>(((tenths / 1000) << 4) | (tenths / 100 % 10));
    bytes[1] = static_cast<char>(((tenths / 10 % 10) << 4) | (tenths % 10));
    return bytes;
}

std::optional<int> TonePlace(const QList<int>& tenths, const ToneEntry& entry, const QString& radio,
                             QString* refusal) {
    const int tone = static_cast<int>(std::lround(entry.toneHz * 10));
    const int place = static_cast<int>(tenths.indexOf(tone));
    if (place < 0) {
        return RefuseTone(
            entry, QStringLiteral("the %1 has no %2 Hz tone").arg(radio).arg(entry.toneHz), refusal);
    }
    return place;
}

ToneSwitch::ToneSwitch(QList<ToneEntry> table) : table_(std::move(table)) {}

void ToneSwitch::SetRadio(const RadioCommandSet* radio,
                          std::function<void(const QList<QByteArray>&)> send) {
    radio_ = radio;
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
    if (state_ == 0 && send_ && radio_ != nullptr) {
        const QList<QByteArray> more = radio_->ToneClickedOffCommands();
        if (!more.isEmpty()) {
            send_(more);
        }
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

void ToneSwitch::SwitchOff() {
    state_ = 0;
    Apply();
}

void ToneSwitch::Apply() {
    const bool on = state_ > 0 && state_ <= Tones();
    const ToneEntry entry = on ? entries_[state_ - 1] : ToneEntry{satellite_, 0, 0, 0};
    QString refusal;
    const auto commands = radio_ != nullptr ? radio_->ToneCommands(on, entry, &refusal)
                                            : std::optional<QList<QByteArray>>(QList<QByteArray>{});
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
