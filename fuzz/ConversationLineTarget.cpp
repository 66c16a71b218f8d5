// One line from a conversation peer: parsed as the server parses it; the payload escaping
// must give back any text it was handed.
#include <cstdlib>

#include "fuzz/FuzzTargets.h"
#include "links/ConversationProtocol.h"

namespace orbivox::fuzz {

void FuzzConversationLine(const std::uint8_t* data, std::size_t size) {
    const QByteArray line(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ConversationLine parsed = ParseConversationLine(line);
    const QString text = QString::fromUtf8(line);
    if (UnescapePayload(EscapePayload(text)) != text) {
        std::abort();
    }
    if (parsed.verb != ConversationVerb::BadText && parsed.verb != ConversationVerb::Unknown) {
        const QByteArray formatted = FormatConversationLine(parsed.verb, parsed.name, parsed.text);
        (void)ParseConversationLine(formatted.chopped(1));
    }
}

}  // namespace orbivox::fuzz
