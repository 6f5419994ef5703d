#include "prepared_statements.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QVariant>

namespace vant {

namespace {

// A statement at least this long is kept: shorter ones compile in little time.
constexpr qsizetype kKeptLength = 2000;
// The statements kept at most; the list starts again when it is full.
constexpr qsizetype kKeptStatements = 32;

// The versions of the database's schema and of its temporary tables' schema; empty when
// unknown. Each table made or dropped counts one up.
QString schemaVersions(const QSqlDatabase &connection)
{
    QString versions;
    for (const QString &pragma :
         {QStringLiteral("PRAGMA schema_version"), QStringLiteral("PRAGMA temp.schema_version")}) {
        QSqlQuery query(connection);
        if (!query.exec(pragma) || !query.next())
            return {};
        versions += query.value(0).toString() + u' ';
    }
    return versions;
}

} // namespace

std::shared_ptr<QSqlQuery> PreparedStatements::run(const QSqlDatabase &connection, const QString &sql, bool returnsRows,
                                                   bool &ran)
{
    // SQL Server keeps the plans of the statements it was sent itself.
    if (sql.size() < kKeptLength || connection.driver()->dbmsType() != QSqlDriver::SQLite) {
        auto query = std::make_shared<QSqlQuery>(connection);
        query->setForwardOnly(returnsRows);
        ran = query->exec(sql);
        return query;
    }
    const QString schema = returnsRows ? schemaVersions(connection) : QString();
    if (const auto kept = m_queries.constFind(sql); kept != m_queries.cend()) {
        if (kept->schema == schema) {
            ran = kept->query->exec();
            return kept->query;
        }
        m_queries.erase(kept);
    }
    auto query = std::make_shared<QSqlQuery>(connection);
    query->setForwardOnly(true);
    ran = query->prepare(sql) && query->exec();
    if (ran && (!returnsRows || !schema.isEmpty())) {
        if (m_queries.size() >= kKeptStatements)
            m_queries.clear();
        m_queries.insert(sql, {query, schema});
    }
    return query;
}

} // namespace vant
