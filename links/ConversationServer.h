#pragma once
// Our side of the conversations other programs open with us: a local socket named after
// the service, with topics holding text items that clients request or advise. Whatever a
// client sends, the server answers, ignores or disconnects it; it never blocks on a client
// and never lets one client hold up the others.
//
// Nor can many clients stop it: connections beyond a limit are refused (the newest), one
// that has not opened a topic after a while is closed, and should the socket stop serving
// (accepting fails when the process runs out of file descriptors, and the socket file goes
// with it) the server listens again as soon as it can. The notice hears each of these once.
#include <QElapsedTimer>
#include <QHash>
#include <QLocalServer>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <chrono>
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
    // What all clients together may have waiting: past it the client with the most waiting
    // (the slowest reader) is dropped, until the rest fit. Many clients that never read would
    // otherwise hold a megabyte each.
    static constexpr qint64 kDefaultTotalPendingLimit = 16 * 1024 * 1024;
    // Connections served at once; a handful of programs is the normal load.
    static constexpr int kDefaultClientLimit = 256;
    // How long a connection may stay without opening a topic.
    static constexpr std::chrono::milliseconds kDefaultTopicWait{30000};
    // How often the limits and the socket are looked after.
    static constexpr std::chrono::milliseconds kWatchInterval{1000};
    // Unsent data of clients gone since memory was last handed back to the system: past this
    // it is handed back once those clients' buffers are freed.
    static constexpr qint64 kFreedUnsentReturn = 1024 * 1024;

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
    void SetTotalPendingLimit(qint64 bytes) { totalPendingLimit_ = bytes; }
    void SetClientLimit(int clients) { clientLimit_ = clients; }
    void SetTopicWait(std::chrono::milliseconds wait) { topicWait_ = wait; }
    // What hands freed memory back to the system (ReturnFreedMemory unless set).
    void SetMemoryReturn(std::function<void()> returnMemory) {
        returnMemory_ = std::move(returnMemory);
    }
    // Where the operator hears of refused connections and of listening again; each kind of
    // event is told once per run.
    void SetNotice(std::function<void(const QString& message)> notice) {
        notice_ = std::move(notice);
    }
    int ClientCount() const { return static_cast<int>(clients_.size()); }
    // Bytes waiting to be written to all clients together.
    qint64 PendingTotal() const;

private:
    struct Client {
        QString topic;  // empty until CONNECT named a topic of ours
        QSet<QString> advised;
        QByteArray input;
        QElapsedTimer connected;
    };
    enum class Told { Refused = 1, Stopped = 2, Resumed = 4 };

    void Accept();
    void Read(QLocalSocket* socket);
    void Handle(QLocalSocket* socket, Client& client, const QByteArray& line);
    // False when the client was dropped for a full buffer, or as one of the slowest.
    bool Send(QLocalSocket* socket, const QByteArray& bytes);
    // Send without the check of the total, for a publication to many clients, which checks
    // it once after the last.
    bool Write(QLocalSocket* socket, const QByteArray& bytes);
    // Drops the slowest clients while all together have more waiting than the total limit.
    void DropSlowestOverTotal();
    void Drop(QLocalSocket* socket);
    // Once `socket` (gone with `unsent` bytes unwritten) is deleted, hands the memory back
    // when enough unsent data went since the last time.
    void ReturnMemoryAfter(QLocalSocket* socket, qint64 unsent);
    // Closes connections that waited too long without a topic; listens again when the
    // socket stopped serving.
    void Watch();
    void TellOnce(Told what, const QString& message);

    QString service_;
    QLocalServer server_;
    std::map<QString, std::map<QString, QString>> topics_;  // topic -> item -> text
    QHash<QLocalSocket*, Client> clients_;
    std::function<void(const QString&)> topicOpened_;
    std::function<void(const QString&, const QString&)> executed_;
    std::function<void(const QString&)> conversationClosed_;
    qint64 pendingLimit_ = kDefaultPendingLimit;
    qint64 totalPendingLimit_ = kDefaultTotalPendingLimit;
    int clientLimit_ = kDefaultClientLimit;
    std::chrono::milliseconds topicWait_ = kDefaultTopicWait;
    std::function<void(const QString&)> notice_;
    int told_ = 0;  // Told flags
    QString runtimeFolder_;  // where we listen; empty until Listen succeeded
    QTimer watch_;
    std::function<void()> returnMemory_;
    qint64 freedUnsent_ = 0;
    bool returnQueued_ = false;
};

}  // namespace orbivox
