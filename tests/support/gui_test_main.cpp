#include "test_environment.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    vant::test::isolateUserFiles();
    // The build lists the tests by running them, often on a machine without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
