#pragma once

// For window tests only: the texts that a window's controls cannot show whole.

#include <QComboBox>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyleOption>
#include <QTableView>
#include <QTreeView>

#include <algorithm>

namespace vant::test {

namespace cut_off_detail {

inline QString describe(const QWidget &widget, const QString &text, int needed, int room)
{
    return QStringLiteral("%1 \"%2\": %3 of %4 px").arg(widget.objectName(), text).arg(needed).arg(room);
}

inline void checkHeads(const QHeaderView &header, QStringList &cut)
{
    const int margin = 2 * header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
    for (int section = 0; section < header.count(); ++section) {
        if (header.isSectionHidden(section))
            continue;
        const QString head = header.model()->headerData(section, header.orientation()).toString();
        const int needed = header.fontMetrics().horizontalAdvance(head) + margin;
        if (needed > header.sectionSize(section))
            cut << describe(*header.parentWidget(), head, needed, header.sectionSize(section));
    }
}

} // namespace cut_off_detail

// Each text of the widget that its place cannot hold, described; empty when all can be read.
// Covers labels, buttons, every entry of a list, date pickers, column heads and list views.
inline QStringList cutOffTexts(const QWidget &widget)
{
    using cut_off_detail::describe;
    QStringList cut;
    const QFontMetrics metrics = widget.fontMetrics();
    if (const auto *label = qobject_cast<const QLabel *>(&widget)) {
        const int room = label->contentsRect().width() - 2 * label->margin();
        // A label with a buddy draws its access-key marker as an underline.
        const QString text = label->buddy() ? QString(label->text()).remove(QLatin1Char('&')) : label->text();
        const int needed = metrics.horizontalAdvance(text);
        if (!label->wordWrap() && needed > room)
            cut << describe(widget, text, needed, room);
    } else if (const auto *button = qobject_cast<const QPushButton *>(&widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const int room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        const QString text = QString(button->text()).remove(QLatin1Char('&'));
        if (metrics.horizontalAdvance(text) > room)
            cut << describe(widget, text, metrics.horizontalAdvance(text), room);
    } else if (const auto *list = qobject_cast<const QComboBox *>(&widget)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = list->isEditable();
        // The label is drawn one pixel inside each end of the edit field.
        const int room =
            list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width() - 2;
        for (int i = 0; i < list->count(); ++i) {
            if (metrics.horizontalAdvance(list->itemText(i)) > room)
                cut << describe(widget, list->itemText(i), metrics.horizontalAdvance(list->itemText(i)), room);
        }
    } else if (const auto *picker = qobject_cast<const QDateTimeEdit *>(&widget)) {
        if (picker->sizeHint().width() > picker->width())
            cut << describe(widget, picker->text(), picker->sizeHint().width(), picker->width());
    } else if (const auto *tree = qobject_cast<const QTreeView *>(&widget)) {
        const int needed = static_cast<const QAbstractItemView *>(tree)->sizeHintForColumn(0);
        const int room = std::min(tree->columnWidth(0), tree->viewport()->width());
        if (needed > room)
            cut << describe(widget, QStringLiteral("entries"), needed, room);
    } else if (const auto *grid = qobject_cast<const QTableView *>(&widget)) {
        if (grid->horizontalHeader()->isVisibleTo(grid))
            cut_off_detail::checkHeads(*grid->horizontalHeader(), cut);
    }
    return cut;
}

// The cut-off texts of every control that the window shows.
inline QStringList cutOffTextsIn(const QWidget &window)
{
    QStringList cut;
    for (const QWidget *control : window.findChildren<QWidget *>()) {
        if (control->isVisibleTo(&window))
            cut << cutOffTexts(*control);
    }
    return cut;
}

} // namespace vant::test
