#include "focus_shown.h"

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOption>

namespace vant {

namespace {

// The application's style, with a focused button drawn as after a Tab and its focus frame drawn
// round its label: some styles draw a window's default button as they draw the focused one.
class FocusShownStyle : public QProxyStyle
{
public:
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
        if (element != CE_PushButton || !button || !button->state.testFlag(State_HasFocus)) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        QStyleOptionButton shown = *button;
        shown.state |= State_KeyboardFocusChange;
        QProxyStyle::drawControl(element, &shown, painter, widget);
        QStyleOptionFocusRect frame;
        frame.QStyleOption::operator=(shown);
        frame.rect = subElementRect(SE_PushButtonFocusRect, &shown, widget);
        drawPrimitive(PE_FrameFocusRect, &frame, painter, widget);
    }
};

QStyle *focusShownStyle()
{
    // One for the program; a widget does not own the style it is given.
    static QPointer<FocusShownStyle> style;
    if (!style) {
        style = new FocusShownStyle;
        style->setParent(qApp);
    }
    return style;
}

} // namespace

void showButtonFocus(QWidget *window)
{
    const QList<QPushButton *> buttons = window->findChildren<QPushButton *>();
    for (QPushButton *button : buttons)
        button->setStyle(focusShownStyle());
}

} // namespace vant
