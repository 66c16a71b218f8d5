#pragma once
// Where the catalogue asks the operator for a file to open: an open-file dialog in the
// desktop program, a scripted answer in tests.
#include <QString>
#include <QStringList>

namespace orbivox {

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // A file of folder matching one of the filters (the first one active); empty when
    // the operator cancelled.
    virtual QString OpenFile(const QString& folder, const QStringList& filters) = 0;
};

}  // namespace orbivox
