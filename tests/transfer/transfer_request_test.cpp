// What stops a transfer request before its run: a count or a company name that cannot be read.
#include "transfer_fixture.h"

#include "session/error_report.h"

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

// Company 1 has a voucher of two lines on 10 April.
class TransferRequestTest : public TransferFixture
{
protected:
    TransferRequestTest() { seed("voucher_11.sql"); }
};

// A count that fails says which count it was and that nothing was changed, then the database's
// words; nothing is asked and nothing cleared. The company checks read the companies' names: a read
// that fails is no company found, and no company passed either. The request stops with the
// failure's report.
TEST_F(TransferRequestTest, AFailedReadSaysWhatCouldNotBeReadAndThatNothingChanged)
{
    VANT_SQLITE_ONLY("makes the reads fail by renaming a table in SQLite's words");
    const QStringList before = snapshot();
    const QString lost = u"no such table: accvoucher2026 Unable to execute statement"_s;
    const struct
    {
        bool atDestination;
        QString said;
    } cases[] = {
        {false, u"The rows of the source company in the period could not be counted; nothing was changed."_s},
        {true, u"The vouchers of the destination company in the period could not be counted; nothing was "
               "changed."_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.said.toStdString());
        prompts.clear();
        TransferFeedback feedback;
        // The voucher table goes away once the request has passed its checks, or once the source is counted.
        const auto loseTheTable = [this] { exec({u"alter table accvoucher2026 rename to lost2026"_s}); };
        if (c.atDestination)
            feedback.counted = [&](int) { loseTheTable(); };
        else
            feedback.checked = loseTheTable;

        const TransferEnd end =
            TransferJob(session, {u"1"_s, u"2"_s, QDate(2026, 4, 1), QDate(2026, 4, 30)}).Processtransfer(feedback);

        exec({u"alter table lost2026 rename to accvoucher2026"_s});
        EXPECT_EQ(end, TransferEnd::Failed);
        EXPECT_EQ(prompts.texts(), QStringList({c.said + u"\r\n"_s + lost}));
        EXPECT_EQ(snapshot(), before);
        // The report's message spans two lines of the log.
        EXPECT_EQ(logLines().mid(logLines().size() - 3),
                  QStringList(
                      {u"ErrMessage : "_s + c.said, lost, u"ErrForm : frmVantTools    ErrEvent : Processtransfer"_s}));
    }

    prompts.clear();
    exec({u"alter table acccompanymaster rename to lostmaster"_s});

    const TransferEnd end =
        TransferJob(session, {u"1"_s, u"2"_s, QDate(2026, 4, 1), QDate(2026, 4, 30)}).Processtransfer({});

    exec({u"alter table lostmaster rename to acccompanymaster"_s});
    EXPECT_EQ(end, TransferEnd::Failed);
    const QString lostMaster = u"no such table: acccompanymaster Unable to execute statement"_s;
    ASSERT_EQ(prompts.boxes().size(), 1);
    EXPECT_TRUE(prompts.boxes().first().text.endsWith(u"\r\nMessage : "_s + lostMaster))
        << prompts.boxes().first().text.toStdString();
    EXPECT_EQ(prompts.boxes().first().icon, PromptIcon::Critical);
    EXPECT_EQ(logLines().mid(logLines().size() - 2),
              QStringList({u"ErrMessage : "_s + lostMaster, u"ErrEvent : GetCompanyName"_s}));
    EXPECT_EQ(snapshot(), before);
}

} // namespace
} // namespace vant::test
