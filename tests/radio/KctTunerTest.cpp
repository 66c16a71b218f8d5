// KCT mode: no serial port, the radio commands go as macros to the tuner server program
// over the CAT server conversation; here a local test server writes down what arrives.
#include <gtest/gtest.h>

#include <QLocalServer>
#include <QLocalSocket>
#include <QTemporaryDir>

#include "links/ClientConversation.h"
#include "links/ConversationProtocol.h"
#include "radio/DopplerTracker.h"
#include "radio/RadioFamilies.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/Spin.h"

namespace orbivox {
namespace {

class TunerServer {
public:
    explicit TunerServer(const QString& path) {
        QObject::connect(&server_, &QLocalServer::newConnection, [this] {
            while (QLocalSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QLocalSocket::readyRead, [this, socket] {
                    while (socket->canReadLine()) {
                        lines << QString::fromUtf8(socket->readLine()).trimmed();
                    }
                });
            }
        });
        EXPECT_TRUE(server_.listen(path));
    }
    bool WaitLines(qsizetype n) {
        return Spin([&] { return lines.size() >= n; });
    }
    QStringList lines;

private:
    QLocalServer server_;
};

TEST(KctTuner, MacrosForCatOnModesFrequenciesAndClosing) {
    QTemporaryDir folder;
    TunerServer server(ServiceSocketPath(folder.path(), "KctServer"));
    ClientConversation cat(ClientOpening::WhenLinked, folder.path());
    cat.SetLink("KctServer", "KctTopic");
    CatLink link(nullptr, 0);
    link.kctMacroSink = [&cat](const QString& macro) { cat.ExecuteMacro(macro); };
    DopplerTracker tracker(link, MakeCommandSet(RadioFamily::Yaesu, {}), {});
    SelectedTransponder entry;
    entry.found = true;
    entry.downlinkKHz = 435150;
    entry.uplinkKHz = 145900;
    entry.downlinkMode = "USB";
    entry.uplinkMode = "LSB";
    entry.inverting = true;
    entry.downlinkOffsetKHz = 400000;  // a converter: the tuner is told 35150 + dD
    tracker.SatelliteChanged(1, entry);
    tracker.CatOn();
    for (int tick = 0; tick < 2; ++tick) {
        tracker.ComputeDoppler(-5);
        tracker.RadioStep();
    }
    tracker.Close(true);
    ASSERT_TRUE(server.WaitLines(5)) << server.lines.join('\n').toStdString();
    // Closing with CAT on switches split off; "Close" is the server's shutdown's, sent once
    // by the rotor interface, not here as well.
    EXPECT_EQ(server.lines,
              (QStringList{"CONNECT KctTopic", "EXECUTE RaOpen", "EXECUTE SMUSB LSB",
                           "EXECUTE SF0035157.258 0145897.567", "EXECUTE RaClose"}));
}

}  // namespace
}  // namespace orbivox
