// Check copy in the tools window: reached by Tab, it shows the period beside its copy and names
// the voucher, the copy and the column of a change made by hand; nothing changes.
#include "tools_window_fixture.h"

#include "transfer/check_copy.h"
#include "widgets/report_window_probe.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

class CheckCopyTest : public ToolsWindowFixture
{
protected:
    // Voucher 11 of code 1 (two lines) copied into company 2 as voucher 1.
    CheckCopyTest()
    {
        seed("voucher_11.sql");
        EXPECT_TRUE(bool(transfer()));
    }

    // Presses the key where the focus is; the tables of the window that opens, read and closed.
    QList<QList<QStringList>> checkWith(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QList<QList<QStringList>> tables;
        bool looked = false;
        whenReportShown([&](ReportWindow &shown) {
            looked = true;
            EXPECT_EQ(shown.objectName(), u"frmCheckCopy"_s);
            lines = shown.report().lines;
            tables = reportCells(shown);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            EXPECT_FALSE(shown.isVisible());
        });
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        // An access key clicks its button a moment after it focuses it.
        EXPECT_TRUE(QTest::qWaitFor([&looked] { return looked; }, 3000));
        return tables;
    }

    QStringList lines;
};

// A refusal comes first; then the untouched copy matches, and a hand edit is named.
TEST_F(CheckCopyTest, AHandEditIsNamedByVoucherCopyAndColumn)
{
    openReady(QDate(2026, 4, 1), QDate(2026, 4, 30));
    auto *destination = control<CompanyBox>("txtDestinationCompany");
    destination->setText(u"Kormo Shadow"_s);
    auto *check = control<QPushButton>("cmdCheckCopy");
    check->setFocus();
    QTest::keyClick(check, Qt::Key_Space);
    EXPECT_EQ(prompts.texts(), QStringList{u"Destination Company Not Correct"_s});
    EXPECT_EQ(QApplication::focusWidget()->objectName(), u"txtDestinationCompany"_s);

    // The access key works from any field.
    destination->hold(u"Kormo Shadow One"_s, u"2"_s);
    control("txtSourceCompany")->setFocus();
    QList<QList<QStringList>> tables = checkWith(Qt::Key_C, Qt::AltModifier);
    ASSERT_EQ(tables.size(), 3);
    EXPECT_EQ(tables.at(2), QList<QStringList>());
    EXPECT_EQ(lines.value(2), u"The copy matches the source."_s);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    exec({u"update accvoucher2026 set Amount=350 where CompanyCode=2 and CrDr='C'"_s});
    const QStringList before = snapshot();
    // Tab from Transfer reaches Check copy; Space presses it.
    auto *transfer = control<QPushButton>("cmdProcess");
    transfer->setFocus();
    QTest::keyClick(transfer, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), u"cmdCheckCopy"_s);
    tables = checkWith(Qt::Key_Space);
    ASSERT_EQ(tables.size(), 3);
    EXPECT_EQ(tables.at(0), (QList<QStringList>{{u"1"_s, u"1"_s, u"1"_s, u"2"_s, u"2"_s, u"300.00"_s, u"300.00"_s,
                                                 u"300.00"_s, u"350.00"_s}}));
    EXPECT_EQ(tables.at(1).size(), 2);
    EXPECT_EQ(tables.at(2),
              (QList<QStringList>{{u"accvoucher2026"_s, u"1"_s, u"11"_s, u"1"_s, u"2"_s, u"Amount"_s, u"300.00"_s,
                                   u"350.00"_s, u"line 2, Amount: 300.00 in the source, 350.00 in the copy"_s}}));
    EXPECT_EQ(lines, (QStringList{u"Source: Kormo Traders (1)"_s, u"Copy: Kormo Shadow One (2)"_s,
                                  u"1 difference(s) between the copy and the source."_s}));
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(QTest::qWaitFor(
        [] { return QApplication::focusWidget() && QApplication::focusWidget()->objectName() == u"cmdCheckCopy"; },
        1000));
}

} // namespace
} // namespace vant::test
