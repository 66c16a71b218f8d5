// Reading the download address list: comment lines dropped, addresses trimmed, blanks skipped.
#include "catalogue/DownloadAddresses.h"

#include "settings/SqfFile.h"

namespace orbivox {

QStringList ReadDownloadAddresses(const QString& path) {
    QStringList addresses;
    for (const QString& line : WithoutComments(ReadSqfLines(path))) {
        const QString address = line.trimmed();
        if (!address.isEmpty()) {
            addresses.append(address);
        }
    }
    return addresses;
}

}  // namespace orbivox
