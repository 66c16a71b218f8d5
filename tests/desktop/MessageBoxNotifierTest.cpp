// The desktop program's message boxes, offscreen: Esc on the "Update Keps" question answers
// No, and the answer is remembered like a click on No.
#include "app/desktop/MessageBoxNotifier.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "catalogue/ElementAge.h"
#include "tests/support/ScratchFiles.h"

namespace orbivox {
namespace {

// Runs `call` while a timer presses Esc on the box it opens; says whether a box opened.
template <typename Call>
bool WithEscOnTheBox(Call&& call) {
    bool opened = false;
    QTimer::singleShot(0, [&opened] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            opened = true;
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(box, &esc);
        }
    });
    call();
    QCoreApplication::processEvents();
    return opened;
}

TEST(MessageBoxNotifier, EscOnUpdateKepsIsNoAndIsNotAskedAgain) {
    QTemporaryDir dir;
    const QString memory = dir.filePath(kKepsAgeFile);
    const QString elements = WriteBytes(dir.filePath("amateur.txt"), "elements");
    ElementAge age;
    age.days = 40.0;
    age.old = true;
    MessageBoxNotifier notifier;
    bool update = true;
    EXPECT_TRUE(WithEscOnTheBox(
        [&] { update = OfferUpdateKeps(notifier, memory, elements, "ISS (ZARYA)", age); }));
    EXPECT_FALSE(update);
    EXPECT_FALSE(WithEscOnTheBox(
        [&] { update = OfferUpdateKeps(notifier, memory, elements, "ISS (ZARYA)", age); }));
    EXPECT_FALSE(update);
}

}  // namespace
}  // namespace orbivox
