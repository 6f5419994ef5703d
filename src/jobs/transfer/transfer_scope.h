#pragma once

#include "db/sql_literals.h"
#include "db/statement_text.h"
#include "transfer_job.h"

#include <QString>

#include <functional>
#include <optional>

namespace vant {

class AccountsGuard;
class Database;
class Recordset;

// What the steps of one transfer run share: the run's accounts component, the connection, the
// request's companies and period as the statements write them, and the user's feedback.
struct TransferScope
{
    AccountsGuard &accounts;
    Database &db;
    const TransferFeedback &feedback;
    QString source;
    QString destination;
    QString from; // 'yyyy-MM-dd' without quotes
    QString to;
    QString voucherTable;
    QString year;
    // The work table of the period's days (Day, 'yyyy-MM-dd'), for the refusal scans' pre-test.
    QString periodDays;

    // Rows copied per insert statement: the bar moves after each batch. Each statement is
    // rewritten and compiled anew, which for the copy's long statements costs about as much as
    // a few thousand rows; a batch this size still lets the bar move several times a second.
    static constexpr int kBatchRows = 20000;

    // Runs the insert over the numbered rows 1 to `rows`, a batch at a time: the statement's %1
    // and %2 are the first and last row of a batch.
    Status insertInBatches(const QString &statement, int rows) const;

    // Reads the rows a copy may refuse one at a time, in the order of their VantSeq: the last of
    // places, {after}, holds the VantSeq last read. judge returns the refusal that stops the
    // copy, or nothing to read on; the result is that refusal, or nothing once the rows end.
    using SuspectJudge = std::function<std::optional<Error>(const Recordset &row, int seq)>;
    Outcome<std::optional<Error>> firstRefusedSuspect(QStringView statement, QList<Place> places,
                                                      const SuspectJudge &judge) const;

    void caption(const QString &text) const
    {
        if (feedback.caption)
            feedback.caption(text);
    }
    void advance(int rows) const
    {
        if (feedback.advance && rows > 0)
            feedback.advance(rows);
    }
};

// A value the run refuses stops it; the report says that nothing was kept.
inline Error refusedTransfer(const QString &why)
{
    return Error{kRefusedValue, why + QStringLiteral(" Nothing was transferred.")};
}

} // namespace vant
