#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace vant {

// A caption as a screen reader speaks it: without the access-key marker ("&Date" is "Date",
// "&&" a plain "&") and without blanks around it.
QString spokenCaption(const QString &caption);

// The label names the control: its access key moves the focus there, and a screen reader
// announces the control by the label's caption, whatever the control holds.
void nameByLabel(QLabel *label, QWidget *control);

} // namespace vant
