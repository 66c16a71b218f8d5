// orbivox track: the tracking cycle without a window, printing the list line every tick
// and publishing the data items, so a headless station can feed a logger or a rotor
// controller.
#include <QCoreApplication>
#include <QTimer>
#include <atomic>
#include <csignal>
#include <iostream>
#include <limits>

#include "app/cli/CommandStart.h"
#include "app/cli/Commands.h"
#include "app/cli/OrbitArguments.h"
#include "app/cli/PrintingNotifier.h"
#include "settings/RuntimeFolder.h"
#include "tracking/DataPublishing.h"
#include "tracking/RotorControl.h"

namespace orbivox::cli {
namespace {

std::atomic<bool> interrupted{false};

}  // namespace

const char* const kTrackUsage = "usage: orbivox track [--ticks N]\n";

int RunTrack(const Arguments& args, std::ostream& out, std::ostream& err) {
    long ticks = -1;  // until interrupted
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--ticks" && i + 1 < args.size()) {
            const std::optional<long> parsed =
                cli::ParseWholeNumber(args[++i], 1, std::numeric_limits<long>::max());
            if (!parsed) {
                err << "orbivox track: --ticks needs a positive whole number\n";
                return 2;
            }
            ticks = *parsed;
        } else {
            err << kTrackUsage;
            return 2;
        }
    }

    orbit::SystemClock clock;
    CommandStart started = StartForCommand(clock, "track", err);
    if (!started.start.session) {
        return started.exitCode;
    }
    TrackingEngine& engine = started.start.session->engine();
    DataPublishing publishing(engine);
    if (publishing.Start(UserRuntimeFolder()) == ListenOutcome::Failed) {
        err << "orbivox track: the data items cannot be published\n";
    }
    // The rotor as the main window drives it: its server started, positions every tick.
    PrintingNotifier notifier(err);
    ProcessServerStarter starter;
    RotorControl rotor(*started.start.session, notifier, starter, UserRuntimeFolder());
    rotor.Attach();
    rotor.StartServers();
    out << engine.Header() << '\n';
    std::signal(SIGINT, [](int) { interrupted = true; });
    std::signal(SIGTERM, [](int) { interrupted = true; });

    long done = 0;
    auto tick = [&] {
        engine.TrackingTick();
        engine.LettersRepainted();
        out << engine.ListText() << std::endl;
        if (ticks > 0 && ++done >= ticks) {
            QCoreApplication::quit();
        }
    };
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, tick);
    QTimer watch;  // Ctrl-C ends the run in order, between ticks
    QObject::connect(&watch, &QTimer::timeout, [] {
        if (interrupted) {
            QCoreApplication::quit();
        }
    });
    watch.start(50);
    QTimer::singleShot(0, tick);
    timer.start(engine.TickIntervalMs());
    QCoreApplication::exec();
    QuitHooks quit;
    rotor.FillQuitHooks(quit);
    TrackingEngine::QuitProgram(quit, true, false);
    return 0;
}

}  // namespace orbivox::cli
