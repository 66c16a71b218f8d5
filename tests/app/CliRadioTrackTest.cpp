// orbivox track driving a radio: a whole pass on the stepped clock against the emulator, the
// frequencies in its JSON lines, and a radio lost in the middle of it.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "tests/app/CliRunner.h"
#include "tests/support/RadioEmulator.h"

namespace {

// A line of a settings file as a test sets it.
struct FileLine {
    const char* file;
    int index;
    QByteArray text;
};

// A station whose radio 1 (a Yaesu FT-847 unless `radio` says otherwise: TRX.SQF's word and
// the lines of its parameter files) is on port 3, mapped to the emulator's device, with CAT
// on and the ISS's first entry (Doppler.SQF line 4, which `radio` may replace) a linear
// inverting transponder. ComPorts.SQF's second line is free for a radio 2.
class RadioStation {
public:
    explicit RadioStation(const QString& device, const QList<FileLine>& radio = {}) {
        EXPECT_EQ(RunCli({"folders"}, home.path()).exitCode, 0);
        Replace("TRX.SQF", 0, "Yaesu");
        Replace("SatIni.SQF", 4, "3");     // radio 1's port
        Replace("SatIni.SQF", 5, "10");    // CAT delay, ms
        Replace("SatStart.SQF", 1, "+");   // CAT on
        Replace("SatStart.SQF", 15, "+");  // the radio's satellite mode
        Insert("Doppler.SQF", 3, "ISS (ZARYA),435150,145900,USB,LSB,REV,0,0");
        WriteFile("ComPorts.SQF", "3=" + device.toUtf8() + "\r\n");
        for (const FileLine& line : radio) {
            Replace(line.file, line.index, line.text);
        }
    }
    QString Data() const { return home.path() + "/.local/share/Orbivox32/"; }
    // Every file of the data folder with its bytes, to see nothing was touched.
    QMap<QString, QByteArray> Snapshot() const {
        QMap<QString, QByteArray> files;
        QDirIterator it(Data(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            files[it.filePath()] = file.readAll();
        }
        return files;
    }
    QTemporaryDir home;

private:
    QList<QByteArray> Lines(const QString& name) {
        QFile file(Data() + name);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        return file.readAll().split('\n');
    }
    void WriteFile(const QString& name, const QByteArray& bytes) {
        QFile file(Data() + name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void Replace(const QString& name, int index, const QByteArray& text) {
        QList<QByteArray> lines = Lines(name);
        lines[index] = text + "\r";
        WriteFile(name, lines.join('\n'));
    }
    void Insert(const QString& name, int index, const QByteArray& text) {
        QList<QByteArray> lines = Lines(name);
        lines.insert(index, text + "\r");
        WriteFile(name, lines.join('\n'));
    }
};

double LoggedKHz(const QString& line) {
    static const QRegularExpression number(R"(([0-9]+\.[0-9]+) MHz)");
    return number.match(line).captured(1).toDouble() * 1000.0;
}

// `orbivox track` from 21:53 for `ticks` ticks against `emulator` (started with `args`),
// run to its end with status 0 and every command logged; what a failure message shows.
std::string TrackedToTheEnd(RadioEmulator& emulator, const QStringList& args,
                            const RadioStation& station, int ticks) {
    const CliRun run =
        RunCli({"track", "--now", "2026-03-01T21:53:00Z", "--ticks", QString::number(ticks)},
               station.home.path());
    const std::string context = args.join(' ').toStdString() + '\n' + run.err.toStdString() +
                                emulator.Log().join('\n').toStdString();
    EXPECT_EQ(run.exitCode, 0) << context;
    EXPECT_TRUE(emulator.Logged(emulator.Log().last())) << context;
    return context;
}

TEST(CliRadioTrack, AWholePassOnTheSteppedClockFollowsTheDownlinkShift) {
    RadioEmulator emulator({"yaesu", "--model", "FT-847"});
    RadioStation station(emulator.Device());
    // The ISS rises at 21:52 and sets at 21:57 over the bundled station on this day.
    const CliRun run =
        RunCli({"track", "--now", "2026-03-01T21:51:00Z", "--until", "2026-03-01T21:59:00Z"},
               station.home.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.count('\n'), 482);  // the header and 481 ticks
    // The emulator takes the commands in order: with the last one, it has logged them all.
    ASSERT_TRUE(emulator.Logged("CAT off")) << emulator.Log().join('\n').toStdString();
    const QStringList downlinks = emulator.Lines("set downlink");
    ASSERT_GE(downlinks.size(), 20) << emulator.Log().mid(0, 40).join('\n').toStdString();
    // fD + dD: above 435150 while the satellite approaches, below it when it recedes,
    // falling all the way (10 Hz steps, the threshold lets small changes wait).
    EXPECT_GT(LoggedKHz(downlinks.first()), 435150 + 5);
    EXPECT_LT(LoggedKHz(downlinks.last()), 435150 - 5);
    for (qsizetype i = 1; i < downlinks.size(); ++i) {
        EXPECT_LE(LoggedKHz(downlinks[i]), LoggedKHz(downlinks[i - 1]))
            << downlinks[i].toStdString();
    }
    // The uplink goes the other way on an inverting transponder.
    const QStringList uplinks = emulator.Lines("set uplink");
    ASSERT_FALSE(uplinks.isEmpty());
    EXPECT_LT(LoggedKHz(uplinks.first()), 145900);
    EXPECT_GT(LoggedKHz(uplinks.last()), 145900);
    // Closing: satellite mode off and CAT off.
    EXPECT_TRUE(emulator.Log().contains("satellite mode off"));
    EXPECT_EQ(emulator.Log().last(), "CAT off");
}

// With a radio tuned, each JSON line carries the frequencies the Doppler tracking works out,
// and a tick that sent frequencies names them: one for one those the radio was set to.
TEST(CliRadioTrack, JsonLinesCarryTheTunedAndTheSentFrequencies) {
    RadioEmulator emulator({"yaesu", "--model", "FT-847"});
    RadioStation station(emulator.Device());
    const CliRun run = RunCli({"track", "--now", "2026-03-01T21:54:00Z", "--ticks", "6", "--json"},
                              station.home.path());
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6);
    QList<double> sentDownlinks, sentUplinks;
    for (const QString& line : lines) {
        const QJsonObject object = QJsonDocument::fromJson(line.toUtf8()).object();
        const double downlink = object["downlink_hz"].toDouble();
        const double uplink = object["uplink_hz"].toDouble();
        // The ISS is up: a Doppler shift of up to 10 kHz on 435.15 MHz, inverted on 145.9 MHz.
        EXPECT_NEAR(downlink, 435150000, 11000) << line.toStdString();
        EXPECT_NE(downlink, 435150000) << line.toStdString();
        EXPECT_NEAR(uplink, 145900000, 4000) << line.toStdString();
        EXPECT_EQ(downlink > 435150000, uplink < 145900000) << line.toStdString();
        if (object.contains("sent_downlink_hz")) {
            sentDownlinks << object["sent_downlink_hz"].toDouble();
            sentUplinks << object["sent_uplink_hz"].toDouble();
            EXPECT_EQ(object["sent_downlink_hz"].toDouble(), downlink) << line.toStdString();
        }
    }
    ASSERT_TRUE(emulator.Logged("CAT off"));
    const QStringList downlinks = emulator.Lines("set downlink");
    const QStringList uplinks = emulator.Lines("set uplink");
    ASSERT_FALSE(sentDownlinks.isEmpty());
    ASSERT_EQ(downlinks.size(), sentDownlinks.size()) << emulator.Log().join('\n').toStdString();
    ASSERT_EQ(uplinks.size(), sentUplinks.size());
    for (qsizetype i = 0; i < downlinks.size(); ++i) {
        // The FT-847 takes 10 Hz steps.
        EXPECT_NEAR(LoggedKHz(downlinks[i]) * 1000, sentDownlinks[i], 5) << downlinks[i].toStdString();
        EXPECT_NEAR(LoggedKHz(uplinks[i]) * 1000, sentUplinks[i], 5) << uplinks[i].toStdString();
    }
}

TEST(CliRadioTrack, ALostRadioEndsTheRunWithTheMessageAndTouchesNoFile) {
    RadioEmulator emulator({"yaesu", "--model", "FT-847", "--unplug-after", "8"});
    RadioStation station(emulator.Device());
    const QMap<QString, QByteArray> before = station.Snapshot();
    const CliRun run =
        RunCli({"track", "--now", "2026-03-01T21:53:00Z", "--ticks", "100"}, station.home.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(
        run.err.contains("Switch on the radio before you start the program.\n If it was on "
                         "click OK to shut Orbivox32.\nSwitch the radio off and on, then "
                         "restart Orbivox32.\nThe program will now be closed."))
        << run.err.toStdString();
    EXPECT_LT(run.out.count('\n'), 100);
    EXPECT_EQ(station.Snapshot(), before);
}

TEST(CliRadioTrack, APortThatCannotBeOpenedIsReportedAndTheRunGoesOn) {
    QTemporaryDir nowhere;
    RadioStation station(nowhere.path() + "/no-such-device");
    const CliRun run =
        RunCli({"track", "--now", "2026-03-01T21:53:00Z", "--ticks", "2"}, station.home.path());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(
        run.err.contains("Could not open COM3 for Radio 1!\nCheck whether COM3 is available "
                         "on your system.\nIf not,  open menu Setup / Radio Setup and "
                         "select and store another COM port.\n If no port is available "
                         "select 0 for the COM port number.\nCOM3 opens " +
                         nowhere.path() + "/no-such-device on this machine (ComPorts.SQF)."))
        << run.err.toStdString();
    EXPECT_EQ(run.out.count('\n'), 3);
}

// With "C+" at start each family is switched on for CAT (and split) before its first
// frequency, and what the port opening sends already does not go twice.
TEST(CliRadioTrack, CatOnAtStartReachesEveryFamilyBeforeItsFirstFrequency) {
    const struct {
        QStringList emulator;
        QList<FileLine> radio;
        const char* catOn;      // the start of the CAT-on sequence's log line
        const char* frequency;  // the start of the downlink's log lines
        int catOnLines;         // how often that line comes in the whole run (0: not counted)
    } families[] = {
        {{"yaesu", "--model", "FT-847"}, {}, "CAT on", "set downlink 435.", 1},
        {{"yaesu", "--model", "FT-736R"},
         {{"YaesuPar.SQF", 0, "$1E"}, {"YaesuPar.SQF", 1, "$2E"}, {"YaesuPar.SQF", 3, "FT-736R"}},
         "CAT on", "set downlink 435.", 1},
        {{"yaesu", "--model", "FT-817"},
         {{"YaesuPar.SQF", 0, "$01"}, {"YaesuPar.SQF", 1, "$01"}, {"YaesuPar.SQF", 3, "FT-817"}},
         "split on", "set VFO-A 435.", 1},
        {{"yaesu2", "--model", "FT-991A"}, {{"TRX.SQF", 0, "YaesuII"}}, "transmit on VFO-B",
         "set VFO-A 435.", 1},
        {{"kenwood", "--model", "TS-2000"}, {{"TRX.SQF", 0, "Kenwood"}}, "satellite control",
         "set VFO-A 435.", 0},
        {{"icom", "--model", "IC-9700", "--address", "A2"}, {{"TRX.SQF", 0, "Icom"}},
         "A2 satellite mode on", "A2 set frequency 435.", 1},
    };
    for (const auto& f : families) {
        RadioEmulator emulator(f.emulator);
        RadioStation station(emulator.Device(), f.radio);
        const std::string context = TrackedToTheEnd(emulator, f.emulator, station, 12);
        const QStringList log = emulator.Log();
        const QStringList frequencies = emulator.Lines(f.frequency);
        ASSERT_FALSE(frequencies.isEmpty()) << context;
        const QStringList catOn = emulator.Lines(f.catOn);
        ASSERT_FALSE(catOn.isEmpty()) << context;
        EXPECT_LT(log.indexOf(catOn.first()), log.indexOf(frequencies.first())) << context;
        if (f.catOnLines > 0) {
            EXPECT_EQ(catOn.size(), f.catOnLines) << context;
        }
        EXPECT_TRUE(emulator.Lines("ignored").isEmpty()) << context;
        // fD + dD: the ISS approaches at 21:53: above 435150 by a few kHz.
        const double first = LoggedKHz(frequencies.first());
        EXPECT_GT(first, 435150 + 1) << context;
        EXPECT_LT(first, 435150 + 10) << context;
    }
}

// A radio that is off (or on the wrong baud rate or address) is said within about five
// seconds of the tick clock, once; again once it answers.
TEST(CliRadioTrack, ARadioThatDoesNotAnswerIsSaidOnceAndWhenItAnswersAgain) {
    const struct {
        QStringList fault;
        bool recovers;
    } cases[] = {
        {{"--silent"}, false},
        {{"--garbage"}, false},
        {{"--silent-for", "16"}, true},
    };
    for (const auto& c : cases) {
        RadioEmulator emulator(QStringList{"yaesu", "--model", "FT-847"} + c.fault);
        RadioStation station(emulator.Device());
        const CliRun run = RunCli({"track", "--now", "2026-03-01T21:53:00Z", "--ticks", "30"},
                                  station.home.path());
        const std::string context = c.fault.join(' ').toStdString() + '\n' + run.err.toStdString();
        EXPECT_EQ(run.exitCode, 0) << context;
        const QString radio = "Radio 1 (FT-847 on " + emulator.Device() + ")";
        EXPECT_EQ(run.err.count("orbivox track: " + radio + " does not answer\n"), 1) << context;
        EXPECT_EQ(run.err.count(radio + " answers again"), c.recovers ? 1 : 0) << context;
    }
}

// A YaesuII radio whose cable is pulled is said and ends the run as every lost radio does.
TEST(CliRadioTrack, ALostYaesuIIRadioEndsTheRunWithStatusOne) {
    RadioEmulator emulator({"yaesu2", "--model", "FT-991A", "--unplug-after", "10"});
    RadioStation station(emulator.Device(), {{"TRX.SQF", 0, "YaesuII"}});
    const CliRun run =
        RunCli({"track", "--now", "2026-03-01T21:53:00Z", "--ticks", "100"}, station.home.path());
    EXPECT_EQ(run.exitCode, 1) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Radio 1 (FT-991A on " + emulator.Device() + ") was lost"))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("The program will now be closed.")) << run.err.toStdString();
    EXPECT_LT(run.out.count('\n'), 100);
}

// An FM satellite turns VFO mode off, and with it any stored correction mode: both links
// carry their own Doppler whatever KorrMod.SQF says.
TEST(CliRadioTrack, AnFmSatelliteGetsTheDopplerOnBothLinksWhateverTheStoredMode) {
    for (const char* mode : {"0", "1", "2"}) {
        RadioEmulator emulator({"yaesu", "--model", "FT-847"});
        RadioStation station(emulator.Device(),
                             {{"KorrMod.SQF", 0, mode},
                              {"Doppler.SQF", 3, "ISS (ZARYA),437800,145990,FM,FM,NOR,0,0"}});
        const std::string context =
            TrackedToTheEnd(emulator, {"KorrMod.SQF line 1:", mode}, station, 4);
        const QStringList downlinks = emulator.Lines("set downlink");
        const QStringList uplinks = emulator.Lines("set uplink");
        ASSERT_FALSE(downlinks.isEmpty() || uplinks.isEmpty()) << context;
        // Approaching: fD + dD some kHz above 437800, fU + dU below 145990 (a third as far).
        EXPECT_GT(LoggedKHz(downlinks.first()), 437800 + 1) << context;
        EXPECT_LT(LoggedKHz(downlinks.first()), 437800 + 10) << context;
        EXPECT_LT(LoggedKHz(uplinks.first()), 145990 - 0.3) << context;
        EXPECT_GT(LoggedKHz(uplinks.first()), 145990 - 4) << context;
    }
}

// The satellite's tone is on while it is worked (the Kenwood's with its mode set-up, after
// the entry selection switched it off), and off again when the run ends.
TEST(CliRadioTrack, EveryFamilyEndsTheRunWithTheToneOff) {
    const struct {
        QStringList emulator;
        QList<FileLine> radio;
        const char* on;
        const char* off;
    } families[] = {
        {{"yaesu", "--model", "FT-847"}, {}, "tone on", "tone off"},
        {{"yaesu", "--model", "FT-817"},
         {{"YaesuPar.SQF", 0, "$01"}, {"YaesuPar.SQF", 1, "$01"}, {"YaesuPar.SQF", 3, "FT-817"}},
         "tone on (VFO-B)", "tone off (VFO-B)"},
        {{"yaesu2", "--model", "FT-991A"}, {{"TRX.SQF", 0, "YaesuII"}}, "tone encode",
         "tone off"},
        {{"kenwood", "--model", "TS-2000"}, {{"TRX.SQF", 0, "Kenwood"}}, "tone on", "tone off"},
        {{"icom", "--model", "IC-9700", "--address", "A2"}, {{"TRX.SQF", 0, "Icom"}},
         "A2 tone on", "A2 tone off"},
    };
    for (const auto& f : families) {
        RadioEmulator emulator(f.emulator);
        RadioStation station(emulator.Device(), f.radio);
        const std::string context = TrackedToTheEnd(emulator, f.emulator, station, 6);
        // The tone switched before the first frequency, and in the whole run.
        QStringList before, switches;
        bool tuned = false;
        for (const QString& line : emulator.Log()) {
            tuned = tuned || (line.contains("set ") && line.endsWith(" MHz"));
            if (line == f.on || line == f.off) {
                (tuned ? switches : before) << line;
            }
        }
        switches = before + switches;
        ASSERT_FALSE(before.isEmpty()) << context;
        EXPECT_EQ(before.last(), f.on) << context;
        EXPECT_EQ(switches.last(), f.off) << context;
    }
}

// After the exchange for a "UV" satellite the FT-991A is on port 1: its lost cable is said
// as a YaesuII radio's, by its name.
TEST(CliRadioTrack, AfterAnExchangeALostPortIsSaidForTheRadioNowOnIt) {
    RadioEmulator ft847({"yaesu", "--model", "FT-847"});
    RadioEmulator ft991({"yaesu2", "--model", "FT-991A", "--unplug-after", "8"});
    RadioStation station(ft847.Device(),
                         {{"Radio2/TRX_Semi.SQF", 0, "YaesuII"},
                          {"Radio2/TRX_Semi.SQF", 1, "4"},
                          {"Radio2/TRX_Semi.SQF", 2, "+"},
                          {"ComPorts.SQF", 1, "4=" + ft991.Device().toUtf8()},
                          {"Doppler.SQF", 3, "ISS (ZARYA),145900,435150,USB,LSB,REV,0,0"}});
    const CliRun run =
        RunCli({"track", "--now", "2026-03-01T21:53:00Z", "--ticks", "40"}, station.home.path());
    const std::string context = run.err.toStdString() + ft991.Log().join('\n').toStdString();
    EXPECT_EQ(run.exitCode, 1) << context;
    EXPECT_TRUE(run.err.contains("Radio 1 (FT-991A on " + ft991.Device() + ") was lost"))
        << context;
}

TEST(CliRadioTrack, AnUnknownModelIsWarnedOfWithTheModelTakenInstead) {
    QTemporaryDir nowhere;
    RadioStation station(nowhere.path() + "/no-such-device", {{"YaesuPar.SQF", 3, "FT-8470"}});
    const CliRun run =
        RunCli({"track", "--now", "2026-03-01T21:53:00Z", "--ticks", "1"}, station.home.path());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains("Radio 1: YaesuPar.SQF names the model \"FT-8470\", which the "
                                 "Yaesu family does not have.\nThe radio is controlled as the "
                                 "FT-847."))
        << run.err.toStdString();
}

}  // namespace
