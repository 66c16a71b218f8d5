#pragma once
// The line table behind the Auxiliary Files Editor: a file's lines read whole, the
// editor's Duplicate, Modify and Delete on the marked line, and Save writing them back
// whole (CR LF, Windows-1252, atomically). The table grows as needed; a file that could
// not be read is never written over.
#include <QString>
#include <QStringList>
#include <optional>

namespace orbivox {

class AuxFilesEditor {
public:
    // Reads the file. A missing file opens empty and may be saved (it is created); a file
    // that exists but cannot be read opens empty and Save refuses. Returns a warning for
    // either, empty when the file was read.
    QString Load(const QString& path);

    // "Duplicate": `text` as a new line after the marked one (first with none marked);
    // returns the new line's index, which becomes the marked line.
    int Duplicate(std::optional<int> marked, const QString& text);
    // "Modify": the marked line becomes `text`; nothing without a marked line.
    void Modify(std::optional<int> marked, const QString& text);
    // "Delete": removes the marked line; returns the line marked after it (the one before,
    // none when the first was removed). Nothing without a marked line.
    std::optional<int> Delete(std::optional<int> marked);
    // "Save": writes every line; an error text when it could not, empty on success.
    QString Save() const;

    const QStringList& lines() const { return lines_; }
    int lastLineIndex() const { return static_cast<int>(lines_.size()) - 1; }
    const QString& path() const { return path_; }
    bool saveAllowed() const { return saveAllowed_; }

private:
    bool Valid(std::optional<int> marked) const {
        return marked && *marked >= 0 && *marked < lines_.size();
    }

    QString path_;
    QStringList lines_;
    bool saveAllowed_ = false;
};

}  // namespace orbivox
