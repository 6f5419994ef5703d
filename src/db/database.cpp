#include "database.h"

#include "accounts_schema.h"
#include "change_tally.h"
#include "sqlite_dialect.h"
#include "sqlite_functions.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

#include <limits>

namespace vant {

namespace {

Database::StatementObserver statementObserver = nullptr;

// How long a job waits for another job's write lock on the embedded database.
constexpr int kBusyTimeoutMs = 5000;

// The statements rewritten lately. A job sends the same long statements batch after batch, each
// rewritten once; the list starts again when it holds a million characters (2 MB).
constexpr qsizetype kRewrittenKeptChars = 1'000'000;

Outcome<QString> rewrittenForSqlite(const QString &statement)
{
    thread_local QHash<QString, QString> rewritten;
    thread_local qsizetype keptChars = 0;
    if (const auto found = rewritten.constFind(statement); found != rewritten.cend())
        return *found;
    Outcome<QString> sql = toSqliteDialect(statement);
    if (sql) {
        keptChars += statement.size() + sql->size();
        if (keptChars > kRewrittenKeptChars) {
            rewritten.clear();
            keptChars = statement.size() + sql->size();
        }
        rewritten.insert(statement, *sql);
    }
    return sql;
}

FieldType fieldType(const QSqlField &field)
{
    switch (field.metaType().id()) {
    case QMetaType::QString:
    case QMetaType::QChar: return FieldType::Text;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort: return FieldType::Integer;
    case QMetaType::Double:
    case QMetaType::Float: return FieldType::Double;
    case QMetaType::QDate:
    case QMetaType::QDateTime: return FieldType::Date;
    case QMetaType::Bool: return FieldType::Boolean;
    case QMetaType::QByteArray: return FieldType::Binary;
    default: return FieldType::Unknown;
    }
}

// SQLite types a result column by its first value, so a date column reads as text; the table
// catalogue's column names tell dates apart.
FieldType catalogueType(const QString &column, FieldType reported)
{
    if ((reported == FieldType::Text || reported == FieldType::Unknown) && isDateColumn(column))
        return FieldType::Date;
    return reported;
}

// A statement as the trace writes it: the literal compared with a stored password (the
// login's check) is masked, so that a trace file never holds a password.
QString traceText(const QString &statement)
{
    static const QRegularExpression password(QStringLiteral("(pem_emp_password\\s*=\\s*)'(?:[^']|'')*'"),
                                             QRegularExpression::CaseInsensitiveOption);
    QString text = statement;
    return text.replace(password, QStringLiteral("\\1'********'"));
}

Error errorOf(const QSqlError &error, const QString &fallback)
{
    // The embedded database's helpers fail as the server would, with its number.
    if (const std::optional<Error> server = serverErrorIn(error.databaseText()))
        return *server;
    bool numeric = false;
    int number = error.nativeErrorCode().toInt(&numeric);
    if (!numeric)
        number = kUnspecifiedError;
    QString description = error.text().trimmed();
    if (description.isEmpty())
        description = fallback;
    return Error{number, description};
}

} // namespace

Error closedConnectionError()
{
    return Error{3704, QStringLiteral("Operation is not allowed when the object is closed.")};
}

Database::Database(QString connectionName) : m_connectionName(std::move(connectionName))
{
    const QString tracePath = qEnvironmentVariable("VANT_SQL_TRACE");
    if (!tracePath.isEmpty()) {
        m_trace = std::make_unique<QFile>(tracePath);
        if (!m_trace->open(QIODevice::Append | QIODevice::Text))
            m_trace.reset();
    }
}

Outcome<std::unique_ptr<Database>> Database::open(const ConnectionSettings &settings)
{
    static QAtomicInt counter;
    const QString name = QStringLiteral("vant-%1").arg(counter.fetchAndAddRelaxed(1));
    std::unique_ptr<Database> db(new Database(name));

    // A login never creates a database: SQLite, embedded or by ODBC, makes a missing file empty.
    if (const QString path = settings.sqliteFile(); !path.isEmpty() && !QFileInfo(path).isFile()) {
        return Error{4060, QStringLiteral("Cannot open database \"%1\" requested by the login: there is no file "
                                          "%2. The login failed. Check the settings Server, %3 and Driver.")
                               .arg(settings.database, QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()),
                                    settings.databaseValue.isEmpty() ? QStringLiteral("the database name")
                                                                     : settings.databaseValue)};
    }
    QSqlDatabase connection;
    if (settings.isEmbedded()) {
        const QString path = settings.sqliteFile();
        connection = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        connection.setDatabaseName(path);
        connection.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    } else {
        connection = QSqlDatabase::addDatabase(QStringLiteral("QODBC"), name);
        connection.setDatabaseName(settings.odbcConnectionString());
    }
    if (!connection.open()) {
        const Error error = errorOf(connection.lastError(), QStringLiteral("The connection could not be opened."));
        connection = QSqlDatabase();
        return error;
    }

    if (connection.driver()->dbmsType() == QSqlDriver::SQLite) {
        db->m_dialect = Dialect::Sqlite;
    } else if (connection.driver()->dbmsType() != QSqlDriver::MSSqlServer
               && connection.driver()->dbmsType() != QSqlDriver::Sybase) {
        QSqlQuery probe(connection);
        if (probe.exec(QStringLiteral("select sqlite_version()")))
            db->m_dialect = Dialect::Sqlite;
    }
    if (db->m_dialect == Dialect::Sqlite) {
        // SQLite opens any file without reading it; its catalogue shows whether it is a database.
        QSqlQuery probe(connection);
        if (!probe.exec(QStringLiteral("select count(*) from sqlite_master")))
            return errorOf(probe.lastError(), QStringLiteral("The file is not a database."));
    }
    if (connection.driver()->dbmsType() == QSqlDriver::SQLite) {
        if (Status registered = registerSqlServerFunctions(connection); !registered)
            return registered.error();
    }
    if (Status status = db->execute(QStringLiteral("SET DATEFORMAT mdy")); !status)
        return status.error();
    return db;
}

Database::~Database()
{
    close();
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_connectionName) && QSqlDatabase::database(m_connectionName, false).isOpen();
}

void Database::close()
{
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    {
        QSqlDatabase connection = QSqlDatabase::database(m_connectionName, false);
        m_prepared.clear();
        if (m_depth > 0)
            connection.rollback();
        connection.close();
    }
    m_depth = 0;
    QSqlDatabase::removeDatabase(m_connectionName);
}

void Database::setStatementObserver(StatementObserver observer)
{
    statementObserver = observer;
}

Outcome<QString> Database::prepare(const QString &statement)
{
    if (statementObserver)
        statementObserver(statement);
    if (m_trace) {
        m_trace->write(traceText(statement).toUtf8() + '\n');
        m_trace->flush();
    }
    if (Status counted = countStatement(); !counted)
        return counted.error();
    if (m_dialect == Dialect::Sqlite)
        return rewrittenForSqlite(statement);
    return statement;
}

Status Database::countStatement()
{
    ++m_statementCount;
    if (m_statementCount != m_failingStatement)
        return {};
    return Error{kUnspecifiedError, QStringLiteral("Injected failure of statement %1.").arg(m_statementCount)};
}

void Database::failStatement(int nth)
{
    m_failingStatement = nth > 0 ? m_statementCount + nth : 0;
}

Error Database::lastError(const QString &fallback) const
{
    return errorOf(QSqlDatabase::database(m_connectionName, false).lastError(), fallback);
}

Status Database::execute(const QString &statement)
{
    const Outcome<QString> sql = prepare(statement);
    if (!sql)
        return sql.error();
    if (sql->trimmed().isEmpty())
        return {};
    if (!isOpen())
        return closedConnectionError();
    bool ran = false;
    const auto query = m_prepared.run(QSqlDatabase::database(m_connectionName, false), *sql, false, ran);
    if (!ran)
        return errorOf(query->lastError(), QStringLiteral("The statement failed."));
    m_rowsChanged = query->numRowsAffected();
    if (m_tally)
        m_tally->counted(statement, m_rowsChanged);
    query->finish();
    return {};
}

Outcome<Recordset> Database::openRecordset(const QString &statement)
{
    Recordset whole;
    if (Status read = readBatches(statement, std::numeric_limits<qsizetype>::max(),
                                  [&](Recordset &rows) { whole = std::move(rows); });
        !read)
        return read.error();
    return whole;
}

Status Database::readBatches(const QString &statement, qsizetype batchRows,
                             const std::function<void(Recordset &)> &batch)
{
    const Outcome<QString> sql = prepare(statement);
    if (!sql)
        return sql.error();
    if (!isOpen())
        return closedConnectionError();
    bool ran = false;
    const auto kept = m_prepared.run(QSqlDatabase::database(m_connectionName, false), *sql, true, ran);
    QSqlQuery &query = *kept;
    if (!ran)
        return errorOf(query.lastError(), QStringLiteral("The statement failed."));

    const QSqlRecord record = query.record();
    QList<Field> fields;
    fields.reserve(record.count());
    for (int i = 0; i < record.count(); ++i) {
        const FieldType reported = fieldType(record.field(i));
        const QString name = record.fieldName(i);
        fields.append(Field{name, m_dialect == Dialect::Sqlite ? catalogueType(name, reported) : reported});
    }
    QList<QList<QVariant>> rows;
    bool handedOver = false;
    const auto handOver = [&] {
        Recordset rowsRead(fields, std::move(rows));
        rows = {};
        handedOver = true;
        batch(rowsRead);
    };
    while (query.next()) {
        QList<QVariant> row;
        row.reserve(fields.size());
        for (int i = 0; i < fields.size(); ++i)
            row.append(query.value(i));
        rows.append(std::move(row));
        if (rows.size() >= batchRows)
            handOver();
    }
    if (query.lastError().isValid())
        return errorOf(query.lastError(), QStringLiteral("The rows could not be read."));
    query.finish();
    if (!rows.isEmpty() || !handedOver)
        handOver();
    return {};
}

Status Database::beginTransaction()
{
    if (Status counted = countStatement(); !counted)
        return counted;
    QSqlDatabase connection = QSqlDatabase::database(m_connectionName, false);
    if (m_depth > 0) {
        // Inside a transaction a job's own becomes a savepoint: a dry run holds the outer one.
        if (Status saved = savepointStatement(u"SAVEPOINT %1", u"SAVE TRANSACTION %1", m_depth + 1); !saved)
            return saved;
    } else if (connection.driver()->dbmsType() == QSqlDriver::SQLite) {
        // A job takes the write lock at its start, waiting for another job within the busy
        // timeout: a deferred transaction would only ask for it at its first write, where
        // SQLite refuses at once instead of waiting.
        QSqlQuery begin(connection);
        if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            const QSqlError error = begin.lastError();
            if (error.nativeErrorCode() == QLatin1String("5"))
                return Error{5, QStringLiteral("Another job holds the database and did not finish within %1 "
                                               "seconds; nothing was changed. Try again when it has finished.")
                                    .arg(kBusyTimeoutMs / 1000)};
            return errorOf(error, QStringLiteral("The transaction could not be started."));
        }
    } else if (!connection.transaction()) {
        return lastError(QStringLiteral("The transaction could not be started."));
    }
    ++m_depth;
    if (m_tally)
        m_tally->transactionBegun();
    return {};
}

Status Database::commitTransaction()
{
    if (Status counted = countStatement(); !counted)
        return counted;
    if (m_depth > 1) {
        // SQL Server keeps a savepoint until its transaction ends; SQLite lets it go now.
        if (m_dialect == Dialect::Sqlite) {
            if (Status released = savepointStatement(u"RELEASE SAVEPOINT %1", {}, m_depth); !released)
                return released;
        }
    } else if (!QSqlDatabase::database(m_connectionName, false).commit()) {
        return lastError(QStringLiteral("The transaction could not be committed."));
    }
    --m_depth;
    if (m_tally)
        m_tally->transactionCommitted();
    return {};
}

Status Database::rollbackTransaction()
{
    if (m_tally)
        m_tally->transactionRolledBack();
    if (m_depth > 1) {
        --m_depth;
        // SQL Server may have ended or doomed the transaction on the failure that led here.
        const Status undone = savepointStatement(u"ROLLBACK TO SAVEPOINT %1",
                                                 u"IF XACT_STATE() = 1 ROLLBACK TRANSACTION %1", m_depth + 1);
        if (m_dialect == Dialect::Sqlite)
            savepointStatement(u"RELEASE SAVEPOINT %1", {}, m_depth + 1);
        return undone;
    }
    m_depth = 0;
    if (!QSqlDatabase::database(m_connectionName, false).rollback())
        return lastError(QStringLiteral("The transaction could not be rolled back."));
    return {};
}

Status Database::savepointStatement(QStringView sqlite, QStringView sqlServer, int depth)
{
    if (statementObserver && !sqlServer.isEmpty())
        statementObserver(sqlServer.toString().arg(QStringLiteral("vant_%1").arg(depth)));
    const QStringView form = m_dialect == Dialect::Sqlite ? sqlite : sqlServer;
    QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
    if (!query.exec(form.toString().arg(QStringLiteral("vant_%1").arg(depth))))
        return errorOf(query.lastError(), QStringLiteral("The savepoint could not be set or undone."));
    return {};
}

} // namespace vant
