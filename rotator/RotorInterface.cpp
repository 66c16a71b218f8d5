// Starting, feeding and closing the rotor and CAT server programs.
#include "rotator/RotorInterface.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include "rotator/ServerFiles.h"

namespace orbivox {

bool ProcessServerStarter::Start(const QString& program, const QString& workingFolder) {
    return QProcess::startDetached(program, {}, workingFolder);
}

void ProcessServerStarter::Wait(int milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

QString ServerProgramPath(const QString& serverPath) {
    QString path = serverPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(path);
}

QString ServerFileName(const QString& serverPath) {
    return QFileInfo(ServerProgramPath(serverPath)).completeBaseName();
}

bool IsArsServer(const QString& serverPath) {
    const QString name = ServerFileName(serverPath).toLower();
    return name == QLatin1String("arswin") || name == QLatin1String("arswin32");
}

bool IsRotctldServer(const QString& serverPath) {
    return ServerFileName(serverPath) == QLatin1String("RotctldSrv");
}

bool IsAbsoluteServerPath(const QString& serverPath) {
    return serverPath.contains(QLatin1Char(':')) || serverPath.startsWith(QLatin1Char('/'));
}

namespace {

const QRegularExpression& DriveLetter() {
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:"));
    return drive;
}

}  // namespace

bool IsWindowsServerPath(const QString& serverPath) {
    return DriveLetter().match(serverPath).hasMatch() ||
           (serverPath.contains(QLatin1Char('\\')) && !serverPath.startsWith(QLatin1Char('/')));
}

QString ServerProgramLocation(const QString& serverPath, const QString& programFolder) {
    if (serverPath.startsWith(QLatin1Char('/'))) {
        return ServerProgramPath(serverPath);
    }
    QString relative = ServerProgramPath(QString(serverPath).remove(DriveLetter()));
    while (relative.startsWith(QLatin1Char('/'))) {
        relative.remove(0, 1);
    }
    return QDir::cleanPath(QDir(programFolder).filePath(relative));
}

RotorInterface::RotorInterface(ClientConversations& conversations, ServerStarter& starter,
                               Notifier& notifier)
    : conversations_(conversations), starter_(starter), notifier_(notifier) {
    for (ClientConversation* conversation :
         {&conversations_.RotClientConv, &conversations_.CatClientConv,
          &conversations_.ArsClientConv}) {
        conversation->SetRefusalNotice([this](const QString& message) { notifier_.Warning(message); });
    }
}

void RotorInterface::StartRotorServer(bool serverFlag, const QString& serverPath,
                                      bool secondInstance, const QString& programFolder) {
    rotorServerActive_ = serverFlag && !secondInstance;
    if (!rotorServerActive_) {
        return;
    }
    rotorProgram_ = ServerProgramLocation(serverPath, programFolder);
    rotorWorkingFolder_ = QFileInfo(rotorProgram_).absolutePath();
    if (!QFileInfo(rotorProgram_).isFile() && IsWindowsServerPath(serverPath)) {
        // A path from Windows names nothing here but the program folder's own files; what
        // lies under that name elsewhere (the working folder, say) is not ours to run. A
        // server started by hand is still talked to.
        notifier_.Warning(QStringLiteral("Server program ") + serverPath +
                          " (RotorServer.SQF) is not in the program folder " + programFolder +
                          " and is not started.\r" +
                          "Open menu Setup/Rotor Setup and search the server file.");
    } else {
        if (!QFileInfo(rotorProgram_).isFile() &&
            serverPath.compare(QLatin1String("none"), Qt::CaseInsensitive) != 0) {
            notifier_.Warning(QStringLiteral("Server program ") + rotorProgram_ + " not found!" +
                              "\r" + "Open menu Setup/Rotor Setup and search the server file.");
        }
        // The launch is tried even after the warning: the program may turn up under its name.
        starter_.Start(rotorProgram_, rotorWorkingFolder_);
        starter_.Wait(kServerStartWaitMs);
    }

    const QString name = ServerFileName(serverPath);
    arsStyle_ = IsArsServer(serverPath);
    if (arsStyle_) {
        conversations_.ArsClientConv.SetItem(kArsItem);
        conversations_.ArsClientConv.SetLink(name.toLower(), kArsTopic);
    } else {
        conversations_.RotClientConv.SetLink(name, kRotorTopic);
        conversations_.RotClientConv.ExecuteMacro(QStringLiteral("ClientOn"));
    }
}

void RotorInterface::StartCatServer(bool catServerOn, const QString& dataFolder) {
    catServerOn_ = catServerOn;
    if (!catServerOn_) {
        return;
    }
    catServerPath_ = dataFolder + QStringLiteral("KCT\\") + kCatService;
    const bool sameAsRotorServer = rotorServerActive_ && !arsStyle_ &&
                                   QFileInfo(rotorProgram_).completeBaseName() == kCatService;
    if (!sameAsRotorServer) {
        starter_.Start(ServerProgramPath(catServerPath_), rotorWorkingFolder_);
        starter_.Wait(kServerStartWaitMs);
    }
    conversations_.CatClientConv.SetLink(kCatService, kCatTopic);
    conversations_.CatClientConv.ExecuteMacro(QStringLiteral("ClientOn"));
}

void RotorInterface::SendToRotor(const QString& azimuth, const QString& elevation) {
    if (!rotorServerActive_) {
        return;
    }
    if (arsStyle_) {
        // Opened at the first position, and tried again at each one until it opens.
        if (!arsLinkOpen_ || !conversations_.ArsClientConv.IsOpen()) {
            arsLinkOpen_ = conversations_.ArsClientConv.OpenLink();
        }
        conversations_.ArsClientConv.PokeItem(QStringLiteral("GA:") + azimuth);
        conversations_.ArsClientConv.PokeItem(QStringLiteral("GE:") + elevation);
        return;
    }
    conversations_.RotClientConv.ExecuteMacro(azimuth + QLatin1Char(' ') + elevation);
}

void RotorInterface::CloseCatServer() {
    if (!catServerOn_) {
        return;
    }
    conversations_.CatClientConv.ExecuteMacro(QStringLiteral("Close"));
    conversations_.CatClientConv.CloseLink();
    starter_.Wait(kServerCloseWaitMs);
}

void RotorInterface::CloseRotorServer() {
    if (!rotorServerActive_) {
        return;
    }
    if (arsStyle_) {
        conversations_.ArsClientConv.CloseLink();
        arsLinkOpen_ = false;
        return;
    }
    conversations_.RotClientConv.ExecuteMacro(QStringLiteral("Close"));
    conversations_.RotClientConv.CloseLink();
    starter_.Wait(kServerCloseWaitMs);
}

}  // namespace orbivox
