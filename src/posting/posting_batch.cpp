#include "posting_batch.h"

#include "db/copy_forms.h"
#include "db/sql_literals.h"
#include "session/session.h"
#include "session/text_helpers.h"
#include "db/work_table.h"

namespace vant {

namespace {

using copyform::date;
using copyform::number;
using copyform::text;

// The aid of the ledger a column names, as the posting writes it: 0 for a ledger without one.
QString aidOf(const QString &ledgerColumn)
{
    return QStringLiteral("isnull((select top 1 case when isnumeric(l.aid)=1 then l.aid else 0 end from "
                          "accledgermaster l where l.ledgercode=%1),0)")
        .arg(ledgerColumn);
}

// A ledger the posting refuses: no number, or a row of the ledger master (joined as `ledger`)
// that is missing or has an aid that is no whole number.
QString mayRefuseLedger(const QString &ledgerColumn, const QString &ledger)
{
    return QStringLiteral("(%1 or %2.ledgercode is null or (%2.aid is not null and ltrim(rtrim(%2.aid))<>'' and "
                          "(isnumeric(%2.aid)=0 or %2.aid<>round(%2.aid,0) or abs(%2.aid)>2147483647)))")
        .arg(copyform::mayRefuseRequiredNumber(ledgerColumn), ledger);
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

QString anyOf(const QStringList &conditions)
{
    return QLatin1Char('(') + conditions.join(QStringLiteral(" or ")) + QLatin1Char(')');
}

// The work of one try at a batch: its tables and statements.
class BatchWork
{
public:
    BatchWork(Session &session, Database &db)
        : m_session(session), m_db(db), m_company(QStringLiteral("'") + session.CompanyCode + QLatin1Char('\'')),
          m_companyValue(companyValue(session.CompanyCode)),
          m_marked(db, QStringLiteral("VantMarked"),
                   QStringLiteral("Seq int primary key, OffLineNo int, VoucherCode int, AcType int")),
          m_posting(db, QStringLiteral("VantPosting"),
                    QStringLiteral("VoucherOrd int primary key, Seq int, OffLineNo int unique, VoucherCode int, "
                                   "AcType int")),
          m_subNos(db, QStringLiteral("VantSubNos"), QStringLiteral("VoucherCode int, FirstSubNo int")),
          m_numbers(db, QStringLiteral("VantNumbers"),
                    QStringLiteral("VoucherOrd int primary key, VoucherNo int, SubNo int"))
    {
    }

    // The vouchers with a line to post, in the batch's order; a number marked twice counts once.
    Status listVouchers(const QList<MarkedVoucher> &vouchers);
    // The batch position of each voucher to post, and the company of its lines.
    Outcome<QList<std::pair<int, QString>>> vouchersToPost();
    // The first of the vouchers from `after` on, up to `last`, whose values may be refused.
    Outcome<int> nextSuspect(int after, int last);
    // Each voucher code of the first `last` vouchers, with how many of them it has.
    Outcome<QList<std::pair<int, int>>> codes(int last);
    Status assignNumbers(const QList<std::pair<int, int>> &firstSubNos, int last, int firstVoucherNo);
    Status copy(int last);
    Status recordSubNumbers(const QList<std::pair<int, int>> &lastSubNos, const QString &lineCompany);
    Status drop();

private:
    QString postedNumbers(int last) const
    {
        return QStringLiteral("(select OffLineNo from ") + m_posting.name() + QStringLiteral(" where VoucherOrd<=")
               + QString::number(last) + QLatin1Char(')');
    }
    // The first row of each posted voucher in an off-line table, as the table keeps them.
    QString firstRows(const QString &table, int last) const
    {
        return QStringLiteral("(select q.*,row_number() over (partition by q.VoucherNo order by (select null)) "
                              "VantFirst from ")
               + table + QStringLiteral(" q where q.CompanyCode=") + m_company + QStringLiteral(" and q.VoucherNo in ")
               + postedNumbers(last) + QLatin1Char(')');
    }
    QString numbered() const
    {
        return QStringLiteral(" join ") + m_posting.name() + QStringLiteral(" m on m.OffLineNo=p.VoucherNo join ")
               + m_numbers.name() + QStringLiteral(" n on n.VoucherOrd=m.VoucherOrd");
    }
    // The unmoved lines of the company under the off-line number of m. The unary plus keeps the
    // company's condition out of the choice of index, so that the lines are found by their
    // number rather than among all the company's lines, however many it has posted before.
    QString unmovedLines(const QString &alias) const
    {
        return QStringLiteral("isnull(%1.Moved,'N')='N' and %1.VoucherNo=m.OffLineNo and +%1.CompanyCode=")
                   .arg(alias)
               + m_companyValue;
    }

    Session &m_session;
    Database &m_db;
    const QString m_company;
    // The company as a value that compares with the stored code without a conversion: a number
    // when it is one.
    const QString m_companyValue;
    WorkTable m_marked;
    WorkTable m_posting;
    WorkTable m_subNos;
    WorkTable m_numbers;
};

Status BatchWork::listVouchers(const QList<MarkedVoucher> &vouchers)
{
    QList<QStringList> rows;
    for (int i = 0; i < vouchers.size(); ++i) {
        const MarkedVoucher &voucher = vouchers.at(i);
        rows.append({QString::number(i + 1), QString::number(voucher.offLineNo), QString::number(voucher.voucherCode),
                     QString::number(voucher.acType)});
    }
    if (Status made = m_marked.create(); !made)
        return made;
    if (Status filled = insertValueRows(m_db, QStringLiteral("insert into ") + m_marked.name()
                                                  + QStringLiteral("(Seq,OffLineNo,VoucherCode,AcType)"),
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
                        + m_marked.name() + QStringLiteral(" d) m where m.VantMark=1 and exists (select 1 from "
                                                           "AccOffLineVoucher x where ")
                        + unmovedLines(QStringLiteral("x")) + QLatin1Char(')'));
}

Outcome<QList<std::pair<int, QString>>> BatchWork::vouchersToPost()
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

Outcome<int> BatchWork::nextSuspect(int after, int last)
{
    using namespace copyform;
    const QString lines = anyOf({
        mayRefuseLedger(QStringLiteral("x.LedgerCode"), QStringLiteral("l1")),
        mayRefuseLedger(QStringLiteral("x.OppLedgerCode"), QStringLiteral("l2")),
        mayRefuseDate(QStringLiteral("x.VoucherDt")),
        mayRefuseRequiredNumber(QStringLiteral("x.Amount")),
        QStringLiteral("(x.OldVoucherNo is not null and ") + mayRefuseRequiredNumber(QStringLiteral("x.OldVoucherNo"))
            + QLatin1Char(')'),
    });
    const QString pending = anyOf({
        mayRefuseLedger(QStringLiteral("x.LedgerCode"), QStringLiteral("l1")),
        mayRefuseLedger(QStringLiteral("x.OppLedgerCode"), QStringLiteral("l2")),
        mayRefuseRequiredNumber(QStringLiteral("x.AcType")),
        mayRefuseDate(QStringLiteral("x.billdate")),
        mayRefuseRequiredNumber(QStringLiteral("x.billamount")),
        mayRefuseRequiredNumber(QStringLiteral("x.MRC_Amt")),
        mayRefuseLeadingNumberOfText(QStringLiteral("x.OnAcNo")),
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
    // The voucher's rows of an off-line table with the ledgers they name; every row of its
    // pending and cheque tables counts, though only the first is copied.
    const auto rowsOf = [&](const QString &table, const QString &rowCondition, const QString &ledger1,
                            const QString &ledger2, const QString &refused) {
        return QStringLiteral("select m.VoucherOrd from ") + m_posting.name() + QStringLiteral(" m join ") + table
               + QStringLiteral(" x on ") + rowCondition + ledgerJoin(ledger1, QStringLiteral("l1"))
               + ledgerJoin(ledger2, QStringLiteral("l2")) + QStringLiteral(" where m.VoucherOrd>")
               + QString::number(after) + QStringLiteral(" and m.VoucherOrd<=") + QString::number(last)
               + QStringLiteral(" and ") + refused;
    };
    const QString offLineRow = QStringLiteral("x.CompanyCode=") + m_company + QStringLiteral(" and x.VoucherNo=m.OffLineNo");
    auto rs = m_db.openRecordset(
        QStringLiteral("select isnull(min(VoucherOrd),0) from (")
        + rowsOf(QStringLiteral("AccOffLineVoucher"), unmovedLines(QStringLiteral("x")), QStringLiteral("x.LedgerCode"),
                 QStringLiteral("x.OppLedgerCode"), lines)
        + QStringLiteral(" union all ")
        + rowsOf(QStringLiteral("AccOffLinePending"), offLineRow, QStringLiteral("x.LedgerCode"),
                 QStringLiteral("x.OppLedgerCode"), pending)
        + QStringLiteral(" union all ")
        + rowsOf(QStringLiteral("AccOffLineChequeDet"), offLineRow, QStringLiteral("x.LedgerCode"),
                 QStringLiteral("x.LedgerCode1"), cheque)
        + QStringLiteral(") vant_s"));
    if (!rs)
        return rs.error();
    return rs->eof() ? 0 : rs->value(0).toInt();
}

Outcome<QList<std::pair<int, int>>> BatchWork::codes(int last)
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

Status BatchWork::assignNumbers(const QList<std::pair<int, int>> &firstSubNos, int last, int firstVoucherNo)
{
    QList<QStringList> rows;
    for (const auto &[code, first] : firstSubNos)
        rows.append({QString::number(code), QString::number(first)});
    if (Status made = m_subNos.create(); !made)
        return made;
    if (Status filled = insertValueRows(m_db, QStringLiteral("insert into ") + m_subNos.name()
                                                  + QStringLiteral("(VoucherCode,FirstSubNo)"),
                                        rows);
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

Status BatchWork::copy(int last)
{
    const QString lines =
        QStringLiteral("insert into ") + m_session.VoucherTable
        + QStringLiteral(" (CompanyCode,DivisionCode,AcType,VoucherNo,VoucherDt,LedgerCode,CrDr,Amount,VoucherCode,"
                         "Narration,IsVoucherScr,VoucherSlno,OppLedgerCode,BillRefNo,OldVoucherNo,TS,AID,OppAID) "
                         "select ")
        + QStringList{text(QStringLiteral("x.CompanyCode")), text(QStringLiteral("x.DivisionCode")),
                      QStringLiteral("m.AcType"), QStringLiteral("n.VoucherNo"), date(QStringLiteral("x.VoucherDt")),
                      number(QStringLiteral("x.LedgerCode")), text(QStringLiteral("x.CrDr")),
                      number(QStringLiteral("x.Amount")), QStringLiteral("m.VoucherCode"),
                      text(QStringLiteral("x.Narration")), QStringLiteral("'N'"), QStringLiteral("n.SubNo"),
                      number(QStringLiteral("x.OppLedgerCode")), text(QStringLiteral("x.BillRefno")),
                      number(QStringLiteral("x.OldVoucherNo")), QStringLiteral("getdate()"),
                      aidOf(QStringLiteral("x.LedgerCode")), aidOf(QStringLiteral("x.OppLedgerCode"))}
              .join(QLatin1Char(','))
        + QStringLiteral(" from ") + m_numbers.name() + QStringLiteral(" n join ") + m_posting.name()
        + QStringLiteral(" m on m.VoucherOrd=n.VoucherOrd join AccOffLineVoucher x on ")
        + unmovedLines(QStringLiteral("x")) + QStringLiteral(" order by n.VoucherOrd");
    // Filed under the voucher's new number and sub-number, as the cheque and the transfer are.
    const QString pending =
        QStringLiteral("insert into AccPending (CompanyCode,DivisionCode,AcType,LedgerCode,VoucherNo,BillRefNo,"
                       "BillDate,BillAmount,InvoiceNo,MRC_Amt,CrDr,TransType,OnAcNo,VoucherCode,Payable,DiscAmt,"
                       "VoucherSlno,TransDate,OppLedgerCode,Remarks,TS,AID,OppAID) select ")
        + QStringList{text(QStringLiteral("p.CompanyCode")), text(QStringLiteral("p.DivisionCode")),
                      number(QStringLiteral("p.AcType")), number(QStringLiteral("p.LedgerCode")),
                      QStringLiteral("n.VoucherNo"), text(QStringLiteral("p.BillRefno")),
                      date(QStringLiteral("p.billdate")), number(QStringLiteral("p.billamount")),
                      text(QStringLiteral("p.InvoiceNo")), number(QStringLiteral("p.MRC_Amt")),
                      text(QStringLiteral("p.CrDr")), text(QStringLiteral("p.TransType")),
                      copyform::leadingNumberOfText(QStringLiteral("p.OnAcNo")), number(QStringLiteral("p.VoucherCode")),
                      number(QStringLiteral("p.Payable")), number(QStringLiteral("p.discamt")),
                      QStringLiteral("n.SubNo"), date(QStringLiteral("p.billdate")),
                      number(QStringLiteral("p.OppLedgerCode")), text(QStringLiteral("p.Remarks")),
                      QStringLiteral("getdate()"), aidOf(QStringLiteral("p.LedgerCode")),
                      aidOf(QStringLiteral("p.OppLedgerCode"))}
              .join(QLatin1Char(','))
        + QStringLiteral(" from ") + firstRows(QStringLiteral("AccOffLinePending"), last) + QStringLiteral(" p")
        + numbered() + QStringLiteral(" where p.VantFirst=1 order by n.VoucherOrd");
    const QString cheque =
        QStringLiteral("INSERT INTO  AccChequeDetails (CompanyCode,LedgerCode,VoucherNo,ChequeNo,ChequeAmount,"
                       "ReceiveDate,ChequeDate,Status,BankName,Branch,DivisionCode,AcType,VoucherCode,LedgerCode1,"
                       "Narration,ChequePrinted,DepositDate,AID,AID1) select ")
        + QStringList{text(QStringLiteral("p.CompanyCode")), number(QStringLiteral("p.LedgerCode")),
                      QStringLiteral("n.VoucherNo"), text(QStringLiteral("p.ChequeNo")),
                      number(QStringLiteral("p.ChequeAmount")), date(QStringLiteral("p.ReceiveDate")),
                      date(QStringLiteral("p.ChequeDate")), text(QStringLiteral("p.Status")),
                      text(QStringLiteral("p.BankName")), QStringLiteral("''"), number(QStringLiteral("p.DivisionId")),
                      number(QStringLiteral("p.AcType")), number(QStringLiteral("p.VoucherCode")),
                      number(QStringLiteral("p.LedgerCode1")), QStringLiteral("''"),
                      text(QStringLiteral("p.ChequePrinted")), date(QStringLiteral("p.DepositDate")),
                      aidOf(QStringLiteral("p.LedgerCode")), aidOf(QStringLiteral("p.LedgerCode1"))}
              .join(QLatin1Char(','))
        + QStringLiteral(" from ") + firstRows(QStringLiteral("AccOffLineChequeDet"), last) + QStringLiteral(" p")
        + numbered() + QStringLiteral(" where p.VantFirst=1 order by n.VoucherOrd");
    // The lines just posted, and no other company's lines that share the off-line number.
    // The company's condition stays out of the choice of index, as in unmovedLines().
    const QString moved = QStringLiteral("update AccOffLineVoucher set Moved='Y' where isnull(Moved,'N')='N' and "
                                         "+CompanyCode=")
                          + m_companyValue + QStringLiteral(" and VoucherNo in ") + postedNumbers(last);
    return executeAll(m_db, {lines, moved, pending, cheque});
}

Status BatchWork::recordSubNumbers(const QList<std::pair<int, int>> &lastSubNos, const QString &lineCompany)
{
    QStringList statements;
    for (const auto &[code, last] : lastSubNos) {
        statements << QStringLiteral("update AccCompanyVoucherNo set ts=getdate(), VoucherSlno=") + QString::number(last)
                          + QStringLiteral(" where Vouchercode = ") + QString::number(code)
                          + QStringLiteral(" and CompanyCode='") + lineCompany + QStringLiteral("' and TranYear='")
                          + m_session.FinancialYear + QLatin1Char('\'');
    }
    return executeAll(m_db, statements);
}

Status BatchWork::drop()
{
    for (WorkTable *table : {&m_marked, &m_posting, &m_subNos, &m_numbers}) {
        // Only the tables this try made.
        if (Status dropped = m_db.execute(QStringLiteral("if object_id('tempdb..%1') is not null drop table %1")
                                              .arg(table->name()));
            !dropped)
            return dropped;
    }
    return {};
}

} // namespace

Outcome<BatchOutcome> PostingBatch::attempt(const QList<MarkedVoucher> &vouchers, int limit, bool keep)
{
    Database &db = *m_session.db();
    TransactionGuard transaction(db);
    if (Status begun = transaction.begin(); !begun)
        return begun.error();
    m_planned = 0;
    BatchWork work(m_session, db);
    if (Status listed = work.listVouchers(vouchers); !listed)
        return listed.error();
    const auto toPost = work.vouchersToPost();
    if (!toPost)
        return toPost.error();

    BatchOutcome outcome;
    int last = 0;
    int firstVoucherNo = 0;
    if (!toPost->isEmpty()) {
        AccountsComponent &accounts = *m_session.AccountsObject;
        const int company = leadingInt(toPost->first().second);
        const Outcome<VoucherNoBlock> numbers =
            accounts.GetMaxVoucherNoBlock(m_session.VoucherTable, company, int(toPost->size()));
        if (!numbers)
            return numbers.error();
        firstVoucherNo = numbers->first;
        last = numbers->granted;
        if (last < toPost->size())
            outcome.stop = PostingStop{numbers->refusal == -1 ? PostingStop::Duplicate : PostingStop::NoNumber, {}};
        // The first voucher whose values are refused stops the batch there.
        for (int after = 0;;) {
            const Outcome<int> suspect = work.nextSuspect(after, last);
            if (!suspect)
                return suspect.error();
            if (*suspect == 0)
                break;
            if (Status checked = m_check.check(vouchers.at(toPost->at(*suspect - 1).first - 1)); !checked) {
                last = *suspect - 1;
                outcome.stop = PostingStop{PostingStop::Refused, checked.error()};
                break;
            }
            after = *suspect;
        }
        if (last > limit) {
            last = limit;
            outcome.stop.reset();
        }
    }
    m_planned = last;

    if (last > 0) {
        AccountsComponent &accounts = *m_session.AccountsObject;
        const QString lineCompany = toPost->first().second;
        const int company = leadingInt(lineCompany);
        auto codes = work.codes(last);
        if (!codes)
            return codes.error();
        QList<std::pair<int, int>> firstSubNos;
        QList<std::pair<int, int>> lastSubNos;
        for (const auto &[code, count] : std::as_const(*codes)) {
            const Outcome<int> first = accounts.GetMaxSubVNoBlock(code, company, m_session.PostingAcType,
                                                                  m_session.FinancialYear, count);
            if (!first)
                return first.error();
            firstSubNos.append({code, *first});
            lastSubNos.append({code, *first + count - 1});
        }
        if (Status numbered = work.assignNumbers(firstSubNos, last, firstVoucherNo); !numbered)
            return numbered.error();
        if (Status copied = work.copy(last); !copied)
            return copied.error();
        if (Status updated = accounts.UpdateVoucherNo(firstVoucherNo + last - 1, m_session.CompanyCode); !updated)
            return updated.error();
        if (Status recorded = work.recordSubNumbers(lastSubNos, lineCompany); !recorded)
            return recorded.error();
    }
    if (Status dropped = work.drop(); !dropped)
        return dropped.error();
    if (keep) {
        if (Status committed = transaction.commit(); !committed)
            return committed.error();
    }

    // The marked rows up to the voucher that stopped the batch (or its end), each with its number.
    const int stopSeq = last < toPost->size() && (outcome.stop || last == limit) ? toPost->at(last).first
                                                                                  : int(vouchers.size()) + 1;
    QHash<int, int> posted;
    for (int ord = 1; ord <= last; ++ord)
        posted.insert(toPost->at(ord - 1).first, firstVoucherNo + ord - 1);
    for (int seq = 1; seq < stopSeq; ++seq)
        outcome.voucherNos.append(posted.value(seq, 0));
    return outcome;
}

Outcome<BatchOutcome> PostingBatch::post(const QList<MarkedVoucher> &vouchers)
{
    const Outcome<BatchOutcome> whole = attempt(vouchers, kMaxVouchers, true);
    if (whole)
        return whole;
    // A statement failed for some voucher: the longest run of vouchers that can be posted is
    // found by halving, and posted; the voucher after it is reported with the failure and left
    // untouched, also when the failure does not come back.
    int good = 0;
    int bad = m_planned;
    Error failure = whole.error();
    while (bad - good > 1) {
        const int middle = (good + bad) / 2;
        const Outcome<BatchOutcome> tried = attempt(vouchers, middle, false);
        if (tried) {
            good = middle;
        } else {
            bad = middle;
            failure = tried.error();
        }
    }
    Outcome<BatchOutcome> kept = attempt(vouchers, good, true);
    if (!kept)
        return kept.error();
    kept->stop = PostingStop{PostingStop::Refused, failure};
    return kept;
}

} // namespace vant
