#include "statement_record.h"
#include "test_environment.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    vant::test::isolateUserFiles();
    QCoreApplication app(argc, argv);
    vant::test::recordStatements();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
