// Check copy in the tools window: reached by Tab, it shows the period beside its copy and names
// the voucher, the copy and the column of a change made by hand; nothing changes.
#include "transfer_fixture.h"

#include "transfer/check_copy.h"
#include "transfer/company_box.h"
#include "transfer/tools_window.h"
#include "widgets/report_window_probe.h"

#include <QApplication>
#include <QDateEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

const QDate kApril10(2026, 4, 10);

class CheckCopyTest : public TransferFixture
{
protected:
    // Voucher 11 of code 1 (two lines) copied into company 2 as voucher 1.
    CheckCopyTest()
    {
        addLine(1, 11, kApril10, 101, "201", "D", 300);
        addLine(1, 11, kApril10, 201, "101", "C", 300);
        EXPECT_TRUE(bool(transfer()));
    }

    void openReady()
    {
        auto loaded = ToolsWindow::load(session, 1, {});
        ASSERT_TRUE(bool(loaded));
        window = std::move(*loaded);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->findChild<CompanyBox *>(u"txtDestinationCompany"_s)->hold(u"Kormo Shadow One"_s, u"2"_s);
        window->findChild<QDateEdit *>(u"txtFromDate"_s)->setDate(QDate(2026, 4, 1));
        window->findChild<QDateEdit *>(u"txtToDate"_s)->setDate(QDate(2026, 4, 30));
    }
    static QList<QStringList> cells(const QTableWidget *grid)
    {
        QList<QStringList> rows;
        for (int row = 0; row < grid->rowCount(); ++row) {
            QStringList values;
            for (int column = 0; column < grid->columnCount(); ++column)
                values << grid->item(row, column)->text();
            rows << values;
        }
        return rows;
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
            for (int table = 0; table < shown.report().tables.size(); ++table)
                tables << cells(shown.grid(table));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            EXPECT_FALSE(shown.isVisible());
        });
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        // An access key clicks its button a moment after it focuses it.
        EXPECT_TRUE(QTest::qWaitFor([&looked] { return looked; }, 3000));
        return tables;
    }

    std::unique_ptr<ToolsWindow> window;
    QStringList lines;
};

TEST_F(CheckCopyTest, AHandEditIsNamedByVoucherCopyAndColumn)
{
    exec({u"update accvoucher2026 set Amount=350 where CompanyCode=2 and CrDr='C'"_s});
    const QStringList before = snapshot();
    openReady();
    // Tab from Transfer reaches Check copy; Space presses it.
    auto *transfer = window->findChild<QPushButton *>(u"cmdProcess"_s);
    transfer->setFocus();
    QTest::keyClick(transfer, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), u"cmdCheckCopy"_s);
    const QList<QList<QStringList>> tables = checkWith(Qt::Key_Space);
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

TEST_F(CheckCopyTest, AnUntouchedCopyMatchesAndItsAccessKeyWorksFromAnyField)
{
    openReady();
    window->findChild<QWidget *>(u"txtSourceCompany"_s)->setFocus();
    const QList<QList<QStringList>> tables = checkWith(Qt::Key_C, Qt::AltModifier);
    ASSERT_EQ(tables.size(), 3);
    EXPECT_EQ(tables.at(2), QList<QStringList>());
    EXPECT_EQ(lines.value(2), u"The copy matches the source."_s);
}

TEST_F(CheckCopyTest, WithoutADestinationNothingIsChecked)
{
    openReady();
    window->findChild<CompanyBox *>(u"txtDestinationCompany"_s)->setText(u"Kormo Shadow"_s);
    auto *check = window->findChild<QPushButton *>(u"cmdCheckCopy"_s);
    check->setFocus();
    QTest::keyClick(check, Qt::Key_Space);
    EXPECT_EQ(prompts.texts(), QStringList{u"Destination Company Not Correct"_s});
    EXPECT_EQ(QApplication::focusWidget()->objectName(), u"txtDestinationCompany"_s);
}

} // namespace
} // namespace vant::test
