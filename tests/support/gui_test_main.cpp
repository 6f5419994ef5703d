#include "statement_record.h"
#include "test_environment.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    vant::test::isolateUserFiles();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vant::test::recordStatements();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
