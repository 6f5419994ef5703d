#pragma once

#include <QHash>
#include <QString>

#include <memory>

class QSqlDatabase;
class QSqlQuery;

namespace vant {

// The long statements sent on an embedded (SQLite) connection, each compiled once and kept for
// the next time it is sent: a job sends the same long statements batch after batch, and SQLite
// takes about as long to compile one as to run it on a batch. A kept statement compiles again by
// itself when a table it names has been made anew since; one that returns rows is compiled
// anew then, as the driver would read its new columns through the old ones.
class PreparedStatements
{
public:
    // Runs the statement on its kept query, or a short one on a query of its own; the query
    // holds the rows or the error. A kept query reads forward only and is to be finished when
    // done.
    std::shared_ptr<QSqlQuery> run(const QSqlDatabase &connection, const QString &sql, bool returnsRows, bool &ran);
    void clear() { m_queries.clear(); }

private:
    struct Kept
    {
        std::shared_ptr<QSqlQuery> query;
        QString schema; // the schema versions it was compiled under, when it returns rows
    };
    QHash<QString, Kept> m_queries;
};

} // namespace vant
