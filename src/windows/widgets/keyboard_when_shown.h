#pragma once

class QWidget;

namespace vant {

// Asks for the keyboard for a top-level window once it is on screen. A window manager gives it
// to a window that appears; without one the window would take no keys until the pointer visits it.
void takeKeyboardWhenShown(QWidget *window);

} // namespace vant
