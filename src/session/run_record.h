#pragma once

#include "db/change_tally.h"
#include "voucher_counters.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

namespace vant {

// A voucher that a posting run did not post, and why.
struct FailedVoucher
{
    QString voucherNo;
    QString reason;
};

// What one run of a job did: the journal's record, and what a dry run prints.
struct RunRecord
{
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
    QString result;  // "completed", "refused", "declined", "stopped" or "failed"
    QString message; // the refusal or failure as the user was told, empty when completed
    qint64 durationMs = 0;

    bool succeeded() const { return result == u"completed"; }
    QJsonObject toJson() const;
};

// A record in the lines that vantctl prints after a dry run and in its history: what the job
// changed per table, the numbers it handed out and the vouchers it did not post.
QStringList describeRecord(const QJsonObject &record);

} // namespace vant
