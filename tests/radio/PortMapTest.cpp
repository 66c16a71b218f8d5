// The serial port map on scratch files: mapped numbers, the USB default, and a bad line.
#include "radio/PortMap.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "settings/SqfFile.h"

namespace orbivox {
namespace {

TEST(PortMap, MappedNumbersOpenTheirDeviceOthersTheUsbDefault) {
    QTemporaryDir dir;
    const QString path = dir.filePath("ComPorts.SQF");
    EXPECT_TRUE(ReadPortMap(path).isEmpty());  // a missing file maps nothing, no error

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(";radio ports\r\n3=/dev/ttyUSB0\r\n 12 = /dev/serial/by-id/usb-x-port0 \r\n\r\n");
    file.close();
    const PortMap map = ReadPortMap(path);
    EXPECT_EQ(DeviceForPort(map, 3), "/dev/ttyUSB0");
    EXPECT_EQ(DeviceForPort(map, 12), "/dev/serial/by-id/usb-x-port0");
    EXPECT_EQ(DeviceForPort(map, 1), "/dev/ttyUSB0");
    EXPECT_EQ(DeviceForPort(map, 4), "/dev/ttyUSB3");
    EXPECT_EQ(DeviceForPort(map, 0), "");
}

// A typo in one line is reported and left out; the other ports keep their devices rather
// than falling back to a guessed one that may be another device.
TEST(PortMap, ALineThatIsNotNumberEqualsDeviceIsLeftOutAndTheOthersStay) {
    for (const QByteArray line : {"3:/dev/ttyS0", "0=/dev/ttyS0", "100=/dev/ttyS0", "3="}) {
        QTemporaryDir dir;
        QFile file(dir.filePath("ComPorts.SQF"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(";c\r\n" + line + "\r\n4=/dev/ttyACM1\r\n");
        file.close();
        QStringList skipped;
        const PortMap map = ReadPortMap(file.fileName(), &skipped);
        EXPECT_EQ(map, (PortMap{{4, "/dev/ttyACM1"}})) << line.constData();
        ASSERT_EQ(skipped.size(), 1) << line.constData();
        EXPECT_TRUE(skipped[0].startsWith("ComPorts.SQF: line 2 is not")) << skipped[0].toStdString();
    }
}

}  // namespace
}  // namespace orbivox
