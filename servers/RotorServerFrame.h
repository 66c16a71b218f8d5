#pragma once
// What every server program we ship shares: it is started by Orbivox32 with no arguments,
// finds the data folders through the program's own folder code, serves the conversation
// named after its file name on its topics, logs to a file in the configuration data
// folder, and ends on "Close" or when the last conversation closes. The rotor topic
// "RotServConv" takes the macros "ClientOn", "az el" (with "." or "," as the decimal
// separator) and "Close"; a RotorDriver turns each position into the controller's
// commands.
#include <QFile>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "links/ConversationServer.h"
#include "links/ServerTopics.h"

#include "settings/Folders.h"

namespace orbivox::servers {

// One position of a macro "az el"; nothing for any other text.
struct SetPoint {
    double azimuth = 0;
    double elevation = 0;
};
std::optional<SetPoint> ParseSetPoint(const QString& macro);

// Time-stamped lines appended to <data folder>/<service>.log.
class ServerLog {
public:
    explicit ServerLog(const QString& path);
    void Line(const QString& text);
    const QString& Path() const { return path_; }

private:
    QString path_;
    QFile file_;
};

class RotorDriver {
public:
    virtual ~RotorDriver() = default;
    // Sends one position to the controller; failures are logged by the driver and the
    // next position tries again.
    virtual void Move(const SetPoint& point) = 0;
};

using DriverFactory =
    std::function<std::unique_ptr<RotorDriver>(const Folders& folders, ServerLog& log)>;

// What one topic of a server program does with the macros its conversation executes.
class TopicHandler {
public:
    virtual ~TopicHandler() = default;
    // Every macro, "ClientOn" and "Close" included; after "Close" the program ends.
    virtual void Execute(const QString& text) = 0;
};

struct ServedTopic {
    QString topic;
    QString item;  // the one item the topic offers
    std::unique_ptr<TopicHandler> handler;
};

using TopicFactory = std::function<std::vector<ServedTopic>(const Folders& folders, ServerLog& log,
                                                            ItemSink& items)>;

// The rotor topic: logs each macro, publishes each position as its item "Position" and
// hands it to the driver.
ServedTopic RotorTopic(std::unique_ptr<RotorDriver> driver, ServerLog& log, ItemSink& items);

// The folders seen from a server program in lib/orbivox32 (build tree and installed alike):
// the programs' bin/ folder is two up and over.
Folders ServerFolders(const QString& executableFolder);

// Runs a server program: the application, the folders, the log, the conversation server
// and the topics' handlers; returns the exit code.
int RunServerProgram(int argc, char** argv, const TopicFactory& makeTopics);
// A server program with the rotor topic alone.
int RunRotorServer(int argc, char** argv, const DriverFactory& makeDriver);

}  // namespace orbivox::servers
