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
#include <QStringList>

namespace orbivox {

using PortMap = QMap<int, QString>;

// A line that is not "n=device" with n in 1..99 and a device is left out, the others keep
// their devices; `skipped` (when given) gets "ComPorts.SQF: line 2 is not ..." for each.
// A missing file gives an empty map (not an error). Throws SqfError when the file cannot
// be read.
PortMap ReadPortMap(const QString& path, QStringList* skipped = nullptr);

// The device port number n opens: the map's line, else /dev/ttyUSB<n-1>. Empty for 0.
QString DeviceForPort(const PortMap& map, int port);
// "COM3 opens /dev/ttyUSB2 on this machine (ComPorts.SQF)." for port messages.
QString PortDeviceLine(const PortMap& map, int port);

// Sets the line of port number n (1..99) to "n=device": an existing line of n is replaced,
// else one is added; comments and every other line stay. A missing file is created. The
// write is atomic. Throws SqfError.
void StorePortMapEntry(const QString& path, int port, const QString& device);

}  // namespace orbivox
