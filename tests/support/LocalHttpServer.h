#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for the download tests: each path gets a canned
// answer; unknown paths get 404. It runs on the test's own event loop, so a client waiting
// in a local event loop is served while it waits. One request per connection.
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <memory>

namespace orbivox {

struct Answer {
    int status = 200;
    QByteArray reason = "OK";
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;
    bool announceLength = true;  // without it the body ends when the connection closes
    bool silent = false;         // read the request and never answer
};

struct SeenRequest {
    QByteArray method;
    QByteArray target;                      // as sent: a path, or a whole URL through a proxy
    QHash<QByteArray, QByteArray> headers;  // names in lower case
};

inline Answer Redirect(int status, const QByteArray& location) {
    Answer answer;
    answer.status = status;
    answer.reason = "Moved";
    answer.headers.append(qMakePair(QByteArray("Location"), location));
    return answer;
}

class LocalHttpServer {
public:
    LocalHttpServer() {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { Accept(); });
    }

    void Serve(const QByteArray& path, Answer answer) { answers_[path] = std::move(answer); }
    quint16 port() const { return server_.serverPort(); }
    QString Url(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
    }
    const QList<SeenRequest>& requests() const { return requests_; }

private:
    void Accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            auto buffer = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                buffer->append(socket->readAll());
                const qsizetype end = buffer->indexOf("\r\n\r\n");
                if (end >= 0 && !buffer->isEmpty()) {
                    const QByteArray head = buffer->left(end);
                    buffer->clear();
                    Respond(socket, head);
                }
            });
        }
    }

    void Respond(QTcpSocket* socket, const QByteArray& head) {
        const QList<QByteArray> lines = head.split('\n');
        const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
        SeenRequest seen{requestLine.value(0), requestLine.value(1), {}};
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon > 0) {
                seen.headers.insert(lines[i].left(colon).trimmed().toLower(),
                                    lines[i].mid(colon + 1).trimmed());
            }
        }
        requests_.append(seen);

        QByteArray path = seen.target;
        if (path.startsWith("http://")) {
            const qsizetype slash = path.indexOf('/', 7);
            path = slash < 0 ? QByteArray("/") : path.mid(slash);
        }
        Answer answer;
        if (answers_.contains(path)) {
            answer = answers_.value(path);
        } else {
            answer.status = 404;
            answer.reason = "Not Found";
            // Shaped like element pairs on purpose: an error page must never pass as data.
            answer.body = "<html><body>404 Not Found</body></html>\n1 not\n2 elements\n";
        }
        if (answer.silent) {
            return;
        }
        QByteArray response =
            "HTTP/1.1 " + QByteArray::number(answer.status) + ' ' + answer.reason + "\r\n";
        for (const auto& [name, value] : answer.headers) {
            response += name + ": " + value + "\r\n";
        }
        if (answer.announceLength) {
            response += "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n";
        }
        response += "Connection: close\r\n\r\n" + answer.body;
        socket->write(response);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QHash<QByteArray, Answer> answers_;
    QList<SeenRequest> requests_;
};

}  // namespace orbivox
