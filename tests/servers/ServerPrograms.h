#pragma once
// What the server-program tests share: Hamlib's daemons with their dummy devices on a free
// port of 127.0.0.1, and a fixture that starts one of our server programs as Orbivox32
// does and opens a conversation with it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>

#include "links/ClientConversation.h"
#include "links/ConversationProtocol.h"
#include "settings/Folders.h"
#include "settings/RuntimeFolder.h"
#include "tests/support/RecordingSocketServer.h"

namespace orbivox {

inline quint16 FreePort() {
    QTcpServer probe;
    EXPECT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    return probe.serverPort();
}

inline QByteArray FileText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Hamlib's rigctld or rotctld with its dummy device (model 1), logging every call.
class HamlibDaemon {
public:
    HamlibDaemon(QString program, quint16 port, const QString& log)
        : program_(std::move(program)), port_(port), log_(log) {
        Start();
    }
    ~HamlibDaemon() { Stop(); }
    void Start() {
        process_.setStandardErrorFile(log_, QIODevice::Append);
        process_.setStandardOutputFile(log_, QIODevice::Append);
        process_.start(program_,
                       {"-m", "1", "-T", "127.0.0.1", "-t", QString::number(port_), "-vvvv"});
        ASSERT_TRUE(process_.waitForStarted(5000));
        // Listening once a connection is taken.
        ASSERT_TRUE(Spin([&] {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, port_);
            return probe.waitForConnected(200);
        }));
    }
    void Stop() {
        process_.kill();
        process_.waitForFinished(5000);
    }
    QByteArray Log() const { return FileText(log_); }

private:
    QString program_;
    quint16 port_;
    QString log_;
    QProcess process_;
};

// Hamlib's rigctld with its dummy radio.
class Rigctld : public HamlibDaemon {
public:
    Rigctld(quint16 port, const QString& log) : HamlibDaemon("rigctld", port, log) {}
};

// The frequencies rigctld's log says the dummy radio was set to, in order.
inline QList<long long> SetFrequencies(const QByteArray& log) {
    static const QRegularExpression set(
        QStringLiteral("rig_set_(?:split_)?freq called .*(?:^|[ ,])(?:tx_)?freq=(\\d+)"));
    QList<long long> hertz;
    for (const QString& line : QString::fromLatin1(log).split('\n')) {
        const auto match = set.match(line);
        if (match.hasMatch()) {
            hertz << match.captured(1).toLongLong();
        }
    }
    return hertz;
}

class ServerProgramTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QStandardPaths::findExecutable("rotctld").isEmpty() ||
            QStandardPaths::findExecutable("rigctld").isEmpty()) {
            GTEST_SKIP() << "rotctld and rigctld (libhamlib-utils) are not installed";
        }
    }
    void SetUp() override {
        // The servers resolve the same folders from the same environment as we do here.
        folders_ = ResolveFolders(FolderEnvironment::FromEnvironment(
            QFileInfo(QStringLiteral(ORBIVOX_CLI)).absolutePath()));
        runtime_ = UserRuntimeFolder();
        ASSERT_FALSE(PreparePrivateFolder(runtime_).has_value());
    }
    void TearDown() override {
        if (server_.state() != QProcess::NotRunning) {
            server_.kill();
            server_.waitForFinished(5000);
        }
    }
    QString Config(const QString& name) const { return folders_.ConfigFile(name); }
    // Starts a server program and opens `topic` with "ClientOn", as Orbivox32 does.
    void StartServer(const QString& name, const QString& topic = QStringLiteral("RotServConv")) {
        QFile::remove(Config(name + ".log"));
        server_.setWorkingDirectory(QStringLiteral(ORBIVOX_SERVER_FOLDER));
        server_.start(QStringLiteral(ORBIVOX_SERVER_FOLDER) + "/" + name, QStringList());
        ASSERT_TRUE(server_.waitForStarted(5000));
        ASSERT_TRUE(Spin([&] { return QFileInfo::exists(ServiceSocketPath(runtime_, name)); }))
            << FileText(Config(name + ".log")).toStdString();
        conversation_.SetLink(name, topic);
        ASSERT_TRUE(conversation_.IsOpen());
        conversation_.ExecuteMacro(QStringLiteral("ClientOn"));
    }
    bool Ended() { return server_.waitForFinished(10000) && server_.exitCode() == 0; }

    Folders folders_;
    QString runtime_;
    QProcess server_;
    ClientConversation conversation_{ClientOpening::WhenLinked, UserRuntimeFolder()};
};

}  // namespace orbivox
