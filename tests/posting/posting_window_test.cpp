#include "posting_fixture.h"

#include "posting/frm_account_post.h"
#include "posting/voucher_detail_panel.h"
#include "posting/voucher_grid.h"
#include "session/products.h"
#include "session/widget_twips.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

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
    EXPECT_EQ(session->PostingAcType, 2);
    QTest::keyClick(combo("cboDivision"), Qt::Key_1, Qt::ControlModifier);
    QTest::keyClick(gridView(), Qt::Key_3, ctrlShift);
    EXPECT_EQ(session->PostingAcType, 2);
    QTest::keyClick(gridView(), Qt::Key_Exclam, ctrlShift);
    EXPECT_EQ(session->PostingAcType, 1);
    QTest::keyClick(gridView(), Qt::Key_0, ctrlShift);
    EXPECT_EQ(session->PostingAcType, 0);
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
    click("cmdTransfer");

    EXPECT_EQ(scalar(u"select group_concat(OldVoucherNo||'/'||AcType) from accvoucher2026"_s), u"12/2,12/2");
    ASSERT_EQ(window->grid().rows(), 3);
    EXPECT_EQ(window->grid().text(2, VoucherGrid::Vno), u"13");
    EXPECT_EQ(label("lblTotal1"), u"140.00");
    EXPECT_EQ(boxes(), u"");

    // Leaving the window releases the accounts component.
    session->AccountsObject = std::move(*createAccountsComponent(kToolsProgId));
    click("cmdExit");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(session->AccountsObject, nullptr);
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
    const QRect cell = gridView()->visualRect(gridView()->currentIndex());
    const int cellTop = pixelsToTwips(gridView()->viewport()->mapTo(gridView(), cell.topLeft()).y(), window.get());
    EXPECT_EQ(panel->y(), twipsToPixels(cellTop + 300, window.get()));

    click("cmdOk");
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(focused(), gridView());
    // Near the bottom the panel moves up to stay inside the grid's frame.
    window->DisplaySubDet(31, 5000);
    EXPECT_EQ(panel->y() + panel->height(), twipsToPixels(5235, window.get()));
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
