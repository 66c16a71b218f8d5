#pragma once
// Our client side of a conversation with another program: the rotor server
// (RotClientConv), the CAT server (CatClientConv) and the ARS program (ArsClientConv with
// its item ArsClientItem). A text that cannot be delivered is dropped, and the tracking tick
// never waits for the other program. The one failure that is reported is a runtime folder
// that is not the user's own (another user's /tmp/orbivox-<uid>, say): nothing is sent into
// it, and the refusal notice hears why, once.
#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

class QLocalSocket;

namespace orbivox {

enum class ClientOpening {
    WhenLinked,  // opened when the link is set, and again at a send after a loss
    OnRequest,   // opened only by OpenLink
};

class ClientConversation {
public:
    // Texts waiting for a server that does not read past this are dropped.
    static constexpr qint64 kPendingLimit = 64 * 1024;

    // `runtimeFolder`: where the other programs' sockets are (the user's runtime folder).
    ClientConversation(ClientOpening opening, QString runtimeFolder);
    ~ClientConversation();
    ClientConversation(const ClientConversation&) = delete;
    ClientConversation& operator=(const ClientConversation&) = delete;

    // Stores the names; a WhenLinked conversation is (re)opened at once.
    void SetLink(const QString& service, const QString& topic);
    // The item later pokes through PokeItem go to ("AZIMUTH").
    void SetItem(const QString& item) { item_ = item; }
    const QString& Item() const { return item_; }
    // Opens the conversation; true when it is open. False without trying when the runtime
    // folder is not the user's own.
    bool OpenLink();
    // Told, once per run, why the runtime folder was refused.
    void SetRefusalNotice(std::function<void(const QString& message)> notice) {
        refusalNotice_ = std::move(notice);
    }
    void ExecuteMacro(const QString& text);
    void Poke(const QString& item, const QString& text);
    void PokeItem(const QString& text) { Poke(item_, text); }
    // Ends the conversation; nothing when it is not open.
    void CloseLink();

    bool IsOpen() const;
    qint64 Pending() const;

private:
    void Send(const QByteArray& line);

    ClientOpening opening_;
    QString runtimeFolder_;
    QString service_;
    QString topic_;
    QString item_;
    std::unique_ptr<QLocalSocket> socket_;
    std::function<void(const QString&)> refusalNotice_;
    bool refusalTold_ = false;
};

// The three conversations of a run, named as the rotor and radio code know them.
struct ClientConversations {
    explicit ClientConversations(const QString& runtimeFolder)
        : RotClientConv(ClientOpening::WhenLinked, runtimeFolder),
          CatClientConv(ClientOpening::WhenLinked, runtimeFolder),
          ArsClientConv(ClientOpening::OnRequest, runtimeFolder) {}
    ClientConversation RotClientConv;
    ClientConversation CatClientConv;
    ClientConversation ArsClientConv;  // its item is ArsClientItem: SetItem / PokeItem
};

}  // namespace orbivox
