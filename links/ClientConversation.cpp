// Opening, reopening and writing without ever waiting on the other program.
#include "links/ClientConversation.h"

#include <QLocalSocket>

#include "links/ConversationProtocol.h"
#include "settings/RuntimeFolder.h"

namespace orbivox {

ClientConversation::ClientConversation(ClientOpening opening, QString runtimeFolder)
    : opening_(opening), runtimeFolder_(std::move(runtimeFolder)) {}

ClientConversation::~ClientConversation() {
    CloseLink();
}

void ClientConversation::SetLink(const QString& service, const QString& topic) {
    service_ = service;
    topic_ = topic;
    if (opening_ == ClientOpening::WhenLinked) {
        CloseLink();
        OpenLink();
    }
}

bool ClientConversation::IsOpen() const {
    return socket_ && socket_->state() == QLocalSocket::ConnectedState;
}

qint64 ClientConversation::Pending() const {
    return socket_ ? socket_->bytesToWrite() : 0;
}

bool ClientConversation::OpenLink() {
    if (IsOpen()) {
        return true;
    }
    CloseLink();
    if (service_.isEmpty()) {
        return false;
    }
    // A socket in a folder someone else controls may be anyone's: our positions and macros
    // are not theirs to have.
    if (const auto problem = PrivateFolderProblem(runtimeFolder_)) {
        if (!refusalTold_ && refusalNotice_) {
            refusalNotice_(*problem);
        }
        refusalTold_ = true;
        return false;
    }
    socket_ = std::make_unique<QLocalSocket>();
    // Answers (an ERROR for a topic the server does not know) are not examined; reading
    // them keeps the server from holding them for us.
    QLocalSocket* socket = socket_.get();
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket] { socket->readAll(); });
    // A local socket connects at once or fails at once; a server too busy to accept
    // counts as absent this time.
    socket_->connectToServer(ServiceSocketPath(runtimeFolder_, service_));
    if (!IsOpen()) {
        CloseLink();
        return false;
    }
    socket_->write(FormatConversationLine(ConversationVerb::Connect, topic_));
    return true;
}

void ClientConversation::CloseLink() {
    if (!socket_) {
        return;
    }
    socket_->disconnect();
    if (socket_->state() == QLocalSocket::ConnectedState) {
        socket_->flush();
    }
    socket_->abort();
    socket_.reset();
}

void ClientConversation::ExecuteMacro(const QString& text) {
    Send(FormatConversationLine(ConversationVerb::Execute, {}, text));
}

void ClientConversation::Poke(const QString& item, const QString& text) {
    Send(FormatConversationLine(ConversationVerb::Poke, item, text));
}

void ClientConversation::Send(const QByteArray& line) {
    if (!IsOpen()) {
        // The server started late or went away: the rotor and CAT links try again now.
        if (opening_ != ClientOpening::WhenLinked || !OpenLink()) {
            return;
        }
    }
    if (socket_->bytesToWrite() + line.size() > kPendingLimit) {
        return;
    }
    socket_->write(line);
    socket_->flush();
}

}  // namespace orbivox
