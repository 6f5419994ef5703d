#include "statement_record.h"
#include "test_environment.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

// main() for window tests on the screen that VANT_TEST_SCREEN describes as
// WIDTHxHEIGHTxPERCENT: that many device pixels, scaled to that percent, as a desktop scaled
// by two lays a 1920 x 1080 screen out in 960 x 540 pixels at a device pixel ratio of 2.
// Without it (ctest listing the tests) the offscreen platform's own screen serves.
int main(int argc, char **argv)
{
    vant::test::isolateUserFiles();
    QTemporaryDir folder;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsSet("VANT_TEST_SCREEN")) {
        const QStringList screen = qEnvironmentVariable("VANT_TEST_SCREEN").split(u'x');
        bool sized = screen.size() == 3;
        int size[3] = {};
        for (int i = 0; sized && i < 3; ++i)
            size[i] = screen.at(i).toInt(&sized);
        if (!sized) {
            std::fputs("VANT_TEST_SCREEN is WIDTHxHEIGHTxPERCENT, as 1920x1080x200\n", stderr);
            return 1;
        }
        QFile config(folder.filePath(QStringLiteral("screen.json")));
        const QByteArray json =
            QStringLiteral(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": %1, "height": %2, )"
                           R"("logicalDpi": %3, "logicalBaseDpi": 96, "dpr": 1}]})")
                .arg(size[0])
                .arg(size[1])
                .arg(96 * size[2] / 100)
                .toUtf8();
        if (!config.open(QIODevice::WriteOnly) || config.write(json) != json.size())
            return 1;
        config.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    }
    QApplication app(argc, argv);
    vant::test::recordStatements();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
