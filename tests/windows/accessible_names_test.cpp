// Every control that takes focus has a name that a screen reader can announce, as Qt's
// accessibility interface gives it: its caption without the access-key marker, or what it holds.
#include "window_tour.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QWidget>

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

QString accessibleName(QWidget *control)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) : QString();
}

// The controls a user can reach; the inner box of a date or list control is reached as that control.
QList<QWidget *> focusableControls(QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        const QWidget *parent = control->parentWidget();
        const bool inner = parent
                           && (parent->focusProxy() == control || qobject_cast<const QComboBox *>(parent)
                               || qobject_cast<const QAbstractSpinBox *>(parent));
        if (control->focusPolicy() != Qt::NoFocus && control->isVisibleTo(window) && control->isEnabled() && !inner)
            controls << control;
    }
    return controls;
}

QString describe(const QWidget *control)
{
    return control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                           : control->objectName();
}

class AccessibleNamesTest : public WindowTour
{};

// One tour: every control that takes focus has a name, and a list that holds an entry is announced
// by it, and by its caption through the label's relation.
TEST_F(AccessibleNamesTest, EveryControlThatTakesFocusIsNamedByItsCaptionWithoutItsAccessKey)
{
    const QList<std::pair<QString, QString>> expected = {
        {u"txtPassword"_s, u"Password"_s},
        {u"searchtxthlp"_s, u"Search"_s},
        {u"txtUserName"_s, u"Login ID"_s},
        {u"txtDestinationCompany"_s, u"Destination Company"_s},
        {u"txtToDate"_s, u"To Date"_s},
        {u"cmdProcess"_s, u"Transfer"_s},
        {u"cmdExit"_s, u"Exit"_s},
        {u"cboVoucherType"_s, u"Voucher Type"_s},
        {u"cboTransType"_s, u"Type"_s},
        {u"dtpFrom"_s, u"Date"_s},
        {u"cmdGo"_s, u"Go"_s},
        {u"cmdSelectall"_s, u"Select All"_s},
        {u"msfAccTransfer"_s, u"Off-line vouchers"_s},
        {u"dtpSince"_s, u"From"_s},
        {u"dtpUntil"_s, u"To"_s},
        {u"msfRuns"_s, u"Runs"_s},
        {u"cmdCheckCopy"_s, u"Check copy"_s},
        {u"cmdSavePdf"_s, u"Save as PDF..."_s},
    };
    QStringList unnamed;
    int controls = 0;
    QMap<QString, QString> names;
    visitEveryWindow([&](QWidget *window, const QString &view) {
        for (QWidget *control : focusableControls(window)) {
            ++controls;
            if (accessibleName(control).trimmed().isEmpty())
                unnamed << view + u": "_s + describe(control);
        }
        for (const auto &[name, caption] : expected) {
            if (QWidget *control = window->findChild<QWidget *>(name); control && !names.contains(name))
                names.insert(name, accessibleName(control).trimmed());
        }
    });
    EXPECT_EQ(unnamed, QStringList());
    EXPECT_GT(controls, 40);
    EXPECT_EQ(boxesSeen().size(), 9) << boxesSeen().join(u'\n').toStdString();
    for (const auto &[name, caption] : expected)
        EXPECT_EQ(names.value(name), caption) << name.toStdString();
}

} // namespace
} // namespace vant::test
