#pragma once
// The serial port map, ComPorts.SQF in the configuration data folder: the settings files
// keep the port numbers 1..99 the radio setup has always stored, and this file says which
// device each number opens on this machine.
//
//   ; comment
//   3=/dev/ttyUSB0
//   4=/dev/serial/by-id/usb-Silicon_Labs_CP2102-if00-port0
//
// A number without a line opens /dev/ttyUSB<n-1>; a missing file maps nothing.
#include <QMap>
#include <QString>

namespace orbivox {

using PortMap = QMap<int, QString>;

// Throws SqfError naming the line for a line that is not "n=device" with n in 1..99 and a
// device; a missing file gives an empty map (not an error).
PortMap ReadPortMap(const QString& path);

// The device port number n opens: the map's line, else /dev/ttyUSB<n-1>. Empty for 0.
QString DeviceForPort(const PortMap& map, int port);

// Sets the line of port number n (1..99) to "n=device": an existing line of n is replaced,
// else one is added; comments and every other line stay. A missing file is created. The
// write is atomic. Throws SqfError.
void StorePortMapEntry(const QString& path, int port, const QString& device);

}  // namespace orbivox
