// Qt's event loops and sockets need an application object, made before any test fixture
// (whose local servers must register with its event dispatcher); gtest_main makes none.
#include <gtest/gtest.h>

#include <QCoreApplication>

namespace {

class CoreApplication : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "test_net";
        static char* argv[] = {name, nullptr};
        app_ = new QCoreApplication(argc, argv);  // lives until the process ends
    }

private:
    QCoreApplication* app_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const kApplication =
    ::testing::AddGlobalTestEnvironment(new CoreApplication);

}  // namespace
