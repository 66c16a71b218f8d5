// Wiring the engine's data items to the conversation server.
#include "tracking/DataPublishing.h"

namespace orbivox {

DataPublishing::DataPublishing(TrackingEngine& engine) : engine_(engine), server_(kDataService) {
    DataItems::AddTo(server_);
    // A client that opens the name topic gets the bare name again on the next tick.
    server_.SetTopicOpened([this](const QString& topic) {
        if (topic == kNameTopic) {
            engine_.Data().ForgetName();
        }
    });
}

DataPublishing::~DataPublishing() {
    engine_.Data().SetSink(nullptr);
}

ListenOutcome DataPublishing::Start(const QString& runtimeFolder) {
    const ListenOutcome outcome = server_.Listen(runtimeFolder);
    if (outcome == ListenOutcome::Listening) {
        engine_.Data().SetSink(&server_);
    }
    return outcome;
}

}  // namespace orbivox
