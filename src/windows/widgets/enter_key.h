#pragma once

#include <Qt>

namespace vant {

// Return on the main keyboard and Enter on the keypad confirm alike.
inline bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace vant
