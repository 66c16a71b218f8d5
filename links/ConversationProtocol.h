#pragma once
// The line protocol other programs use to talk to us and we to them over a local socket:
// one command per LF-ended UTF-8 line; payloads escape "\" and LF so any text fits on one
// line. docs/conversations.md is its public description.
#include <QByteArray>
#include <QString>
#include <optional>

namespace orbivox {

// A line longer than this (without its LF) ends the connection that sent it.
inline constexpr qsizetype kMaxConversationLine = 64 * 1024;

// "\" becomes "\\" and a line feed "\n".
QString EscapePayload(const QString& text);
// The reverse; a "\" before any other character, or at the end, is kept as it stands.
QString UnescapePayload(const QString& text);

enum class ConversationVerb {
    Connect,   // CONNECT <topic>
    Execute,   // EXECUTE <text>
    Poke,      // POKE <item> <text>
    Request,   // REQUEST <item>
    Advise,    // ADVISE <item>
    Unadvise,  // UNADVISE <item>
    Data,      // DATA <item> <text>
    Error,     // ERROR <text>
    Unknown,   // a verb of none of these; name holds it
    BadText,   // not UTF-8
};

struct ConversationLine {
    ConversationVerb verb = ConversationVerb::Unknown;
    QString name;  // topic or item, or the unknown verb
    QString text;  // the payload, unescaped
};

// Cutting what a peer sent into lines: the next whole line off the front of `input` (without
// its LF), or nothing while the line is still coming. A line longer than kMaxConversationLine,
// whole or still coming, sets `overlong` and gives nothing: the peer is to be dropped.
std::optional<QByteArray> TakeConversationLine(QByteArray& input, bool& overlong);

// `line` without its LF; a CR before the LF is dropped.
ConversationLine ParseConversationLine(QByteArray line);
// The line for `verb` with its LF; the text is escaped.
QByteArray FormatConversationLine(ConversationVerb verb, const QString& name,
                                  const QString& text = {});

// The socket of `service` in the user's runtime folder: its name in lower case, since
// service names are not case-sensitive.
QString ServiceSocketPath(const QString& runtimeFolder, const QString& service);

}  // namespace orbivox
