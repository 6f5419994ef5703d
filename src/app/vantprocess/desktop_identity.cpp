#include "desktop_identity.h"

#include "program_identity.h"

#include <QApplication>
#include <QDirIterator>

namespace vant {

QIcon programIcon()
{
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    return icon;
}

void applyDesktopIdentity()
{
    QApplication::setApplicationName(QStringLiteral("VantProcess"));
    QApplication::setApplicationVersion(kVersion);
    QGuiApplication::setDesktopFileName(kApplicationId);
    QApplication::setWindowIcon(programIcon());
}

} // namespace vant
