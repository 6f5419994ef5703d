#include "lov_placement.h"

#include <cmath>

namespace vant {

QPoint lovWindowPosition(int placement, const QRect &screen, const QSize &window, double pixelsPerTwip)
{
    const int margin = int(std::lround(150 * pixelsPerTwip));
    const int bottom = screen.height() - window.height() - margin;
    switch (placement) {
    case 0:
        return screen.topLeft() + QPoint(screen.width() - window.width() - margin, bottom);
    case 1:
        return screen.topLeft() + QPoint(int(std::lround(15 * pixelsPerTwip)), bottom);
    default:
        return screen.topLeft()
               + QPoint((screen.width() - window.width()) / 2, (screen.height() - window.height()) / 2);
    }
}

} // namespace vant
