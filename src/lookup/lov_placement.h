#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vant {

// Top-left corner of the lookup window on the screen: 0 bottom-right, 1 bottom-left,
// anything else centred. The margins are 150 and 15 twips.
QPoint lovWindowPosition(int placement, const QRect &screen, const QSize &window, double pixelsPerTwip);

} // namespace vant
