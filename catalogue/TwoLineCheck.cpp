// Scanning a downloaded file line by line for the first "1 " line followed at once by "2 ".
#include "catalogue/TwoLineCheck.h"

#include <QFile>
#include <QIODevice>

namespace orbivox {

bool HoldsTwoLineData(QIODevice& device) {
    while (!device.atEnd()) {
        const QByteArray line = device.readLine();
        if (line.startsWith("1 ")) {
            if (device.atEnd()) {
                return false;
            }
            if (device.readLine().startsWith("2 ")) {
                return true;
            }
        }
    }
    return false;
}

bool FileHoldsTwoLineData(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && HoldsTwoLineData(file);
}

}  // namespace orbivox
