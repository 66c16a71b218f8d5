// The editor's line operations and reading and saving the file.
#include "catalogue/AuxFilesEditor.h"

#include <QFileInfo>

#include "settings/SqfFile.h"

namespace orbivox {

QString AuxFilesEditor::Load(const QString& path) {
    path_ = path;
    lines_.clear();
    saveAllowed_ = false;
    if (!QFileInfo::exists(path)) {
        saveAllowed_ = true;
        return QStringLiteral("The file ") + path +
               QStringLiteral(" does not exist yet; Save creates it.");
    }
    try {
        lines_ = ReadSqfLines(path);
    } catch (const SqfError& error) {
        return QStringLiteral("The file ") + path + QStringLiteral(" cannot be read (") +
               error.reason() + QStringLiteral("); it is not saved.");
    }
    saveAllowed_ = true;
    return QString();
}

int AuxFilesEditor::Duplicate(std::optional<int> marked, const QString& text) {
    const int at = Valid(marked) ? *marked + 1 : 0;
    lines_.insert(at, text);
    return at;
}

void AuxFilesEditor::Modify(std::optional<int> marked, const QString& text) {
    if (Valid(marked)) {
        lines_[*marked] = text;
    }
}

std::optional<int> AuxFilesEditor::Delete(std::optional<int> marked) {
    if (!Valid(marked)) {
        return marked;
    }
    lines_.removeAt(*marked);
    if (*marked == 0) {
        return std::nullopt;
    }
    return *marked - 1;
}

QString AuxFilesEditor::Save() const {
    if (!saveAllowed_) {
        return QStringLiteral("The file ") + path_ +
               QStringLiteral(" could not be read and is not written over.");
    }
    try {
        SqfWriter().Lines(lines_).Commit(path_);
    } catch (const SqfError& error) {
        return QStringLiteral("The file ") + path_ + QStringLiteral(" cannot be written: ") +
               error.reason();
    }
    return QString();
}

}  // namespace orbivox
