#pragma once

#include <QIcon>

namespace vant {

// Names the window program to the desktop: its name, version, the application id that
// ties its windows to the installed desktop entry, and the icon that every window
// inherits. Call once the application object exists.
void applyDesktopIdentity();

// The program's icon at every size it is drawn in.
QIcon programIcon();

} // namespace vant
