#pragma once
// SatStart.SQF: the state the main window's switches take at program start, 24 lines.
#include <QChar>
#include <QString>

#include "map/WindowSizes.h"

namespace orbivox {

// Window size codes of line 5 ("-" W1, "/" W2, "+" W3, "A" W4, "B" W5).

WindowSize WindowSizeFromFlag(QChar flag);
QChar FlagFromWindowSize(WindowSize size);

inline constexpr int kDefaultElementRefreshDays = 2;
inline constexpr int kMaxElementRefreshDays = 99;

// Line 24's text ("+2", "-7") and back; a line that does not read is off after the default.
QString ElementRefreshLine(bool on, int days);
void ReadElementRefreshLine(const QString& line, bool& on, int& days);

struct StartValues {
    bool rotorControl = false;               // 1  "R+"/"R-"
    bool catControl = false;                 // 2  "C+"/"C-"
    bool autoChange = false;                 // 3  "A+"/"A-"
    bool rotorServerInUse = false;           // 4
    WindowSize windowSize = WindowSize::W3;  // 5
    bool multipleSatellites = true;          // 6  "M+"/"M-"
    QChar centringFirst = '+';               // 7
    QChar centringSecond = '+';              // 8
    int mapUpdateSeconds = 5;                // 9
    bool zoom2 = false;                      // 10 "Z2" when on
    bool catServerInUse = false;             // 11
    bool sunDisplay = true;                  // 12 "S+"/"S-"
    bool directionArrows = true;             // 13 "D+"/"D-"
    bool localZone = false;                  // 14 "L" when on, else "U"
    bool subTone = false;                    // 15 "T1"/"T0"
    bool radioSatelliteMode = false;         // 16
    bool modelSgp8 = false;                  // 17 "-" SGP4/SDP4, "+" SGP8/SDP8
    bool countdownColumns = false;           // 18 "Ct" when on, "AL" otherwise
    bool voiceAnnounce = false;              // 19
    bool physicalMap = false;                // 20 "BM" when on, "Pl" otherwise
    int transmitStopSeconds = 0;             // 21
    bool groundTrack = true;                 // 22 "G+"/"G-"
    bool radio2DtrToggles = false;           // 23
    // 24 "+N" / "-N": fetch the group's elements by themselves when older than N days.
    // A file without the line (written before it existed) reads as off.
    bool elementRefresh = false;
    int elementRefreshDays = kDefaultElementRefreshDays;
};

// Throws SqfError. Any flag line other than "+" reads as off ("-"), as the switches do.
StartValues ReadStartValues(const QString& path);
// WriteSatStart: all 24 lines from the values in memory, atomically; later lines are kept.
void WriteStartValues(const QString& path, const StartValues& values);

}  // namespace orbivox
