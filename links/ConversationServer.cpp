// The conversation server: listening without disturbing a running instance, the commands
// of the line protocol, advise loops, and the limits that keep a bad client from hurting
// the others.
#include "links/ConversationServer.h"

#include <QLocalSocket>
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "links/ConversationProtocol.h"
#include "links/FreedMemory.h"
#include "settings/RuntimeFolder.h"

namespace orbivox {
namespace {

// How long a running instance may take to accept before its socket counts as stale.
constexpr int kAnswerWaitMs = 500;

bool SomeoneAnswers(const QString& path) {
    QLocalSocket probe;
    probe.connectToServer(path);
    const bool answered = probe.waitForConnected(kAnswerWaitMs);
    probe.abort();
    return answered;
}

bool IsSocketFile(const QString& path) {
    std::error_code error;
    return std::filesystem::symlink_status(std::filesystem::path(path.toStdString()), error)
               .type() == std::filesystem::file_type::socket;
}

}  // namespace

ConversationServer::ConversationServer(QString service, QObject* parent)
    : QObject(parent), service_(std::move(service)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(&server_, &QLocalServer::newConnection, this, [this] { Accept(); });
    watch_.setInterval(kWatchInterval);
    QObject::connect(&watch_, &QTimer::timeout, this, [this] { Watch(); });
}

ConversationServer::~ConversationServer() {
    for (QLocalSocket* socket : clients_.keys()) {
        socket->disconnect(this);
        socket->abort();
        delete socket;
    }
    clients_.clear();
    server_.close();
}

ListenOutcome ConversationServer::Listen(const QString& runtimeFolder) {
    if (PreparePrivateFolder(runtimeFolder)) {
        return ListenOutcome::Failed;
    }
    const QString path = ServiceSocketPath(runtimeFolder, service_);
    // Binding would replace whatever has the name, so look first: a socket a running
    // program answers on stays its own, and only a socket is ours to remove; any other
    // file under that name is left for the operator to look at.
    std::error_code error;
    if (std::filesystem::symlink_status(std::filesystem::path(path.toStdString()), error).type() !=
        std::filesystem::file_type::not_found) {
        if (SomeoneAnswers(path)) {
            return ListenOutcome::OtherInstance;
        }
        if (!IsSocketFile(path) || !QLocalServer::removeServer(path)) {
            return ListenOutcome::Failed;
        }
    }
    if (!server_.listen(path)) {
        return ListenOutcome::Failed;
    }
    runtimeFolder_ = runtimeFolder;
    watch_.start();
    return ListenOutcome::Listening;
}

void ConversationServer::TellOnce(Told what, const QString& message) {
    if ((told_ & static_cast<int>(what)) != 0) {
        return;
    }
    told_ |= static_cast<int>(what);
    if (notice_) {
        notice_(message);
    }
}

void ConversationServer::Watch() {
    for (QLocalSocket* socket : clients_.keys()) {
        const auto found = clients_.constFind(socket);
        if (found != clients_.constEnd() && found->topic.isEmpty() &&
            found->connected.hasExpired(topicWait_.count())) {
            Drop(socket);
        }
    }
    if (server_.isListening()) {
        return;
    }
    const QString why = server_.errorString();
    TellOnce(Told::Stopped, QStringLiteral("The conversation server %1 stopped serving (%2); "
                                           "it listens again as soon as it can.")
                                .arg(service_, why));
    switch (Listen(runtimeFolder_)) {
        case ListenOutcome::Listening:
            TellOnce(Told::Resumed,
                     QStringLiteral("The conversation server %1 serves again.").arg(service_));
            break;
        case ListenOutcome::OtherInstance:
            watch_.stop();  // another program took the name meanwhile: it serves now
            break;
        case ListenOutcome::Failed:
            break;  // tried again at the next look
    }
}

void ConversationServer::AddItem(const QString& topic, const QString& item, const QString& text) {
    topics_[topic][item] = text;
}

QString ConversationServer::ItemText(const QString& topic, const QString& item) const {
    const auto t = topics_.find(topic);
    if (t == topics_.end()) {
        return {};
    }
    const auto i = t->second.find(item);
    return i == t->second.end() ? QString() : i->second;
}

void ConversationServer::PublishItem(const QString& topic, const QString& item,
                                     const QString& text) {
    topics_[topic][item] = text;
    const QByteArray line = FormatConversationLine(ConversationVerb::Data, item, text);
    // Sending may drop a client, so walk a copy of the list.
    for (QLocalSocket* socket : clients_.keys()) {
        const auto found = clients_.constFind(socket);
        if (found != clients_.constEnd() && found->topic == topic &&
            found->advised.contains(item)) {
            Write(socket, line);
        }
    }
    DropSlowestOverTotal();
}

void ConversationServer::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        socket->setParent(nullptr);
        if (clients_.size() >= clientLimit_) {
            socket->abort();
            delete socket;
            TellOnce(Told::Refused,
                     QStringLiteral("The conversation server %1 has %2 connections, as many as it "
                                    "serves: newer ones are refused.")
                         .arg(service_)
                         .arg(clientLimit_));
            continue;
        }
        Client client;
        client.connected.start();
        clients_.insert(socket, client);
        QObject::connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
        QObject::connect(socket, &QLocalSocket::disconnected, this,
                         [this, socket] { Drop(socket); });
        if (socket->bytesAvailable() > 0) {
            Read(socket);
        }
    }
}

void ConversationServer::Read(QLocalSocket* socket) {
    if (!clients_.contains(socket)) {
        return;
    }
    clients_[socket].input += socket->readAll();
    while (true) {
        auto found = clients_.find(socket);
        if (found == clients_.end()) {
            return;
        }
        bool overlong = false;
        const std::optional<QByteArray> line = TakeConversationLine(found->input, overlong);
        if (overlong) {
            Drop(socket);
        }
        if (!line) {
            return;
        }
        Handle(socket, *found, *line);
    }
}

void ConversationServer::Handle(QLocalSocket* socket, Client& client, const QByteArray& line) {
    const ConversationLine parsed = ParseConversationLine(line);
    auto error = [&](const QString& text) {
        Send(socket, FormatConversationLine(ConversationVerb::Error, {}, text));
    };
    switch (parsed.verb) {
        case ConversationVerb::BadText:
            error(QStringLiteral("line is not UTF-8"));
            return;
        case ConversationVerb::Unknown:
            error(QStringLiteral("unknown command ") + parsed.name);
            return;
        case ConversationVerb::Data:
        case ConversationVerb::Error:  // our words, not a client's
            error(QStringLiteral("unknown command ") +
                  QString::fromUtf8(line.left(line.indexOf(' '))));
            return;
        case ConversationVerb::Connect: {
            client.advised.clear();
            if (topics_.find(parsed.name) == topics_.end()) {
                client.topic.clear();
                error(QStringLiteral("unknown topic ") + parsed.name);
                return;
            }
            client.topic = parsed.name;
            if (topicOpened_) {
                topicOpened_(parsed.name);
            }
            return;
        }
        default:
            break;
    }
    if (client.topic.isEmpty()) {
        error(QStringLiteral("no topic: CONNECT first"));
        return;
    }
    // EXECUTE and POKE get no answer, as the protocol says; a program that takes macros
    // (a rotor server) gets the EXECUTE texts.
    if (parsed.verb == ConversationVerb::Execute) {
        if (executed_) {
            executed_(client.topic, parsed.text);
        }
        return;
    }
    if (parsed.verb == ConversationVerb::Poke) {
        return;
    }
    const auto& items = topics_.at(client.topic);
    const auto item = items.find(parsed.name);
    if (item == items.end()) {
        error(QStringLiteral("unknown item ") + parsed.name);
        return;
    }
    switch (parsed.verb) {
        case ConversationVerb::Request:
            Send(socket, FormatConversationLine(ConversationVerb::Data, item->first, item->second));
            return;
        case ConversationVerb::Advise:
            client.advised.insert(item->first);
            Send(socket, FormatConversationLine(ConversationVerb::Data, item->first, item->second));
            return;
        case ConversationVerb::Unadvise:
            client.advised.remove(item->first);
            return;
        default:
            return;
    }
}

bool ConversationServer::Send(QLocalSocket* socket, const QByteArray& bytes) {
    if (!Write(socket, bytes)) {
        return false;
    }
    DropSlowestOverTotal();
    return clients_.contains(socket);
}

bool ConversationServer::Write(QLocalSocket* socket, const QByteArray& bytes) {
    if (socket->bytesToWrite() + bytes.size() > pendingLimit_) {
        Drop(socket);
        return false;
    }
    socket->write(bytes);
    // Out at once, as far as the socket takes it without waiting: a client that sends its
    // request and closes its side still gets the answer.
    socket->flush();
    return true;
}

qint64 ConversationServer::PendingTotal() const {
    qint64 total = 0;
    for (auto it = clients_.constBegin(); it != clients_.constEnd(); ++it) {
        total += it.key()->bytesToWrite();
    }
    return total;
}

void ConversationServer::DropSlowestOverTotal() {
    while (PendingTotal() > totalPendingLimit_) {
        const auto keys = clients_.keys();
        QLocalSocket* const slowest = *std::max_element(
            keys.begin(), keys.end(), [](const QLocalSocket* a, const QLocalSocket* b) {
                return a->bytesToWrite() < b->bytesToWrite();
            });
        Drop(slowest);
    }
}

void ConversationServer::Drop(QLocalSocket* socket) {
    const auto found = clients_.constFind(socket);
    if (found == clients_.constEnd()) {
        return;
    }
    const QString topic = found->topic;
    const qint64 unsent = socket->bytesToWrite();
    clients_.remove(socket);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
    ReturnMemoryAfter(socket, unsent);
    if (!topic.isEmpty() && conversationClosed_) {
        conversationClosed_(topic);
    }
}

void ConversationServer::ReturnMemoryAfter(QLocalSocket* socket, qint64 unsent) {
    freedUnsent_ += unsent;
    if (freedUnsent_ < kFreedUnsentReturn) {
        return;
    }
    freedUnsent_ = 0;
    // The buffers go with the socket, after its destroyed signal: hand back on the next
    // pass of the event loop, once for all clients dropped meanwhile.
    QObject::connect(socket, &QObject::destroyed, this, [this] {
        if (returnQueued_) {
            return;
        }
        returnQueued_ = true;
        QTimer::singleShot(0, this, [this] {
            returnQueued_ = false;
            returnMemory_ ? returnMemory_() : ReturnFreedMemory();
        });
    });
}

}  // namespace orbivox
