#include "posting_window_fixture.h"

#include "support/test_server.h"

#include <QImage>

namespace vant::test {
namespace {

// Ctrl+D shows the voucher detail. The row's number is read whole: Ctrl+D on "41 x" shows no lines
// of voucher 41 but says why.
TEST_F(PostingWindowTest, CtrlDShowsTheVoucherDetail)
{
    // The credit line of voucher 31 names a ledger that the ledger master lacks, which the posting
    // refuses.
    seed("detail_vouchers.sql");
    open();
    go(0, 0);
    auto *panel = child<VoucherDetailPanel>("picDet");
    auto *details = child<QTableWidget>("msfGridDet");

    QTest::keyClick(gridView(), Qt::Key_D, Qt::ControlModifier);
    ASSERT_TRUE(panel->isVisible());
    QStringList shown;
    for (int row = 0; row < details->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < details->columnCount(); ++column)
            cells << (details->isColumnHidden(column) ? u"-"_s : details->item(row, column)->text());
        shown << cells.join(u'|');
    }
    EXPECT_EQ(shown,
              (QStringList{u"1|-|Bank|.50|00.0"_s, u"2|-|Ledger 999 is not in the ledger master|00.0|-150.00"_s}));
    EXPECT_EQ(details->item(1, 2)->foreground().color(), QColor(192, 0, 0));
    EXPECT_EQ(details->item(0, 2)->foreground().style(), Qt::NoBrush);
    EXPECT_EQ(focused(), child("cmdOk"));

    click("cmdOk");
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(focused(), gridView());

    gridView()->setCurrentIndex(gridView()->model()->index(2, 0));
    ASSERT_EQ(gridView()->model()->index(2, VoucherGrid::Vno).data().toString(), u"41 x");
    QTest::keyClick(gridView(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(boxes().contains(u"Message : The off-line voucher number (VoucherNo) is not a number: \"41 x\"."_s))
        << boxes().toStdString();
    EXPECT_EQ(logLines().value(4), u"ErrForm : frmAccountPost    ErrEvent : msfAccTransfer_KeyDown"_s);
}

// The panel shows a three-line voucher whole, amounts to the right, beside the row it describes and
// from its first line on every refill; Escape closes it before it closes the window.
TEST_F(PostingWindowTest, TheDetailPanelIsReadableAndLeavesItsRowInSight)
{
    for (int voucher = 1; voucher <= 14; ++voucher)
        addVoucher(voucher, 10 * voucher);
    seed("voucher_15.sql");
    for (int line = 1; line <= 9; ++line)
        addLine({.voucherNo = 16, .crDr = u"C"_s, .amount = double(-line), .ledgerCode = 201});
    open();
    go(0, 0);
    auto *panel = child<VoucherDetailPanel>("picDet");
    auto *details = child<QTableWidget>("msfGridDet");
    const auto rowRect = [this](int row) {
        const QRect cell = gridView()->visualRect(gridView()->model()->index(row - 1, 0));
        return QRect(gridView()->viewport()->mapTo(window.get(), cell.topLeft()),
                     QSize(gridView()->width(), cell.height()));
    };
    const auto panelRect = [&] { return QRect(panel->mapTo(window.get(), QPoint(0, 0)), panel->size()); };

    // The first row, a row near the middle and the last row of the grid: the panel lies below the row, or
    // above it where there is no room below.
    for (const int row : {1, 8, 15}) {
        SCOPED_TRACE(row);
        gridView()->setCurrentIndex(gridView()->model()->index(row - 1, 1));
        gridView()->setFocus();
        QTest::keyClick(gridView(), Qt::Key_D, Qt::ControlModifier);
        ASSERT_TRUE(panel->isVisible());
        EXPECT_FALSE(panelRect().intersects(rowRect(row)));
        EXPECT_TRUE(window->rect().contains(panelRect()));
        QTest::keyClick(focused(), Qt::Key_Escape);
        EXPECT_FALSE(panel->isVisible());
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(focused(), gridView());
    }

    window->DisplaySubDet(15, 0);
    ASSERT_EQ(details->rowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        EXPECT_GE(details->rowViewportPosition(row), 0);
        EXPECT_LE(details->rowViewportPosition(row) + details->rowHeight(row), details->viewport()->height());
        for (const int amount : {3, 4})
            EXPECT_TRUE(details->item(row, amount)->textAlignment() & Qt::AlignRight);
    }

    window->DisplaySubDet(16, 0);
    details->scrollToBottom();
    details->setCurrentCell(8, 2);
    window->DisplaySubDet(16, 0);
    EXPECT_EQ(details->rowViewportPosition(0), 0);
    EXPECT_EQ(details->currentRow(), 0);

    QTest::keyClick(focused(), Qt::Key_Escape);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(window->isVisible());
    QTest::keyClick(focused(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

// Tab and Shift+Tab (with Ctrl too) leave both grids and leave the current row where it was; Tab
// from the grid reaches "Transfer" without passing a filter.
TEST_F(PostingWindowTest, TabLeavesTheGridsAndReachesTransfer)
{
    VANT_SQLITE_ONLY("reads the posted rows with SQLite's functions");
    seed("vouchers_11_to_13.sql");
    open();
    go(0, 0);
    const QModelIndex second = gridView()->model()->index(1, 0);
    const struct
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char *next;
    } moves[] = {{Qt::Key_Tab, Qt::NoModifier, "cmdDate"},
                 {Qt::Key_Backtab, Qt::ShiftModifier, "cmdGo"},
                 {Qt::Key_Tab, Qt::ControlModifier, "cmdDate"},
                 {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, "cmdGo"}};
    for (const auto &move : moves) {
        SCOPED_TRACE(move.next);
        gridView()->setCurrentIndex(second);
        gridView()->setFocus();
        QTest::keyClick(gridView(), move.key, move.modifiers);
        EXPECT_EQ(focused(), child(move.next));
        EXPECT_EQ(gridView()->currentIndex(), second);
    }

    gridView()->setFocus();
    QTest::keyClick(gridView(), Qt::Key_D, Qt::ControlModifier);
    auto *details = child<QTableWidget>("msfGridDet");
    details->setFocus();
    const QModelIndex detailCell = details->currentIndex();
    QTest::keyClick(details, Qt::Key_Tab);
    EXPECT_EQ(focused(), child("cmdOk"));
    details->setFocus();
    QTest::keyClick(details, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_NE(focused(), details);
    EXPECT_EQ(details->currentIndex(), detailCell);
    click("cmdOk");

    // Space marks the second row; Tab walks to "Transfer", whose Space posts it.
    QTest::keyClick(gridView(), Qt::Key_Space);
    QStringList passed;
    for (int step = 0; step < 10 && focused() != child("cmdTransfer"); ++step) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        passed << focused()->objectName();
    }
    ASSERT_EQ(focused(), child("cmdTransfer")) << passed.join(u' ').toStdString();
    for (const char *filter : {"dtpFrom", "cboDivision", "cboVoucherType", "cboTransType"})
        EXPECT_FALSE(passed.contains(QString::fromLatin1(filter))) << filter;
    QTest::keyClick(focused(), Qt::Key_Space);
    EXPECT_EQ(scalar(u"select group_concat(distinct OldVoucherNo) from accvoucher2026"_s), u"12");
}

// Leaving "Voucher Type" refills "Type" only when the voucher type changed; "Transfer" shows the focus.
TEST_F(PostingWindowTest, LeavingAnUnchangedVoucherTypeKeepsTheTypeAndTransferShowsTheFocus)
{
    addVoucher(11, 100);
    exec({u"update AccOffLineVoucher set TransType='CH'"_s});
    open();
    // Space on "Transfer" posts: a keyboard user sees when the focus is there, also where a click put it.
    auto *transfer = child<QPushButton>("cmdTransfer");
    combo("cboDivision")->setFocus();
    const QImage unfocused = transfer->grab().toImage();
    transfer->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(transfer->hasFocus());
    EXPECT_NE(transfer->grab().toImage(), unfocused);
    go(0, 2);
    ASSERT_EQ(combo("cboTransType")->currentText(), u"CH - Cheque Sales");
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Return}) {
        combo("cboVoucherType")->setFocus();
        QTest::keyClick(combo("cboVoucherType"), key);
        EXPECT_EQ(combo("cboTransType")->currentText(), u"CH - Cheque Sales");
    }
    click("cmdGo");
    EXPECT_EQ(boxes(), u"");
    EXPECT_EQ(window->grid().rows(), 2);
    EXPECT_EQ(window->grid().text(1, VoucherGrid::Vno), u"11");

    // Another voucher type offers its own list, with nothing chosen.
    combo("cboVoucherType")->setFocus();
    combo("cboVoucherType")->setCurrentIndex(2);
    QTest::keyClick(combo("cboVoucherType"), Qt::Key_Tab);
    EXPECT_EQ(combo("cboTransType")->count(), 2);
    EXPECT_EQ(combo("cboTransType")->currentIndex(), -1);
}

} // namespace
} // namespace vant::test
