// orbivox dde: a small client of the conversation protocol, for scripts and for checking a
// server by hand: request an item once, follow it, or send an execute or a poke.
#include <QLocalSocket>
#include <limits>

#include "app/cli/Commands.h"
#include "app/cli/OrbitArguments.h"
#include "links/ConversationProtocol.h"
#include "settings/Notifier.h"
#include "settings/RuntimeFolder.h"

namespace orbivox::cli {
namespace {

constexpr int kConnectWaitMs = 2000;
constexpr int kAnswerWaitMs = 5000;

// One payload per output line: a payload that ends in a line feed already ends its line.
void PrintPayload(const QString& text, std::ostream& out) {
    const QByteArray bytes = text.toUtf8();
    out << bytes.toStdString();
    if (!bytes.endsWith('\n')) {
        out << '\n';
    }
    out.flush();
}

// Reads lines until one for `item` (or an error) comes; false when the server went away.
enum class Answer { Data, Error, Gone };
Answer NextAnswer(QLocalSocket& socket, const QString& item, int waitMs, QString& text) {
    while (true) {
        while (!socket.canReadLine()) {
            if (socket.bytesAvailable() > kMaxConversationLine ||
                !socket.waitForReadyRead(waitMs)) {
                return Answer::Gone;
            }
        }
        QByteArray line = socket.readLine();
        line.chop(1);
        const ConversationLine parsed = ParseConversationLine(line);
        if (parsed.verb == ConversationVerb::Error) {
            text = parsed.text;
            return Answer::Error;
        }
        if (parsed.verb == ConversationVerb::Data && parsed.name == item) {
            text = parsed.text;
            return Answer::Data;
        }
    }
}

}  // namespace

const char* const kDdeUsage =
    "usage: orbivox dde request SERVICE TOPIC ITEM\n"
    "       orbivox dde advise SERVICE TOPIC ITEM [--count N]\n"
    "       orbivox dde execute SERVICE TOPIC TEXT\n"
    "       orbivox dde poke SERVICE TOPIC ITEM TEXT\n";

const char* const kDdeHelp =
    "A client of the conversation protocol the programs publish their tracking data on.\n"
    "  request     print the item's text once\n"
    "  advise      print the item's text and every update, one line each\n"
    "  --count N   advise: stop after N texts (default: until the server goes away)\n"
    "  execute     send TEXT to the topic and end\n"
    "  poke        send TEXT to the item and end\n"
    "Example: orbivox dde advise Orbivox32 OrbivoxDdeConv OrbivoxDdeItem --count 2\n";

int RunDde(const Arguments& args, std::ostream& out, std::ostream& err) {
    const std::string verb = args.empty() ? std::string() : args[0];
    long count = -1;  // advise: until the server goes away
    size_t wanted = 0;
    if (verb == "request") {
        wanted = 4;
    } else if (verb == "advise") {
        wanted = 4;
        if (args.size() == 6 && args[4] == "--count") {
            const std::optional<long> parsed =
                cli::ParseWholeNumber(args[5], 1, std::numeric_limits<long>::max());
            if (!parsed) {
                err << "orbivox dde: --count needs a positive whole number\n";
                return 2;
            }
            count = *parsed;
            wanted = 6;
        }
    } else if (verb == "execute") {
        wanted = 4;
    } else if (verb == "poke") {
        wanted = 5;
    }
    if (wanted == 0 || args.size() != wanted) {
        err << kDdeUsage;
        return 2;
    }
    const QString service = QString::fromStdString(args[1]);
    const QString topic = QString::fromStdString(args[2]);
    const QString third = QString::fromStdString(args[3]);

    const QString runtimeFolder = UserRuntimeFolder();
    // Whoever controls the folder could answer in our server's name.
    if (const auto problem = PrivateFolderProblem(runtimeFolder)) {
        err << "orbivox dde: " << DisplayLines(*problem).toStdString() << '\n';
        return 1;
    }
    QLocalSocket socket;
    socket.connectToServer(ServiceSocketPath(runtimeFolder, service));
    if (!socket.waitForConnected(kConnectWaitMs)) {
        err << "orbivox dde: no server answers for " << args[1] << '\n';
        return 1;
    }
    QByteArray lines = FormatConversationLine(ConversationVerb::Connect, topic);
    if (verb == "execute") {
        lines += FormatConversationLine(ConversationVerb::Execute, {}, third);
    } else if (verb == "poke") {
        lines +=
            FormatConversationLine(ConversationVerb::Poke, third, QString::fromStdString(args[4]));
    } else {
        lines += FormatConversationLine(
            verb == "request" ? ConversationVerb::Request : ConversationVerb::Advise, third);
    }
    socket.write(lines);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(kAnswerWaitMs)) {
            err << "orbivox dde: the server of " << args[1] << " stopped answering\n";
            return 1;
        }
    }
    if (verb == "execute" || verb == "poke") {
        // No answer comes to these; a server that refused the topic says so at once.
        QString text;
        if (NextAnswer(socket, third, 200, text) == Answer::Error) {
            err << "orbivox dde: " << text.toStdString() << '\n';
            return 1;
        }
        return 0;
    }
    for (long received = 0; count < 0 || received < count; ++received) {
        QString text;
        // The first answer comes at once; advised updates as often as the server publishes.
        const int wait = verb == "advise" && received > 0 ? -1 : kAnswerWaitMs;
        switch (NextAnswer(socket, third, wait, text)) {
            case Answer::Data:
                PrintPayload(text, out);
                break;
            case Answer::Error:
                err << "orbivox dde: " << text.toStdString() << '\n';
                return 1;
            case Answer::Gone:
                err << "orbivox dde: the server of " << args[1] << " went away\n";
                return 1;
        }
        if (verb == "request") {
            break;
        }
    }
    return 0;
}

}  // namespace orbivox::cli
