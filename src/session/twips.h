#pragma once

#include <QtGlobal>

namespace vant {

// Window and column sizes are kept in twips: 15 twips make one pixel at 96 DPI, and the
// screen's logical DPI scales that.
inline int twipsToPixels(int twips, qreal logicalDpi)
{
    return qRound(twips / 15.0 * logicalDpi / 96.0);
}

inline int pixelsToTwips(int pixels, qreal logicalDpi)
{
    return qRound(pixels * 15.0 * 96.0 / logicalDpi);
}

} // namespace vant
