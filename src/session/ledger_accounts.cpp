#include "ledger_accounts.h"

#include "db/database.h"
#include "text_helpers.h"
#include "db/sql_literals.h"
#include "db/statement_text.h"

#include <QStringList>

#include <algorithm>
#include <limits>

namespace vant {

using namespace Qt::StringLiterals;

namespace {

const QStringList kProgIds = {
    QStringLiteral("KormoVant.clsQRXAccounts"),        QStringLiteral("KormoLedger.clsQRXAccounts"),
    QStringLiteral("KormoLedgerLite6.clsQRXAccounts"), QStringLiteral("KormoLedgerMart6.clsQRXAccounts"),
    QStringLiteral("KormoLedgerMart7.clsQRXAccounts"),
};

// First column of the first row, read whole as a whole number (`what` names it when it is
// none); nothing for no row. A counter that is no whole number cannot say which number is next.
Outcome<std::optional<int>> firstNumber(Database &db, const QString &statement, const QString &what)
{
    auto rs = db.openRecordset(statement);
    if (!rs)
        return rs.error();
    if (rs->eof())
        return std::optional<int>();
    const Outcome<int> number = wholeNumber(rs->value(0), what);
    if (!number)
        return number.error();
    return std::optional<int>(*number);
}

// First column of the first row; null when there is no row or the value is NULL.
Outcome<QVariant> firstValue(Database &db, const QString &statement)
{
    auto rs = db.openRecordset(statement);
    if (!rs)
        return rs.error();
    return rs->eof() ? QVariant() : rs->value(0);
}

} // namespace

Error missingComponentError()
{
    return Error{91, QStringLiteral("Object variable or With block variable not set")};
}

Outcome<std::unique_ptr<AccountsComponent>> createAccountsComponent(const QString &progId)
{
    if (!kProgIds.contains(progId, Qt::CaseInsensitive))
        return Error{429, QStringLiteral("ActiveX component can't create object")};
    return std::unique_ptr<AccountsComponent>(std::make_unique<LedgerAccounts>());
}

Status LedgerAccounts::SetAccDBConnection(Database &connection)
{
    m_db = &connection;
    return {};
}

Outcome<Database *> LedgerAccounts::connection() const
{
    if (!m_db || !m_db->isOpen())
        return closedConnectionError();
    return m_db;
}

Outcome<std::optional<int>> LedgerAccounts::lastVoucherNo(int company) const
{
    auto db = connection();
    if (!db)
        return db.error();
    return firstNumber(**db,
                       QStringLiteral("select isnull(Voucherno,0) from acccompanymaster where CompanyCode=")
                           + sqlQuoted(QString::number(company)),
                       QStringLiteral("The last voucher number (Voucherno) of company %1").arg(company));
}

Outcome<int> LedgerAccounts::GetMaxVoucherNo(const QString &voucherTable, int company)
{
    auto last = lastVoucherNo(company);
    if (!last)
        return last.error();
    // Past the largest whole number there is no number to give.
    if (!last->has_value() || **last == std::numeric_limits<int>::max())
        return 0;
    const int next = **last + 1;
    auto used = firstNumber(*m_db,
                            QStringLiteral("select count(*) from ") + voucherTable + QStringLiteral(" where CompanyCode=")
                                + sqlQuoted(QString::number(company)) + QStringLiteral(" and VoucherNo=")
                                + QString::number(next),
                            QStringLiteral("The count of voucher %1").arg(next));
    if (!used)
        return used.error();
    return used->value_or(0) > 0 ? -1 : next;
}

Outcome<VoucherNoBlock> LedgerAccounts::GetMaxVoucherNoBlock(const QString &voucherTable, int company, int count)
{
    auto last = lastVoucherNo(company);
    if (!last)
        return last.error();
    if (!last->has_value())
        return VoucherNoBlock{0, 0, 0};
    const qint64 first = qint64(**last) + 1;
    // A number below 1 is no voucher number: asked voucher by voucher, the first answer is the
    // refusal. Past the largest whole number there is none to give.
    if (first < 1)
        return VoucherNoBlock{int(first), 0, int(first)};
    if (first > std::numeric_limits<int>::max())
        return VoucherNoBlock{0, 0, 0};
    // The block ends where the voucher table already holds a number: GetMaxVoucherNo answers
    // -1 there. Numbers past the largest whole number are never handed out.
    const qint64 last64 = std::min<qint64>(first + std::max(count, 0) - 1, std::numeric_limits<int>::max());
    auto taken = firstValue(*m_db, QStringLiteral("select min(VoucherNo) from ") + voucherTable
                                       + QStringLiteral(" where CompanyCode=") + sqlQuoted(QString::number(company))
                                       + QStringLiteral(" and VoucherNo between ") + QString::number(first)
                                       + QStringLiteral(" and ") + QString::number(last64)
                                       + QStringLiteral(" and VoucherNo=round(VoucherNo,0)"));
    if (!taken)
        return taken.error();
    if (taken->isNull())
        return VoucherNoBlock{int(first), int(last64 - first + 1), 0};
    return VoucherNoBlock{int(first), int(taken->toLongLong() - first), -1};
}

Outcome<int> LedgerAccounts::GetMaxSubVNo(int voucherCode, int company, int, const QString &financialYear)
{
    auto db = connection();
    if (!db)
        return db.error();
    const QString where = QStringLiteral(" where CompanyCode=") + sqlQuoted(QString::number(company))
                          + QStringLiteral(" and VoucherCode=") + QString::number(voucherCode)
                          + QStringLiteral(" and TranYear=") + sqlQuoted(financialYear);
    auto last = firstNumber(**db, QStringLiteral("select isnull(VoucherSlno,0) from AccCompanyVoucherNo") + where,
                            QStringLiteral("The last sub-number (VoucherSlno) of voucher code %1 of company %2 in %3")
                                .arg(voucherCode)
                                .arg(company)
                                .arg(financialYear));
    if (!last)
        return last.error();
    if (!last->has_value()) {
        // The caller records the serial with an update, which needs the row to exist.
        const Status created = (*db)->execute(
            QStringLiteral("insert into AccCompanyVoucherNo(CompanyCode,VoucherCode,TranYear,VoucherSlno,ts) values(")
            + sqlQuoted(QString::number(company)) + QLatin1Char(',') + QString::number(voucherCode) + QLatin1Char(',')
            + sqlQuoted(financialYear) + QStringLiteral(",0,getdate())"));
        if (!created)
            return created.error();
    }
    if (last->value_or(0) == std::numeric_limits<int>::max())
        return Error{kRefusedValue, QStringLiteral("Voucher code %1 of company %2 has no sub-number left in %3.")
                                        .arg(voucherCode)
                                        .arg(company)
                                        .arg(financialYear)};
    return last->value_or(0) + 1;
}

Outcome<int> LedgerAccounts::GetMaxSubVNoBlock(int voucherCode, int company, int acType, const QString &financialYear,
                                               int)
{
    // The serials follow one another, so the block starts where a single call would.
    return GetMaxSubVNo(voucherCode, company, acType, financialYear);
}

Status LedgerAccounts::UpdateVoucherNo(int voucherNo, const QString &companyCode)
{
    auto db = connection();
    if (!db)
        return db.error();
    return (*db)->execute(QStringLiteral("update acccompanymaster set ts=getdate(),Voucherno=")
                          + QString::number(voucherNo) + QStringLiteral(" where CompanyCode=") + sqlQuoted(companyCode)
                          + QStringLiteral(" and isnull(Voucherno,0)<") + QString::number(voucherNo));
}

namespace {

const char16_t kPurgePosted[] = uR"(
    delete from {offLine} where {company}
      and VoucherNo in (select VoucherNo from AccOffLineVoucher where {company} and Moved='Y')
      and VoucherNo not in (select VoucherNo from AccOffLineVoucher where {company} and isnull(Moved,'N')<>'Y'))";

} // namespace

Status LedgerAccounts::PURGEDATA(const QString &voucherTable)
{
    auto db = connection();
    if (!db)
        return db.error();
    if (Status exists = (*db)->execute(QStringLiteral("select count(*) from ") + voucherTable); !exists)
        return exists;

    // The default company's off-line rows that are posted: a voucher counts as posted when none
    // of its off-line lines still waits.
    const QList<Place> places = {
        {"company"_L1, u"CompanyCode in (select CompanyCode from acccompanymaster where DefaultCompany='Y')"_s}};
    const QStringList statements = {
        filled(kPurgePosted, places + QList<Place>{{"offLine"_L1, u"AccOffLinePending"_s}}),
        filled(kPurgePosted, places + QList<Place>{{"offLine"_L1, u"AccOffLineChequeDet"_s}}),
        filled(u"delete from AccOffLineVoucher where {company} and Moved='Y'", places),
    };
    const bool ownTransaction = !(*db)->inTransaction();
    std::optional<TransactionGuard> guard;
    if (ownTransaction) {
        guard.emplace(**db);
        if (Status begun = guard->begin(); !begun)
            return begun;
    }
    for (const QString &statement : statements) {
        if (Status done = (*db)->execute(statement); !done)
            return done;
    }
    return guard ? guard->commit() : Status();
}

} // namespace vant
