#include "prepared_statements.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>

namespace vant {

namespace {

// A statement at least this long is kept: shorter ones compile in little time.
constexpr qsizetype kKeptLength = 2000;
// The statements kept at most; the list starts again when it is full.
constexpr qsizetype kKeptStatements = 32;

} // namespace

std::shared_ptr<QSqlQuery> PreparedStatements::run(const QSqlDatabase &connection, const QString &sql, bool returnsRows,
                                                   bool &ran)
{
    // SQL Server keeps the plans of the statements it was sent itself.
    if (returnsRows || sql.size() < kKeptLength || connection.driver()->dbmsType() != QSqlDriver::SQLite) {
        auto query = std::make_shared<QSqlQuery>(connection);
        query->setForwardOnly(returnsRows);
        ran = query->exec(sql);
        return query;
    }
    if (const auto kept = m_queries.constFind(sql); kept != m_queries.cend()) {
        ran = (*kept)->exec();
        return *kept;
    }
    auto query = std::make_shared<QSqlQuery>(connection);
    ran = query->prepare(sql) && query->exec();
    if (ran) {
        if (m_queries.size() >= kKeptStatements)
            m_queries.clear();
        m_queries.insert(sql, query);
    }
    return query;
}

} // namespace vant
