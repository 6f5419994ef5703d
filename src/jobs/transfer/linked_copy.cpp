#include "linked_copy.h"

#include "copied_columns.h"
#include "db/copy_forms.h"
#include "db/database.h"
#include "db/sql_literals.h"
#include "db/work_table.h"
#include "session/text_helpers.h"
#include "source_row.h"
#include "transfer_scope.h"
#include "transferred_rows.h"

#include <functional>

namespace vant {

namespace {

// A table of rows that follow their voucher into the shadow company.
struct LinkedTable
{
    QString name;
    QString dateColumn; // the period is the rows of these dates
    // The columns of the copy, their values over the source row p.
    std::span<const CopiedColumn> columns;
    // Reads the row's values in the order the row-by-row copy wrote them, noting the first refused.
    std::function<void(SourceRow &row)> readValues;
    // Conditions that hold for every row whose values are refused (and maybe for others).
    QStringList mayRefuse;
};

class LinkedCopy
{
public:
    LinkedCopy(const TransferScope &scope, const LinkedTable &table)
        : m_scope(scope), m_table(table),
          m_rows(scope.db, QStringLiteral("VantLinkedRows"), QStringLiteral("Seq int primary key, Id int"))
    {}

    Status run();

private:
    // The rows of the period, numbered in the order the source's date index keeps them.
    QString numberedRows() const;
    // The condition of a row that is copied: it names a voucher that has a copy.
    QString copiedRow() const;
    QString shadowVoucherNo() const;
    Status checkRows();
    Status insertRows(int rows);

    const TransferScope &m_scope;
    const LinkedTable &m_table;
    WorkTable m_rows;
};

QString LinkedCopy::numberedRows() const
{
    return QStringLiteral("insert into %1(Seq,Id) select row_number() over (order by %2,slno),slno from %3 where "
                          "CompanyCode=%4 and %2 between '%5' and '%6'")
        .arg(m_rows.name(), m_table.dateColumn, m_table.name, sqlQuoted(m_scope.source), m_scope.from, m_scope.to);
}

QString LinkedCopy::copiedRow() const
{
    return QStringLiteral("%4 and p.VoucherNo>0 and exists (select 1 from %1 x where "
                          "x.CompanyCode=%2 and x.OldVoucherNo=p.VoucherNo and %3)")
        .arg(m_scope.voucherTable, sqlQuoted(m_scope.destination), transferredRow(QStringLiteral("x")),
             copyform::isNumber(QStringLiteral("p.VoucherNo")));
}

QString LinkedCopy::shadowVoucherNo() const
{
    // The first copy found, as the shadow's index of source numbers keeps them.
    return copyform::leadingNumber(
        QStringLiteral("(select top 1 x.VoucherNo from %1 x where x.CompanyCode=%2 and "
                       "x.OldVoucherNo=p.VoucherNo and %3 order by x.tsid)")
            .arg(m_scope.voucherTable, sqlQuoted(m_scope.destination), transferredRow(QStringLiteral("x"))));
}

Status LinkedCopy::checkRows()
{
    const QString voucherNo = QStringLiteral("(ltrim(rtrim(p.VoucherNo))<>'' and ")
                              + copyform::mayRefuseNumber(QStringLiteral("p.VoucherNo")) + QLatin1Char(')');
    const QString values = m_table.mayRefuse.join(QStringLiteral(" or "));
    for (int after = 0;;) {
        auto rs = m_scope.db.openRecordset(
            QStringLiteral("select top 1 p.*,q.Seq VantSeq,case when ") + copiedRow()
            + QStringLiteral(" then 1 else 0 end VantCopied from ") + m_rows.name() + QStringLiteral(" q join ")
            + m_table.name + QStringLiteral(" p on p.slno=q.Id where q.Seq>") + QString::number(after)
            + QStringLiteral(" and (") + voucherNo + QStringLiteral(" or (") + copiedRow() + QStringLiteral(" and (")
            + values + QStringLiteral("))) order by q.Seq"));
        if (!rs)
            return rs.error();
        if (rs->eof())
            return {};
        after = rs->value(QStringLiteral("VantSeq")).toInt();
        SourceRow row(*rs, m_table.name, QStringLiteral("slno"));
        // The row-by-row copy read the voucher number first: a row that names none is skipped.
        const QVariant sourceNo = rs->value(QStringLiteral("VoucherNo"));
        if (sourceNo.isNull() || sourceNo.toString().count(QLatin1Char(' ')) == sourceNo.toString().size())
            continue;
        const Outcome<QString> literal = numberLiteral(sourceNo, row.describe(QStringLiteral("VoucherNo")));
        if (!literal)
            return refusedTransfer(literal.error().description);
        if (rs->value(QStringLiteral("VantCopied")).toInt() != 1)
            continue;
        m_table.readValues(row);
        if (Status written = row.takeStatus(); !written)
            return refusedTransfer(written.error().description);
    }
}

Status LinkedCopy::insertRows(int rows)
{
    const QString statement =
        copyInsert(m_table.name, m_table.columns, QStringLiteral("p"), {m_scope.destination, shadowVoucherNo(), {}})
            .select(QStringLiteral(" from ") + m_rows.name() + QStringLiteral(" q join ") + m_table.name
                    + QStringLiteral(" p on p.slno=q.Id where q.Seq between %1 "
                                     "and %2 and ")
                    + copiedRow() + QStringLiteral(" order by q.Seq"));
    return m_scope.insertInBatches(statement, rows);
}

Status LinkedCopy::run()
{
    const Outcome<int> rows = m_rows.createFilled(numberedRows());
    if (!rows)
        return rows.error();
    if (*rows > 0) {
        if (Status checked = checkRows(); !checked)
            return checked;
        if (Status inserted = insertRows(*rows); !inserted)
            return inserted;
    }
    return m_rows.drop();
}

// The values the row-by-row copy of a bill-wise row read, in its order.
void readBillwise(SourceRow &row)
{
    row.raw(QStringLiteral("DivisionCode"));
    row.raw(QStringLiteral("AcType"));
    row.raw(QStringLiteral("LedgerCode"));
    row.date(QStringLiteral("BillDate"));
    for (const char *field :
         {"BillAmount", "MRC_Amt", "DiscAmt", "OnAcNo", "VoucherCode", "Payable", "VolumeDisc", "CashDisc"})
        row.number(QString::fromLatin1(field));
    row.date(QStringLiteral("TransDate"));
    for (const char *field : {"VoucherSlno", "TransSlno", "OppLedgerCode"})
        row.number(QString::fromLatin1(field));
    row.raw(QStringLiteral("AID"));
    row.raw(QStringLiteral("OppAID"));
}

QStringList billwiseRefusals()
{
    return {
        copyform::mayRefuseNumber(QStringLiteral("p.DivisionCode")),
        copyform::mayRefuseNumber(QStringLiteral("p.AcType")),
        copyform::mayRefuseNumber(QStringLiteral("p.LedgerCode")),
        copyform::mayRefuseDate(QStringLiteral("p.BillDate")),
        copyform::mayRefuseDate(QStringLiteral("p.TransDate")),
        copyform::mayRefuseLeadingNumber(QStringLiteral("p.BillAmount")),
        copyform::mayRefuseLeadingNumber(QStringLiteral("p.MRC_Amt")),
        copyform::mayRefuseLeadingNumber(QStringLiteral("p.DiscAmt")),
        copyform::mayRefuseLeadingNumber(QStringLiteral("p.OnAcNo")),
        copyform::mayRefuseLeadingNumber(QStringLiteral("p.VoucherCode")),
        copyform::mayRefuseLeadingNumber(QStringLiteral("p.Payable")),
        copyform::mayRefuseLeadingNumber(QStringLiteral("p.VolumeDisc")),
        copyform::mayRefuseLeadingNumber(QStringLiteral("p.CashDisc")),
        copyform::mayRefuseLeadingNumber(QStringLiteral("p.VoucherSlno")),
        copyform::mayRefuseLeadingNumber(QStringLiteral("p.TransSlno")),
        copyform::mayRefuseLeadingNumber(QStringLiteral("p.OppLedgerCode")),
        copyform::mayRefuseNumber(QStringLiteral("p.AID")),
        copyform::mayRefuseNumber(QStringLiteral("p.OppAID")),
    };
}

// The values the row-by-row copy of a cheque row read, in its order.
void readCheque(SourceRow &row)
{
    row.raw(QStringLiteral("LedgerCode"));
    row.number(QStringLiteral("ChequeAmount"));
    for (const char *field : {"ReceiveDate", "DepositDate", "ChequeDate", "ClearDate"})
        row.date(QString::fromLatin1(field));
    for (const char *field :
         {"DivisionCode", "AcType", "VoucherCode", "LedgerCode1", "RefVoucherNo", "OldRefVoucherNo"})
        row.number(QString::fromLatin1(field));
    row.raw(QStringLiteral("AID"));
    row.raw(QStringLiteral("AID1"));
}

QStringList chequeRefusals()
{
    return {
        copyform::mayRefuseNumber(QStringLiteral("p.LedgerCode")),
        copyform::mayRefuseLeadingNumber(QStringLiteral("p.ChequeAmount")),
        copyform::mayRefuseDate(QStringLiteral("p.ReceiveDate")),
        copyform::mayRefuseDate(QStringLiteral("p.DepositDate")),
        copyform::mayRefuseDate(QStringLiteral("p.ChequeDate")),
        copyform::mayRefuseDate(QStringLiteral("p.ClearDate")),
        copyform::mayRefuseLeadingNumber(QStringLiteral("p.DivisionCode")),
        copyform::mayRefuseLeadingNumber(QStringLiteral("p.AcType")),
        copyform::mayRefuseLeadingNumber(QStringLiteral("p.VoucherCode")),
        copyform::mayRefuseLeadingNumber(QStringLiteral("p.LedgerCode1")),
        copyform::mayRefuseLeadingNumber(QStringLiteral("p.RefVoucherNo")),
        copyform::mayRefuseLeadingNumber(QStringLiteral("p.OldRefVoucherNo")),
        copyform::mayRefuseNumber(QStringLiteral("p.AID")),
        copyform::mayRefuseNumber(QStringLiteral("p.AID1")),
    };
}

} // namespace

Status copyBillwise(const TransferScope &scope)
{
    scope.caption(QStringLiteral("Transfer    [ Transfer Billwise Outstanding Details ...]"));
    const LinkedTable billwise{
        QStringLiteral("AccPending"), QStringLiteral("TransDate"), copiedBillwiseColumns(), readBillwise,
        billwiseRefusals(),
    };
    return LinkedCopy(scope, billwise).run();
}

Status copyCheques(const TransferScope &scope)
{
    scope.caption(QStringLiteral("Transfer    [ Transfer Cheque Details...]"));
    const LinkedTable cheques{
        QStringLiteral("AccChequeDetails"),
        QStringLiteral("ReceiveDate"),
        copiedChequeColumns(),
        readCheque,
        chequeRefusals(),
    };
    return LinkedCopy(scope, cheques).run();
}

} // namespace vant
