#pragma once
// The rotor interface of a run: starting the chosen rotor server program and the CAT
// server, the conversation each position goes out on (the general style's macros or the
// ARS style's pokes), and closing them at the end.
//
// Responsibilities: the start, send and close rules and their warnings. Collaborations: the
// conversations of links/ClientConversation, a ServerStarter that launches programs and
// waits, the Notifier for the warnings.
#include <QString>

#include "links/ClientConversation.h"
#include "links/ServerTopics.h"
#include "settings/Notifier.h"

namespace orbivox {

// Launching a server program and the blocking waits around it.
class ServerStarter {
public:
    virtual ~ServerStarter() = default;
    // Starts `program` with no arguments in `workingFolder`; false when it could not start.
    virtual bool Start(const QString& program, const QString& workingFolder) = 0;
    virtual void Wait(int milliseconds) = 0;
};

// The real one: a detached process, and a sleep.
class ProcessServerStarter : public ServerStarter {
public:
    bool Start(const QString& program, const QString& workingFolder) override;
    void Wait(int milliseconds) override;
};

inline constexpr int kServerStartWaitMs = 1200;
inline constexpr int kServerCloseWaitMs = 1000;
inline const QString kArsTopic = QStringLiteral("RCI");
inline const QString kArsItem = QStringLiteral("AZIMUTH");
inline const QString kCatService = QStringLiteral("ServerKCT");

// The program a stored server path names: backslashes mapped to "/", and nothing added
// on Linux (Windows' programs end in ".exe").
QString ServerProgramPath(const QString& serverPath);
// The file name of a server path without folder and extension ("ARS\ArsWin32" gives
// "ArsWin32").
QString ServerFileName(const QString& serverPath);
// True for the ARS program ("arswin" or "arswin32" in any letter case).
bool IsArsServer(const QString& serverPath);
// True for the rotctld server program ("RotctldSrv").
bool IsRotctldServer(const QString& serverPath);
// An absolute path: one holding a drive letter ":" or starting with "/".
bool IsAbsoluteServerPath(const QString& serverPath);
// A path written for Windows: a drive letter ("C:") or backslashes.
bool IsWindowsServerPath(const QString& serverPath);
// Where a stored server path points here. A Windows path lies under the program folder (its
// drive letter and leading backslash dropped), as the shipped AlleServer.SQF's relative
// paths do; an absolute Linux path stands as it is; any other path is relative to the
// program folder. Never relative to the working folder.
QString ServerProgramLocation(const QString& serverPath, const QString& programFolder);

class RotorInterface {
public:
    RotorInterface(ClientConversations& conversations, ServerStarter& starter, Notifier& notifier);

    // Start-up, after every settings file is read. serverFlag: SatStart.SQF line 4;
    // serverPath: RotorServer.SQF (absolute, or relative to programFolder).
    void StartRotorServer(bool serverFlag, const QString& serverPath, bool secondInstance,
                          const QString& programFolder);
    // Right after it: the CAT server in the data folder's KCT folder, unless the rotor
    // server just started is that same program.
    void StartCatServer(bool catServerOn, const QString& dataFolder);

    // One position, as SendRotorPosition formats it; nothing while no server is active.
    void SendToRotor(const QString& azimuth, const QString& elevation);

    // The end of the run: "Close" and a second's wait for each server in use.
    void CloseCatServer();
    void CloseRotorServer();

    bool RotorServerActive() const { return rotorServerActive_; }
    bool ArsStyle() const { return arsStyle_; }
    bool CatServerOn() const { return catServerOn_; }
    const QString& CatServerPath() const { return catServerPath_; }

private:
    ClientConversations& conversations_;
    ServerStarter& starter_;
    Notifier& notifier_;
    bool rotorServerActive_ = false;
    bool arsStyle_ = false;
    bool arsLinkOpen_ = false;
    bool catServerOn_ = false;
    QString rotorProgram_;
    QString rotorWorkingFolder_;
    QString catServerPath_;
};

}  // namespace orbivox
