#pragma once

#include "session/twips.h"

#include <QWidget>

namespace vant {

inline int twipsToPixels(int twips, const QWidget *widget)
{
    return twipsToPixels(twips, widget->logicalDpiX());
}

inline int pixelsToTwips(int pixels, const QWidget *widget)
{
    return pixelsToTwips(pixels, widget->logicalDpiX());
}

inline void placeInTwips(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsToPixels(left, widget), twipsToPixels(top, widget), twipsToPixels(width, widget),
                        twipsToPixels(height, widget));
}

} // namespace vant
