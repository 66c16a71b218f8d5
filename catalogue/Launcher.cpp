// Starting the listed programs, opening auxiliary files and documents, the "Info" text.
#include "catalogue/Launcher.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "catalogue/LauncherLists.h"
#include "settings/Folders.h"

namespace orbivox {

namespace {

bool Inside(const QString& path, const QString& folder) {
    return !folder.isEmpty() && path.startsWith(WithSlash(folder));
}

}  // namespace

std::optional<AuxiliaryFile> ResolveAuxiliaryFile(const QString& entry,
                                                  const LauncherFolders& folders) {
    const QString folder =
        QDir::cleanPath(AuxiliaryFolder(entry, folders.mainDataFolder, folders.configDataFolder));
    QString relative = entry;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (relative.trimmed().isEmpty() || QDir::isAbsolutePath(relative) ||
        relative.contains(QLatin1Char(':'))) {
        return std::nullopt;
    }
    const QString path = QDir::cleanPath(folder + QLatin1Char('/') + relative);
    if (!Inside(path, folder)) {
        return std::nullopt;
    }
    // A link may lead elsewhere: what it resolves to must lie in one of the data folders.
    const QString real = QFileInfo(path).canonicalFilePath();
    if (!real.isEmpty()) {
        const QString mainReal = QFileInfo(folders.mainDataFolder).canonicalFilePath();
        const QString configReal = QFileInfo(folders.configDataFolder).canonicalFilePath();
        if (!Inside(real, mainReal) && !Inside(real, configReal)) {
            return std::nullopt;
        }
    }
    return AuxiliaryFile{WithSlash(folder), entry, path};
}

QString DocumentPath(HelpDocument document, const QString& programFolder) {
    const QString folder = WithSlash(programFolder);
    switch (document) {
        case HelpDocument::Readme:
            return folder + QStringLiteral("Readme.txt");
        case HelpDocument::Manual:
            return QFileInfo::exists(folder + QStringLiteral("Manual.htm"))
                       ? folder + QStringLiteral("Manual.htm")
                       : folder + QStringLiteral("Manual.doc");
        case HelpDocument::Faq:
            return folder + QStringLiteral("FAQ.htm");
        case HelpDocument::YaesuHints:
            return folder + QStringLiteral("Yaesu/Readme(Yaesu).txt");
        case HelpDocument::IcomHints:
            return folder + QStringLiteral("Icom/Readme(Icom).txt");
        case HelpDocument::KenwoodHints:
            return folder + QStringLiteral("Kenwood/Readme(Kenw).txt");
        case HelpDocument::HamlibHints:
            return folder + QStringLiteral("Hamlib/Readme(Hamlib).txt");
        case HelpDocument::WhatsNew:
            return folder + QStringLiteral("What's New.txt");
    }
    return QString();
}

QString InfoText(const QString& ourVersion) {
    return QStringLiteral(
               "Orbivox32  V.12.8d \r"
               "Released 6/2019\r"
               "The Orbivox32 developers\r"
               "Free software for amateur-radio satellite stations\r"
               "Questions and reports: see the FAQ and Readme files\r"
               "Program folder documents: menu \"?\"\r") +
           QStringLiteral("Version ") + ourVersion;
}

Launcher::Launcher(LauncherFolders folders, QStringList programs, QStringList auxiliaryFiles,
                   bool builtInEditor, Shell& shell, Notifier& notifier)
    : folders_(std::move(folders)),
      programs_(std::move(programs)),
      auxiliaryFiles_(std::move(auxiliaryFiles)),
      builtInEditor_(builtInEditor),
      shell_(shell),
      notifier_(notifier) {}

QStringList Launcher::ProgramCaptions() const {
    QStringList captions;
    for (const QString& entry : programs_.mid(0, kProgramMenuItems)) {
        captions << LauncherCaption(entry);
    }
    return captions;
}

QStringList Launcher::AuxiliaryCaptions() const {
    QStringList captions;
    for (const QString& entry : auxiliaryFiles_.mid(0, kAuxiliaryMenuItems)) {
        captions << LauncherCaption(entry);
    }
    return captions;
}

void Launcher::StartProgram(int k) {
    if (k < 0 || k >= std::min<int>(programs_.size(), kProgramMenuItems)) {
        return;
    }
    // An empty line keeps its slot but names no program (its item is not shown).
    if (programs_[k].trimmed().isEmpty()) {
        return;
    }
    // Linux programs have no ".exe"; a relative entry is taken from the program folder.
    QString program = programs_[k];
    program.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!program.isEmpty() && QDir::isRelativePath(program)) {
        program = WithSlash(folders_.programFolder) + program;
    }
    if (!shell_.StartProgram(program, folders_.programFolder)) {
        notifier_.Warning(QStringLiteral("The program ") + programs_[k] +
                          QStringLiteral(" cannot be started!\rCheck its line in Program.SQF."));
    }
}

std::optional<AuxiliaryFile> Launcher::OpenAuxiliaryFile(int k) {
    if (k < 0 || k >= std::min<int>(auxiliaryFiles_.size(), kAuxiliaryMenuItems)) {
        return std::nullopt;
    }
    const QString& entry = auxiliaryFiles_[k];
    current_ = ResolveAuxiliaryFile(entry, folders_);
    if (!current_) {
        notifier_.Warning(QStringLiteral("The file ") + entry +
                          QStringLiteral(" lies outside the data folders and is not opened!"));
        return std::nullopt;
    }
    if (builtInEditor_) {
        return current_;
    }
    if (!shell_.EditTextFile(current_->path, current_->folder)) {
        notifier_.Warning(QStringLiteral("No text editor could be started for ") + current_->path +
                          QStringLiteral("!"));
    }
    return std::nullopt;
}

void Launcher::OpenDocument(HelpDocument document) {
    const QString path = DocumentPath(document, folders_.programFolder);
    if (!shell_.OpenDocument(path)) {
        notifier_.Warning(QStringLiteral("The document ") + path +
                          QStringLiteral(" cannot be opened!"));
    }
}

}  // namespace orbivox
