#include "statement_record.h"
#include "test_environment.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// main() for window tests on a screen of VANT_TEST_SCREEN_WIDTH x VANT_TEST_SCREEN_HEIGHT device
// pixels scaled to VANT_TEST_SCREEN_PERCENT, as a desktop scaled by two lays a 1920 x 1080 screen out
// in 960 x 540 pixels at a device pixel ratio of 2.
int main(int argc, char **argv)
{
    vant::test::isolateUserFiles();
    QTemporaryDir folder;
    QFile config(folder.filePath(QStringLiteral("screen.json")));
    const QByteArray screen =
        QStringLiteral(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": %1, "height": %2, )"
                       R"("logicalDpi": %3, "logicalBaseDpi": 96, "dpr": 1}]})")
            .arg(VANT_TEST_SCREEN_WIDTH)
            .arg(VANT_TEST_SCREEN_HEIGHT)
            .arg(96 * VANT_TEST_SCREEN_PERCENT / 100)
            .toUtf8();
    if (!config.open(QIODevice::WriteOnly) || config.write(screen) != screen.size())
        return 1;
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    QApplication app(argc, argv);
    vant::test::recordStatements();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
