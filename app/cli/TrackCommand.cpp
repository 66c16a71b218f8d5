// orbivox track: the tracking cycle without a window, printing the list line every tick
// and publishing the data items, so a headless station can feed a logger or a rotor
// controller. With --now the clock is a stepped one: it starts at the given instant and
// moves on by one tick interval per tick without waiting, so a whole pass runs in seconds.
#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <iostream>
#include <limits>

#include "app/cli/CommandStart.h"
#include "app/cli/Commands.h"
#include "app/cli/OrbitArguments.h"
#include "app/cli/PrintingNotifier.h"
#include "app/cli/TrackJson.h"
#include "catalogue/SatelliteLookup.h"
#include "links/EventPass.h"
#include "links/QtSpeechEngine.h"
#include "links/SpeechAnnouncer.h"
#include "settings/RuntimeFolder.h"
#include "tracking/Announcements.h"
#include "tracking/AutoChange.h"
#include "tracking/DataPublishing.h"
#include "tracking/RadioControl.h"
#include "tracking/RotorControl.h"

namespace orbivox::cli {
namespace {

std::atomic<bool> interrupted{false};

struct TrackOptions {
    long ticks = -1;              // until interrupted
    std::optional<double> now;    // UTC Julian date of the first tick (stepped clock)
    std::optional<double> until;  // UTC Julian date after which no tick runs
    int speed = 1;
    bool speak = false;                    // rising announcements on for this run
    std::optional<std::string> satellite;  // the working satellite for this run
    bool nameFirst = false;                // the working satellite's name before each line
    bool json = false;
};

// Clock instants count days from 1899-12-30 00:00; Julian dates from noon 4713 BC.
double ClockDaysFromJulian(double julianDate) {
    return julianDate - orbit::kDisplayTimeToJulianDate;
}

std::optional<TrackOptions> ParseTrackOptions(const Arguments& args, std::ostream& err) {
    TrackOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == "--ticks" && hasValue) {
            const std::optional<long> parsed =
                ParseWholeNumber(args[++i], 1, std::numeric_limits<long>::max());
            if (!parsed) {
                err << "orbivox track: --ticks needs a positive whole number\n";
                return std::nullopt;
            }
            options.ticks = *parsed;
        } else if ((args[i] == "--now" || args[i] == "--until") && hasValue) {
            const std::string& name = args[i];
            const std::optional<double> instant = ParseInstant(args[++i]);
            if (!instant) {
                err << "orbivox track: " << name
                    << " wants a UTC instant YYYY-MM-DDTHH:MM:SSZ or now\n";
                return std::nullopt;
            }
            (name == "--now" ? options.now : options.until) = instant;
        } else if (args[i] == "--speak") {
            options.speak = true;
        } else if (args[i] == "--sat" && hasValue) {
            options.satellite = args[++i];
        } else if (args[i] == "--name") {
            options.nameFirst = true;
        } else if (args[i] == "--json") {
            options.json = true;
        } else if (args[i] == "--speed" && hasValue) {
            const std::optional<long> speed = ParseWholeNumber(args[++i], 1, 10);
            if (!speed || (*speed != 1 && *speed != 5 && *speed != 10)) {
                err << "orbivox track: --speed is 1, 5 or 10\n";
                return std::nullopt;
            }
            options.speed = static_cast<int>(*speed);
        } else {
            err << kTrackUsage;
            return std::nullopt;
        }
    }
    if (options.now && options.until && *options.until < *options.now) {
        err << "orbivox track: --until lies before --now\n";
        return std::nullopt;
    }
    return options;
}

// Makes the satellite `name` names the working one; it must be one of the group's. The exit
// status when it is not (the message written).
std::optional<int> ChooseWorkingSatellite(TrackingSession& session, const std::string& name,
                                          std::ostream& err) {
    TrackingEngine& engine = session.engine();
    const SatelliteLookup found = LookUpSatellite(engine.Orbit().Sets(), engine.Selected(), name);
    if (found.ambiguous()) {
        err << "orbivox track: \"" << name << "\" fits " << CandidateList(found.candidates)
            << "; name one of them\n";
        return 2;
    }
    if (!found.found()) {
        err << "orbivox track: no satellite named \"" << name << "\" in group "
            << session.group().toStdString() << "\n";
        return 1;
    }
    const std::vector<int>& selected = engine.Selected();
    const auto slot = std::find(selected.begin(), selected.end(), found.sets.front());
    engine.ApplyWorkingChange(static_cast<int>(slot - selected.begin()));
    return std::nullopt;
}

}  // namespace

const char* const kTrackUsage =
    "usage: orbivox track [--now YYYY-MM-DDTHH:MM:SSZ] [--ticks N] [--until YYYY-MM-DDTHH:MM:SSZ]\n"
    "                     [--speed 1|5|10] [--speak] [--sat NAME] [--name] [--json]\n";

const char* const kTrackHelp =
    "Runs the tracking cycle of the desktop program without a window on the configuration in\n"
    "use and prints the working satellite's list line every tick; Ctrl-C ends it.\n"
    "  --now T          a stepped clock: the first tick at the UTC instant T, the next ones one\n"
    "                   tick interval later without waiting; each line starts with its instant\n"
    "  --ticks N        stop after N ticks\n"
    "  --until T        the last instant that gets a tick\n"
    "  --speed 1|5|10   a tick every 1000, 200 or 100 ms (default 1)\n"
    "  --speak          say \"Satellite NAME rising!\" through the speech service\n"
    "  --sat NAME       the working satellite for this run, one of the group's: a catalogue\n"
    "                   number, a name or the unique beginning of one, in any letter case\n"
    "  --name           the working satellite's name and \"|\" before each list line\n"
    "  --json           one JSON object per tick instead of the list (no header)\n";

int RunTrack(const Arguments& args, std::ostream& out, std::ostream& err) {
    const std::optional<TrackOptions> options = ParseTrackOptions(args, err);
    if (!options) {
        return 2;
    }

    // The stepped clock keeps this machine's time zone: local time is UTC plus its offset.
    orbit::SystemClock systemClock;
    orbit::FixedClock steppedClock;
    if (options->now) {
        const orbit::ClockReading reading = systemClock.Now();
        const double utc = ClockDaysFromJulian(*options->now);
        steppedClock.Set(utc + (reading.local - reading.utc), utc);
    }
    const orbit::Clock& clock = options->now ? static_cast<const orbit::Clock&>(steppedClock)
                                             : static_cast<const orbit::Clock&>(systemClock);

    CommandStart started = StartForCommand(clock, "track", err);
    if (!started.start.session) {
        return started.exitCode;
    }
    TrackingSession& session = *started.start.session;
    TrackingEngine& engine = session.engine();
    // Before the rotor and the radios start, so they start on this satellite.
    if (options->satellite) {
        if (const auto failed = ChooseWorkingSatellite(session, *options->satellite, err))
            return *failed;
    }
    engine.SetMapUpdate(session.startValues().mapUpdateSeconds, options->speed);
    PrintingNotifier notifier(err);
    DataPublishing publishing(engine);
    publishing.Server().SetNotice([&notifier](const QString& message) { notifier.Warning(message); });
    if (publishing.Start(UserRuntimeFolder()) == ListenOutcome::Failed) {
        err << "orbivox track: the data items cannot be published\n";
    }
    // The rotor as the main window drives it: its server started, positions every tick.
    ProcessServerStarter starter;
    RotorControl rotor(session, notifier, starter, UserRuntimeFolder());
    rotor.Attach();
    rotor.StartServers();
    // The radios, driven exactly as the window drives them (in KCT mode through the CAT
    // server the rotor start-up launched).
    RadioControl radios(session, notifier, &rotor.Conversations().CatClientConv);
    bool radioLost = false;
    radios.onRadioLost = [&] { radioLost = true; };
    radios.everyLostRadioEnds = true;
    radios.onStatus = [&err](const QString& text, bool) {
        err << "orbivox track: " << text.toStdString() << std::endl;
    };
    radios.OpenPorts();
    radios.Install(engine.Hooks());
    // What each tick sends, for its JSON line.
    TickSends sends;
    radios.Tracker().onFrequenciesSent = [&sends](double downlinkKHz, double uplinkKHz) {
        sends.frequencies = TunedFrequencies{downlinkKHz, uplinkKHz};
    };
    rotor.onSetPointSent = [&sends](const QString& azimuth, const QString& elevation) {
        sends.setPoint = SentSetPoint{azimuth, elevation};
    };
    // Announcements through the speech engine, made when the first satellite rises.
    SpeechAnnouncer announcer(
        [] { return MakeQtSpeechEngine(); },
        [&err](const QString& line) { err << "orbivox track: " << line.toStdString() << '\n'; });
    ConnectAnnouncements(engine, announcer,
                         session.folders().ConfigFile(QStringLiteral("Talk.SQF")));
    ConnectAutomaticChange(engine, session.settings().priorities, [&notifier] { notifier.Beep(); });
    // Only asked for: a tool that starts speaking because of a desktop setting would surprise.
    engine.Switches().announcements = options->speak;
    if (!options->json) {
        out << engine.Header() << '\n';
    }
    std::signal(SIGINT, [](int) { interrupted = true; });
    std::signal(SIGTERM, [](int) { interrupted = true; });

    const double tickDays = engine.TickIntervalMs() / 86400000.0;
    long done = 0;
    // One tick; false when the run is over.
    auto tick = [&]() -> bool {
        const double instant = clock.Now().utc + orbit::kDisplayTimeToJulianDate;
        // Half a millisecond of slack: instants are whole milliseconds, sums of doubles not.
        if (options->until && instant > *options->until + 0.5 / 86400000.0) {
            return false;
        }
        sends = {};
        engine.TrackingTick();
        engine.LettersRepainted();
        if (options->json) {
            const TuningState& tuning = radios.Tracker().Tuning();
            const auto tuned =
                tuning.catOn ? std::optional<TunedFrequencies>({tuning.receive, tuning.transmit})
                             : std::nullopt;
            out << TrackJsonLine(instant, engine, tuned, sends) << std::flush;
        } else {
            if (options->now) {
                out << FormatInstant(instant) << ' ';
            }
            if (options->nameFirst) {
                out << engine.WorkingName() << '|';
            }
            out << engine.ListText() << std::endl;
        }
        if (radioLost) {
            return false;
        }
        return !(options->ticks > 0 && ++done >= options->ticks);
    };

    if (options->now) {
        // No waiting between ticks; the items' readers still get their turn between them.
        // Each instant from the start and the tick count, so no rounding piles up.
        const orbit::ClockReading start = steppedClock.Now();
        for (long k = 1; !interrupted && tick(); ++k) {
            steppedClock.Set(start.local + k * tickDays, start.utc + k * tickDays);
            RunEventPass();
        }
    } else {
        QTimer timer;
        timer.setTimerType(Qt::PreciseTimer);  // the ticks as evenly spaced as the desktop's
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (!tick()) {
                QCoreApplication::quit();
            }
        });
        QTimer watch;  // Ctrl-C ends the run in order, between ticks
        QObject::connect(&watch, &QTimer::timeout, [] {
            if (interrupted) {
                QCoreApplication::quit();
            }
        });
        watch.start(50);
        QTimer::singleShot(0, &timer, [&] {
            if (!tick()) {
                QCoreApplication::quit();
            }
        });
        timer.start(engine.TickIntervalMs());
        QCoreApplication::exec();
    }
    if (radioLost) {
        out.flush();
        err << DisplayLines(kRadioLostMessage).toStdString() << '\n';
        QuitHooks rotorOnly;  // the radio is gone; the rotor server still gets its "Close"
        rotor.FillQuitHooks(rotorOnly);
        TrackingEngine::QuitProgram(rotorOnly, true, false);
        return 1;
    }
    QuitHooks quit;
    radios.InstallQuit(quit, false);
    rotor.FillQuitHooks(quit);
    TrackingEngine::QuitProgram(quit, true, false);
    return 0;
}

}  // namespace orbivox::cli
