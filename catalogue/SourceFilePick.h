#pragma once
// Asking the operator for an element (source) file: File | Open, and a group whose file
// has gone. Where the chooser opens, which filters it offers, and what is said when the
// operator cancels or names a file that is not there.
#include <QString>

#include "catalogue/FileChooser.h"
#include "settings/Notifier.h"

namespace orbivox {

// The folder a missing source file is looked for in: its own while that still exists,
// else the configuration data folder.
QString MissingSourceFolder(const QString& missingSource, const QString& configFolder);

// Where File | Open starts: the open-folder text's folder (written with either slash) while
// it exists, else the folder of the source in use.
QString OpenFolder(const QString& openFolderText, const QString& currentSource);

class SourceFilePick {
public:
    // sourceKnown: the program has a source file that exists.
    SourceFilePick(Notifier& notifier, FileChooser& files, bool sourceKnown);

    // File | Open, in the folder named by the station settings' open-folder text when that
    // folder exists, else in the folder of the source in use. Cancelling is only worth a
    // word while the program still has no source file. Empty when nothing is to be opened.
    QString OpenFile(const QString& currentSource, const QString& sourceMask,
                     const QString& openFolderText = QString());
    // A source file in place of a missing one. Empty when nothing was chosen.
    QString ReplaceMissing(const QString& missingSource, const QString& configFolder,
                           const QString& sourceMask);

    bool sourceKnown() const { return sourceKnown_; }

private:
    Notifier& notifier_;
    FileChooser& files_;
    bool sourceKnown_;
};

}  // namespace orbivox
