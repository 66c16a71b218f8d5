// Asking for a source file: where the chooser opens, what it offers and what is said when
// the operator cancels or names a file that is not there.
#include "catalogue/SourceFilePick.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "catalogue/Selection.h"
#include "settings/SqfFile.h"
#include "tests/catalogue/ScriptedFileChooser.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingNotifier.h"

namespace orbivox {
namespace {

class SourceFilePickTest : public ::testing::Test {
protected:
    void SetUp() override {
        QDir(dir_.path()).mkpath("Kepler");
        QDir(dir_.path()).mkpath("Cfg");
        existing_ = dir_.filePath("Kepler/amateur.txt");
        SqfWriter().Lines({"x"}).Commit(existing_);
        config_ = dir_.filePath("Cfg");
    }

    QTemporaryDir dir_;
    QString existing_;
    QString config_;
    RecordingNotifier notifier_;
    ScriptedFileChooser files_;
};

TEST_F(SourceFilePickTest, FileOpenWarnsOnCancelOnlyWhileNoSourceIsKnown) {
    const struct {
        const char* what;
        bool sourceKnown;
        QString answer;
        QString result;
        QStringList said;
    } cases[] = {
        {"cancelled, no source yet", false, "", "", {kNoSourceChosen}},
        {"cancelled, source in use", true, "", "", {}},
        {"a file that is not there", true, "/nowhere/x.txt", "", {kSourceNotFoundOnOpen}},
        {"a file", false, "EXISTING", "EXISTING", {}},
    };
    for (const auto& c : cases) {
        notifier_ = RecordingNotifier();
        files_.fileToOpen = c.answer == "EXISTING" ? existing_ : c.answer;
        SourceFilePick pick(notifier_, files_, c.sourceKnown);
        const QString result = pick.OpenFile(existing_, "*.txt");
        EXPECT_EQ(result, c.result == "EXISTING" ? existing_ : c.result) << c.what;
        EXPECT_EQ(notifier_.messages, c.said) << c.what;
        EXPECT_EQ(pick.sourceKnown(), c.sourceKnown || !result.isEmpty()) << c.what;
        EXPECT_EQ(files_.foldersOffered.last(), dir_.filePath("Kepler")) << c.what;
    }
    EXPECT_EQ(files_.filtersOffered, SourceFileFilters("*.txt", FilterSpelling::FileOpen));
}

// The open-folder text of the station settings names where File | Open starts, while that
// folder is there; a folder text from another system falls back to the source's folder.
TEST_F(SourceFilePickTest, FileOpenStartsInTheOpenFolderTextWhileItExists) {
    const QString cfg = config_;
    const QString backslashed = QString(cfg).replace('/', '\\') + "\\";
    const struct {
        QString text;
        QString folder;
    } cases[] = {
        {cfg, cfg},
        {cfg + "/", cfg},
        {backslashed, cfg},
        {"\\Orbivox32\\Kepler\\", dir_.filePath("Kepler")},
        {"", dir_.filePath("Kepler")},
    };
    for (const auto& c : cases) {
        SourceFilePick pick(notifier_, files_, true);
        pick.OpenFile(existing_, "*.txt", c.text);
        EXPECT_EQ(files_.foldersOffered.last(), c.folder) << c.text.toStdString();
    }
}

TEST_F(SourceFilePickTest, AMissingSourceIsLookedForInItsFolderWhileThatExists) {
    EXPECT_EQ(MissingSourceFolder(dir_.filePath("Kepler/gone.txt"), config_),
              dir_.filePath("Kepler"));
    EXPECT_EQ(MissingSourceFolder(dir_.filePath("Gone/gone.txt"), config_), config_);
    EXPECT_EQ(MissingSourceFolder(QString(), config_), config_);  // not the working folder

    SourceFilePick pick(notifier_, files_, false);
    files_.fileToOpen = "/nowhere/x.txt";
    EXPECT_EQ(pick.ReplaceMissing(dir_.filePath("Gone/gone.txt"), config_, "*.txt"), "");
    EXPECT_EQ(notifier_.messages, QStringList{kSourceNotFoundOnCheck});
    EXPECT_EQ(files_.foldersOffered.last(), config_);
    EXPECT_EQ(files_.filtersOffered, SourceFileFilters("*.txt", FilterSpelling::SourceCheck));
    files_.fileToOpen.clear();
    EXPECT_EQ(pick.ReplaceMissing(dir_.filePath("Kepler/gone.txt"), config_, "*.txt"), "");
    EXPECT_EQ(notifier_.messages.size(), 1);  // cancelling says nothing: start-up already did
    files_.fileToOpen = existing_;
    EXPECT_EQ(pick.ReplaceMissing(dir_.filePath("Kepler/gone.txt"), config_, "*.txt"), existing_);
    EXPECT_TRUE(pick.sourceKnown());
}

}  // namespace
}  // namespace orbivox
