#pragma once
// The data server of a running program: the conversation server with the name and data
// items, fed by the engine's ticks. The desktop program and `orbivox track` both make one;
// whichever starts first publishes, the other stays silent.
#include <QString>

#include "links/ConversationServer.h"
#include "tracking/TrackingEngine.h"

namespace orbivox {

class DataPublishing {
public:
    explicit DataPublishing(TrackingEngine& engine);
    ~DataPublishing();
    DataPublishing(const DataPublishing&) = delete;
    DataPublishing& operator=(const DataPublishing&) = delete;

    // Listens in `runtimeFolder`; only when listening do the engine's items go out.
    ListenOutcome Start(const QString& runtimeFolder);
    ConversationServer& Server() { return server_; }

private:
    TrackingEngine& engine_;
    ConversationServer server_;
};

}  // namespace orbivox
