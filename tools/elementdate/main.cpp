// orbivox_elementdate FILE...: gives each element file the date of its newest epoch. The
// bundled element file is a snapshot; the satellites dialog and the status bar show its date,
// which must be the age of its elements, not the day the tree was checked out or built. The
// build runs this on the program folder's copy of data/, and the install on the installed one.
// The files are read with the program's own reader, so every format it knows works here.
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <iostream>

#include "catalogue/ElementAge.h"
#include "orbit/TimeScales.h"

namespace {

// The newest epoch of the file's sets as a UTC instant; invalid when it holds no set.
QDateTime NewestEpochTime(const QString& path, std::string& error) {
    const std::optional<double> newest = orbivox::NewestEpoch(path.toStdString(), error);
    if (!newest)
        return {};
    const orbit::CivilTime civil = orbit::CivilFromJulianDate(*newest);
    return QDateTime(QDate(civil.year, civil.month, civil.day),
                     QTime(civil.hour, civil.minute, civil.second, civil.millisecond), Qt::UTC);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: orbivox_elementdate FILE...\n";
        return 2;
    }
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        std::string error;
        const QDateTime newest = NewestEpochTime(path, error);
        QFile file(path);
        if (!newest.isValid()) {
            std::cerr << "orbivox_elementdate: " << argv[i] << ": " << error << '\n';
            status = 1;
        } else if (!file.open(QIODevice::ReadWrite) ||
                   !file.setFileTime(newest, QFileDevice::FileModificationTime)) {
            std::cerr << "orbivox_elementdate: " << argv[i] << ": "
                      << file.errorString().toStdString() << '\n';
            status = 1;
        }
    }
    return status;
}
