// The observer dialogs driven as the operator would: typing into their fields and pressing
// their buttons, offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "map/LocPosFile.h"
#include "map/ui/ObserverHelp.h"
#include "map/ui/ObserverSetupDialog.h"
#include "map/ui/SecondObserverDialog.h"
#include "settings/SqfFile.h"
#include "tests/support/RecordingNotifier.h"

namespace orbivox {
namespace {

// Keys as the keyboard sends them.
void KeyClick(QWidget* widget, Qt::Key key, const QString& text = QString()) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

void KeyClicks(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        const int key = c.isLetter() ? c.toUpper().unicode() : c.unicode();
        KeyClick(widget, static_cast<Qt::Key>(key), QString(c));
    }
}

class ObserverSetupDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = dir_.filePath(QStringLiteral("SatIni.SQF"));
        QStringList lines = {
            "120", "JO62QM", "13.41", "52.52", "line 5", "line 6",       "7",       "8",
            "9",   "10",     "11",    "12",    "auto",   "Orbs????.txt", "line 15", "line 16"};
        SqfWriter().Lines(lines).Commit(path_);
        notifier_.answer = true;
        dialog_ = std::make_unique<TSatSetupObsF>(path_, notifier_, screen_);
        dialog_->storeWindowPosition = [this] { ++positionsStored_; };
    }

    // Selects an item, empties the field and types `text` key by key.
    void Type(ObserverItem item, const QString& text) {
        dialog_->SelectItem(item);
        dialog_->edit()->selectAll();
        KeyClick(dialog_->edit(), Qt::Key_Backspace);
        KeyClicks(dialog_->edit(), text);
    }
    bool PleaseCorrect() const { return dialog_->correction()->isVisibleTo(dialog_.get()); }
    QString Shown(ObserverItem item) const {
        return dialog_->valueList()->item(static_cast<int>(item))->text();
    }

    QTemporaryDir dir_;
    QString path_;
    RecordingNotifier notifier_;
    FixedScreen screen_;
    std::unique_ptr<TSatSetupObsF> dialog_;
    int positionsStored_ = 0;
};

TEST_F(ObserverSetupDialogTest, TypedValuesFollowTheRulesAndStoreKeepsTheOtherLines) {
    // A longitude typed as "-": refused, stored value kept.
    Type(ObserverItem::Longitude, "-");
    EXPECT_TRUE(PleaseCorrect());
    EXPECT_GT(notifier_.beeps, 0);
    EXPECT_EQ(Shown(ObserverItem::Longitude), "-");
    EXPECT_EQ(dialog_->values()[2], "0");  // the emptied field stored "0"
    Type(ObserverItem::Longitude, "-73,04");
    EXPECT_FALSE(PleaseCorrect());
    EXPECT_EQ(dialog_->values()[2], "-73.04");

    // "auto" letter by letter never complains.
    notifier_.beeps = 0;
    dialog_->SelectItem(ObserverItem::UtcOffset);
    dialog_->edit()->clear();
    for (const char* letter : {"a", "u", "t", "o"}) {
        KeyClicks(dialog_->edit(), letter);
        EXPECT_FALSE(PleaseCorrect()) << letter;
    }
    EXPECT_EQ(notifier_.beeps, 0);
    EXPECT_EQ(dialog_->values()[4], "auto");

    // An empty altitude stores "0" and asks for a correction.
    Type(ObserverItem::Altitude, "");
    EXPECT_TRUE(PleaseCorrect());
    EXPECT_EQ(dialog_->values()[0], "0");
    EXPECT_EQ(Shown(ObserverItem::Altitude), "0");

    Type(ObserverItem::Latitude, "41.48");
    dialog_->button("Store")->click();
    // No complaint, only the word that the station changes with the next start.
    EXPECT_EQ(notifier_.messages, QStringList{kRestartToTakeEffect})
        << notifier_.messages.join('|').toStdString();
    EXPECT_EQ(positionsStored_, 1);
    const QStringList after = ReadSqfLines(path_);
    ASSERT_EQ(after.size(), 16);
    EXPECT_EQ(after[0], "0");
    EXPECT_EQ(after[1], "JO62QM");
    EXPECT_EQ(after[2], "-73.04");
    EXPECT_EQ(after[3], "41.48");
    EXPECT_EQ(after[4], "line 5");
    EXPECT_EQ(after[12], "auto");
    EXPECT_EQ(after[14], "line 15");  // lines past the dialog's own survive
    EXPECT_EQ(after[15], "line 16");
}

TEST_F(ObserverSetupDialogTest, StoreRefusesALocatorThatIsNotSixValidCharacters) {
    for (const char* locator : {"JO62Q", "JZ62QM"}) {
        notifier_.messages.clear();
        Type(ObserverItem::Locator, locator);
        dialog_->SelectItem(ObserverItem::Altitude);
        dialog_->button("Store")->click();
        ASSERT_EQ(notifier_.messages.size(), 1) << locator;
        EXPECT_EQ(notifier_.messages[0], QStringLiteral("The QTH locator ") + locator +
                                             " is invalid,\rcorrect it, please.");
        EXPECT_EQ(dialog_->selectedItem(), ObserverItem::Locator);
        EXPECT_EQ(dialog_->edit()->text(), locator);
    }
    EXPECT_EQ(ReadSqfLines(path_)[1], "JO62QM");  // nothing written
    EXPECT_EQ(positionsStored_, 0);
}

TEST_F(ObserverSetupDialogTest, LocatorAndDegreesConvertBothWays) {
    Type(ObserverItem::Locator, "fn31pr");
    EXPECT_EQ(Shown(ObserverItem::Locator), "FN31PR");
    EXPECT_TRUE(dialog_->button("Locator > Degs.")->isEnabled());
    EXPECT_FALSE(dialog_->button("Degs. > Locator")->isEnabled());
    dialog_->button("Locator > Degs.")->click();
    EXPECT_EQ(dialog_->values()[2], "-72.71");  // west of Greenwich: negative
    ASSERT_EQ(notifier_.questions.size(), 1);
    EXPECT_TRUE(notifier_.questions[0].endsWith("\rDo you want to continue?"));
    EXPECT_EQ(notifier_.boxes.back().caption, "Observer Setup");
    EXPECT_EQ(dialog_->values()[3], "41.73");

    Type(ObserverItem::Longitude, "13.41");
    Type(ObserverItem::Latitude, "52.52");
    EXPECT_TRUE(dialog_->button("Degs. > Locator")->isEnabled());
    dialog_->button("Degs. > Locator")->click();
    EXPECT_EQ(dialog_->values()[1], "JO62QM");
    EXPECT_EQ(Shown(ObserverItem::Locator), "JO62QM");

    // Declining the question changes nothing.
    notifier_.answer = false;
    Type(ObserverItem::Locator, "AA00AA");
    dialog_->button("Locator > Degs.")->click();
    EXPECT_EQ(dialog_->values()[2], "13.41");
}

// The help opens with the larger font and line spacing on a 120-dpi screen only.
TEST_F(ObserverSetupDialogTest, HelpLayoutFollowsTheScreenResolution) {
    const struct {
        int dpi;
        int textHeight;
    } cases[] = {
        {96, (5 - 1) * 14 - 4 + 23}, {120, (5 - 1) * 18 + 23}, {144, (5 - 1) * 14 - 4 + 23}};
    for (const auto& c : cases) {
        screen_ = FixedScreen(c.dpi);
        dialog_->SelectItem(ObserverItem::Longitude);
        int height = -1;
        QTimer::singleShot(0, [&height] {
            if (auto* help = dynamic_cast<THilfeObsF*>(QApplication::activeModalWidget())) {
                height = help->text()->height();
                help->reject();
            }
        });
        dialog_->button("Help")->click();
        EXPECT_EQ(height, c.textHeight) << c.dpi;
    }
}

TEST(ObserverHelp, TextsAndWindowHeight) {
    const QStringList longitude = ObserverHelpLines(ObserverItem::Longitude);
    EXPECT_EQ(longitude.front(), "    Station longitude (-180..180):");
    EXPECT_TRUE(longitude.contains("    140 degrees, 12 minutes East = 140.20"));
    EXPECT_TRUE(longitude.contains("    96 degrees, 45 minutes West = -96.75"));
    EXPECT_EQ(ObserverHelpLines(ObserverItem::Altitude).front(), "  Station altitude (meter):");
    EXPECT_TRUE(
        ObserverHelpLines(ObserverItem::SourceMask).contains("    Orbs????.txt or: Orbs????.*"));
    const THilfeObsF help(ObserverItem::Longitude, false, nullptr);
    EXPECT_EQ(help.windowTitle(), "Help");
    EXPECT_EQ(help.text()->height(), (5 - 1) * 14 - 4 + 23);
}

class SecondObserverDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog_ = std::make_unique<TLocEingabe>(dir_.filePath(QStringLiteral("LocPos.SQF")));
        dialog_->onConfirmed = [this](const SecondObserver& o) { confirmed_.push_back(o); };
        dialog_->onRemoved = [this] { ++removed_; };
        dialog_->onCentreOff = [this] { ++centreOff_; };
    }
    bool Error() const { return dialog_->error()->isVisibleTo(dialog_.get()); }

    QTemporaryDir dir_;
    std::unique_ptr<TLocEingabe> dialog_;
    std::vector<SecondObserver> confirmed_;
    int removed_ = 0;
    int centreOff_ = 0;
};

TEST_F(SecondObserverDialogTest, FourCharactersConfirmedAsTheMiddleSubSquare) {
    KeyClicks(dialog_->edit(), "fn3");
    EXPECT_FALSE(dialog_->okButton()->isEnabled());
    KeyClicks(dialog_->edit(), "1");
    EXPECT_EQ(dialog_->edit()->text(), "FN31");
    EXPECT_TRUE(dialog_->okButton()->isEnabled());
    EXPECT_GT(centreOff_, 0);
    KeyClick(dialog_->edit(), Qt::Key_Return);
    ASSERT_EQ(confirmed_.size(), 1u);
    EXPECT_EQ(confirmed_[0].locator, "FN31LL");
    EXPECT_NEAR(confirmed_[0].longitude, 286.959, 1e-3);  // -73.041 carried east
    EXPECT_NEAR(confirmed_[0].latitude, 41.479, 1e-3);
    EXPECT_EQ(confirmed_[0].latitudeText, "41.48");

    // "-" removes the second observer.
    KeyClick(dialog_->edit(), Qt::Key_Minus);
    EXPECT_EQ(removed_, 1);
    EXPECT_EQ(dialog_->observer().latitude, 45.0);
    EXPECT_EQ(dialog_->edit()->text(), "");
}

TEST_F(SecondObserverDialogTest, InvalidOrIncompleteLocatorsCannotBeConfirmed) {
    struct Case {
        const char* typed;
        bool error;
    } cases[] = {{"FN31P", false}, {"FN31PRX", true}, {"FZ31", true}, {"SN31", true}, {"", true}};
    for (const Case& c : cases) {
        dialog_->edit()->clear();
        KeyClicks(dialog_->edit(), c.typed);
        EXPECT_EQ(Error(), c.error) << c.typed;
        EXPECT_FALSE(dialog_->okButton()->isEnabled()) << c.typed;
        KeyClick(dialog_->edit(), Qt::Key_Return);
    }
    EXPECT_TRUE(confirmed_.empty());
}

// The readout line is wanted only while the dialog is open on a confirmed locator, and goes
// with Remove.
TEST_F(SecondObserverDialogTest, ReadoutFollowsAConfirmedLocator) {
    dialog_->show();
    EXPECT_FALSE(dialog_->WantsReadout());
    KeyClicks(dialog_->edit(), "JO62");
    EXPECT_FALSE(dialog_->WantsReadout());  // typed, not yet confirmed
    dialog_->Confirm();
    EXPECT_TRUE(dialog_->WantsReadout());
    dialog_->ShowReadout(" Az:123.4  El: 12.3  Rge:  1234  Sq:---", true);
    EXPECT_EQ(dialog_->readout()->text(), " Az:123.4  El: 12.3  Rge:  1234  Sq:---");
    EXPECT_TRUE(dialog_->readout()->isVisible());
    EXPECT_TRUE(dialog_->readout()->styleSheet().contains("255, 255, 255"));
    dialog_->ShowReadout(" Az:123.4  El: -2.3  Rge:  2234  Sq:---", false);
    EXPECT_TRUE(dialog_->readout()->styleSheet().contains("192, 192, 192"));
    dialog_->hide();
    EXPECT_FALSE(dialog_->WantsReadout());
    dialog_->show();
    dialog_->Remove();
    EXPECT_FALSE(dialog_->WantsReadout());
    EXPECT_TRUE(dialog_->readout()->isHidden());
}

TEST(LocPosFile, PlaceSurvivesAndBadFilesAreIgnored) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("LocPos.SQF"));
    EXPECT_FALSE(ReadLocPos(path));
    WriteLocPos(path, QPoint(40, 300));
    EXPECT_EQ(ReadSqfLines(path), (QStringList{"300", "40"}));  // top first
    EXPECT_EQ(ReadLocPos(path), QPoint(40, 300));
    SqfWriter().Lines({"x", "40"}).Commit(path);
    EXPECT_FALSE(ReadLocPos(path));
}

}  // namespace
}  // namespace orbivox
