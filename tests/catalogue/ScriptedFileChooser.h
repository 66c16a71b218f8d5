#pragma once
// A file chooser for tests: hands back `fileToOpen` and keeps what it was offered.
#include "catalogue/FileChooser.h"

namespace orbivox {

class ScriptedFileChooser : public FileChooser {
public:
    QString OpenFile(const QString& folder, const QStringList& filters) override {
        foldersOffered.append(folder);
        filtersOffered = filters;
        return fileToOpen;
    }

    QString fileToOpen;  // empty: the operator cancelled
    QStringList foldersOffered;
    QStringList filtersOffered;
};

}  // namespace orbivox
