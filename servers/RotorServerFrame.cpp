// The server programs' common frame: folders, log, the conversation and its topics.
#include "servers/RotorServerFrame.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include "settings/RuntimeFolder.h"

namespace orbivox::servers {

std::optional<SetPoint> ParseSetPoint(const QString& macro) {
    const QStringList fields =
        macro.trimmed().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (fields.size() != 2) {
        return std::nullopt;
    }
    auto number = [](QString text) -> std::optional<double> {
        text.replace(QLatin1Char(','), QLatin1Char('.'));
        bool ok = false;
        const double value = text.toDouble(&ok);
        return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
    };
    const auto az = number(fields[0]);
    const auto el = number(fields[1]);
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

namespace {

class RotorTopicHandler : public TopicHandler {
public:
    RotorTopicHandler(std::unique_ptr<RotorDriver> driver, ServerLog& log, ItemSink& items)
        : driver_(std::move(driver)), log_(log), items_(items) {}

    void Execute(const QString& text) override {
        if (text == QLatin1String("ClientOn") || text == QLatin1String("Close")) {
            log_.Line(text);
        } else if (const auto point = ParseSetPoint(text)) {
            log_.Line(QStringLiteral("position ") + text);
            items_.PublishItem(kRotorTopic, QStringLiteral("Position"), text);
            driver_->Move(*point);
        } else {
            log_.Line(QStringLiteral("not a position: ") + text);
        }
    }

private:
    std::unique_ptr<RotorDriver> driver_;
    ServerLog& log_;
    ItemSink& items_;
};

}  // namespace

ServedTopic RotorTopic(std::unique_ptr<RotorDriver> driver, ServerLog& log, ItemSink& items) {
    return {kRotorTopic, QStringLiteral("Position"),
            std::make_unique<RotorTopicHandler>(std::move(driver), log, items)};
}

int RunServerProgram(int argc, char** argv, const TopicFactory& makeTopics) {
    QCoreApplication app(argc, argv);
    const QString service = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    const Folders folders = ServerFolders(QCoreApplication::applicationDirPath());
    QDir().mkpath(folders.configDataFolder);
    ServerLog log(folders.ConfigFile(service + QStringLiteral(".log")));
    log.Line(QStringLiteral("started"));

    ConversationServer server(service);
    server.SetNotice([&log](const QString& message) { log.Line(message); });
    std::vector<ServedTopic> topics = makeTopics(folders, log, server);
    for (const ServedTopic& served : topics) {
        server.AddItem(served.topic, served.item);
    }
    if (server.Listen(UserRuntimeFolder()) != ListenOutcome::Listening) {
        log.Line(
            QStringLiteral("cannot serve %1: another copy runs or the runtime folder is not usable")
                .arg(service));
        return 1;
    }
    server.SetExecuted([&](const QString& topic, const QString& text) {
        for (const ServedTopic& served : topics) {
            if (served.topic == topic) {
                served.handler->Execute(text);
            }
        }
        if (text == QLatin1String("Close")) {
            QCoreApplication::quit();
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

int RunRotorServer(int argc, char** argv, const DriverFactory& makeDriver) {
    return RunServerProgram(argc, argv,
                            [&](const Folders& folders, ServerLog& log, ItemSink& items) {
                                std::vector<ServedTopic> topics;
                                topics.push_back(RotorTopic(makeDriver(folders, log), log, items));
                                return topics;
                            });
}

}  // namespace orbivox::servers
