// Reading and writing SatStart.SQF, and the flag characters that stand for window sizes.
#include "tracking/StartValues.h"

#include "settings/SqfFile.h"

namespace orbivox {

WindowSize WindowSizeFromFlag(QChar flag) {
    switch (flag.unicode()) {
        case '-':
            return WindowSize::W1;
        case '/':
            return WindowSize::W2;
        case 'A':
            return WindowSize::W4;
        case 'B':
            return WindowSize::W5;
        default:
            return WindowSize::W3;
    }
}

QChar FlagFromWindowSize(WindowSize size) {
    switch (size) {
        case WindowSize::W1:
            return '-';
        case WindowSize::W2:
            return '/';
        case WindowSize::W4:
            return 'A';
        case WindowSize::W5:
            return 'B';
        case WindowSize::W3:
            break;
    }
    return '+';
}

QString ElementRefreshLine(bool on, int days) {
    return SqfFlagText(on) + QString::number(days);
}

void ReadElementRefreshLine(const QString& line, bool& on, int& days) {
    const QString text = line.trimmed();
    bool number = false;
    const int value = text.mid(1).toInt(&number);
    if (text.size() < 2 || (text[0] != QLatin1Char('+') && text[0] != QLatin1Char('-')) ||
        !number || value < 1 || value > kMaxElementRefreshDays) {
        on = false;
        days = kDefaultElementRefreshDays;
        return;
    }
    on = text[0] == QLatin1Char('+');
    days = value;
}

StartValues ReadStartValues(const QString& path) {
    SqfReader file(path);
    auto on = [&file] { return file.Flag() == QChar('+'); };
    StartValues v;
    v.rotorControl = on();
    v.catControl = on();
    v.autoChange = on();
    v.rotorServerInUse = on();
    v.windowSize = WindowSizeFromFlag(file.Flag());
    v.multipleSatellites = on();
    v.centringFirst = file.Flag();
    v.centringSecond = file.Flag();
    v.mapUpdateSeconds = static_cast<int>(file.Integer());
    v.zoom2 = on();
    v.catServerInUse = on();
    v.sunDisplay = on();
    v.directionArrows = on();
    v.localZone = on();
    v.subTone = on();
    v.radioSatelliteMode = on();
    v.modelSgp8 = on();
    v.countdownColumns = on();
    v.voiceAnnounce = on();
    v.physicalMap = on();
    v.transmitStopSeconds = static_cast<int>(file.Integer());
    v.groundTrack = on();
    v.radio2DtrToggles = on();
    ReadElementRefreshLine(file.Text(), v.elementRefresh, v.elementRefreshDays);
    return v;
}

void WriteStartValues(const QString& path, const StartValues& v) {
    // Lines after the 24th are not ours: they stay as they are.
    QStringList after;
    try {
        after = ReadSqfLines(path).mid(24);
    } catch (const SqfError&) {
    }
    SqfWriter()
        .Flag(v.rotorControl)
        .Flag(v.catControl)
        .Flag(v.autoChange)
        .Flag(v.rotorServerInUse)
        .Flag(FlagFromWindowSize(v.windowSize))
        .Flag(v.multipleSatellites)
        .Flag(v.centringFirst)
        .Flag(v.centringSecond)
        .Integer(v.mapUpdateSeconds)
        .Flag(v.zoom2)
        .Flag(v.catServerInUse)
        .Flag(v.sunDisplay)
        .Flag(v.directionArrows)
        .Flag(v.localZone)
        .Flag(v.subTone)
        .Flag(v.radioSatelliteMode)
        .Flag(v.modelSgp8)
        .Flag(v.countdownColumns)
        .Flag(v.voiceAnnounce)
        .Flag(v.physicalMap)
        .Integer(v.transmitStopSeconds)
        .Flag(v.groundTrack)
        .Flag(v.radio2DtrToggles)
        .Text(ElementRefreshLine(v.elementRefresh, v.elementRefreshDays))
        .Lines(after)
        .Commit(path);
}

}  // namespace orbivox
