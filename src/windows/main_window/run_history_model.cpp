#include "run_history_model.h"

#include "session/run_record.h"
#include "widgets/run_record_report.h"

#include <QFont>

namespace vant {

RunHistoryModel::RunHistoryModel(QString journalPath, const ErrorLog &log, QString dateFormat, QObject *parent)
    : QAbstractTableModel(parent), m_journal(std::move(journalPath), log), m_dateFormat(std::move(dateFormat))
{}

void RunHistoryModel::setFilter(const QString &job, const QDate &since, const QDate &until)
{
    beginResetModel();
    m_filter = {job, since, until, 0};
    m_records.clear();
    m_allRead = false;
    endResetModel();
    fetchMore({});
}

int RunHistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_records.size());
}

int RunHistoryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RunHistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case When: return tr("When");
    case User: return tr("User");
    case Job: return tr("Job");
    case Company: return tr("Company");
    case Given: return tr("Given");
    case Result: return tr("Result");
    case Duration: return tr("Duration");
    default: return {};
    }
}

QVariant RunHistoryModel::cell(const QJsonObject &record, int column) const
{
    switch (column) {
    case When: return RunRecordText::when(record, m_dateFormat);
    case User: return record.value(QStringLiteral("user")).toString();
    case Job: return RunRecordText::runName(record);
    case Company: return record.value(QStringLiteral("company")).toString();
    case Given: return describeParameters(record.value(QStringLiteral("parameters")).toObject());
    case Result: return RunRecordText::result(record);
    case Duration: return RunRecordText::duration(record.value(QStringLiteral("durationMs")).toInteger());
    default: return {};
    }
}

QVariant RunHistoryModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_records.size())
        return {};
    const QJsonObject &record = m_records.at(index.row());
    if (role == Qt::DisplayRole)
        return cell(record, index.column());
    // A dry run changed nothing: it stands apart from the runs that did.
    if (role == Qt::FontRole && record.value(QStringLiteral("dryRun")).toBool()) {
        QFont font;
        font.setItalic(true);
        return font;
    }
    if (role == Qt::TextAlignmentRole && index.column() == Duration)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

bool RunHistoryModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && !m_allRead;
}

// The journal is read again from its end up to one page more than is shown. Runs that began
// since the last page was read stand before those shown: the page goes on after the last run
// shown.
void RunHistoryModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent))
        return;
    JournalFilter filter = m_filter;
    filter.limit = int(m_records.size()) + kPage;
    const Outcome<QList<QJsonObject>> read = m_journal.read(filter);
    if (!read) {
        m_allRead = true;
        emit readFailed(read.error().description);
        return;
    }
    m_allRead = read->size() < filter.limit;
    qsizetype next = 0;
    if (!m_records.isEmpty()) {
        const QJsonValue lastShown = m_records.constLast().value(QStringLiteral("run"));
        while (next < read->size() && read->at(next).value(QStringLiteral("run")) != lastShown)
            ++next;
        // The journal was replaced meanwhile: what it holds now is shown.
        if (next == read->size()) {
            beginResetModel();
            m_records = *read;
            endResetModel();
            return;
        }
        ++next;
    }
    if (next == read->size())
        return;
    beginInsertRows({}, int(m_records.size()), int(m_records.size() + read->size() - next) - 1);
    m_records.append(read->mid(next));
    endInsertRows();
}

} // namespace vant
