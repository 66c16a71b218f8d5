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

TEST(PortMap, ALineThatIsNotNumberEqualsDeviceFails) {
    for (const QByteArray line : {"3:/dev/ttyS0", "0=/dev/ttyS0", "100=/dev/ttyS0", "3="}) {
        QTemporaryDir dir;
        QFile file(dir.filePath("ComPorts.SQF"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(";c\r\n" + line + "\r\n");
        file.close();
        try {
            ReadPortMap(file.fileName());
            ADD_FAILURE() << line.constData();
        } catch (const SqfError& error) {
            EXPECT_EQ(error.fileName(), "ComPorts.SQF");
            EXPECT_TRUE(error.reason().startsWith("line 2")) << error.reason().toStdString();
        }
    }
}

}  // namespace
}  // namespace orbivox
