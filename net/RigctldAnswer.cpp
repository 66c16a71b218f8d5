// Reading rigctld's and rotctld's extended answers.
#include "net/RigctldAnswer.h"

namespace orbivox {

std::optional<QString> RigctldAnswer::Value(const QString& name) const {
    const QString prefix = name + QStringLiteral(": ");
    for (const QString& line : lines) {
        if (line.startsWith(prefix)) {
            return line.mid(prefix.size()).trimmed();
        }
    }
    return std::nullopt;
}

std::optional<qlonglong> RigctldAnswer::Hertz(const QString& name) const {
    const std::optional<QString> value = Value(name);
    bool ok = false;
    const qlonglong hertz = value ? value->toLongLong(&ok) : 0;
    return ok ? std::optional(hertz) : std::nullopt;
}

RigctldAnswerReader::State RigctldAnswerReader::Take(const QByteArray& bytes) {
    if (state_ != State::Waiting) {
        return state_;
    }
    for (const char c : bytes) {
        if (++taken_ > kMaxBytes) {
            return state_ = State::TooLong;
        }
        if (c != '\n') {
            line_ += c;
            continue;
        }
        const QString line = QString::fromLatin1(line_).trimmed();
        line_.clear();
        if (line.startsWith(QLatin1String("RPRT"))) {
            bool ok = false;
            answer_.report = line.mid(4).trimmed().toInt(&ok);
            if (!ok) {
                answer_.report = -1;
            }
            reportLine_ = line;
            return state_ = State::Complete;
        }
        if (line.isEmpty()) {
            continue;
        }
        answer_.lines << line;
        if (line.startsWith(QLatin1String("ChkVFO:"))) {
            reportLine_ = line;
            return state_ = State::Complete;
        }
    }
    return state_;
}

std::optional<RigctldAnswer> ReadRigctldAnswer(const QByteArray& bytes) {
    RigctldAnswerReader reader;
    if (reader.Take(bytes) != RigctldAnswerReader::State::Complete) {
        return std::nullopt;
    }
    return reader.Answer();
}

bool RigctldAnswerEnded(const QByteArray& bytes) {
    RigctldAnswerReader reader;
    return reader.Take(bytes) != RigctldAnswerReader::State::Waiting;
}

}  // namespace orbivox
