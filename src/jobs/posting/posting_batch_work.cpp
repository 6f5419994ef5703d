#include "posting_batch_work.h"

#include "db/copy_forms.h"
#include "db/database.h"
#include "db/insert_statement.h"
#include "db/sql_literals.h"
#include "session/session.h"

namespace vant {

namespace {

using copyform::date;
using copyform::number;
using copyform::text;

// The aid of the ledger a column names, as the posting writes it: a whole number, which the
// check made sure of.
QString aidOf(const QString &ledgerColumn)
{
    return QStringLiteral("(select top 1 l.aid from accledgermaster l where l.ledgercode=%1)").arg(ledgerColumn);
}

// A ledger the posting refuses: no number, or a row of the ledger master (joined as `ledger`)
// that is missing or whose aid is no whole number (a ledger without aid has none to post).
QString mayRefuseLedger(const QString &ledgerColumn, const QString &ledger)
{
    return QStringLiteral("(%1 or %2.ledgercode is null or %3)")
        .arg(copyform::mayRefuseRequiredNumber(ledgerColumn), ledger,
             copyform::mayRefuseWholeNumber(ledger + QStringLiteral(".aid")));
}

// Joins the ledger master for the ledger a column names.
QString ledgerJoin(const QString &ledgerColumn, const QString &ledger)
{
    return QStringLiteral(" left join accledgermaster %1 on %1.ledgercode=%2").arg(ledger, ledgerColumn);
}

QString companyValue(const QString &companyCode)
{
    const Outcome<QString> number = numberLiteral(companyCode, QString());
    return number ? *number : sqlQuoted(companyCode);
}

// A column of the off-line line x, or of the off-line row p.
QString x(const char *column)
{
    return QStringLiteral("x.") + QLatin1StringView(column);
}

QString p(const char *column)
{
    return QStringLiteral("p.") + QLatin1StringView(column);
}

QString anyOf(const QStringList &conditions)
{
    return QLatin1Char('(') + conditions.join(QStringLiteral(" or ")) + QLatin1Char(')');
}

} // namespace

PostingBatchWork::PostingBatchWork(Session &session, Database &db)
    : m_session(session), m_db(db), m_company(sqlQuoted(session.companyCode)),
      m_companyValue(companyValue(session.companyCode)),
      m_marked(db, QStringLiteral("VantMarked"),
               QStringLiteral("Seq int primary key, OffLineNo int, VoucherCode int, AcType int")),
      m_posting(db, QStringLiteral("VantPosting"),
                QStringLiteral("VoucherOrd int primary key, Seq int, OffLineNo int unique, VoucherCode int, "
                               "AcType int")),
      m_subNos(db, QStringLiteral("VantSubNos"), QStringLiteral("VoucherCode int, FirstSubNo int")),
      m_numbers(db, QStringLiteral("VantNumbers"),
                QStringLiteral("VoucherOrd int primary key, VoucherNo int, SubNo int"))
{}

QString PostingBatchWork::postedNumbers(int last) const
{
    return QStringLiteral("(select OffLineNo from ") + m_posting.name() + QStringLiteral(" where VoucherOrd<=")
           + QString::number(last) + QLatin1Char(')');
}

// The first row of each posted voucher in an off-line table, as the table keeps them.
QString PostingBatchWork::firstRows(const QString &table, int last) const
{
    return QStringLiteral("(select q.*,row_number() over (partition by q.VoucherNo order by (select null)) "
                          "VantFirst from ")
           + table + QStringLiteral(" q where q.CompanyCode=") + m_company + QStringLiteral(" and q.VoucherNo in ")
           + postedNumbers(last) + QLatin1Char(')');
}

QString PostingBatchWork::numbered() const
{
    return QStringLiteral(" join ") + m_posting.name() + QStringLiteral(" m on m.OffLineNo=p.VoucherNo join ")
           + m_numbers.name() + QStringLiteral(" n on n.VoucherOrd=m.VoucherOrd");
}

// The unmoved lines of the company under the off-line number of m. The unary plus keeps the
// company's condition out of the choice of index, so that the lines are found by their number
// rather than among all the company's lines, however many it has posted before.
QString PostingBatchWork::unmovedLines(const QString &alias) const
{
    return QStringLiteral("isnull(%1.Moved,'N')='N' and %1.VoucherNo=m.OffLineNo and +%1.CompanyCode=").arg(alias)
           + m_companyValue;
}

Status PostingBatchWork::listVouchers(const QList<MarkedVoucher> &vouchers)
{
    QList<QStringList> rows;
    for (int i = 0; i < vouchers.size(); ++i) {
        const MarkedVoucher &voucher = vouchers.at(i);
        rows.append({QString::number(i + 1), QString::number(voucher.offLineNo), QString::number(voucher.voucherCode),
                     QString::number(voucher.acType)});
    }
    if (Status made = m_marked.create(); !made)
        return made;
    if (Status filled = insertValueRows(
            m_db,
            QStringLiteral("insert into ") + m_marked.name() + QStringLiteral("(Seq,OffLineNo,VoucherCode,AcType)"),
            rows);
        !filled)
        return filled;
    if (Status made = m_posting.create(); !made)
        return made;
    // Posting a voucher flags its lines, so a number marked again finds none left.
    return m_db.execute(QStringLiteral("insert into ") + m_posting.name()
                        + QStringLiteral("(VoucherOrd,Seq,OffLineNo,VoucherCode,AcType) select row_number() over "
                                         "(order by m.Seq),m.Seq,m.OffLineNo,m.VoucherCode,m.AcType from (select d.*,"
                                         "row_number() over (partition by d.OffLineNo order by d.Seq) VantMark from ")
                        + m_marked.name()
                        + QStringLiteral(" d) m where m.VantMark=1 and exists (select 1 from "
                                         "AccOffLineVoucher x where ")
                        + unmovedLines(QStringLiteral("x")) + QLatin1Char(')'));
}

Outcome<QList<std::pair<int, QString>>> PostingBatchWork::vouchersToPost()
{
    // Every voucher's lines are the session company's: the first voucher's tell how it is stored.
    auto rs = m_db.openRecordset(QStringLiteral("select m.Seq,case when m.VoucherOrd=1 then (select top 1 "
                                                "x.CompanyCode from AccOffLineVoucher x where ")
                                 + unmovedLines(QStringLiteral("x")) + QStringLiteral(") end from ") + m_posting.name()
                                 + QStringLiteral(" m order by m.VoucherOrd"));
    if (!rs)
        return rs.error();
    QList<std::pair<int, QString>> vouchers;
    for (; !rs->eof(); rs->moveNext())
        vouchers.append({rs->value(0).toInt(), rs->text(1)});
    return vouchers;
}

Outcome<int> PostingBatchWork::nextSuspect(int after, int last)
{
    using namespace copyform;
    const QString lines = anyOf({
        mayRefuseLedger(QStringLiteral("x.LedgerCode"), QStringLiteral("l1")),
        mayRefuseLedger(QStringLiteral("x.OppLedgerCode"), QStringLiteral("l2")),
        mayRefuseNumber(QStringLiteral("x.DivisionCode")),
        mayRefuseDate(QStringLiteral("x.VoucherDt")),
        mayRefuseRequiredNumber(QStringLiteral("x.Amount")),
        QStringLiteral("(x.OldVoucherNo is not null and ") + mayRefuseRequiredNumber(QStringLiteral("x.OldVoucherNo"))
            + QLatin1Char(')'),
    });
    const QString pending = anyOf({
        mayRefuseLedger(QStringLiteral("x.LedgerCode"), QStringLiteral("l1")),
        mayRefuseLedger(QStringLiteral("x.OppLedgerCode"), QStringLiteral("l2")),
        mayRefuseNumber(QStringLiteral("x.DivisionCode")),
        mayRefuseRequiredNumber(QStringLiteral("x.AcType")),
        mayRefuseDate(QStringLiteral("x.billdate")),
        mayRefuseRequiredNumber(QStringLiteral("x.billamount")),
        mayRefuseRequiredNumber(QStringLiteral("x.MRC_Amt")),
        mayRefuseLeadingNumber(QStringLiteral("x.OnAcNo")),
        mayRefuseRequiredNumber(QStringLiteral("x.VoucherCode")),
        mayRefuseRequiredNumber(QStringLiteral("x.Payable")),
        mayRefuseRequiredNumber(QStringLiteral("x.discamt")),
    });
    const QString cheque = anyOf({
        mayRefuseLedger(QStringLiteral("x.LedgerCode"), QStringLiteral("l1")),
        mayRefuseLedger(QStringLiteral("x.LedgerCode1"), QStringLiteral("l2")),
        mayRefuseRequiredNumber(QStringLiteral("x.ChequeAmount")),
        mayRefuseDate(QStringLiteral("x.ReceiveDate")),
        mayRefuseDate(QStringLiteral("x.ChequeDate")),
        mayRefuseRequiredNumber(QStringLiteral("x.DivisionId")),
        mayRefuseRequiredNumber(QStringLiteral("x.AcType")),
        mayRefuseRequiredNumber(QStringLiteral("x.VoucherCode")),
        mayRefuseDate(QStringLiteral("x.DepositDate")),
    });
    // Whether the voucher m has a row in an off-line table, with the ledgers it names, whose values
    // are refused; every row of its pending and cheque tables counts, though only the first is
    // copied. Asked voucher by voucher in the batch's order, so that each batch reads only its own
    // rows and the scan ends at the first voucher refused.
    const auto refusedRow = [&](const QString &table, const QString &rowCondition, const QString &ledger1,
                                const QString &ledger2, const QString &refused) {
        return QStringLiteral("exists (select 1 from ") + table + QStringLiteral(" x")
               + ledgerJoin(ledger1, QStringLiteral("l1")) + ledgerJoin(ledger2, QStringLiteral("l2"))
               + QStringLiteral(" where ") + rowCondition + QStringLiteral(" and ") + refused + QLatin1Char(')');
    };
    const QString offLineRow =
        QStringLiteral("x.CompanyCode=") + m_company + QStringLiteral(" and x.VoucherNo=m.OffLineNo");
    auto rs =
        m_db.openRecordset(QStringLiteral("select top 1 m.VoucherOrd from ") + m_posting.name()
                           + QStringLiteral(" m where m.VoucherOrd>") + QString::number(after)
                           + QStringLiteral(" and m.VoucherOrd<=") + QString::number(last) + QStringLiteral(" and (")
                           + refusedRow(QStringLiteral("AccOffLineVoucher"), unmovedLines(QStringLiteral("x")),
                                        QStringLiteral("x.LedgerCode"), QStringLiteral("x.OppLedgerCode"), lines)
                           + QStringLiteral(" or ")
                           + refusedRow(QStringLiteral("AccOffLinePending"), offLineRow, QStringLiteral("x.LedgerCode"),
                                        QStringLiteral("x.OppLedgerCode"), pending)
                           + QStringLiteral(" or ")
                           + refusedRow(QStringLiteral("AccOffLineChequeDet"), offLineRow,
                                        QStringLiteral("x.LedgerCode"), QStringLiteral("x.LedgerCode1"), cheque)
                           + QStringLiteral(") order by m.VoucherOrd"));
    if (!rs)
        return rs.error();
    return rs->eof() ? 0 : rs->value(0).toInt();
}

Outcome<QList<std::pair<int, int>>> PostingBatchWork::codes(int last)
{
    auto rs = m_db.openRecordset(QStringLiteral("select VoucherCode,count(*) from ") + m_posting.name()
                                 + QStringLiteral(" where VoucherOrd<=") + QString::number(last)
                                 + QStringLiteral(" group by VoucherCode order by min(VoucherOrd)"));
    if (!rs)
        return rs.error();
    QList<std::pair<int, int>> list;
    for (; !rs->eof(); rs->moveNext())
        list.append({rs->value(0).toInt(), rs->value(1).toInt()});
    return list;
}

Status PostingBatchWork::assignNumbers(const QList<std::pair<int, int>> &firstSubNos, int last, int firstVoucherNo)
{
    QList<QStringList> rows;
    for (const auto &[code, first] : firstSubNos)
        rows.append({QString::number(code), QString::number(first)});
    if (Status made = m_subNos.create(); !made)
        return made;
    if (Status filled = insertValueRows(
            m_db, QStringLiteral("insert into ") + m_subNos.name() + QStringLiteral("(VoucherCode,FirstSubNo)"), rows);
        !filled)
        return filled;
    if (Status made = m_numbers.create(); !made)
        return made;
    // Each voucher's sub-number follows the earlier vouchers of its code.
    return m_db.execute(QStringLiteral("insert into ") + m_numbers.name()
                        + QStringLiteral("(VoucherOrd,VoucherNo,SubNo) select m.VoucherOrd,%1+m.VoucherOrd,"
                                         "s.FirstSubNo+row_number() over (partition by m.VoucherCode order by "
                                         "m.VoucherOrd)-1 from ")
                              .arg(qint64(firstVoucherNo) - 1)
                        + m_posting.name() + QStringLiteral(" m join ") + m_subNos.name()
                        + QStringLiteral(" s on s.VoucherCode=m.VoucherCode where m.VoucherOrd<=")
                        + QString::number(last));
}

QString PostingBatchWork::linesInsert() const
{
    return InsertStatement(QStringLiteral("insert into ") + m_session.voucherTable + QLatin1Char(' '))
        .set("CompanyCode", text(x("CompanyCode")))
        .set("DivisionCode", number(x("DivisionCode")))
        .set("AcType", QStringLiteral("m.AcType"))
        .set("VoucherNo", QStringLiteral("n.VoucherNo"))
        .set("VoucherDt", date(x("VoucherDt")))
        .set("LedgerCode", number(x("LedgerCode")))
        .set("CrDr", text(x("CrDr")))
        .set("Amount", number(x("Amount")))
        .set("VoucherCode", QStringLiteral("m.VoucherCode"))
        .set("Narration", text(x("Narration")))
        .set("IsVoucherScr", QStringLiteral("'N'"))
        .set("VoucherSlno", QStringLiteral("n.SubNo"))
        .set("OppLedgerCode", number(x("OppLedgerCode")))
        .set("BillRefNo", text(x("BillRefno")))
        .set("OldVoucherNo", number(x("OldVoucherNo")))
        .now("TS")
        .set("AID", aidOf(x("LedgerCode")))
        .set("OppAID", aidOf(x("OppLedgerCode")))
        .select(QStringLiteral(" from ") + m_numbers.name() + QStringLiteral(" n join ") + m_posting.name()
                + QStringLiteral(" m on m.VoucherOrd=n.VoucherOrd join AccOffLineVoucher x on ")
                + unmovedLines(QStringLiteral("x")) + QStringLiteral(" order by n.VoucherOrd"));
}

// Filed under the voucher's new number and sub-number, as the cheque and the transfer are.
QString PostingBatchWork::pendingInsert(int last) const
{
    return InsertStatement(QStringLiteral("insert into AccPending "))
        .set("CompanyCode", text(p("CompanyCode")))
        .set("DivisionCode", number(p("DivisionCode")))
        .set("AcType", number(p("AcType")))
        .set("LedgerCode", number(p("LedgerCode")))
        .set("VoucherNo", QStringLiteral("n.VoucherNo"))
        .set("BillRefNo", text(p("BillRefno")))
        .set("BillDate", date(p("billdate")))
        .set("BillAmount", number(p("billamount")))
        .set("InvoiceNo", text(p("InvoiceNo")))
        .set("MRC_Amt", number(p("MRC_Amt")))
        .set("CrDr", text(p("CrDr")))
        .set("TransType", text(p("TransType")))
        .set("OnAcNo", copyform::leadingNumber(p("OnAcNo")))
        .set("VoucherCode", number(p("VoucherCode")))
        .set("Payable", number(p("Payable")))
        .set("DiscAmt", number(p("discamt")))
        .set("VoucherSlno", QStringLiteral("n.SubNo"))
        .set("TransDate", date(p("billdate")))
        .set("OppLedgerCode", number(p("OppLedgerCode")))
        .set("Remarks", text(p("Remarks")))
        .now("TS")
        .set("AID", aidOf(p("LedgerCode")))
        .set("OppAID", aidOf(p("OppLedgerCode")))
        .select(QStringLiteral(" from ") + firstRows(QStringLiteral("AccOffLinePending"), last) + QStringLiteral(" p")
                + numbered() + QStringLiteral(" where p.VantFirst=1 order by n.VoucherOrd"));
}

QString PostingBatchWork::chequeInsert(int last) const
{
    return InsertStatement(QStringLiteral("INSERT INTO  AccChequeDetails "))
        .set("CompanyCode", text(p("CompanyCode")))
        .set("LedgerCode", number(p("LedgerCode")))
        .set("VoucherNo", QStringLiteral("n.VoucherNo"))
        .set("ChequeNo", text(p("ChequeNo")))
        .set("ChequeAmount", number(p("ChequeAmount")))
        .set("ReceiveDate", date(p("ReceiveDate")))
        .set("ChequeDate", date(p("ChequeDate")))
        .set("Status", text(p("Status")))
        .set("BankName", text(p("BankName")))
        .set("Branch", QStringLiteral("''"))
        .set("DivisionCode", number(p("DivisionId")))
        .set("AcType", number(p("AcType")))
        .set("VoucherCode", number(p("VoucherCode")))
        .set("LedgerCode1", number(p("LedgerCode1")))
        .set("Narration", QStringLiteral("''"))
        .set("ChequePrinted", text(p("ChequePrinted")))
        .set("DepositDate", date(p("DepositDate")))
        .set("AID", aidOf(p("LedgerCode")))
        .set("AID1", aidOf(p("LedgerCode1")))
        .select(QStringLiteral(" from ") + firstRows(QStringLiteral("AccOffLineChequeDet"), last) + QStringLiteral(" p")
                + numbered() + QStringLiteral(" where p.VantFirst=1 order by n.VoucherOrd"));
}

Status PostingBatchWork::copy(int last)
{
    // The lines just posted, and no other company's lines that share the off-line number.
    // The company's condition stays out of the choice of index, as in unmovedLines().
    const QString moved = QStringLiteral("update AccOffLineVoucher set Moved='Y' where isnull(Moved,'N')='N' and "
                                         "+CompanyCode=")
                          + m_companyValue + QStringLiteral(" and VoucherNo in ") + postedNumbers(last);
    return executeAll(m_db, {linesInsert(), moved, pendingInsert(last), chequeInsert(last)});
}

Status PostingBatchWork::recordSubNumbers(const QList<std::pair<int, int>> &lastSubNos, int lineCompany)
{
    QStringList statements;
    for (const auto &[code, last] : lastSubNos) {
        statements << QStringLiteral("update AccCompanyVoucherNo set ts=getdate(), VoucherSlno=")
                          + QString::number(last) + QStringLiteral(" where Vouchercode = ") + QString::number(code)
                          + QStringLiteral(" and CompanyCode=") + sqlQuoted(QString::number(lineCompany))
                          + QStringLiteral(" and TranYear=") + sqlQuoted(m_session.financialYear);
    }
    return executeAll(m_db, statements);
}

Status PostingBatchWork::drop()
{
    for (WorkTable *table : {&m_marked, &m_posting, &m_subNos, &m_numbers}) {
        // Only the tables this try made.
        if (Status dropped =
                m_db.execute(QStringLiteral("if object_id('tempdb..%1') is not null drop table %1").arg(table->name()));
            !dropped)
            return dropped;
    }
    return {};
}

} // namespace vant
