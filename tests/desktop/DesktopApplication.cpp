// Makes the GuardedApplication before any test runs; it lives until the process ends.
#include "tests/desktop/DesktopApplication.h"

#include <gtest/gtest.h>

#include "app/desktop/GuardedApplication.h"

namespace orbivox {

RecordingNotifier& ApplicationMessages() {
    static RecordingNotifier messages;
    return messages;
}

namespace {

class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "orbivox-desktop-test";
        static char* argv[] = {name, nullptr};
        app_ = new GuardedApplication(argc, argv, ApplicationMessages());
    }

private:
    GuardedApplication* app_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const kApplication =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

}  // namespace
}  // namespace orbivox
