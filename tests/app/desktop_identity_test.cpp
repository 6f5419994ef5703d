// The window program's identity on the desktop: application id, version and the icon
// that its windows inherit.
#include "desktop_identity.h"
#include "program_identity.h"

#include <QApplication>
#include <QDialog>

#include <gtest/gtest.h>

#include <algorithm>

namespace vant {
namespace {

TEST(DesktopIdentityTest, NamesTheProgramAndGivesWindowsTheIconAtEverySize)
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
    // A window without an icon of its own shows the program's.
    const QDialog window;
    EXPECT_EQ(window.windowIcon().cacheKey(), icon.cacheKey());
}

} // namespace
} // namespace vant
