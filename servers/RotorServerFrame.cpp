// The rotor server programs' common frame: folders, log, the conversation and its macros.
#include "servers/RotorServerFrame.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "links/ConversationServer.h"
#include "settings/RuntimeFolder.h"

namespace orbivox::servers {

std::optional<SetPoint> ParseSetPoint(const QString& macro) {
    const QStringList parts =
        macro.trimmed().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (parts.size() != 2) {
        return std::nullopt;
    }
    auto number = [](QString text) -> std::optional<double> {
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        const double value = text.toDouble(&ok);
        return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
    };
    const auto az = number(parts[0]);
    const auto el = number(parts[1]);
    if (!az || !el) {
        return std::nullopt;
    }
    return SetPoint{*az, *el};
}

ServerLog::ServerLog(const QString& path) : path_(path), file_(path) {
    file_.open(QIODevice::Append | QIODevice::Text);
}

void ServerLog::Line(const QString& text) {
    if (!file_.isOpen()) {
        return;
    }
    file_.write((QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs) + QLatin1Char(' ') +
                 text + QLatin1Char('\n'))
                    .toUtf8());
    file_.flush();
}

Folders ServerFolders(const QString& executableFolder) {
    return ResolveFolders(FolderEnvironment::FromEnvironment(
        QDir(executableFolder).filePath(QStringLiteral("../../bin"))));
}

int RunRotorServer(int argc, char** argv, const DriverFactory& makeDriver) {
    QCoreApplication app(argc, argv);
    const QString service = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    const Folders folders = ServerFolders(QCoreApplication::applicationDirPath());
    QDir().mkpath(folders.configDataFolder);
    ServerLog log(folders.ConfigFile(service + QStringLiteral(".log")));
    log.Line(QStringLiteral("started"));

    std::unique_ptr<RotorDriver> driver = makeDriver(folders, log);
    ConversationServer server(service);
    server.AddItem(kRotorServerTopic, QStringLiteral("Position"));
    if (server.Listen(UserRuntimeFolder()) != ListenOutcome::Listening) {
        log.Line(
            QStringLiteral("cannot serve %1: another copy runs or the runtime folder is not usable")
                .arg(service));
        return 1;
    }
    server.SetExecuted([&](const QString&, const QString& text) {
        if (text == QLatin1String("ClientOn")) {
            log.Line(QStringLiteral("ClientOn"));
        } else if (text == QLatin1String("Close")) {
            log.Line(QStringLiteral("Close"));
            QCoreApplication::quit();
        } else if (const auto point = ParseSetPoint(text)) {
            log.Line(QStringLiteral("position ") + text);
            server.PublishItem(kRotorServerTopic, QStringLiteral("Position"), text);
            driver->Move(*point);
        } else {
            log.Line(QStringLiteral("not a position: ") + text);
        }
    });
    // The program that started us went away without "Close": we go too.
    server.SetConversationClosed([&](const QString&) {
        if (server.ClientCount() == 0) {
            log.Line(QStringLiteral("conversation closed"));
            QCoreApplication::quit();
        }
    });
    const int code = QCoreApplication::exec();
    log.Line(QStringLiteral("ended"));
    return code;
}

}  // namespace orbivox::servers
