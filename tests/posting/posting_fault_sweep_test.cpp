// Every statement of a posting made to fail in turn: each voucher is left wholly posted or
// untouched, and posting the rest afterwards gives what an undisturbed run gives. And every
// number column the posting reads holding what a user or an older program can leave there:
// the posting writes what the value reads as, or refuses it naming the column.
#include "posting_fixture.h"

#include "posting/posting_job.h"
#include "posting/voucher_grid.h"
#include "db/recordset.h"
#include "db/sql_literals.h"
#include "support/fault_sweep.h"

#include "support/test_server.h"

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

class PostingFaultSweep : public PostingFixture
{
protected:
    void SetUp() override
    {
        VANT_SQLITE_ONLY("puts the database file back between the runs");
        PostingFixture::SetUp();
    }

    // Posts every voucher of 10 April still listed, the posting's nth statement failing;
    // statements, when given, gets the number of statements the posting sent.
    bool postAll(int failing = 0, int *statements = nullptr)
    {
        VoucherGrid grid = salesOf();
        grid.selectAll();
        const int first = db().statementCount();
        db().failStatement(failing);
        const PostingEnd end = PostingJob(*session, 0).SaveTrans(grid.markedVouchers());
        db().failStatement(0);
        if (statements)
            *statements = db().statementCount() - first;
        return end == PostingEnd::Completed;
    }
    // Whether the off-line voucher is wholly posted (true), wholly unposted (false), or torn.
    std::optional<bool> posted(int voucherNo)
    {
        const int lines = count(u"select count(*) from AccOffLineVoucher where VoucherNo=%1"_s.arg(voucherNo));
        const int moved =
            count(u"select count(*) from AccOffLineVoucher where Moved='Y' and VoucherNo=%1"_s.arg(voucherNo));
        const int copied = count(u"select count(*) from accvoucher2026 where OldVoucherNo=%1"_s.arg(voucherNo));
        const int pending = count(u"select count(*) from AccPending where BillRefNo='B-%1'"_s.arg(voucherNo));
        const int cheques = count(u"select count(*) from AccChequeDetails where ChequeNo='C-%1'"_s.arg(voucherNo));
        if (moved == 0 && copied == 0 && pending == 0 && cheques == 0)
            return false;
        if (moved == lines && copied == lines && pending == 1 && cheques == 1)
            return true;
        return std::nullopt;
    }
};

TEST_F(PostingFaultSweep, EachVoucherIsWhollyPostedOrUntouched)
{
    seed("sweep_vouchers.sql");
    const QList<int> vouchers = {41, 42, 43};
    const SavedDatabase start(database);
    int statements = 0;
    ASSERT_TRUE(postAll(0, &statements)) << logLines().join(u'\n').toStdString();
    const QStringList after = databaseDump(db());

    // Vouchers are posted in order: once one is untouched, so are the ones after it.
    const auto wholeAndInOrder = [&] {
        bool stopped = false;
        for (int voucherNo : vouchers) {
            const std::optional<bool> whole = posted(voucherNo);
            ASSERT_TRUE(whole.has_value()) << "voucher " << voucherNo << " is torn";
            EXPECT_FALSE(stopped && *whole) << "voucher " << voucherNo << " posted after an untouched one";
            stopped = stopped || !*whole;
        }
    };
    sweepStatementFailures(
        start, session->dbConnection, statements, [this](int failing) { return postAll(failing); }, wholeAndInOrder,
        after);
}

// The number columns the posting reads, table by table.
const StoredSource kPostingSources[] = {
    {"AccOffLineVoucher",
     "CompanyCode=1",
     {u"DivisionCode"_s, u"AcType"_s, u"VoucherNo"_s, u"LedgerCode"_s, u"OppLedgerCode"_s, u"Amount"_s,
      u"VoucherCode"_s, u"OldVoucherNo"_s}},
    {"AccOffLinePending",
     "CompanyCode=1",
     {u"DivisionCode"_s, u"AcType"_s, u"LedgerCode"_s, u"VoucherNo"_s, u"billamount"_s, u"MRC_Amt"_s, u"discamt"_s,
      u"OnAcNo"_s, u"VoucherCode"_s, u"Payable"_s, u"OppLedgerCode"_s}},
    {"AccOffLineChequeDet",
     "CompanyCode=1",
     {u"DivisionId"_s, u"AcType"_s, u"VoucherCode"_s, u"VoucherNo"_s, u"LedgerCode"_s, u"LedgerCode1"_s,
      u"ChequeAmount"_s}},
    {"accledgermaster", "ledgercode=101", {u"aid"_s}},
    {"acccompanymaster", "CompanyCode=1", {u"Voucherno"_s}},
    {"AccCompanyVoucherNo", "CompanyCode=1", {u"VoucherSlno"_s}},
};

// One table per test, so that the tables are swept side by side.
class PostingStoredValueSweep : public PostingFaultSweep, public ::testing::WithParamInterface<int>
{};

TEST_P(PostingStoredValueSweep, ReadAsTheirNumberOrRefusedByName)
{
    const StoredSource &source = kPostingSources[GetParam()];
    const QString table = QLatin1StringView(source.table);
    seed("sweep_values_seed.sql");
    const SavedDatabase start(database);
    const auto postWith = [&](const QString &column, const QString &literal) {
        return rowsAfterStoredValue(start, *session, source, column, literal, [this] { return postAll(); });
    };
    sweepStoredValues(source, postWith, [&table](const QString &column, const QString &value) {
        // The list shows division 1's vouchers: a line whose division is no number is in none,
        // and its voucher is left off the list as one of another division.
        const bool division = table == u"AccOffLineVoucher" && column == u"DivisionCode";
        return division && !numberLiteral(value, QString()) ? u"99"_s : cleanLiteral(value);
    });
}

INSTANTIATE_TEST_SUITE_P(Tables, PostingStoredValueSweep, ::testing::Range(0, int(std::size(kPostingSources))));

} // namespace
} // namespace vant::test
