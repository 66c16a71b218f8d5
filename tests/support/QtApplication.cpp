// Qt's event loops, sockets, fonts and widgets need an application object made before any
// test fixture. Test programs with dialogs get a QApplication, the rest a QCoreApplication;
// it lives until the process ends. TestMain.cpp has already chosen the offscreen platform.
#include <gtest/gtest.h>

#ifdef ORBIVOX_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

namespace {

class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "orbivox-test";
        static char* argv[] = {name, nullptr};
        app_ = new TestApplication(argc, argv);
    }

private:
    TestApplication* app_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const kApplication =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace
