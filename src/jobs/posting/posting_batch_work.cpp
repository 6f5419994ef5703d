#include "posting_batch_work.h"

#include "db/copy_forms.h"
#include "db/database.h"
#include "db/sql_literals.h"
#include "db/statement_text.h"
#include "marked_runs.h"
#include "posted_columns.h"
#include "session/session.h"

#include <QDate>

namespace vant {

using namespace Qt::StringLiterals;

namespace {

QString companyValue(const QString &companyCode)
{
    const Outcome<QString> number = numberLiteral(companyCode, QString());
    return number ? *number : sqlQuoted(companyCode);
}

// The day as a quoted literal when it is one of the calendar written yyyy-MM-dd, which no date
// form refuses; empty otherwise.
QString plainDay(const QString &day)
{
    const QDate date = QDate::fromString(day, Qt::ISODate);
    return date.year() >= 1 && date.toString(Qt::ISODate) == day ? sqlQuoted(day) : QString();
}

// The unmoved lines x of the company under the off-line number of m. The unary plus keeps the
// company's condition out of the choice of index, so that the lines are found by their number
// rather than among all the company's lines, however many it has posted before.
const char16_t kUnmovedLines[] =
    u"isnull(x.Moved,'N')='N' and x.VoucherNo=m.OffLineNo and +x.CompanyCode={companyValue}";

// The off-line numbers of the first {last} vouchers of the batch.
const char16_t kPostedNumbers[] = u"(select OffLineNo from {posting} where VoucherOrd<={last})";

// A digit, of the places of a voucher in its run: SQL Server 2012 has no series of numbers.
const char16_t kDigit[] = u"(select 0 d union all select 1 union all select 2 union all select 3 union all select 4 "
                          u"union all select 5 union all select 6 union all select 7 union all select 8 union all "
                          u"select 9)";

// The bill-wise account numbers of the batch's vouchers, each read once: its leading number, and
// whether that is refused. The cross join finds the rows voucher by voucher, not among all the
// company's. Texts equal byte for byte read alike; the database's collation would take a text for
// one it is not.
const char16_t kLeadingNumbers[] = uR"(
    insert into {leadingNumbers}(OnAcNo,Number,Refused)
    select d.OnAcNo,{number},case when {refused} then 1 else 0 end
    from (select distinct q.OnAcNo collate Latin1_General_BIN2 OnAcNo
          from {posting} m cross join AccOffLinePending q
          where q.CompanyCode={company} and q.VoucherNo=m.OffLineNo and q.OnAcNo is not null) d)";

// The marked list holds each number once, as the first row that marks it, in runs of at most
// 1,000 numbers. A run is taken apart place by place, from 0 (d2 d1 d0) to one below its length;
// the cross joins keep the runs outermost on SQLite. The identity numbers the vouchers in the
// batch's order.
const char16_t kVouchersToPost[] = uR"(
    insert into {posting}(Seq,OffLineNo,VoucherCode,AcType)
    select m.Seq,m.OffLineNo,m.VoucherCode,m.AcType
    from (select r.Seq+d2.d*100+d1.d*10+d0.d Seq,r.OffLineNo+d2.d*100+d1.d*10+d0.d OffLineNo,r.VoucherCode,r.AcType
          from {marked} r cross join {digit} d2 cross join {digit} d1 cross join {digit} d0
          where d2.d*100<r.Vouchers and d2.d*100+d1.d*10<r.Vouchers and d2.d*100+d1.d*10+d0.d<r.Vouchers) m
    where exists (select 1 from AccOffLineVoucher x where {unmoved}) order by m.Seq)";

// The first voucher to post, the company and day of its lines, how many vouchers there are to
// post, whether one of them has more than one pending or cheque row and whether two ledgers share
// a code. Every voucher's lines are the session company's: the first voucher's tell how it is
// stored. Their day is most likely every voucher's.
const char16_t kFirstToPost[] = uR"(
    select top 1 m.Seq,(select top 1 x.CompanyCode from AccOffLineVoucher x where {unmoved}),
           (select top 1 convert(varchar(10),x.VoucherDt,120) from AccOffLineVoucher x where {unmoved}),
           (select count(*) from {posting}),{manyPending},{manyCheques},{sharedLedgerCodes}
    from {posting} m order by m.VoucherOrd)";

// 1 when two of the rows share a key, 0 otherwise.
const char16_t kKeyTwice[] =
    u"(select count(*) from (select top 1 {key} from {rows} group by {key} having count(*)>1) d)";
const char16_t kVoucherRows[] =
    u"{posting} p cross join {offLine} q where q.CompanyCode={company} and q.VoucherNo=p.OffLineNo";

// The vouchers to post, when some marked number has no line left to post.
const char16_t kPostingOrder[] = u"select Seq from {posting} order by VoucherOrd";

// The rows of each of the first {last} vouchers in an off-line table, as the table keeps them,
// numbered from its first (VantFirst) under the voucher's place (VantOrd). The cross join reads
// the vouchers in their order on SQLite and seeks each one's rows, which need no sorting then.
const char16_t kFirstRows[] =
    uR"((select q.*,m.VoucherOrd VantOrd,row_number() over (partition by m.VoucherOrd order by m.VoucherOrd) VantFirst
    from {posting} m cross join {offLine} q
    where m.VoucherOrd<={last} and q.CompanyCode={company} and q.VoucherNo=m.OffLineNo))";

// Whether the voucher m has a row in an off-line table, with the ledgers it names, whose values
// are refused; every row of its pending and cheque tables counts, though only the first is
// copied. Asked voucher by voucher in the batch's order, so that each batch reads only its own
// rows and the scan ends at the first voucher refused. A plain row is passed over before its
// values are looked at one by one.
const char16_t kNextSuspect[] = uR"(
    select top 1 m.VoucherOrd from {posting} m
    where m.VoucherOrd>{after} and m.VoucherOrd<={last} and ({lines} or {pending} or {cheque})
    order by m.VoucherOrd)";

const char16_t kRefusedRow[] =
    u"exists (select 1 from {offLine} x{ledgers} where {rows} and (not {plain} or {plainRefused}) and {refused})";

const char16_t kOffLineRows[] = u"x.CompanyCode={company} and x.VoucherNo=m.OffLineNo";

const char16_t kLinesInsert[] = uR"(
    insert into {voucherTable} ({columns})
    select {values}
    from {numbers} n join {posting} m on m.VoucherOrd=n.VoucherOrd join AccOffLineVoucher x on {unmoved}{ledgers}
    order by n.VoucherOrd)";

// The lines just posted, and no other company's lines that share the off-line number. The
// company's condition stays out of the choice of index, as in the unmoved lines.
const char16_t kMoved[] = uR"(
    update AccOffLineVoucher set Moved='Y'
    where isnull(Moved,'N')='N' and +CompanyCode={companyValue} and VoucherNo in {posted})";

// Each posted voucher's first pending or cheque row, under its new numbers, as the transfer files them.
const char16_t kFirstRowInsert[] = uR"(
    {into} ({columns})
    select {values}
    from {firstRows} p join {posting} m on m.VoucherOrd=p.VantOrd join {numbers} n on n.VoucherOrd=p.VantOrd
    where p.VantFirst=1 order by p.VantOrd)";

// The same, when no voucher of the batch has more than one row in the off-line table.
const char16_t kOnlyRowInsert[] = uR"(
    {into} ({columns})
    select {values}
    from {posting} m cross join {offLine} p join {numbers} n on n.VoucherOrd=m.VoucherOrd
    where m.VoucherOrd<={last} and p.CompanyCode={company} and p.VoucherNo=m.OffLineNo order by m.VoucherOrd)";

const char16_t kRecordSubNo[] = uR"(
    update AccCompanyVoucherNo set ts=getdate(), VoucherSlno={last}
    where Vouchercode = {code} and CompanyCode={company} and TranYear={year})";

} // namespace

PostingBatchWork::PostingBatchWork(Session &session, Database &db)
    : m_session(session), m_db(db), m_company(sqlQuoted(session.companyCode)),
      m_companyValue(companyValue(session.companyCode)),
      m_marked(db, QStringLiteral("VantMarked"),
               QStringLiteral("Seq int primary key, OffLineNo int, Vouchers int, VoucherCode int, AcType int")),
      m_posting(db, QStringLiteral("VantPosting"),
                QStringLiteral("VoucherOrd int identity(1,1) primary key, Seq int, OffLineNo int unique, "
                               "VoucherCode int, AcType int")),
      m_leadingNumbers(db, QStringLiteral("VantOnAc"),
                       QStringLiteral("OnAcNo varchar(20) collate Latin1_General_BIN2 primary key, Number float, "
                                      "Refused int")),
      m_numbers(db)
{}

QList<Place> PostingBatchWork::places(int last) const
{
    QList<Place> places = {
        {"marked"_L1, m_marked.name()},     {"posting"_L1, m_posting.name()},
        {"numbers"_L1, m_numbers.name()},   {"leadingNumbers"_L1, m_leadingNumbers.name()},
        {"company"_L1, m_company},          {"companyValue"_L1, m_companyValue},
        {"last"_L1, QString::number(last)},
    };
    places.append({"unmoved"_L1, filled(kUnmovedLines, places)});
    places.append({"posted"_L1, filled(kPostedNumbers, places)});
    return places;
}

Status PostingBatchWork::start()
{
    m_plainDay.clear();
    m_made = true;
    for (WorkTable *table : {&m_marked, &m_posting, &m_leadingNumbers}) {
        if (Status ready = m_kept ? table->empty() : table->create(); !ready)
            return ready;
    }
    return m_kept ? m_numbers.empty() : m_numbers.create();
}

Status PostingBatchWork::listVouchers(const QList<MarkedVoucher> &vouchers)
{
    m_listed = firstPlaces(vouchers);
    if (Status filled =
            insertValueRows(m_db, u"insert into %1(Seq,OffLineNo,Vouchers,VoucherCode,AcType)"_s.arg(m_marked.name()),
                            markedRuns(vouchers, m_listed));
        !filled)
        return filled;
    QList<Place> places = this->places(0);
    places.append({"digit"_L1, QString::fromUtf16(kDigit)});
    if (Status listed = m_db.execute(filled(kVouchersToPost, places)); !listed)
        return listed;
    places.append({"number"_L1, copyform::leadingNumber(u"d.OnAcNo"_s)});
    places.append({"refused"_L1, copyform::mayRefuseLeadingNumber(u"d.OnAcNo"_s)});
    return m_db.execute(filled(kLeadingNumbers, places));
}

Outcome<QList<std::pair<int, QString>>> PostingBatchWork::vouchersToPost()
{
    QList<Place> firstPlaces = places(0);
    firstPlaces.append({"sharedLedgerCodes"_L1,
                        filled(kKeyTwice, {{"key"_L1, u"l.ledgercode"_s},
                                           {"rows"_L1, u"accledgermaster l where l.ledgercode is not null"_s}})});
    for (const auto &[place, offLine] :
         {std::pair{"manyPending"_L1, u"AccOffLinePending"_s}, std::pair{"manyCheques"_L1, u"AccOffLineChequeDet"_s}}) {
        QList<Place> rows = places(0);
        rows.append({"offLine"_L1, offLine});
        firstPlaces.append(
            {place, filled(kKeyTwice, {{"key"_L1, u"p.VoucherOrd"_s}, {"rows"_L1, filled(kVoucherRows, rows)}})});
    }
    auto first = m_db.openRecordset(filled(kFirstToPost, firstPlaces));
    if (!first)
        return first.error();
    if (first->eof())
        return QList<std::pair<int, QString>>();
    m_plainDay = plainDay(first->text(2));
    m_manyPending = first->value(4).toInt() != 0;
    m_manyCheques = first->value(5).toInt() != 0;
    m_sharedLedgerCodes = first->value(6).toInt() != 0;
    QList<int> places = m_listed;
    if (first->value(3).toInt() != m_listed.size()) {
        auto rs = m_db.openRecordset(filled(kPostingOrder, this->places(0)));
        if (!rs)
            return rs.error();
        places.clear();
        for (; !rs->eof(); rs->moveNext())
            places.append(rs->value(0).toInt());
    }
    QList<std::pair<int, QString>> vouchers;
    for (const int seq : std::as_const(places))
        vouchers.append({seq, QString()});
    vouchers.first().second = first->text(1);
    return vouchers;
}

Outcome<int> PostingBatchWork::nextSuspect(int after, int last)
{
    QList<Place> places = this->places(last);
    places.append({"after"_L1, QString::number(after)});
    const auto refusedIn = [this, &places](const QString &table, CopiedTable columns, const char16_t *rows,
                                           const QString &leadingNumbers = QString()) {
        return filled(kRefusedRow,
                      {{"offLine"_L1, table},
                       {"ledgers"_L1, ledgerJoins(columns, u"x"_s)},
                       {"rows"_L1, filled(rows, places)},
                       {"plain"_L1, plainRow(columns, u"x"_s)},
                       {"plainRefused"_L1, refusalsOfPlainRow(columns, u"x"_s, m_plainDay, leadingNumbers)},
                       {"refused"_L1, refusalCondition(columns, u"x"_s)}});
    };
    places.append({"lines"_L1, refusedIn(u"AccOffLineVoucher"_s, postedLineColumns(), kUnmovedLines)});
    places.append({"pending"_L1,
                   refusedIn(u"AccOffLinePending"_s, postedPendingColumns(), kOffLineRows, m_leadingNumbers.name())});
    places.append({"cheque"_L1, refusedIn(u"AccOffLineChequeDet"_s, postedChequeColumns(), kOffLineRows)});
    auto rs = m_db.openRecordset(filled(kNextSuspect, places));
    if (!rs)
        return rs.error();
    return rs->eof() ? 0 : rs->value(0).toInt();
}

Status PostingBatchWork::assignNumbers(const QList<std::pair<int, int>> &firstSubNos, int last, int firstVoucherNo)
{
    QList<std::pair<QString, int>> codes;
    for (const auto &[code, first] : firstSubNos)
        codes.append({QString::number(code), first});
    return m_numbers.refill(codes, firstVoucherNo,
                            {m_posting.name() + u" m"_s, u"m.VoucherOrd<="_s + QString::number(last), u"m.VoucherOrd"_s,
                             u"m.VoucherCode"_s});
}

Status PostingBatchWork::copy(int last, Refusals refusals)
{
    const bool refusing = refusals == Refusals::FailTheStatement;
    const auto lines = [&](bool joinedLedgers) {
        QList<Place> places = this->places(last);
        places.append({"voucherTable"_L1, m_session.voucherTable});
        places.append({"columns"_L1, insertColumns(postedLineColumns())});
        places.append({"ledgers"_L1, joinedLedgers ? ledgerJoins(postedLineColumns(), u"x"_s) : QString()});
        places.append({"values"_L1, refusing
                                        ? refusingValues(postedLineColumns(), u"x"_s, m_plainDay, {}, joinedLedgers)
                                        : postedValues(postedLineColumns(), u"x"_s)});
        return QStringList{filled(kLinesInsert, places), filled(kMoved, places)};
    };
    const auto firstRow = [&](const QString &into, const QString &offLine, bool manyRows, CopiedTable columns,
                              const QString &leadingNumbers = QString()) {
        QList<Place> places = this->places(last);
        places.append({"offLine"_L1, offLine});
        places.append({"firstRows"_L1, filled(kFirstRows, places)});
        places.append({"into"_L1, into});
        places.append({"columns"_L1, insertColumns(columns)});
        places.append({"values"_L1, refusing ? refusingValues(columns, u"p"_s, m_plainDay, leadingNumbers)
                                             : postedValues(columns, u"p"_s, leadingNumbers)});
        return filled(manyRows ? kFirstRowInsert : kOnlyRowInsert, places);
    };
    const Status copied = refusing && !m_sharedLedgerCodes ? copyJoined(lines) : executeAll(m_db, lines(false));
    if (!copied)
        return copied;
    return executeAll(m_db, {firstRow(u"insert into AccPending"_s, u"AccOffLinePending"_s, m_manyPending,
                                      postedPendingColumns(), m_leadingNumbers.name()),
                             firstRow(u"INSERT INTO  AccChequeDetails"_s, u"AccOffLineChequeDet"_s, m_manyCheques,
                                      postedChequeColumns())});
}

Status PostingBatchWork::copyJoined(const std::function<QStringList(bool joinedLedgers)> &lines)
{
    const QStringList joined = lines(true);
    TransactionGuard savepoint(m_db);
    if (Status begun = savepoint.begin(); !begun)
        return begun;
    if (Status inserted = m_db.execute(joined.at(0)); !inserted)
        return inserted;
    const int copied = m_db.rowsChanged();
    if (Status moved = m_db.execute(joined.at(1)); !moved)
        return moved;
    if (copied == m_db.rowsChanged())
        return savepoint.commit();
    savepoint.rollback();
    return executeAll(m_db, lines(false));
}

Status PostingBatchWork::recordSubNumbers(const QList<std::pair<int, int>> &lastSubNos, int lineCompany)
{
    QStringList statements;
    for (const auto &[code, last] : lastSubNos) {
        statements << filled(kRecordSubNo, {{"last"_L1, QString::number(last)},
                                            {"code"_L1, QString::number(code)},
                                            {"company"_L1, sqlQuoted(QString::number(lineCompany))},
                                            {"year"_L1, sqlQuoted(m_session.financialYear)}});
    }
    return executeAll(m_db, statements);
}

Status PostingBatchWork::drop()
{
    m_made = false;
    for (WorkTable *table : {&m_marked, &m_posting, &m_leadingNumbers}) {
        if (Status dropped = table->drop(); !dropped)
            return dropped;
    }
    return m_numbers.drop();
}

Status PostingBatchWork::dropKept()
{
    if (!m_kept)
        return {};
    m_kept = false;
    return drop();
}

} // namespace vant
