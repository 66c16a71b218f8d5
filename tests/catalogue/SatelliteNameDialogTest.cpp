// The naming options dialog on a scratch options file: the stored choice shown, the new one
// stored.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QTemporaryDir>

#include "catalogue/ui/SatelliteNameDialog.h"
#include "settings/SqfFile.h"

namespace orbivox {
namespace {

TEST(SatelliteNameDialog, ShowsTheStoredChoiceAndStoresTheNewOne) {
    QTemporaryDir dir;
    const QString path = dir.filePath(kNameOptionsFile);
    const struct {
        QStringList stored;
        int item;
    } shown[] = {
        {{"-", "+", "I"}, 0}, {{"-", "-", "I"}, 0}, {{"+", "+", "D"}, 1}, {{"+", "-", "I"}, 2}};
    for (const auto& c : shown) {
        SqfWriter().Lines(c.stored).Commit(path);
        TSatelliteName dialog(path);
        EXPECT_EQ(dialog.RgrpSatNamen->checkedId(), c.item) << c.stored.join(',').toStdString();
    }

    QStringList messages;
    TSatelliteName dialog(path);
    dialog.setMessageSink([&](QWidget*, const QString& text) { messages.append(text); });
    dialog.RgrpSatNamen->button(2)->click();
    dialog.Edit1->setText("");
    emit dialog.Edit1->textEdited("x");
    EXPECT_EQ(messages, QStringList{"Valid only I or D"});
    EXPECT_EQ(dialog.Edit1->text(), "I");
    emit dialog.Edit1->textEdited("D");
    dialog.StoreClick();
    EXPECT_EQ(ReadSqfLines(path), QStringList({"+", "-", "D"}));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

}  // namespace
}  // namespace orbivox
