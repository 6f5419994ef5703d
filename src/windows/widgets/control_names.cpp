#include "control_names.h"

#include <QLabel>

namespace vant {

QString spokenCaption(const QString &caption)
{
    QString spoken;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && ++i == caption.size())
            break;
        spoken += caption.at(i);
    }
    return spoken.trimmed();
}

void nameByLabel(QLabel *label, QWidget *control)
{
    label->setBuddy(control);
    control->setAccessibleName(spokenCaption(label->text()));
}

} // namespace vant
