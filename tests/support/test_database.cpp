#include "test_database.h"

#include "statement_record.h"
#include "test_server.h"

#include "db/accounts_schema.h"
#include "session/password_cipher.h"
#include "session/settings_store.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace vant::test {

TestDatabase::TestDatabase()
{
    if (onServer()) {
        // A name that no other run of the suite uses at the same time.
        static QAtomicInt made;
        m_serverDatabase = QStringLiteral("vanttest_%1_%2_%3")
                               .arg(QCoreApplication::applicationPid())
                               .arg(made.fetchAndAddRelaxed(1))
                               .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        createOnServer();
        if (!m_created)
            return;
    } else {
        // An empty file is an empty database to the embedded backend.
        EXPECT_TRUE(QFile(path()).open(QIODevice::WriteOnly)) << path().toStdString();
    }
    auto db = connect();
    if (!db)
        return;
    const Status created = createAccountsSchema(*db, {kYear});
    EXPECT_TRUE(created) << created.error().description.toStdString();
}

namespace {

std::unique_ptr<Database> serverMaster()
{
    ConnectionSettings master = *testServer();
    master.database = QStringLiteral("master");
    auto db = Database::open(master);
    EXPECT_TRUE(bool(db)) << "VANT_TEST_SERVER: " << db.error().description.toStdString();
    return db ? std::move(*db) : nullptr;
}

} // namespace

void TestDatabase::createOnServer()
{
    auto master = serverMaster();
    if (!master)
        return;
    const Status done = master->execute(QStringLiteral("CREATE DATABASE [%1]").arg(m_serverDatabase));
    EXPECT_TRUE(done) << m_serverDatabase.toStdString() << ": " << done.error().description.toStdString();
    m_created = bool(done);
}

TestDatabase::~TestDatabase()
{
    if (!m_created)
        return;
    // Connections that a test left open are ended with the database.
    if (auto master = serverMaster())
        exec(*master,
             {QStringLiteral("ALTER DATABASE [%1] SET SINGLE_USER WITH ROLLBACK IMMEDIATE").arg(m_serverDatabase),
              QStringLiteral("DROP DATABASE [%1]").arg(m_serverDatabase)});
}

QString TestDatabase::path() const
{
    return QDir(folder()).filePath(kFileName);
}

ConnectionSettings TestDatabase::settings() const
{
    if (!m_serverDatabase.isEmpty()) {
        ConnectionSettings server = *testServer();
        server.database = m_serverDatabase;
        return server;
    }
    return ConnectionSettings{QStringLiteral("SQLite"), folder(),  kFileName,
                              QStringLiteral("sa"),     QString(), QString()};
}

std::unique_ptr<Database> TestDatabase::connect() const
{
    auto db = Database::open(settings());
    EXPECT_TRUE(bool(db)) << db.error().description.toStdString();
    return db ? std::move(*db) : nullptr;
}

std::unique_ptr<Database> TestDatabase::connectTraced(const QString &tracePath) const
{
    qputenv("VANT_SQL_TRACE", tracePath.toLocal8Bit());
    auto db = connect();
    qunsetenv("VANT_SQL_TRACE");
    return db;
}

QStringList TestDatabase::traced(const QString &tracePath)
{
    QFile trace(tracePath);
    EXPECT_TRUE(trace.open(QIODevice::ReadOnly)) << tracePath.toStdString();
    return QString::fromUtf8(trace.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

void TestDatabase::writeSettings(const QString &password) const
{
    const ConnectionSettings reached = settings();
    const bool server = !m_serverDatabase.isEmpty();
    writeSetting(QStringLiteral("Driver"), reached.driver);
    writeSetting(QStringLiteral("Server"), reached.server);
    writeSetting(QStringLiteral("Login"), server ? reached.login : QStringLiteral("sa"));
    writeSetting(QStringLiteral("Password"), EncipherPassword(server ? reached.password : password, kPasswordKey));
    writeSetting(QStringLiteral("VantDB"), reached.database);
}

void TestDatabase::exec(Database &db, const QStringList &statements)
{
    const TestsOwnStatements own;
    for (const QString &statement : statements) {
        const Status done = db.execute(statement);
        ASSERT_TRUE(done) << statement.toStdString() << ": " << done.error().description.toStdString();
    }
}

void TestDatabase::execScript(Database &db, const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << path.toStdString();
    QStringList statements;
    QString statement;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        if (line.startsWith(u"--"))
            continue;
        statement += line + u'\n';
        if (line.trimmed().endsWith(u';')) {
            statements << statement.trimmed().chopped(1);
            statement.clear();
        }
    }
    ASSERT_TRUE(statement.trimmed().isEmpty()) << path.toStdString() << ": no \";\" after the last statement";
    exec(db, statements);
}

QString TestDatabase::scalar(Database &db, const QString &statement)
{
    const TestsOwnStatements own;
    auto rs = db.openRecordset(statement);
    EXPECT_TRUE(bool(rs)) << statement.toStdString() << ": " << rs.error().description.toStdString();
    if (!rs || rs->eof())
        return {};
    return rs->text(0);
}

QString TestDatabase::joined(Database &db, const QString &statement, const QString &columnSeparator,
                             const QString &rowSeparator)
{
    const TestsOwnStatements own;
    auto rs = db.openRecordset(statement);
    EXPECT_TRUE(bool(rs)) << statement.toStdString() << ": " << rs.error().description.toStdString();
    QStringList rows;
    for (; rs && !rs->eof(); rs->moveNext()) {
        QStringList values;
        for (int i = 0; i < rs->fieldCount(); ++i)
            values << (rs->value(i).isNull() ? QStringLiteral("NULL") : rs->text(i));
        rows << values.join(columnSeparator);
    }
    return rows.join(rowSeparator);
}

void TestDatabase::seedCompanies(Database &db)
{
    execScript(db, QStringLiteral(VANT_TEST_SUPPORT_DIR "/seed_companies.sql"));
}

} // namespace vant::test
