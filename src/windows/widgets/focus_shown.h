#pragma once

class QWidget;

namespace vant {

// Every push button of the window draws its focus whenever it has it. The style draws the focus
// only after the keyboard moved it (Tab), not where the program or a click put it; a keyboard
// user would not see which button Space acts on.
void showButtonFocus(QWidget *window);

} // namespace vant
