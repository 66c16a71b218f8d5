// An exception escaping an event handler: its text in an error box, and the next events
// are still delivered.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <stdexcept>

#include "settings/SqfFile.h"
#include "tests/desktop/DesktopApplication.h"

namespace orbivox {
namespace {

TEST(GuardedApplicationTest, AFailingHandlerShowsItsTextAndTheProgramGoesOn) {
    RecordingNotifier& messages = ApplicationMessages();
    messages.boxes.clear();
    messages.texts.clear();
    messages.messages.clear();

    int later = 0;
    QTimer::singleShot(0, [] { throw SqfError(QStringLiteral("Config.SQF"), "disk full"); });
    QTimer::singleShot(0, [] { throw 42; });
    QTimer::singleShot(0, [&later] { ++later; });
    QTimer::singleShot(0, [&later] { ++later; });
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();

    EXPECT_EQ(later, 2);
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].kind, MessageKind::Error);
    EXPECT_TRUE(messages.boxes[0].text.contains(QStringLiteral("Config.SQF")))
        << messages.boxes[0].text.toStdString();
    EXPECT_TRUE(messages.boxes[0].text.contains(QStringLiteral("disk full")));
    EXPECT_EQ(messages.boxes[1].kind, MessageKind::Error);
    EXPECT_FALSE(messages.boxes[1].text.isEmpty());
}

}  // namespace
}  // namespace orbivox
