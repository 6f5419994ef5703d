#include "statement_record.h"
#include "test_environment.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

#ifdef VANT_TEST_WINDOWS
#include <QApplication>
using TestApplication = QApplication;

namespace {

// Window tests run offscreen, unless the platform is named. On the screen that
// VANT_TEST_SCREEN describes as WIDTHxHEIGHTxPERCENT, they have that many device pixels, scaled
// to that percent, as a desktop scaled by two lays a 1920 x 1080 screen out in 960 x 540 pixels
// at a device pixel ratio of 2. False when the description cannot be read or written down.
bool chooseScreen(const QTemporaryDir &folder)
{
    if (!qEnvironmentVariableIsSet("VANT_TEST_SCREEN")) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return true;
    }
    const QStringList screen = qEnvironmentVariable("VANT_TEST_SCREEN").split(u'x');
    bool sized = screen.size() == 3;
    int size[3] = {};
    for (int i = 0; sized && i < 3; ++i)
        size[i] = screen.at(i).toInt(&sized);
    if (!sized) {
        std::fputs("VANT_TEST_SCREEN is WIDTHxHEIGHTxPERCENT, as 1920x1080x200\n", stderr);
        return false;
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
        return false;
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    return true;
}

} // namespace
#else
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#endif

// main() of every test program; VANT_TEST_WINDOWS for those that show windows.
int main(int argc, char **argv)
{
    vant::test::isolateUserFiles();
    QTemporaryDir folder;
#ifdef VANT_TEST_WINDOWS
    if (!chooseScreen(folder))
        return 1;
#endif
    TestApplication app(argc, argv);
    vant::test::recordStatements();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
