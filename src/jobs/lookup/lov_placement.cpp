#include "lov_placement.h"

#include "lov_pager.h"

#include <algorithm>
#include <cmath>

namespace vant {

namespace {

// The start of a length placed at start inside [areaStart, areaStart + areaLength).
int keptInside(int start, int length, int areaStart, int areaLength)
{
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

} // namespace

QPoint lovWindowPosition(int placement, const QRect &available, const QSize &frame, double pixelsPerTwip)
{
    const int margin = int(std::lround(150 * pixelsPerTwip));
    QPoint corner;
    switch (placement) {
    case 0: corner = {available.width() - frame.width() - margin, available.height() - frame.height() - margin}; break;
    case 1: corner = {int(std::lround(15 * pixelsPerTwip)), available.height() - frame.height() - margin}; break;
    default: corner = {(available.width() - frame.width()) / 2, (available.height() - frame.height()) / 2}; break;
    }
    return {keptInside(available.x() + corner.x(), frame.width(), available.x(), available.width()),
            keptInside(available.y() + corner.y(), frame.height(), available.y(), available.height())};
}

int lovPageRows(int windowHeight, int rowHeight, int availableHeight)
{
    const int excess = windowHeight - availableHeight;
    if (excess <= 0 || rowHeight <= 0)
        return LovPager::kPageRows;
    const int fewer = (excess + rowHeight - 1) / rowHeight;
    return std::max(1, LovPager::kPageRows - fewer);
}

} // namespace vant
