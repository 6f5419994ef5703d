#include "posting_fixture.h"
#include "recording_accounts.h"

#include "posting/account_posting.h"
#include "posting/frm_account_post.h"
#include "posting/posting_filters.h"
#include "session/widget_twips.h"
#include "session/products.h"
#include "posting/voucher_detail_panel.h"
#include "posting/voucher_grid.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
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
    void SetUp() override
    {
        PostingFixture::SetUp();
        session->accountsFactory = RecordingAccounts::factory(script);
    }

    void open()
    {
        window = std::make_unique<frmAccountPost>(*session);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        dtpFrom()->setDate(QDate(2026, 4, 10));
    }
    template<typename T>
    T *control(const char *name)
    {
        T *found = window->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QComboBox *combo(const char *name) { return control<QComboBox>(name); }
    QDateEdit *dtpFrom() { return control<QDateEdit>("dtpFrom"); }
    QTableView *gridView() { return control<QTableView>("msfAccTransfer"); }
    QPushButton *button(const char *name) { return control<QPushButton>(name); }
    QString label(const char *name) { return control<QLabel>(name)->text(); }
    QWidget *focused() { return QApplication::focusWidget(); }

    // Chooses the types with the keyboard as a user does, then presses Go.
    void go(int voucherType, int transType)
    {
        combo("cboVoucherType")->setFocus();
        combo("cboVoucherType")->setCurrentIndex(voucherType);
        QTest::keyClick(combo("cboVoucherType"), Qt::Key_Return);
        combo("cboTransType")->setCurrentIndex(transType);
        QTest::keyClick(combo("cboTransType"), Qt::Key_Return);
        tracedStatements();
        QTest::mouseClick(button("cmdGo"), Qt::LeftButton);
    }
    void addVoucher(int voucherNo, double amount, int voucherCode = 5, const QString &transType = u"CA"_s)
    {
        addLine({.voucherNo = voucherNo, .amount = amount, .voucherCode = voucherCode, .transType = transType});
        addLine({.voucherNo = voucherNo, .crDr = u"C"_s, .amount = -amount, .ledgerCode = 201,
                 .voucherCode = voucherCode, .transType = transType});
    }

    AccountsScript script;
    std::unique_ptr<frmAccountPost> window;
};

TEST_F(PostingWindow, OpensWithItsFiltersAndLayout)
{
    open();
    EXPECT_EQ(focused(), combo("cboDivision"));
    EXPECT_EQ(combo("cboDivision")->currentText(), u"Main");
    EXPECT_EQ(combo("cboDivision")->currentData().toInt(), 1);
    EXPECT_EQ(combo("cboVoucherType")->count(), 4);
    EXPECT_EQ(combo("cboVoucherType")->currentIndex(), -1);
    EXPECT_EQ(combo("cboTransType")->count(), 0);
    EXPECT_EQ(dtpFrom()->displayFormat(), u"dd/MM/yyyy");
    EXPECT_EQ(label("lbhCompanyName"), u"Kormo Traders");
    EXPECT_EQ(label("lblAccYear"), u"2026");
    EXPECT_EQ(label("lblDate"), QDate::currentDate().toString(u"dd-MM-yyyy"_s));
    EXPECT_EQ(label("lblTotal1"), u"Trial Balance - Debit Total Amount");
    EXPECT_EQ(label("lblTitle"), u"T R A N S F E R   O F  A C C O U N T S");
    EXPECT_EQ(window->grid().rows(), 2);

    const QStringList captions = {u"&Date"_s, u"&Voucher"_s, u"&Transaction"_s, u"&Select All"_s,
                                  u"DeSelect All"_s, u"Transfer"_s, u"&Clear"_s, u"E&xit"_s};
    const char *names[] = {"cmdDate", "cmdVoucher", "cmdTrans", "cmdSelectall", "cmdDeselectAll", "cmdTransfer",
                           "cmdClear", "cmdExit"};
    const int lefts[] = {0, 1440, 2880, 4320, 5760, 7200, 8670, 10140};
    for (int i = 0; i < 8; ++i) {
        QPushButton *b = button(names[i]);
        EXPECT_EQ(b->text(), captions.at(i));
        EXPECT_EQ(b->geometry(), QRect(twipsToPixels(lefts[i], b), twipsToPixels(6600, b), twipsToPixels(1455, b),
                                       twipsToPixels(375, b)));
    }
    EXPECT_FALSE(button("cmdTransfer")->autoDefault());
    EXPECT_FALSE(button("cmdTransfer")->isDefault());
    EXPECT_EQ(gridView()->horizontalHeader()->count(), 8);
    EXPECT_TRUE(gridView()->isColumnHidden(VoucherGrid::Vno));
    EXPECT_EQ(gridView()->columnWidth(VoucherGrid::BillAmt), twipsToPixels(3025, window.get()));
}

TEST_F(PostingWindow, ValidatePostNamesTheEmptyList)
{
    open();
    QTest::mouseClick(button("cmdGo"), Qt::LeftButton);
    ASSERT_EQ(prompts.boxes().size(), 1);
    EXPECT_EQ(prompts.boxes().at(0).text, u"Voucher Type is empty...");
    EXPECT_EQ(prompts.boxes().at(0).title, u"VantProcess");
    EXPECT_EQ(prompts.boxes().at(0).icon, PromptIcon::Information);
    EXPECT_EQ(focused(), combo("cboVoucherType"));

    combo("cboVoucherType")->setCurrentIndex(1);
    QTest::keyClick(combo("cboVoucherType"), Qt::Key_Return);
    EXPECT_EQ(focused(), combo("cboTransType"));
    prompts.clear();
    QTest::mouseClick(button("cmdGo"), Qt::LeftButton);
    ASSERT_EQ(prompts.boxes().size(), 1);
    EXPECT_EQ(prompts.boxes().at(0).text, u"Transaction Type is empty...");
    EXPECT_EQ(focused(), combo("cboTransType"));

    // The voucher type is checked first, whatever the transaction type shows.
    combo("cboTransType")->setCurrentIndex(0);
    combo("cboVoucherType")->setCurrentIndex(-1);
    prompts.clear();
    QTest::mouseClick(button("cmdGo"), Qt::LeftButton);
    ASSERT_EQ(prompts.boxes().size(), 1);
    EXPECT_EQ(prompts.boxes().at(0).text, u"Voucher Type is empty...");
    EXPECT_TRUE(tracedStatements().filter(u"AccOffLineVoucher"_s).isEmpty());
}

TEST_F(PostingWindow, EnterMovesThroughTheFilterRow)
{
    open();
    dtpFrom()->setFocus();
    QTest::keyClick(dtpFrom(), Qt::Key_Return);
    EXPECT_EQ(focused(), combo("cboDivision"));
    QTest::keyClick(combo("cboDivision"), Qt::Key_Enter);
    EXPECT_EQ(focused(), combo("cboVoucherType"));
    QTest::keyClick(combo("cboVoucherType"), Qt::Key_Return);
    EXPECT_EQ(focused(), combo("cboVoucherType"));

    combo("cboVoucherType")->setCurrentIndex(2);
    QTest::keyClick(combo("cboVoucherType"), Qt::Key_Return);
    EXPECT_EQ(focused(), combo("cboTransType"));
    QStringList offered;
    for (int i = 0; i < combo("cboTransType")->count(); ++i)
        offered << combo("cboTransType")->itemText(i);
    EXPECT_EQ(offered, (QStringList{u"CA - Cash"_s, u"CR - Credit"_s}));
    EXPECT_EQ(combo("cboTransType")->currentIndex(), -1);
    QTest::keyClick(combo("cboTransType"), Qt::Key_Return);
    EXPECT_EQ(focused(), combo("cboTransType"));
    combo("cboTransType")->setCurrentIndex(1);
    QTest::keyClick(combo("cboTransType"), Qt::Key_Return);
    EXPECT_EQ(focused(), button("cmdGo"));
    tracedStatements();
    QTest::keyClick(button("cmdGo"), Qt::Key_Return);
    EXPECT_EQ(tracedStatements().size(), 1);
    EXPECT_EQ(focused(), gridView());

    QTest::mouseClick(button("cmdDate"), Qt::LeftButton);
    EXPECT_EQ(focused(), dtpFrom());
    // An access key clicks its button a moment after focusing it.
    QTest::keyClick(window.get(), Qt::Key_V, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return focused() == combo("cboVoucherType"); }));
    QTest::keyClick(window.get(), Qt::Key_T, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return focused() == combo("cboTransType"); }));
}

TEST_F(PostingWindow, GoSendsTheQueryOfEachVoucherType)
{
    open();
    struct Case
    {
        int voucherType;
        int transType;
        QString condition;
    };
    const QList<Case> cases = {{0, 4, u"VoucherCode in (5,14) and TransType='CC'"_s},
                               {1, 1, u"VoucherCode in (3,13) and TransType='Cr'"_s},
                               {2, 0, u"VoucherCode in (6,16) and TransType='CA'"_s},
                               {3, 1, u"VoucherCode in (4,15) and TransType='CR'"_s}};
    for (const Case &c : cases) {
        go(c.voucherType, c.transType);
        const QStringList sent = tracedStatements();
        ASSERT_EQ(sent.size(), 1);
        EXPECT_EQ(sent.first(),
                  u"select voucherno,BillRefno,VoucherDt, TransType,sum(Amount) Amount,AcType,VoucherCode from "
                  "AccOffLineVoucher where  CompanyCode='1' and DIvisionCOde='1' and   CrDr='D' and "
                  "VoucherDt='2026-04-10' and moved is null and    "_s
                      + c.condition
                      + u" group by voucherno,VoucherDt,BillRefNo,TransType,AcType,VoucherCode order by "
                        "VoucherDt,voucherno"_s);
        EXPECT_EQ(focused(), gridView());
    }
    EXPECT_TRUE(prompts.boxes().isEmpty());
    EXPECT_EQ(label("lblTotal1"), u"0.00");
}

TEST_F(PostingWindow, GridKeysMarkMoveAndTotal)
{
    addVoucher(11, 100);
    addVoucher(12, 250.5);
    addVoucher(13, 40);
    open();
    QAbstractItemModelTester tester(gridView()->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    go(0, 0);
    ASSERT_EQ(window->grid().rows(), 4);
    EXPECT_EQ(label("lblTotal1"), u"390.50");
    EXPECT_EQ(label("lblTotal2"), u"0.00");
    EXPECT_EQ(gridView()->currentIndex().row(), 0);

    QTest::keyClick(gridView(), Qt::Key_Space);
    EXPECT_EQ(window->grid().text(1, VoucherGrid::PostedAmt), u"100.00");
    EXPECT_EQ(label("lblTotal2"), u"100.00");
    QTest::keyClick(gridView(), Qt::Key_Return);
    QTest::keyClick(gridView(), Qt::Key_Space);
    EXPECT_EQ(label("lblTotal2"), u"350.50");
    QTest::keyClick(gridView(), Qt::Key_Space);
    EXPECT_EQ(label("lblTotal2"), u"100.00");
    QTest::keyClick(gridView(), Qt::Key_Return);
    QTest::keyClick(gridView(), Qt::Key_Return);
    EXPECT_EQ(gridView()->currentIndex().row(), 2);

    QTest::mouseClick(button("cmdSelectall"), Qt::LeftButton);
    EXPECT_EQ(label("lblTotal2"), u"390.50");
    QTest::mouseClick(button("cmdDeselectAll"), Qt::LeftButton);
    EXPECT_EQ(label("lblTotal2"), u"");
    EXPECT_EQ(label("lblTotal1"), u"390.50");
    EXPECT_EQ(window->grid().text(1, VoucherGrid::PostedAmt), u"");
    QTest::mouseClick(button("cmdSelectall"), Qt::LeftButton);
    QTest::mouseClick(button("cmdClear"), Qt::LeftButton);
    EXPECT_EQ(window->TransferAmountTotal(), 0);
}

TEST_F(PostingWindow, CtrlShiftDigitsSetThePostingAccountType)
{
    open();
    QTest::keyClick(combo("cboDivision"), Qt::Key_2, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(session->PostingAcType, 2);
    QTest::keyClick(combo("cboDivision"), Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(session->PostingAcType, 2);
    QTest::keyClick(gridView(), Qt::Key_Exclam, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(session->PostingAcType, 1);
    QTest::keyClick(gridView(), Qt::Key_0, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(session->PostingAcType, 0);
}

TEST_F(PostingWindow, TransferPostsTheMarkedRowsAndRefreshes)
{
    addVoucher(21, 100);
    addVoucher(22, 60);
    open();
    go(0, 0);
    QTest::keyClick(gridView(), Qt::Key_Return);
    QTest::keyClick(gridView(), Qt::Key_Space);
    // Ctrl + right button on the grid offers the account types of the last clicked row.
    const QRect secondRow = gridView()->visualRect(gridView()->model()->index(1, 0));
    QTest::mouseClick(gridView()->viewport(), Qt::LeftButton, {}, secondRow.center());
    EXPECT_EQ(window->rememberedRow(), 2);
    QTest::mouseClick(gridView()->viewport(), Qt::RightButton, Qt::ControlModifier, secondRow.center());
    auto *menu = control<QMenu>("mnuMain");
    EXPECT_TRUE(menu->isVisible());
    menu->findChild<QAction *>(u"mnuAc2"_s)->trigger();
    menu->close();
    EXPECT_EQ(window->grid().text(2, VoucherGrid::AcType), u"2");

    // Enter never posts, neither on the window nor on the focused button.
    QTest::keyClick(window.get(), Qt::Key_Return);
    button("cmdTransfer")->setFocus();
    QTest::keyClick(button("cmdTransfer"), Qt::Key_Return);
    EXPECT_EQ(count(u"select count(*) from accvoucher2026"_s), 0);
    EXPECT_EQ(window->grid().text(2, VoucherGrid::PostedAmt), u"60.00");
    QTest::mouseClick(button("cmdTransfer"), Qt::LeftButton);

    EXPECT_EQ(scalar(u"select group_concat(AcType) from accvoucher2026 where OldVoucherNo=22"_s), u"2,2");
    EXPECT_EQ(count(u"select count(*) from accvoucher2026 where OldVoucherNo=21"_s), 0);
    ASSERT_EQ(window->grid().rows(), 2);
    EXPECT_EQ(window->grid().text(1, VoucherGrid::Vno), u"21");
    EXPECT_EQ(label("lblTotal1"), u"100.00");
    EXPECT_TRUE(prompts.boxes().isEmpty());
}

TEST_F(PostingWindow, CtrlDShowsTheVoucherDetail)
{
    addLine({.voucherNo = 31, .amount = 100});
    addLine({.voucherNo = 31, .amount = 50, .ledgerCode = 102});
    addLine({.voucherNo = 31, .crDr = u"C"_s, .amount = -150, .ledgerCode = 201});
    addLine({.voucherNo = 32, .amount = 0.5});
    open();
    go(0, 0);
    auto *panel = control<VoucherDetailPanel>("picDet");
    auto *details = control<QTableWidget>("msfGridDet");
    EXPECT_FALSE(panel->isVisible());

    QTest::keyClick(gridView(), Qt::Key_D, Qt::ControlModifier);
    ASSERT_TRUE(panel->isVisible());
    ASSERT_EQ(details->rowCount(), 3);
    EXPECT_EQ(details->item(2, 0)->text(), u"3");
    EXPECT_EQ(details->item(2, 2)->text(), u"Sales");
    EXPECT_EQ(details->item(2, 3)->text(), u"00.0");
    EXPECT_EQ(details->item(2, 4)->text(), u"-150.00");
    EXPECT_TRUE(details->isColumnHidden(1));
    EXPECT_EQ(focused(), control<QPushButton>("cmdOk"));
    const int cellTop = pixelsToTwips(gridView()->viewport()->mapTo(gridView(), gridView()->visualRect(
                                          gridView()->currentIndex()).topLeft()).y(), window.get());
    EXPECT_EQ(panel->y(), twipsToPixels(cellTop + 300, window.get()));

    QTest::mouseClick(control<QPushButton>("cmdOk"), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(focused(), gridView());

    QTest::keyClick(gridView(), Qt::Key_Return);
    QTest::keyClick(gridView(), Qt::Key_D, Qt::ControlModifier);
    ASSERT_EQ(details->rowCount(), 1);
    EXPECT_EQ(details->item(0, 3)->text(), u".50");

    window->DisplaySubDet(32, 960);
    EXPECT_EQ(panel->y(), twipsToPixels(1260, window.get()));
    window->DisplaySubDet(32, 5000);
    EXPECT_EQ(panel->y() + panel->height(), twipsToPixels(5235, window.get()));
}

TEST_F(PostingWindow, TheEntryOpensTheWindowModallyAndExitReleasesTheComponent)
{
    auto component = createAccountsComponent(kToolsProgId);
    ASSERT_TRUE(bool(component));
    session->AccountsObject = std::move(*component);
    QString shown;
    QTimer::singleShot(0, [&shown] {
        QWidget *modal = QApplication::activeModalWidget();
        shown = modal ? modal->objectName() : QString();
        if (modal)
            modal->findChild<QPushButton *>(u"cmdExit"_s)->click();
    });
    showAccountsPosting(*session, nullptr);
    EXPECT_EQ(shown, u"frmAccountPost");
    EXPECT_EQ(session->AccountsObject, nullptr);
}

TEST_F(PostingWindow, ErrorsAreReportedUnderTheHandlersName)
{
    exec({u"delete from accdivisionmaster"_s});
    open();
    QStringList log = logLines();
    ASSERT_EQ(log.size(), 5);
    EXPECT_EQ(log.at(4), u"ErrForm : frmAccountPost    ErrEvent : Form_Load");
    EXPECT_EQ(combo("cboVoucherType")->count(), 4);

    go(0, 0);
    log = logLines();
    ASSERT_EQ(log.size(), 10);
    EXPECT_EQ(log.at(9), u"ErrForm : frmAccountPost    ErrEvent : cmdGo_Click");
    ASSERT_EQ(prompts.boxes().size(), 2);
    EXPECT_EQ(prompts.boxes().at(1).icon, PromptIcon::Critical);

    exec({u"drop table AccOfflineVoucher"_s});
    window->DisplaySubDet(1, 0);
    log = logLines();
    ASSERT_EQ(log.size(), 15);
    EXPECT_EQ(log.at(14), u"ErrForm : frmAccountPost    ErrEvent : DisplaySubDet");
}

} // namespace
} // namespace vant::test
