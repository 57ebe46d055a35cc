#include "app/ApplicationSetup.h"
#include "support/GuiTestEnvironment.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS(); // listing needs no display
    }
    // The profile goes to a temporary config folder; set before anything reads it.
    quill::test::GuiTestEnvironment environment;
    PrepareBeforeApplication();
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
