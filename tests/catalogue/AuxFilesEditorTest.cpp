// The Auxiliary Files Editor: its operations as a table over one small file, the bytes it
// saves (CR LF, Windows-1252, atomically), what it does with a missing or unreadable file,
// and the dialog driving it offscreen.
#include "catalogue/AuxFilesEditor.h"

#include <gtest/gtest.h>

#include <QFile>
#include <functional>

#include "catalogue/ui/AuxFilesDialog.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingNotifier.h"
#include "tests/support/ScratchFiles.h"

namespace orbivox {
namespace {

class AuxFilesEditorTest : public ScratchFolder {
protected:
    QString Sample() { return Write("Prior.SQF", "AO-07\r\nFO-29\r\nRS-44\r\n"); }
};

TEST_F(AuxFilesEditorTest, OperationsOnTheMarkedLine) {
    using Marked = std::optional<int>;
    const struct {
        const char* name;
        std::function<Marked(AuxFilesEditor&)> step;
        QStringList lines;
        Marked marked;  // after the step
    } cases[] = {
        {"load", [](AuxFilesEditor&) { return Marked(); }, {"AO-07", "FO-29", "RS-44"}, {}},
        {"duplicate after the marked line",
         [](AuxFilesEditor& e) { return Marked(e.Duplicate(1, "XW-2A")); },
         {"AO-07", "FO-29", "XW-2A", "RS-44"},
         2},
        {"duplicate with none marked goes first",
         [](AuxFilesEditor& e) { return Marked(e.Duplicate({}, "XW-2A")); },
         {"XW-2A", "AO-07", "FO-29", "RS-44"},
         0},
        {"modify",
         [](AuxFilesEditor& e) {
             e.Modify(2, "IO-86");
             return Marked(2);
         },
         {"AO-07", "FO-29", "IO-86"},
         2},
        {"modify with none marked",
         [](AuxFilesEditor& e) {
             e.Modify({}, "IO-86");
             return Marked();
         },
         {"AO-07", "FO-29", "RS-44"},
         {}},
        {"delete marks the line before",
         [](AuxFilesEditor& e) { return e.Delete(2); },
         {"AO-07", "FO-29"},
         1},
        {"delete the first marks none",
         [](AuxFilesEditor& e) { return e.Delete(0); },
         {"FO-29", "RS-44"},
         {}},
        {"delete with none marked",
         [](AuxFilesEditor& e) { return e.Delete({}); },
         {"AO-07", "FO-29", "RS-44"},
         {}},
    };
    for (const auto& c : cases) {
        AuxFilesEditor editor;
        EXPECT_EQ(editor.Load(Sample()), "") << c.name;
        EXPECT_EQ(c.step(editor), c.marked) << c.name;
        EXPECT_EQ(editor.lines(), c.lines) << c.name;
        EXPECT_EQ(editor.lastLineIndex(), c.lines.size() - 1) << c.name;
    }
}

TEST_F(AuxFilesEditorTest, SaveWritesCrLfAndTheCodePageAndGrowsPastTheOldLimit) {
    const QString path = Write("NelvoNames.txt", "40967 FOX-1A\nna\xefve \xb0\r\n");
    AuxFilesEditor editor;
    ASSERT_EQ(editor.Load(path), "");
    EXPECT_EQ(editor.lines()[1], QString::fromUtf8("na\u00efve \u00b0"));
    editor.Modify(0, QString::fromUtf8("40967 FOX-1A \u00e9"));
    EXPECT_EQ(editor.Save(), "");
    EXPECT_EQ(Bytes("NelvoNames.txt"), QByteArray("40967 FOX-1A \xe9\r\nna\xefve \xb0\r\n"));

    // More lines than the old fixed table held, all saved.
    for (int i = 0; i < 2100; ++i) {
        editor.Duplicate(editor.lastLineIndex(), QString::number(i));
    }
    EXPECT_EQ(editor.Save(), "");
    EXPECT_EQ(Bytes("NelvoNames.txt").count("\r\n"), 2102);

    // Every line deleted: an empty file.
    while (editor.lastLineIndex() >= 0) {
        editor.Delete(0);
    }
    EXPECT_EQ(editor.Save(), "");
    EXPECT_EQ(Bytes("NelvoNames.txt"), QByteArray());
}

TEST_F(AuxFilesEditorTest, MissingFileOpensEmptyAndIsCreatedOnSave) {
    AuxFilesEditor missing;
    EXPECT_NE(missing.Load(Path("New.SQF")), "");
    EXPECT_TRUE(missing.lines().isEmpty());
    missing.Duplicate({}, "first");
    EXPECT_EQ(missing.Save(), "");
    EXPECT_EQ(Bytes("New.SQF"), QByteArray("first\r\n"));
}

TEST_F(AuxFilesEditorTest, UnreadableFileIsNeverWrittenOver) {
    const QString locked = Write("Locked.SQF", "keep me\r\n");
    QFile::setPermissions(locked, QFileDevice::WriteOwner);
    if (QFile(locked).open(QIODevice::ReadOnly)) {
        GTEST_SKIP() << "running with rights to read any file";
    }
    AuxFilesEditor unreadable;
    EXPECT_NE(unreadable.Load(locked), "");
    EXPECT_FALSE(unreadable.saveAllowed());
    EXPECT_NE(unreadable.Save(), "");
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(Bytes("Locked.SQF"), QByteArray("keep me\r\n"));
}

TEST_F(AuxFilesEditorTest, DialogDrivesTheLines) {
    RecordingNotifier notifier;
    TModAux dialog(notifier, nullptr);
    dialog.Prepare({dir_.path() + "/", "Prior.SQF", Sample()});
    EXPECT_EQ(dialog.windowTitle(), "Auxiliary Files Editor [" + dir_.path() + "/Prior.SQF]");
    ASSERT_EQ(dialog.lstSqfFiles->count(), 3);

    dialog.lstSqfFiles->setCurrentRow(1);
    dialog.lstSqfFilesClick();
    EXPECT_EQ(dialog.edFusszeile->text(), "FO-29");
    dialog.cmdAddClick();  // a copy after it, marked
    dialog.edFusszeile->setText("SO-50");
    dialog.cmdModifyClick();
    EXPECT_EQ(dialog.lstSqfFiles->item(2)->text(), "SO-50");
    dialog.lstSqfFiles->setCurrentRow(0);
    dialog.cmdDeleteClick();  // the first: none marked, the edit field keeps its text
    EXPECT_EQ(dialog.lstSqfFiles->currentRow(), -1);
    EXPECT_EQ(dialog.edFusszeile->text(), "SO-50");
    dialog.cmdSaveClick();
    EXPECT_EQ(Bytes("Prior.SQF"), QByteArray("FO-29\r\nSO-50\r\nRS-44\r\n"));
    EXPECT_TRUE(notifier.boxes.empty());

    dialog.cmdHelpClick();
    EXPECT_TRUE(dialog.help()->isVisible());
    EXPECT_EQ(dialog.help()->windowTitle(), "Help Auxiliary Files");
    // Each paragraph is one text the field wraps between words; the empty lines stay.
    const QStringList shown = dialog.help()->Memo1->toPlainText().split('\n');
    ASSERT_EQ(shown.size(), 11);
    EXPECT_EQ(shown[1],
              "To modify a data set mark it in the list. A copy will appear in the text window "
              "below the list. Edit this copy, then click on 'Modify'.");
    EXPECT_EQ(shown[3], kAuxFilesHelpLines.mid(4, 4).join(' '));
    EXPECT_EQ(shown.join(' ').simplified(), kAuxFilesHelpLines.join(' ').simplified());
    EXPECT_EQ(dialog.help()->Memo1->wordWrapMode(), QTextOption::WordWrap);
}

}  // namespace
}  // namespace orbivox
