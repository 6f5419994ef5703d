#pragma once

#include <QRect>
#include <QWidget>

#include <cmath>

namespace vant {

// Sizes are kept in twips: 15 twips to a pixel at 96 DPI, scaled by the screen's DPI.
inline int twipsToPixels(int twips, const QWidget *widget)
{
    return int(std::lround(twips / 15.0 * widget->logicalDpiX() / 96.0));
}

inline int pixelsToTwips(int pixels, const QWidget *widget)
{
    return int(std::lround(pixels * 15.0 * 96.0 / widget->logicalDpiX()));
}

inline void placeInTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(left, widget), twipsToPixels(top, widget), twipsToPixels(width, widget),
                        twipsToPixels(height, widget));
}

} // namespace vant
