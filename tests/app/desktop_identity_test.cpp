// The window program's identity on the desktop: application id, version and the icon
// that its windows inherit (Qt gives a window without an icon the program's).
#include "desktop_identity.h"
#include "program_identity.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <algorithm>

namespace vant {
namespace {

TEST(DesktopIdentityTest, NamesTheProgramAndGivesItTheIconAtEverySize)
{
    applyDesktopIdentity();
    EXPECT_EQ(QGuiApplication::desktopFileName(), kApplicationId);
    EXPECT_EQ(QCoreApplication::applicationVersion(), kVersion);

    const QIcon icon = QApplication::windowIcon();
    QList<int> sizes;
    for (const QSize &size : icon.availableSizes()) {
        EXPECT_EQ(size.width(), size.height());
        sizes << size.width();
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (QList<int>{16, 22, 24, 32, 48, 64, 128, 256}));
}

} // namespace
} // namespace vant
