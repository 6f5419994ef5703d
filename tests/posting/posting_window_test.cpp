#include "posting_window_fixture.h"

#include "support/test_server.h"

namespace vant::test {
namespace {

// Validation and Enter lead through the filters, Go sends the statement of each voucher type, and
// Ctrl+Shift sets the account type.
TEST_F(PostingWindowTest, ValidatePostAndEnterLeadThroughTheFiltersAndGoSendsTheirStatement)
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

    // Go sends the statement of each voucher type.
    prompts.clear();
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

TEST_F(PostingWindowTest, SpaceMarksTotalsAndTransferPostsTheMarkedRows)
{
    VANT_SQLITE_ONLY("reads the posted rows with SQLite's functions");
    seed("vouchers_11_to_13.sql");
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
    click("cmdExit");
    EXPECT_FALSE(window->isVisible());
}

// A posting keeps the window painted and refuses its input; a key pressed meanwhile does not act
// afterwards. The status line then counts the vouchers posted and those that failed.
TEST_F(PostingWindowTest, APostingRefusesInputAndCountsWhatItPosted)
{
    seed("vouchers_71_to_73.sql");
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
    EXPECT_EQ(label("lblStatus"), u"Vouchers posted: 3    Failed: 0    Not tried: 0");

    // Number 5 is taken already: the second voucher stops the run, the third is not tried.
    seed("vouchers_74_to_76.sql");
    exec({u"insert into accvoucher2026(CompanyCode,VoucherNo,VoucherDt,LedgerCode,CrDr,Amount,VoucherCode) values "
          "(1,5,'2026-04-01',101,'D',1,5)"_s});
    go(0, 0);
    click("cmdSelectall");
    click("cmdTransfer");
    // The box's text is the golden failures' ("a number taken"); here, the window's count of the run.
    EXPECT_EQ(prompts.boxes().size(), 1);
    EXPECT_EQ(label("lblStatus"), u"Vouchers posted: 1    Failed: 1    Not tried: 1");
    ASSERT_EQ(window->grid().rows(), 3);
    // The status describes the list it was posted from: the next Go lists afresh without it.
    go(0, 0);
    EXPECT_EQ(label("lblStatus"), QString());
}

TEST_F(PostingWindowTest, ErrorsAreReportedUnderTheHandlersName)
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
