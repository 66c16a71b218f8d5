#pragma once
// The "&Programs" menu, the "Auxiliary Files" menu and the documents and "Info" box of the
// "&?" menu: what each item does, apart from the menus themselves. Programs and documents
// go through the Shell seam; a program or document that cannot be started is said rather
// than passed over in silence. An auxiliary file whose name leads out of the data folders
// is refused.
#include <QString>
#include <QStringList>
#include <optional>

#include "catalogue/Shell.h"
#include "settings/Notifier.h"

namespace orbivox {

struct LauncherFolders {
    QString programFolder;
    QString mainDataFolder;
    QString configDataFolder;
};

// A file the auxiliary files editor opens: its folder (with the trailing separator, as the
// caption shows it) and its name as Auxiliary.SQF gives it, and the path both make.
struct AuxiliaryFile {
    QString folder;
    QString name;
    QString path;
};

// The file of an Auxiliary.SQF entry, or none when it resolves outside its data folder
// (an absolute name, "..", or a link leading elsewhere).
std::optional<AuxiliaryFile> ResolveAuxiliaryFile(const QString& entry,
                                                  const LauncherFolders& folders);

enum class HelpDocument {
    Readme,
    Manual,
    Faq,
    YaesuHints,
    IcomHints,
    KenwoodHints,
    HamlibHints,
    WhatsNew
};

// The file of a document under the program folder; the manual falls back to "Manual.doc"
// when there is no "Manual.htm".
QString DocumentPath(HelpDocument document, const QString& programFolder);

// The "Info" box: the version lines, the maker's lines and our own version.
QString InfoText(const QString& ourVersion);

class Launcher {
public:
    Launcher(LauncherFolders folders, QStringList programs, QStringList auxiliaryFiles,
             bool builtInEditor, Shell& shell, Notifier& notifier);

    // Captions of the menu items: the first ten programs, the first eleven files.
    QStringList ProgramCaptions() const;
    QStringList AuxiliaryCaptions() const;

    // Item k (from 0) of "&Programs".
    void StartProgram(int k);
    // Item k (from 0) of "Auxiliary Files": the file for the built-in editor, or none when
    // the system editor took it or it was refused.
    std::optional<AuxiliaryFile> OpenAuxiliaryFile(int k);
    void OpenDocument(HelpDocument document);

    const std::optional<AuxiliaryFile>& currentAuxiliaryFile() const { return current_; }

private:
    LauncherFolders folders_;
    QStringList programs_;
    QStringList auxiliaryFiles_;
    bool builtInEditor_;
    Shell& shell_;
    Notifier& notifier_;
    std::optional<AuxiliaryFile> current_;
};

}  // namespace orbivox
