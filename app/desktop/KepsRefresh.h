#pragma once
// The main window's element refresh: at start, every 12 hours and when the Options switch it,
// the group's element file is fetched in the background when the operator asked for that and
// it is older than the days chosen. A panel of the status bar shows the transfer and how it
// ended; a new file is read at once, keeping the selection and the working satellite.
#include <QLabel>
#include <QObject>
#include <QStatusBar>
#include <QTimer>
#include <functional>

#include "catalogue/ElementRefresh.h"
#include "tracking/TrackingSession.h"

namespace orbivox {

class KepsRefresh : public QObject {
public:
    // `reloaded` runs after a new file was read into the session.
    KepsRefresh(TrackingSession& session, QStatusBar& bar, std::function<void()> reloaded,
                HttpOptions options = {});

    // Fetches when the refresh is on and the file is old; a fetch still running goes on.
    void Check();
    bool busy() const { return refresh_.busy(); }
    QLabel* panel() const { return panel_; }

private:
    void Finished(const DownloadReport& report);

    TrackingSession& session_;
    std::function<void()> reloaded_;
    ElementRefresh refresh_;
    QTimer timer_;
    QLabel* panel_;
};

}  // namespace orbivox
