#pragma once
// CI-V frames: FE FE to from command ... FD, with our own address 00. Building the frames
// the Icom radios take and finding the answer we asked for among what comes back on a
// shared bus (our own echo, other radios' frames, collisions).
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace orbivox {

inline constexpr char kControllerAddress = 0x00;

// FE FE address 00 body FD.
QByteArray IcomFrame(int address, const QByteArray& body);

// The set-frequency frame's five packed-digit bytes, least significant first (145900.000
// kHz gives 00 00 90 45 01), and the text kept as last sent ("0145900.000"). Nothing for a
// frequency the ten digits cannot hold.
struct IcomFrequency {
    QByteArray bytes;
    QString text;
};
std::optional<IcomFrequency> EncodeIcomFrequency(double kHz);

// The text of five packed-digit bytes as above; empty when a nibble is not a digit.
QString IcomFrequencyText(const QByteArray& fiveBytes);

// One frame found in a byte stream.
struct IcomFrameSeen {
    int to = 0, from = 0;
    QByteArray body;  // command and data
};
// Every complete frame in `bytes`, in order; collisions (FC), cut and unrelated bytes are
// passed over.
QList<IcomFrameSeen> SplitIcomFrames(const QByteArray& bytes);

// The answer of `radio` to Read frequency (FE FE 00 radio 03 b1..b5 FD), with or without
// the echo of our own request before it; empty when there is none.
QString IcomFrequencyAnswer(const QByteArray& bytes, int radio);

// The mode bytes (mode [filter]) of a mode word; nothing for a word outside the table (the
// previous frame's bytes are sent again) or one a model does not take.
enum class IcomModeClass { Satellite, Other };
std::optional<QByteArray> IcomModeBytes(const QString& mode, IcomModeClass modelClass, bool uplink);

}  // namespace orbivox
