#pragma once

#include "session/run_journal.h"

#include <QAbstractTableModel>
#include <QJsonObject>

namespace vant {

class ErrorLog;

// The runs of the journal that pass a filter, newest first, a page at a time: the journal is
// read from its end only as far as the runs shown, and further when the view scrolls to the
// last of them.
class RunHistoryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { When, User, Job, Company, Given, Result, Duration, ColumnCount };
    static constexpr int kPage = 100;

    RunHistoryModel(QString journalPath, const ErrorLog &log, QString dateFormat, QObject *parent = nullptr);

    // Lists the runs of the job (empty: every job) begun in the period (an invalid day: open).
    void setFilter(const QString &job, const QDate &since, const QDate &until);
    const QJsonObject &record(int row) const { return m_records.at(row); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

signals:
    // The journal could not be read: the reason, as the error log has it.
    void readFailed(const QString &description);

private:
    QVariant cell(const QJsonObject &record, int column) const;

    const RunJournal m_journal;
    const QString m_dateFormat;
    JournalFilter m_filter;
    QList<QJsonObject> m_records;
    bool m_allRead = true; // nothing to read before the first filter
};

} // namespace vant
