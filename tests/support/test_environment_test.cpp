// Every test program runs in the test environment: offscreen Qt, private runtime and settings
// folders, and the locale folder with the German locale.

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(TestEnvironment, EveryVariableReachesTheTestPrograms) {
    for (const char* variable :
         {"LOCPATH", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "LC_ALL"}) {
        EXPECT_NE(std::getenv(variable), nullptr) << variable;
    }
}

}  // namespace
