#pragma once
// Our side of the conversations other programs open with us: a local socket named after
// the service, with topics holding text items that clients request or advise. Whatever a
// client sends, the server answers, ignores or disconnects it; it never blocks on a client
// and never lets one client hold up the others.
#include <QHash>
#include <QLocalServer>
#include <QObject>
#include <QSet>
#include <QString>
#include <functional>
#include <map>
#include <optional>

class QLocalSocket;

namespace orbivox {

// Where item texts go. The data items write through it; the server is the real one.
class ItemSink {
public:
    virtual ~ItemSink() = default;
    virtual void PublishItem(const QString& topic, const QString& item, const QString& text) = 0;
};

enum class ListenOutcome {
    Listening,
    OtherInstance,  // a running program serves this name; we stay silent
    Failed,         // the folder or the socket could not be used
};

class ConversationServer : public QObject, public ItemSink {
public:
    // What a client may have waiting to be written before it is dropped: one that advises
    // and never reads would otherwise grow our memory without end.
    static constexpr qint64 kDefaultPendingLimit = 1024 * 1024;

    explicit ConversationServer(QString service, QObject* parent = nullptr);
    ~ConversationServer() override;

    // Listens on the service's socket in `runtimeFolder` (made private when missing). A
    // socket a running instance answers on is left alone; one nobody answers on is the
    // remains of a crashed run and is replaced.
    ListenOutcome Listen(const QString& runtimeFolder);
    bool IsListening() const { return server_.isListening(); }
    QString SocketPath() const { return server_.fullServerName(); }

    void AddItem(const QString& topic, const QString& item, const QString& text = {});
    // Replaces the item's text; every client advising it receives it, changed or not.
    void PublishItem(const QString& topic, const QString& item, const QString& text) override;
    QString ItemText(const QString& topic, const QString& item) const;

    // Called when a client opens a conversation on a topic.
    void SetTopicOpened(std::function<void(const QString& topic)> callback) {
        topicOpened_ = std::move(callback);
    }
    // Called with the text of every EXECUTE a client on one of our topics sends (the rotor
    // server programs take their macros here); without it EXECUTE is ignored.
    void SetExecuted(std::function<void(const QString& topic, const QString& text)> callback) {
        executed_ = std::move(callback);
    }
    // Called when a client that had opened a topic goes away.
    void SetConversationClosed(std::function<void(const QString& topic)> callback) {
        conversationClosed_ = std::move(callback);
    }
    void SetPendingLimit(qint64 bytes) { pendingLimit_ = bytes; }
    int ClientCount() const { return static_cast<int>(clients_.size()); }

private:
    struct Client {
        QString topic;  // empty until CONNECT named a topic of ours
        QSet<QString> advised;
        QByteArray input;
    };

    void Accept();
    void Read(QLocalSocket* socket);
    void Handle(QLocalSocket* socket, Client& client, const QByteArray& line);
    // False when the client was dropped for a full buffer.
    bool Send(QLocalSocket* socket, const QByteArray& bytes);
    void Drop(QLocalSocket* socket);

    QString service_;
    QLocalServer server_;
    std::map<QString, std::map<QString, QString>> topics_;  // topic -> item -> text
    QHash<QLocalSocket*, Client> clients_;
    std::function<void(const QString&)> topicOpened_;
    std::function<void(const QString&, const QString&)> executed_;
    std::function<void(const QString&)> conversationClosed_;
    qint64 pendingLimit_ = kDefaultPendingLimit;
};

}  // namespace orbivox
