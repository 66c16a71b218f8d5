// The satellites dialog on a copy of the bundled configuration, driven by keys and clicks with
// recorded message boxes: the lists, a new group, sorting, a downloaded file, Escape.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <array>
#include <functional>
#include <optional>

#include "catalogue/ui/DownloadKepsDialog.h"
#include "catalogue/ui/ElementDisplayDialog.h"
#include "catalogue/ui/GroupChooser.h"
#include "catalogue/ui/GroupDialogs.h"
#include "catalogue/ui/SatWahlDialog.h"
#include "catalogue/ui/SatelliteNameDialog.h"
#include "catalogue/ui/SortSatsDialog.h"
#include "settings/SqfFile.h"
#include "tests/catalogue/CatalogueFixture.h"
#include "tests/catalogue/ScriptedFileChooser.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/RecordingNotifier.h"

namespace orbivox {
namespace {

// Runs action on the modal dialog of type Dialog once it is shown; any other dialog is a
// failure and is closed so the test cannot hang.
template <typename Dialog>
void WhenShown(std::function<void(Dialog&)> action) {
    QTimer::singleShot(0, [action] {
        auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "expected dialog not shown";
            if (auto* other = dynamic_cast<QDialog*>(QApplication::activeModalWidget())) {
                other->done(QDialog::Rejected);
            }
            return;
        }
        action(*dialog);
        if (dialog->isVisible()) {
            dialog->done(QDialog::Rejected);
        }
    });
}

void PressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(widget, &press);
}

QStringList Items(const QListWidget* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items.append(list->item(i)->text());
    }
    return items;
}

void Select(QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchExactly);
    ASSERT_FALSE(found.isEmpty()) << text.toStdString();
    list->setCurrentItem(found.first());
}

class SatWahlDialogTest : public CatalogueFixture {
protected:
    void SetUp() override {
        CatalogueFixture::SetUp();
        choice = std::make_unique<SatelliteChoice>(context, readOptions);
    }

    // A satellites dialog opened from the menu on the group the program starts with.
    std::unique_ptr<TSatWahl> OpenDialog() {
        auto dialog = std::make_unique<TSatWahl>(*choice, messages, files, screen);
        dialog->Prepare(StartSelection(), true);
        dialog->show();
        return dialog;
    }

    std::unique_ptr<SatelliteChoice> choice;
    RecordingNotifier messages;
    ScriptedFileChooser files;
    FixedScreen screen;
};

TEST_F(SatWahlDialogTest, ShowsTheGroupItsFileAndTheChosenListWithStars) {
    SqfWriter()
        .Lines({"NOAA 19", "+", "ISS (ZARYA)", "-", "NOT IN THE FILE", "+"})
        .Commit(FindGroupFile(context.configFolder, "Amateur"));
    auto dialog = OpenDialog();
    EXPECT_EQ(dialog->lblAuswahl->text(), "Selected: [Amateur]");
    EXPECT_EQ(dialog->filSource->currentItem()->text(), "amateur.txt");
    EXPECT_EQ(dialog->lstAlleSat->count(), 35);
    EXPECT_EQ(Items(dialog->lstAuswahl), (QStringList{"NOAA 19", "ISS (ZARYA)"}));
    EXPECT_FALSE(dialog->stars[0]->isHidden());
    EXPECT_TRUE(dialog->stars[1]->isHidden());
    EXPECT_TRUE(dialog->stars[2]->isHidden());
    EXPECT_EQ(dialog->stars[0]->toolTip(), "NOAA 19");
    EXPECT_FALSE(dialog->btnDelete->isEnabled());

    // Show On/Off turns the star; Delete key removes, the stars move up.
    dialog->lstAuswahl->setCurrentRow(1);
    EXPECT_TRUE(dialog->btnShowOnOff->isEnabled());
    dialog->btnShowOnOff->click();
    EXPECT_FALSE(dialog->stars[1]->isHidden());
    dialog->lstAuswahl->setCurrentRow(0);
    PressKey(dialog->lstAuswahl, Qt::Key_Delete);
    EXPECT_EQ(Items(dialog->lstAuswahl), QStringList{"ISS (ZARYA)"});
    EXPECT_FALSE(dialog->stars[0]->isHidden());
    EXPECT_TRUE(dialog->stars[1]->isHidden());
    EXPECT_FALSE(dialog->btnDelete->isEnabled());

    // Enter on the list of all satellites adds; a doubled name is not added twice.
    Select(dialog->lstAlleSat, "NOAA 18");
    PressKey(dialog->lstAlleSat, Qt::Key_Return);
    PressKey(dialog->lstAlleSat, Qt::Key_Return);
    EXPECT_EQ(Items(dialog->lstAuswahl), (QStringList{"ISS (ZARYA)", "NOAA 18"}));
    EXPECT_TRUE(dialog->isVisible());  // Enter on the list did not close the dialog

    // Element display at the working satellite's set, stepped with Next.
    WhenShown<TTLEDisplDfm>([](TTLEDisplDfm& display) {
        EXPECT_EQ(display.windowTitle(), "amateur.txt");
        EXPECT_EQ(display.ListBox1->item(0)->text(), "ISS (ZARYA)");
        EXPECT_EQ(display.Label4->text(), "El-Set: 6");
        display.btnNext->click();
        EXPECT_EQ(display.Label4->text(), "El-Set: 7");
        EXPECT_EQ(display.ListBox1->item(0)->text(), "SAUDISAT 1C (SO-50)");
    });
    dialog->Button2->click();

    dialog->cmdFileOK->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(choice->outcome(), ChoiceOutcome::Accepted);
    EXPECT_EQ(ReadGroupFile(FindGroupFile(context.configFolder, "Amateur")),
              (QList<GroupMember>{{"ISS (ZARYA)", true}, {"NOAA 18", true}}));
}

// The filter narrows the list as the operator types; Enter in it adds the highlighted
// satellite (the dialog stays open), and the chosen list is edited as with the whole list.
TEST_F(SatWahlDialogTest, FilterNarrowsTheListAndEditingWorksOnTheNarrowedOne) {
    SqfWriter().Lines({"NOAA 19", "+"}).Commit(FindGroupFile(context.configFolder, "Amateur"));
    auto dialog = OpenDialog();
    dialog->edtFilter->setText("noaa 1");
    EXPECT_EQ(Items(dialog->lstAlleSat), (QStringList{"NOAA 15", "NOAA 18", "NOAA 19"}));
    PressKey(dialog->edtFilter, Qt::Key_Down);
    EXPECT_EQ(dialog->lstAlleSat->currentItem()->text(), "NOAA 18");
    PressKey(dialog->edtFilter, Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    PressKey(dialog->edtFilter, Qt::Key_Return);  // already chosen: not added twice
    EXPECT_EQ(Items(dialog->lstAuswahl), (QStringList{"NOAA 19", "NOAA 18"}));

    dialog->edtFilter->setText("25544");  // by catalogue number
    EXPECT_EQ(Items(dialog->lstAlleSat), QStringList{"ISS (ZARYA)"});
    PressKey(dialog->lstAlleSat, Qt::Key_Return);
    dialog->lstAuswahl->setCurrentRow(0);
    PressKey(dialog->lstAuswahl, Qt::Key_Delete);
    EXPECT_EQ(Items(dialog->lstAuswahl), (QStringList{"NOAA 18", "ISS (ZARYA)"}));

    dialog->edtFilter->setText("no such satellite");
    EXPECT_EQ(dialog->lstAlleSat->count(), 0);
    PressKey(dialog->edtFilter, Qt::Key_Return);  // nothing highlighted: nothing happens
    dialog->edtFilter->clear();
    EXPECT_EQ(dialog->lstAlleSat->count(), 35);
    dialog->cmdFileOK->click();
    EXPECT_EQ(ReadGroupFile(FindGroupFile(context.configFolder, "Amateur")),
              (QList<GroupMember>{{"NOAA 18", true}, {"ISS (ZARYA)", true}}));
}

// A new user through the dialogs: a new group, a source for it, satellites, OK; then the
// group is removed again.
TEST_F(SatWahlDialogTest, NewGroupThroughTheDialogsThenRemoved) {
    files.fileToOpen = Kepler("amateur.txt");
    auto dialog = OpenDialog();
    WhenShown<TSatFiles>([](TSatFiles& chooser) {
        WhenShown<TAddGroup>([](TAddGroup& add) {
            add.edNewGroup->setText("Field Day");
            add.btnOK->click();
        });
        chooser.btnNew->click();
        EXPECT_EQ(Items(chooser.lstGroups), (QStringList{"Amateur", "Standard", "Field Day"}));
        Select(chooser.lstGroups, "Field Day");
        chooser.btnEdit->click();
    });
    dialog->btnGroups->click();
    ASSERT_TRUE(dialog->isVisible());  // Edit keeps the satellites dialog open
    EXPECT_EQ(dialog->lblAuswahl->text(), "Chosen: [Field Day]");
    EXPECT_TRUE(
        messages.texts.value(0).startsWith("No source file was found for group Field Day."));
    EXPECT_EQ(files.filtersOffered, (QStringList{"All Files (*.*)", "Kepler Files (*.txt)"}));
    while (dialog->lstAuswahl->count() > 0) {
        dialog->lstAuswahl->setCurrentRow(0);
        dialog->btnDelete->click();
    }
    EXPECT_FALSE(dialog->cmdFileOK->isEnabled());
    Select(dialog->lstAlleSat, "NOAA 19");
    PressKey(dialog->lstAlleSat, Qt::Key_Return);
    dialog->cmdFileOK->click();
    EXPECT_EQ(choice->outcome(), ChoiceOutcome::Accepted);
    EXPECT_EQ(choice->result().group, "Field Day");
    EXPECT_EQ(choice->result().groupIndex, 2);
    EXPECT_EQ(ReadSourceList(context.sourceListPath).value(2), Kepler("amateur.txt"));
    EXPECT_EQ(ReadGroupFile(FindGroupFile(context.configFolder, "Field Day")),
              (QList<GroupMember>{{"NOAA 19", true}}));

    // Removing: "Standard" is refused, "Field Day" goes after the question.
    messages.texts.clear();
    messages.answer = true;
    dialog = OpenDialog();
    WhenShown<TSatFiles>([](TSatFiles& chooser) {
        Select(chooser.lstGroups, "Standard");
        WhenShown<TDelGroup>([](TDelGroup& remove) {
            EXPECT_EQ(remove.EdGroupName->text(), "Standard");
            remove.btnRemove->click();
            remove.EdGroupName->setText("Field Day");
            remove.btnRemove->click();
        });
        chooser.btnRemove->click();
        EXPECT_EQ(Items(chooser.lstGroups), (QStringList{"Amateur", "Standard"}));
        chooser.btnCancel->click();
    });
    dialog->btnGroups->click();
    EXPECT_FALSE(dialog->isVisible());  // the chooser closed without Edit
    EXPECT_EQ(messages.texts, (QStringList{"This group must not be deleted!", "Are you sure?"}));
    EXPECT_TRUE(messages.boxes.back().defaultNo);  // removing a group is not the easy answer
    EXPECT_EQ(ReadGroupList(root.filePath("SatFiles.SQF")), (QStringList{"Amateur", "Standard"}));
}

TEST_F(SatWahlDialogTest, SortingAGroupStoresTheNewOrderAndClosesBothDialogs) {
    const QList<GroupMember> before = ReadGroupFile(FindGroupFile(context.configFolder, "Amateur"));
    ASSERT_GE(before.size(), 2);
    auto dialog = OpenDialog();
    WhenShown<TSortSats>([](TSortSats& sort) {
        Select(sort.lstGroups, "Amateur");
        sort.lstNew->setCurrentRow(0);
        PressKey(sort.lstNew, Qt::Key_Down, Qt::ControlModifier);
        EXPECT_EQ(sort.lstNew->currentRow(), 1);
        sort.btnSave->click();
    });
    dialog->btnSort->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(messages.texts,
              QStringList{"Changes require a restart of Orbivox32 to take effect!"});
    QList<GroupMember> expected = before;
    expected.swapItemsAt(0, 1);
    EXPECT_EQ(ReadGroupFile(FindGroupFile(context.configFolder, "Amateur")), expected);
}

TEST_F(SatWahlDialogTest, ADownloadedFileAppearsInTheFileListAndIsSelected) {
    auto dialog = OpenDialog();
    WhenShown<TDownloadKeps>([this](TDownloadKeps& download) {
        // The download itself is tested with the dialog; here a file simply arrives.
        QFile::copy(ORBIVOX_TEST_DATA "/download-elements.txt", Kepler("fresh.txt"));
        emit download.fileListChanged(Kepler("fresh.txt"));
        download.QuitClick();
    });
    dialog->btnUpdateKeps->click();
    ASSERT_TRUE(Items(dialog->filSource).contains("fresh.txt"));
    EXPECT_EQ(dialog->filSource->currentItem()->text(), "amateur.txt");

    Select(dialog->filSource, "fresh.txt");
    EXPECT_EQ(dialog->lstAlleSat->count(), 3);
    Select(dialog->lstAlleSat, "ISS (ZARYA)");
    PressKey(dialog->lstAlleSat, Qt::Key_Return);
    dialog->cmdFileOK->click();
    EXPECT_EQ(choice->result().sourceFile, Kepler("fresh.txt"));
    EXPECT_EQ(ReadSourceList(context.sourceListPath).value(0), Kepler("fresh.txt"));
}

// A download that replaced the file in use: Quit reads it again.
TEST_F(SatWahlDialogTest, QuittingTheDownloadReloadsTheRememberedFile) {
    auto dialog = OpenDialog();
    ASSERT_EQ(dialog->lstAlleSat->count(), 35);
    WhenShown<TDownloadKeps>([this](TDownloadKeps& download) {
        QFile::remove(Kepler("amateur.txt"));
        QFile::copy(ORBIVOX_TEST_DATA "/download-elements.txt", Kepler("amateur.txt"));
        emit download.fileListChanged(Kepler("amateur.txt"));
        download.QuitClick();
    });
    dialog->btnUpdateKeps->click();
    EXPECT_EQ(dialog->filSource->currentItem()->text(), "amateur.txt");
    EXPECT_EQ(dialog->lstAlleSat->count(), 3);
}

TEST_F(SatWahlDialogTest, EscapeCancelsAndAFileWithoutSetsDisablesOk) {
    SqfWriter().Text("not an element file").Commit(Kepler("notes.txt"));
    auto dialog = OpenDialog();
    Select(dialog->filSource, "notes.txt");
    EXPECT_EQ(dialog->lblInfo->text(), " no datas found in notes.txt ! ");
    EXPECT_FALSE(dialog->lblInfo->isHidden());
    EXPECT_FALSE(dialog->cmdFileOK->isEnabled());
    EXPECT_FALSE(dialog->Button2->isEnabled());
    PressKey(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(choice->outcome(), ChoiceOutcome::Cancelled);
    EXPECT_EQ(choice->result().sourceFile, Kepler("amateur.txt"));
}

// The data display opens beside the satellites dialog, further out on a 120-dpi screen and
// only there.
TEST_F(SatWahlDialogTest, DataDisplayOffsetFollowsTheScreenResolution) {
    const struct {
        int dpi;
        QPoint offset;
    } cases[] = {{96, {380, 140}}, {120, {480, 120}}, {144, {380, 140}}};
    for (const auto& c : cases) {
        screen = FixedScreen(c.dpi);
        auto dialog = OpenDialog();
        QPoint offset;
        WhenShown<TTLEDisplDfm>(
            [&](TTLEDisplDfm& display) { offset = display.pos() - dialog->pos(); });
        dialog->Button2->click();
        EXPECT_EQ(offset, c.offset) << c.dpi;
    }
}

// The path label names the source folder; opened by File | Open it shows the folder text
// the station settings keep for that command.
TEST_F(SatWahlDialogTest, PathLabelNamesTheFolderOrTheOpenFolderText) {
    auto dialog = OpenDialog();
    EXPECT_EQ(dialog->lblPfad->text(),
              "Path: " + QDir::toNativeSeparators(QFileInfo(Kepler("amateur.txt")).absolutePath()));

    context.openFolderText = "\\Orbivox32\\Kepler\\";
    choice = std::make_unique<SatelliteChoice>(context, readOptions);
    TSatWahl opened(*choice, messages, files, screen);
    opened.Prepare(StartSelection(), true, Kepler("amateur.txt"));
    EXPECT_EQ(opened.lblPfad->text(), "\\Orbivox32\\Kepler\\");
}

// "Windowsize: +/-" gives each satellite list half of the change; the file list keeps its width.
TEST_F(SatWahlDialogTest, WindowsizeButtonsShareTheChangeBetweenTheLists) {
    auto dialog = OpenDialog();
    const auto widths = [&] {
        dialog->layout()->activate();
        return std::array<int, 3>{dialog->filSource->width(), dialog->lstAlleSat->width(),
                                  dialog->lstAuswahl->width()};
    };
    const std::array<int, 3> before = widths();
    dialog->btnWider->click();
    dialog->btnWider->click();
    QApplication::processEvents();
    const std::array<int, 3> wider = widths();
    EXPECT_EQ(wider[0], before[0]);
    EXPECT_EQ(wider[1] - before[1], 20);
    EXPECT_EQ(wider[2] - before[2], 20);
    dialog->btnNarrower->click();
    QApplication::processEvents();
    const std::array<int, 3> narrower = widths();
    EXPECT_EQ(narrower[1] - before[1], 10);
    EXPECT_EQ(narrower[2] - before[2], 10);
}

// Each star stands beside the entry whose map flag is "+", with unmarked entries between.
TEST_F(SatWahlDialogTest, StarsSitBesideTheirOwnEntries) {
    SqfWriter()
        .Lines({"NOAA 19", "-", "ISS (ZARYA)", "+", "NOAA 18", "-", "NOAA 15", "+"})
        .Commit(FindGroupFile(context.configFolder, "Amateur"));
    auto dialog = OpenDialog();
    ASSERT_EQ(dialog->lstAuswahl->count(), 4);
    for (int row : {1, 3}) {
        const QLabel* star = dialog->stars[static_cast<size_t>(row)];
        ASSERT_FALSE(star->isHidden()) << row;
        const QRect entry = dialog->lstAuswahl->visualItemRect(dialog->lstAuswahl->item(row));
        const int entryMiddle =
            dialog->lstAuswahl->viewport()->mapTo(dialog.get(), entry.center()).y();
        const int starMiddle = star->mapTo(dialog.get(), star->rect().center()).y();
        EXPECT_NEAR(starMiddle, entryMiddle, entry.height() / 2) << row;
    }
}

// "Sat. Names" hands new options on only when they were stored: after Cancel the running
// options, and so the satellites the group keeps, stay as they were.
TEST_F(SatWahlDialogTest, SatNamesPassesOnOnlyStoredOptions) {
    for (const bool store : {false, true}) {
        auto dialog = OpenDialog();
        std::optional<NameOptions> passed;
        dialog->nameOptionsChanged = [&](const NameOptions& options) { passed = options; };
        WhenShown<TSatelliteName>([store](TSatelliteName& names) {
            names.RgrpSatNamen->button(2)->click();  // only satellites with list names
            if (store) {
                names.StoreClick();
            } else {
                names.reject();
            }
        });
        dialog->btnSatNames->click();
        if (store) {
            ASSERT_TRUE(passed.has_value());
            EXPECT_TRUE(passed->useListNames);
            EXPECT_FALSE(passed->showWithoutListName);
        } else {
            EXPECT_FALSE(passed.has_value());
        }
    }
}

}  // namespace
}  // namespace orbivox
