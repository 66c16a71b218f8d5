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

std::optional<RigctldAnswer> TakeRigctldAnswer(QByteArray& buffer) {
    RigctldAnswer answer;
    qsizetype start = 0;
    while (true) {
        const qsizetype end = buffer.indexOf('\n', start);
        if (end < 0) {
            return std::nullopt;
        }
        const QString line = QString::fromLatin1(buffer.mid(start, end - start)).trimmed();
        start = end + 1;
        if (line.startsWith(QLatin1String("RPRT"))) {
            bool ok = false;
            answer.report = line.mid(4).trimmed().toInt(&ok);
            if (!ok) {
                answer.report = -1;
            }
            break;
        }
        if (line.startsWith(QLatin1String("ChkVFO:"))) {
            answer.lines << line;
            break;
        }
        if (!line.isEmpty()) {
            answer.lines << line;
        }
    }
    buffer.remove(0, start);
    return answer;
}

bool HoldsRigctldAnswer(const QByteArray& buffer) {
    QByteArray copy = buffer;
    return TakeRigctldAnswer(copy).has_value();
}

}  // namespace orbivox
