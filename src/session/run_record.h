#pragma once

#include "db/change_tally.h"
#include "voucher_counters.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

namespace vant {

// The results of the records a run writes before its end: when it starts, and after each part
// of its work that is committed.
inline const QString kRunStarted = QStringLiteral("started");
inline const QString kRunGoingOn = QStringLiteral("running");

// A voucher that a posting run did not post, and why; not tried when the run stopped before it.
struct FailedVoucher
{
    QString voucherNo;
    QString reason;
    bool tried = true;
};

// A question that a run asked, and the answer it was given.
struct AskedQuestion
{
    QString text;  // the program's words, as the journal keeps them
    QString shown; // as the user read it
    bool answer = false;
};

// What one run of a job did: the journal's record, and what a dry run prints.
struct RunRecord
{
    QString run; // the id that the run's records share
    QDateTime when;
    QString user;
    QString product;
    QString company;
    QString job; // "transfer", "post" or "purge"
    bool dryRun = false;
    QJsonObject parameters;
    QList<TableChanges> tables;
    AssignedNumbers numbers;
    qint64 posted = 0;
    QList<FailedVoucher> failed;
    QList<AskedQuestion> questions;
    // "completed", "incomplete" (ended without doing all it was asked), "refused", "declined",
    // "stopped" or "failed"; kRunStarted or kRunGoingOn before the run ends.
    QString result;
    QString message; // the refusal or failure as the user was told, empty when completed
    qint64 durationMs = 0;

    bool succeeded() const { return result == u"completed"; }
    QJsonObject toJson() const;
};

// Whether the record is the last of its run: the run ended, as the record's result says.
bool runEnded(const QJsonObject &record);

// A record in the lines that vantctl prints after a dry run and in its history: what the job
// changed per table, the numbers it handed out and the vouchers it did not post. Every text of
// the record is shown with its control characters escaped, so that each line is one of its own.
QStringList describeRecord(const QJsonObject &record);
// The parameters of a record as "name=value" pairs, lists joined by commas, texts escaped.
QString describeParameters(const QJsonObject &parameters);

} // namespace vant
