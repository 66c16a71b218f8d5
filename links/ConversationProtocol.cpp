// Escaping, parsing and forming the conversation lines.
#include "links/ConversationProtocol.h"

#include <QDir>
#include <QStringDecoder>
#include <array>
#include <utility>

namespace orbivox {
namespace {

struct VerbName {
    ConversationVerb verb;
    const char* name;
    bool hasName;  // the word after the verb is a topic or item name
    bool hasText;  // then the rest of the line is a payload
};

constexpr std::array<VerbName, 8> kVerbs = {{
    {ConversationVerb::Connect, "CONNECT", true, false},
    {ConversationVerb::Execute, "EXECUTE", false, true},
    {ConversationVerb::Poke, "POKE", true, true},
    {ConversationVerb::Request, "REQUEST", true, false},
    {ConversationVerb::Advise, "ADVISE", true, false},
    {ConversationVerb::Unadvise, "UNADVISE", true, false},
    {ConversationVerb::Data, "DATA", true, true},
    {ConversationVerb::Error, "ERROR", false, true},
}};

}  // namespace

QString EscapePayload(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == QLatin1Char('\\')) {
            out += QStringLiteral("\\\\");
        } else if (c == QLatin1Char('\n')) {
            out += QStringLiteral("\\n");
        } else {
            out += c;
        }
    }
    return out;
}

QString UnescapePayload(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar next = text[i + 1];
            if (next == QLatin1Char('\\')) {
                out += QLatin1Char('\\');
                ++i;
                continue;
            }
            if (next == QLatin1Char('n')) {
                out += QLatin1Char('\n');
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::optional<QByteArray> TakeConversationLine(QByteArray& input, bool& overlong) {
    const qsizetype end = input.indexOf('\n');
    overlong = (end < 0 ? input.size() : end) > kMaxConversationLine;
    if (end < 0 || overlong) {
        return std::nullopt;
    }
    QByteArray line = input.left(end);
    input.remove(0, end + 1);
    return line;
}

ConversationLine ParseConversationLine(QByteArray line) {
    if (line.endsWith('\r')) {
        line.chop(1);
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(line);
    if (decoder.hasError()) {
        return {ConversationVerb::BadText, {}, {}};
    }
    const qsizetype space = text.indexOf(QLatin1Char(' '));
    const QString verbWord = space < 0 ? text : text.left(space);
    const QString rest = space < 0 ? QString() : text.mid(space + 1);
    for (const VerbName& verb : kVerbs) {
        if (verbWord != QLatin1String(verb.name)) {
            continue;
        }
        if (verb.hasName && verb.hasText) {
            const qsizetype gap = rest.indexOf(QLatin1Char(' '));
            if (gap < 0) {
                return {verb.verb, rest, {}};
            }
            return {verb.verb, rest.left(gap), UnescapePayload(rest.mid(gap + 1))};
        }
        if (verb.hasName) {
            return {verb.verb, rest, {}};
        }
        return {verb.verb, {}, UnescapePayload(rest)};
    }
    return {ConversationVerb::Unknown, verbWord, {}};
}

QByteArray FormatConversationLine(ConversationVerb verb, const QString& name, const QString& text) {
    for (const VerbName& v : kVerbs) {
        if (v.verb != verb) {
            continue;
        }
        QString line = QLatin1String(v.name);
        if (v.hasName) {
            line += QLatin1Char(' ') + name;
        }
        if (v.hasText) {
            line += QLatin1Char(' ') + EscapePayload(text);
        }
        return line.toUtf8() + '\n';
    }
    return {};
}

QString ServiceSocketPath(const QString& runtimeFolder, const QString& service) {
    return QDir(runtimeFolder).filePath(service.toLower());
}

}  // namespace orbivox
