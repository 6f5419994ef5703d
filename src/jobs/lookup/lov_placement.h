#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vant {

// Top-left corner of the lookup window's frame: the placement's corner of the screen's available
// area (0 bottom-right, 1 bottom-left, anything else centred; the margins are 150 and 15 twips),
// moved as little as needed to keep the whole frame inside that area. A frame larger than the
// area keeps to its top and left edges.
QPoint lovWindowPosition(int placement, const QRect &available, const QSize &frame, double pixelsPerTwip);

// Rows per page for a window whose height with a full page of twenty rows is windowHeight: all
// twenty when it fits the available height, else as many fewer as it takes, but at least one.
int lovPageRows(int windowHeight, int rowHeight, int availableHeight);

} // namespace vant
