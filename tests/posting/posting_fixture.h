#pragma once

#include "posting/voucher_grid.h"
#include "session/session.h"
#include "support/error_log_lines.h"
#include "support/golden_file.h"
#include "support/qt_printers.h"
#include "support/scripted_prompts.h"
#include "support/test_database.h"

#include <QDate>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace vant::test {

// One off-line voucher line as the tests store it.
struct OffLineLine
{
    int voucherNo = 0;
    QString crDr = QStringLiteral("D");
    double amount = 0;
    int ledgerCode = 101;
    int oppLedgerCode = 201;
    int voucherCode = 5;
    QString transType = QStringLiteral("CA");
    int acType = 1;
    QDate date = QDate(2026, 4, 10);
    QString billRefNo{};
    QString moved{}; // empty = NULL
    int companyCode = 1;
    QString narration = QStringLiteral("Counter sale");
};

// A seeded accounts database with the session of company 1 logged in, boxes scripted
// and the error log in a temporary folder. Statements are traced to a file.
class PostingFixture : public testing::Test
{
protected:
    void SetUp() override;

    Database &db() { return *session->db(); }
    void addLine(const OffLineLine &line);
    // A balanced sales/cash voucher of two lines.
    void addVoucher(int voucherNo, double amount);
    // Runs a .sql file of tests/posting/.
    void seed(const char *name)
    {
        TestDatabase::execScript(db(), testSourceFile(QStringLiteral("posting/") + QLatin1String(name)));
    }
    // The sales/cash vouchers of division 1 on the day, as Go lists them.
    VoucherGrid salesOf(const QDate &day = QDate(2026, 4, 10));
    QString scalar(const QString &statement) { return TestDatabase::scalar(db(), statement); }
    int count(const QString &statement) { return scalar(statement).toInt(); }
    void exec(const QStringList &statements) { TestDatabase::exec(db(), statements); }
    // Statements sent since the last call.
    QStringList tracedStatements();
    QStringList logLines() const { return errorLogLines(*session); }

    QTemporaryDir folder;
    TestDatabase database;
    ScriptedPrompts prompts;
    std::unique_ptr<Session> session;

private:
    qint64 m_traceRead = 0;
};

} // namespace vant::test
