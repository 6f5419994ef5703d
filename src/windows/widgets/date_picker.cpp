#include "date_picker.h"

#include <QFocusEvent>

namespace vant {

void DatePicker::focusInEvent(QFocusEvent *event)
{
    QDateEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason && event->reason() != Qt::BacktabFocusReason)
        setSelectedSection(sectionAt(0));
}

} // namespace vant
