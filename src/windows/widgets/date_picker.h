#pragma once

#include <QDateEdit>

namespace vant {

// A date picker whose day takes the digits typed next however the focus arrives: moved there by
// the program, or given back when its window returns from a box or the lookup, it selects its
// first section as a Tab arrival does. A click keeps the cursor where it fell, and Shift+Tab the
// last section.
class DatePicker : public QDateEdit
{
    Q_OBJECT

public:
    using QDateEdit::QDateEdit;

protected:
    void focusInEvent(QFocusEvent *event) override;
};

} // namespace vant
