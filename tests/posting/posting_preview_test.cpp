// The Accounts Posting's preview: the marked vouchers posted as a dry run, shown in a window of its
// own, from which they are posted for real and the posting compared with the preview.
#include "posting_window_fixture.h"

#include "widgets/preview_reading.h"

#include <QPointer>

namespace vant::test {
namespace {

class PostingPreviewTest : public PostingWindowTest
{
protected:
    // What the posting changes: the posted lines, the moved flags and the counters.
    QString postingState()
    {
        return scalar(u"select count(*) from accvoucher2026"_s) + u'/'
               + scalar(u"select count(*) from AccOffLineVoucher where Moved is not null"_s) + u'/'
               + scalar(u"select Voucherno from acccompanymaster where CompanyCode=1"_s) + u'/'
               + scalar(u"select sum(VoucherSlno) from AccCompanyVoucherNo"_s);
    }
};

// A marked voucher with nothing to post is named with the reason; nothing changes until the
// vouchers are posted from the preview.
TEST_F(PostingPreviewTest, ThePreviewNamesARefusedVoucherWithItsReason)
{
    seed("vouchers_101_to_103.sql");
    const QString before = postingState();
    // The sales vouchers of April 10 listed, all marked, and the preview opened with Alt+R.
    open();
    go(0, 0);
    click("cmdSelectall");
    QTest::keyClick(focused(), Qt::Key_R, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return window->findChild<RunPreviewWindow *>() != nullptr; }));
    auto *preview = window->findChild<RunPreviewWindow *>();
    ASSERT_NE(preview, nullptr);
    // The preview takes the keyboard once it is on screen.
    EXPECT_TRUE(QTest::qWaitFor([preview] { return QApplication::activeWindow() == preview; }));
    EXPECT_EQ(postingState(), before);
    EXPECT_EQ(boxes(), QString());
    const QStringList lines = previewLines(preview);
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines.at(2), u"Division: Main");
    EXPECT_EQ(lines.at(5), u"Marked vouchers: 3");
    EXPECT_EQ(previewRows(preview, u"Vouchers not posted"_s),
              QStringList({u"102|Refused|its amount 0.00 is not above 0"_s}));
    EXPECT_TRUE(previewRows(preview, u"Rows per table"_s).contains(u"accvoucher2026|0|4|0"_s));
    const QStringList numbers = previewRows(preview, u"Numbers drawn"_s);
    ASSERT_FALSE(numbers.isEmpty());

    QTest::mouseClick(preview->findChild<QPushButton *>(u"cmdRun"_s), Qt::LeftButton);
    EXPECT_EQ(previewLines(preview).last(), u"The run did what the preview showed.");
    EXPECT_EQ(u"Voucher numbers|||%1|%2"_s.arg(scalar(u"select min(VoucherNo) from accvoucher2026"_s),
                                               scalar(u"select max(VoucherNo) from accvoucher2026"_s)),
              numbers.first());
    // The list beneath is made again: the posted vouchers have left it.
    ASSERT_EQ(window->grid().rows(), 2);
    EXPECT_EQ(window->grid().text(1, VoucherGrid::Vno), u"102");
    EXPECT_EQ(label("lblStatus"), u"Vouchers posted: 2    Failed: 1    Not tried: 0");
}

// Preview comes after "DeSelect All" in the Tab order and opens with Enter as the other buttons
// do.
TEST_F(PostingPreviewTest, ThePreviewIsReachedByTabAndLeftWithEscape)
{
    addVoucher(301, 10);
    open();
    go(0, 0);
    child("cmdDeselectAll")->setFocus();
    QTest::keyClick(focused(), Qt::Key_Tab);
    ASSERT_EQ(focused(), child("cmdPreview"));
    QTest::keyClick(focused(), Qt::Key_Tab);
    EXPECT_EQ(focused(), child("cmdTransfer"));
    QTest::keyClick(focused(), Qt::Key_Backtab);
    QTest::keyClick(focused(), Qt::Key_Return);
    const QPointer<RunPreviewWindow> preview = window->findChild<RunPreviewWindow *>();
    ASSERT_FALSE(preview.isNull());
    ASSERT_TRUE(QTest::qWaitFor([&preview] { return QApplication::activeWindow() == preview; }));
    // Nothing was marked: nothing would change.
    EXPECT_EQ(previewRows(preview, u"Rows per table"_s), QStringList());
}

} // namespace
} // namespace vant::test
