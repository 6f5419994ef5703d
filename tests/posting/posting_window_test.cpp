#include "posting_fixture.h"

#include "posting/frm_account_post.h"
#include "posting/voucher_detail_panel.h"
#include "posting/voucher_grid.h"
#include "support/accounts_watch.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace vant::test {
namespace {

class PostingWindow : public PostingFixture
{
protected:
    void open()
    {
        window = std::make_unique<frmAccountPost>(*session);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        child<QDateEdit>("dtpFrom")->setDate(QDate(2026, 4, 10));
    }
    template<typename T = QWidget>
    T *child(const char *name)
    {
        T *found = window->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QComboBox *combo(const char *name) { return child<QComboBox>(name); }
    QTableView *gridView() { return child<QTableView>("msfAccTransfer"); }
    void click(const char *button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    QString label(const char *name) { return child<QLabel>(name)->text(); }
    QWidget *focused() { return QApplication::focusWidget(); }
    QString boxes() { return prompts.texts().join(u'|'); }

    // Chooses the types with the keyboard as a user does, then presses Go.
    void go(int voucherType, int transType)
    {
        combo("cboVoucherType")->setFocus();
        combo("cboVoucherType")->setCurrentIndex(voucherType);
        QTest::keyClick(combo("cboVoucherType"), Qt::Key_Return);
        combo("cboTransType")->setCurrentIndex(transType);
        QTest::keyClick(combo("cboTransType"), Qt::Key_Return);
        tracedStatements();
        click("cmdGo");
    }

    std::unique_ptr<frmAccountPost> window;
};

TEST_F(PostingWindow, ValidatePostAndEnterLeadThroughTheFilters)
{
    exec({u"insert into accdivisionmaster(CompanyCode,DivisionCode,DivisionName) values (1,7,'Branch')"_s,
          u"insert into accdivisionmaster(CompanyCode,DivisionCode,DivisionName) values (2,8,'Other')"_s});
    open();
    EXPECT_EQ(focused(), combo("cboDivision"));
    EXPECT_EQ(combo("cboDivision")->count(), 2); // the session company's only
    EXPECT_EQ(combo("cboDivision")->currentText(), u"Main");
    click("cmdGo");
    EXPECT_EQ(focused(), combo("cboVoucherType"));
    QTest::keyClick(combo("cboVoucherType"), Qt::Key_Return);
    EXPECT_EQ(focused(), combo("cboVoucherType"));
    combo("cboVoucherType")->setCurrentIndex(2);
    QTest::keyClick(combo("cboVoucherType"), Qt::Key_Return);
    EXPECT_EQ(focused(), combo("cboTransType"));
    click("cmdGo");
    EXPECT_EQ(focused(), combo("cboTransType"));
    // The voucher type is checked first, whatever the transaction type shows.
    combo("cboTransType")->setCurrentIndex(0);
    combo("cboVoucherType")->setCurrentIndex(-1);
    click("cmdGo");
    EXPECT_EQ(boxes(), u"Voucher Type is empty...|Transaction Type is empty...|Voucher Type is empty...");
    EXPECT_EQ(prompts.boxes().at(1).title, u"VantProcess");
    EXPECT_EQ(prompts.boxes().at(1).icon, PromptIcon::Information);
    EXPECT_TRUE(tracedStatements().filter(u"AccOffLineVoucher"_s).isEmpty());

    combo("cboVoucherType")->setCurrentIndex(2);
    QTest::keyClick(combo("cboVoucherType"), Qt::Key_Return);
    combo("cboTransType")->setCurrentIndex(1);
    QTest::keyClick(combo("cboTransType"), Qt::Key_Return);
    EXPECT_EQ(focused(), child("cmdGo"));
    QTest::keyClick(child("cmdGo"), Qt::Key_Return);
    EXPECT_EQ(tracedStatements().filter(u"AccOffLineVoucher"_s).size(), 1);
    EXPECT_EQ(focused(), gridView());
    // An access key clicks its button a moment after focusing it.
    QTest::keyClick(window.get(), Qt::Key_T, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return focused() == combo("cboTransType"); }));
}

TEST_F(PostingWindow, GoSendsTheStatementOfEachVoucherTypeAndCtrlShiftSetsTheAccountType)
{
    open();
    const std::tuple<int, int, QString> cases[] = {{0, 4, u"VoucherCode in (5,14) and TransType='CC'"_s},
                          {1, 0, u"VoucherCode in (3,13) and TransType='Ca'"_s},
                          {1, 1, u"VoucherCode in (3,13) and TransType='Cr'"_s},
                          {2, 0, u"VoucherCode in (6,16) and TransType='CA'"_s},
                          {3, 1, u"VoucherCode in (4,15) and TransType='CR'"_s}};
    for (const auto &[voucherType, transType, condition] : cases) {
        SCOPED_TRACE(condition.toStdString());
        go(voucherType, transType);
        EXPECT_EQ(tracedStatements(),
                  QStringList{u"select voucherno,BillRefno,VoucherDt, TransType,sum(Amount) Amount,AcType,VoucherCode "
                              "from AccOffLineVoucher where  CompanyCode='1' and DIvisionCOde='1' and   CrDr='D' and "
                              "VoucherDt='2026-04-10' and moved is null and    "_s
                              + condition
                              + u" group by voucherno,VoucherDt,BillRefNo,TransType,AcType,VoucherCode order by "
                                "VoucherDt,voucherno"_s});
        EXPECT_EQ(focused(), gridView());
    }
    EXPECT_EQ(boxes(), u"");

    // Ctrl+Shift+1/2/0 anywhere in the window choose the posting account type.
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    QTest::keyClick(combo("cboDivision"), Qt::Key_2, ctrlShift);
    EXPECT_EQ(window->postingAcType(), 2);
    QTest::keyClick(combo("cboDivision"), Qt::Key_1, Qt::ControlModifier);
    QTest::keyClick(gridView(), Qt::Key_3, ctrlShift);
    EXPECT_EQ(window->postingAcType(), 2);
    QTest::keyClick(gridView(), Qt::Key_Exclam, ctrlShift);
    EXPECT_EQ(window->postingAcType(), 1);
    QTest::keyClick(gridView(), Qt::Key_0, ctrlShift);
    EXPECT_EQ(window->postingAcType(), 0);
}

TEST_F(PostingWindow, SpaceMarksTotalsAndTransferPostsTheMarkedRows)
{
    addVoucher(11, 100);
    addVoucher(12, 250.5);
    addVoucher(13, 40);
    open();
    go(0, 0);
    ASSERT_EQ(window->grid().rows(), 4);
    EXPECT_EQ(label("lblTotal1"), u"390.50");
    EXPECT_EQ(label("lblTotal2"), u"0.00");

    QTest::keyClick(gridView(), Qt::Key_Space);
    QTest::keyClick(gridView(), Qt::Key_Return);
    QTest::keyClick(gridView(), Qt::Key_Space);
    EXPECT_EQ(label("lblTotal2"), u"350.50");
    QTest::keyClick(gridView(), Qt::Key_Space);
    EXPECT_EQ(label("lblTotal2"), u"100.00");
    click("cmdSelectall");
    EXPECT_EQ(label("lblTotal2"), u"390.50");
    click("cmdDeselectAll");
    EXPECT_EQ(label("lblTotal2"), u"");
    EXPECT_EQ(label("lblTotal1"), u"390.50");
    click("cmdSelectall");
    click("cmdClear");
    EXPECT_EQ(window->TransferAmountTotal(), 0);

    // Mark the second row and give it account type 2 with Ctrl + right button.
    QTest::keyClick(gridView(), Qt::Key_Space);
    const QPoint secondRow = gridView()->visualRect(gridView()->model()->index(1, 0)).center();
    QTest::mouseClick(gridView()->viewport(), Qt::LeftButton, {}, secondRow);
    QTest::mouseClick(gridView()->viewport(), Qt::RightButton, Qt::ControlModifier, secondRow);
    auto *menu = child<QMenu>("mnuMain");
    EXPECT_TRUE(menu->isVisible());
    menu->findChild<QAction *>(u"mnuAc2"_s)->trigger();
    menu->close();

    // Enter never posts, neither on the window nor on the focused button.
    QTest::keyClick(window.get(), Qt::Key_Return);
    child("cmdTransfer")->setFocus();
    QTest::keyClick(child("cmdTransfer"), Qt::Key_Return);
    EXPECT_EQ(count(u"select count(*) from accvoucher2026"_s), 0);
    const AccountsWatch accounts(*session);
    click("cmdTransfer");

    EXPECT_EQ(scalar(u"select group_concat(OldVoucherNo||'/'||AcType) from accvoucher2026"_s), u"12/2,12/2");
    ASSERT_EQ(window->grid().rows(), 3);
    EXPECT_EQ(window->grid().text(2, VoucherGrid::Vno), u"13");
    EXPECT_EQ(label("lblTotal1"), u"140.00");
    EXPECT_EQ(boxes(), u"");

    // No accounts component is left once the posting is over and the window is left.
    click("cmdExit");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(accounts.live(), nullptr);
}

TEST_F(PostingWindow, CtrlDShowsTheVoucherDetail)
{
    addLine({.voucherNo = 31, .crDr = u"C"_s, .amount = -150, .ledgerCode = 201, .billRefNo = u"B-31"_s});
    addLine({.voucherNo = 31, .amount = 0.5, .ledgerCode = 102});
    addLine({.voucherNo = 31, .amount = 9, .ledgerCode = 999}); // no ledger master row: not shown
    open();
    go(0, 0);
    auto *panel = child<VoucherDetailPanel>("picDet");
    auto *details = child<QTableWidget>("msfGridDet");

    QTest::keyClick(gridView(), Qt::Key_D, Qt::ControlModifier);
    ASSERT_TRUE(panel->isVisible());
    EXPECT_TRUE(tracedStatements().contains(
        u"select a.LedgerCode,b.LedgerName,a.Amount,a.CrDr,a.BillRefNo from AccOfflineVoucher a inner join "
        "AccLedgerMaster B ON A.LEDGERCODE=B.LEDGERCODE AND Voucherno=31 and a.CompanyCode='1' and "
        "isnull(a.Moved,'N')='N' order by crdr desc"_s));
    QStringList shown;
    for (int row = 0; row < details->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < details->columnCount(); ++column)
            cells << (details->isColumnHidden(column) ? u"-"_s : details->item(row, column)->text());
        shown << cells.join(u'|');
    }
    EXPECT_EQ(shown, (QStringList{u"1|-|Bank|.50|00.0"_s, u"2|-|Sales|00.0|-150.00"_s}));
    EXPECT_EQ(focused(), child("cmdOk"));

    click("cmdOk");
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(focused(), gridView());
}

// The panel shows a three-line voucher whole, amounts to the right, beside the row it describes and
// from its first line on every refill; Escape closes it before it closes the window.
TEST_F(PostingWindow, TheDetailPanelIsReadableAndLeavesItsRowInSight)
{
    for (int voucher = 1; voucher <= 14; ++voucher)
        addVoucher(voucher, 10 * voucher);
    addLine({.voucherNo = 15, .amount = 70, .ledgerCode = 102});
    addLine({.voucherNo = 15, .amount = 30, .ledgerCode = 101});
    addLine({.voucherNo = 15, .crDr = u"C"_s, .amount = -100, .ledgerCode = 201});
    for (int line = 1; line <= 9; ++line)
        addLine({.voucherNo = 16, .crDr = u"C"_s, .amount = double(-line), .ledgerCode = 201});
    open();
    go(0, 0);
    auto *panel = child<VoucherDetailPanel>("picDet");
    auto *details = child<QTableWidget>("msfGridDet");
    const auto rowRect = [this](int row) {
        const QRect cell = gridView()->visualRect(gridView()->model()->index(row - 1, 0));
        return QRect(gridView()->viewport()->mapTo(window.get(), cell.topLeft()), QSize(gridView()->width(), cell.height()));
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
TEST_F(PostingWindow, TabLeavesTheGridsAndReachesTransfer)
{
    addVoucher(11, 100);
    addVoucher(12, 250.5);
    addVoucher(13, 40);
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

// Leaving "Voucher Type" refills "Type" only when the voucher type changed.
TEST_F(PostingWindow, LeavingAnUnchangedVoucherTypeKeepsTheType)
{
    addVoucher(11, 100);
    exec({u"update AccOffLineVoucher set TransType='CH'"_s});
    open();
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

// A posting keeps the window painted and refuses its input; a key pressed meanwhile does not act
// afterwards. The status line then counts the vouchers posted and those that failed.
TEST_F(PostingWindow, APostingRefusesInputAndCountsWhatItPosted)
{
    addVoucher(71, 10);
    addVoucher(72, 20);
    addVoucher(73, 30);
    open();
    go(0, 0);
    EXPECT_EQ(label("lblStatus"), QString());
    click("cmdSelectall");
    bool waitCursor = false;
    QTimer::singleShot(0, window.get(), [&] {
        waitCursor = QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
        QCoreApplication::postEvent(focused(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    });
    child("cmdTransfer")->setFocus();
    QTest::keyClick(child("cmdTransfer"), Qt::Key_Space);
    QCoreApplication::processEvents();
    EXPECT_TRUE(waitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(label("lblStatus"), u"Vouchers posted: 3    Failed: 0");

    // Number 5 is taken already: the second voucher stops the run, the third is not tried.
    addVoucher(74, 10);
    addVoucher(75, 20);
    addVoucher(76, 30);
    exec({u"insert into accvoucher2026(CompanyCode,VoucherNo,VoucherDt,LedgerCode,CrDr,Amount,VoucherCode) values "
          "(1,5,'2026-04-01',101,'D',1,5)"_s});
    go(0, 0);
    click("cmdSelectall");
    click("cmdTransfer");
    EXPECT_EQ(boxes(), u"VoucherNO is duplicated. Contact Software Vendor...");
    EXPECT_EQ(label("lblStatus"), u"Vouchers posted: 1    Failed: 2");
}

TEST_F(PostingWindow, ErrorsAreReportedUnderTheHandlersName)
{
    exec({u"delete from accdivisionmaster"_s});
    open();
    go(0, 0);
    exec({u"drop table AccOfflineVoucher"_s});
    window->DisplaySubDet(1, 0);
    const QStringList log = logLines();
    ASSERT_EQ(log.size(), 15);
    EXPECT_EQ(log.at(4), u"ErrForm : frmAccountPost    ErrEvent : Form_Load");
    EXPECT_EQ(log.at(9), u"ErrForm : frmAccountPost    ErrEvent : cmdGo_Click");
    EXPECT_EQ(log.at(14), u"ErrForm : frmAccountPost    ErrEvent : DisplaySubDet");
    ASSERT_EQ(prompts.boxes().size(), 3);
    EXPECT_EQ(prompts.boxes().at(1).icon, PromptIcon::Critical);
}

} // namespace
} // namespace vant::test
