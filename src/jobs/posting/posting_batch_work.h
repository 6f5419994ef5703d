#pragma once

#include "db/copied_table.h"
#include "db/outcome.h"
#include "db/statement_text.h"
#include "db/voucher_numbers.h"
#include "db/work_table.h"
#include "marked_voucher.h"

#include <QList>
#include <QString>

#include <functional>
#include <utility>

namespace vant {

struct Session;
class Database;

// How a try meets a value that the row check refuses.
enum class Refusals {
    // The vouchers that may have one are found and checked before anything is written.
    CheckedFirst,
    // The statement that would write it fails, and the try with it.
    FailTheStatement,
};

// The work of posting batches of marked vouchers in the server, one try at a time: its work
// tables and statements. The vouchers are ordered by their place in the batch (VoucherOrd, from
// 1). The work tables last from the first committed try to the end of the job, so that the
// statements that name them stay compiled from one batch to the next.
class PostingBatchWork
{
public:
    PostingBatchWork(Session &session, Database &db);

    // Makes the work tables for a try, or empties those of the tries committed before.
    Status start();
    // The try's transaction was committed, and the tables with it unless it dropped them.
    void committed() { m_kept = m_made; }

    // The vouchers with a line to post, in the batch's order; a number marked twice counts once.
    Status listVouchers(const QList<MarkedVoucher> &vouchers);
    // The batch position of each voucher to post, and the company of its lines.
    Outcome<QList<std::pair<int, QString>>> vouchersToPost();
    // The first of the vouchers from `after` on, up to `last`, whose values may be refused.
    Outcome<int> nextSuspect(int after, int last);
    Status assignNumbers(const QList<std::pair<int, int>> &firstSubNos, int last, int firstVoucherNo);
    // Copies the first `last` vouchers' lines, first pending and cheque rows under their numbers
    // and flags their lines as moved.
    Status copy(int last, Refusals refusals);
    Status recordSubNumbers(const QList<std::pair<int, int>> &lastSubNos, int lineCompany);
    // Drops the tables of the try.
    Status drop();
    // Drops the tables that committed tries left.
    Status dropKept();

private:
    // What the batch's statements name: its work tables, the company, the first `last` vouchers.
    QList<Place> places(int last) const;
    // Copies the lines joined to their ledgers and flags them (`lines(true)`): a line is copied
    // once while no two ledgers share its code. A line copied twice (a ledger added since the
    // batch looked, or a server that counts the rows otherwise) has both undone, and the lines
    // copied each looking up its ledgers (`lines(false)`).
    Status copyJoined(const std::function<QStringList(bool joinedLedgers)> &lines);

    Session &m_session;
    Database &m_db;
    const QString m_company;
    // The company as a value that compares with the stored code without a conversion: a number
    // when it is one.
    const QString m_companyValue;
    WorkTable m_marked;
    WorkTable m_posting;
    // The bill-wise account numbers of the batch, each read once.
    WorkTable m_leadingNumbers;
    VoucherNumbers m_numbers;
    // Whether the try has the work tables, and whether they were committed; those that a try
    // made go with it when it is rolled back.
    bool m_made = false;
    bool m_kept = false;
    // The places in the batch of the numbers it marks, each once.
    QList<int> m_listed;
    // The day of the first voucher's lines, quoted, when no date form refuses it.
    QString m_plainDay;
    // Whether some voucher of the batch has more than one pending or cheque row.
    bool m_manyPending = false;
    bool m_manyCheques = false;
    // Whether two ledgers of the ledger master share a code.
    bool m_sharedLedgerCodes = false;
};

} // namespace vant
