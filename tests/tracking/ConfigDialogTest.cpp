// The configuration dialog: the slot in use checked, another one chosen.
#include "tracking/ui/ConfigDialog.h"

#include <gtest/gtest.h>

#include <QRadioButton>

namespace orbivox {
namespace {

TEST(ConfigDialog, ShowsTheSlotInUseAndReturnsTheChosenOne) {
    TConfig dialog(2);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Configurations"));
    EXPECT_EQ(dialog.ChosenSlot(), 2);
    const QList<QRadioButton*> rows = dialog.findChildren<QRadioButton*>();
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows[0]->text(), QStringLiteral("Config. 1"));
    EXPECT_TRUE(rows[2]->isChecked());
    rows[3]->click();
    EXPECT_EQ(dialog.ChosenSlot(), 3);
}

}  // namespace
}  // namespace orbivox
