#include "posting_batch_work.h"

#include "db/copy_forms.h"
#include "db/database.h"
#include "db/statement_text.h"
#include "posted_columns.h"
#include "db/sql_literals.h"
#include "session/session.h"

namespace vant {

using namespace Qt::StringLiterals;

namespace {

QString companyValue(const QString &companyCode)
{
    const Outcome<QString> number = numberLiteral(companyCode, QString());
    return number ? *number : sqlQuoted(companyCode);
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
      m_numbers(db)
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
    // Whether the voucher m has a row in an off-line table, with the ledgers it names, whose values
    // are refused; every row of its pending and cheque tables counts, though only the first is
    // copied. Asked voucher by voucher in the batch's order, so that each batch reads only its own
    // rows and the scan ends at the first voucher refused.
    const QString refusedRow = uR"(exists (select 1 from {table} x{ledgers} where {rows} and {refused}))"_s;
    const auto refusedIn = [&](const QString &table, CopiedTable columns, const QString &rows) {
        return filled(refusedRow, {{"table"_L1, table},
                                   {"ledgers"_L1, ledgerJoins(columns, u"x"_s)},
                                   {"rows"_L1, rows},
                                   {"refused"_L1, refusalCondition(columns, u"x"_s)}});
    };
    const QString offLineRows = u"x.CompanyCode=%1 and x.VoucherNo=m.OffLineNo"_s.arg(m_company);
    auto rs = m_db.openRecordset(
        filled(uR"(
        select top 1 m.VoucherOrd from {posting} m
        where m.VoucherOrd>{after} and m.VoucherOrd<={last} and ({lines} or {pending} or {cheque})
        order by m.VoucherOrd)",
               {{"posting"_L1, m_posting.name()},
                {"after"_L1, QString::number(after)},
                {"last"_L1, QString::number(last)},
                {"lines"_L1, refusedIn(u"AccOffLineVoucher"_s, postedLineColumns(), unmovedLines(u"x"_s))},
                {"pending"_L1, refusedIn(u"AccOffLinePending"_s, postedPendingColumns(), offLineRows)},
                {"cheque"_L1, refusedIn(u"AccOffLineChequeDet"_s, postedChequeColumns(), offLineRows)}}));
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
    QList<std::pair<QString, int>> codes;
    for (const auto &[code, first] : firstSubNos)
        codes.append({QString::number(code), first});
    return m_numbers.fill(codes, firstVoucherNo,
                          {m_posting.name() + u" m"_s, u"m.VoucherOrd<="_s + QString::number(last), u"m.VoucherOrd"_s,
                           u"m.VoucherCode"_s});
}

QString PostingBatchWork::linesInsert() const
{
    return filled(uR"(
        insert into {table} ({columns})
        select {values}
        from {numbers} n join {posting} m on m.VoucherOrd=n.VoucherOrd join AccOffLineVoucher x on {unmoved}
        order by n.VoucherOrd)",
                  {{"table"_L1, m_session.voucherTable},
                   {"columns"_L1, insertColumns(postedLineColumns())},
                   {"values"_L1, insertValues(postedLineColumns(), u"x"_s, {})},
                   {"numbers"_L1, m_numbers.name()},
                   {"posting"_L1, m_posting.name()},
                   {"unmoved"_L1, unmovedLines(u"x"_s)}});
}

// The first pending or cheque row of each posted voucher, under its new number.
QString PostingBatchWork::firstRowInsert(const QString &into, const QString &from, CopiedTable columns, int last) const
{
    return filled(uR"(
        {into} ({columns})
        select {values}
        from {firstRows} p join {posting} m on m.OffLineNo=p.VoucherNo join {numbers} n on n.VoucherOrd=m.VoucherOrd
        where p.VantFirst=1 order by n.VoucherOrd)",
                  {{"into"_L1, into},
                   {"columns"_L1, insertColumns(columns)},
                   {"values"_L1, insertValues(columns, u"p"_s, {})},
                   {"firstRows"_L1, firstRows(from, last)},
                   {"posting"_L1, m_posting.name()},
                   {"numbers"_L1, m_numbers.name()}});
}

Status PostingBatchWork::copy(int last)
{
    // The lines just posted, and no other company's lines that share the off-line number.
    // The company's condition stays out of the choice of index, as in unmovedLines().
    const QString moved = QStringLiteral("update AccOffLineVoucher set Moved='Y' where isnull(Moved,'N')='N' and "
                                         "+CompanyCode=")
                          + m_companyValue + QStringLiteral(" and VoucherNo in ") + postedNumbers(last);
    return executeAll(
        m_db,
        {linesInsert(), moved,
         firstRowInsert(u"insert into AccPending"_s, u"AccOffLinePending"_s, postedPendingColumns(), last),
         firstRowInsert(u"INSERT INTO  AccChequeDetails"_s, u"AccOffLineChequeDet"_s, postedChequeColumns(), last)});
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
    // Only the tables this try made.
    for (WorkTable *table : {&m_marked, &m_posting}) {
        if (Status dropped = table->dropIfMade(); !dropped)
            return dropped;
    }
    return m_numbers.dropIfMade();
}

} // namespace vant
