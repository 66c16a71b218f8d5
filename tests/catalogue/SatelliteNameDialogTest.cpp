// The naming options dialog on a scratch options file: the stored choice shown, the new one
// stored.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QTemporaryDir>

#include "catalogue/ui/SatelliteNameDialog.h"
#include "settings/SqfFile.h"
#include "tests/support/RecordingNotifier.h"

namespace orbivox {
namespace {

TEST(SatelliteNameDialog, ShowsTheStoredChoiceAndStoresTheNewOne) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kNameOptionsFile);
    RecordingNotifier notifier;
    const struct {
        QStringList stored;
        int item;
    } shown[] = {
        {{"-", "+", "I"}, 0}, {{"-", "-", "I"}, 0}, {{"+", "+", "D"}, 1}, {{"+", "-", "I"}, 2}};
    for (const auto& c : shown) {
        SqfWriter().Lines(c.stored).Commit(path);
        TSatelliteName dialog(path, notifier);
        EXPECT_EQ(dialog.RgrpSatNamen->checkedId(), c.item) << c.stored.join(',').toStdString();
    }

    TSatelliteName dialog(path, notifier);
    dialog.RgrpSatNamen->button(2)->click();
    dialog.Edit1->setText("");
    emit dialog.Edit1->textEdited("x");
    EXPECT_EQ(notifier.messages, QStringList{"Valid only I or D"});
    EXPECT_EQ(notifier.boxes.at(0).kind, MessageKind::Warning);
    EXPECT_EQ(notifier.boxes.at(0).caption, "Sat-Namen");
    EXPECT_EQ(dialog.Edit1->text(), "I");
    emit dialog.Edit1->textEdited("D");
    dialog.StoreClick();
    EXPECT_EQ(ReadSqfLines(path), QStringList({"+", "-", "D"}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace orbivox
