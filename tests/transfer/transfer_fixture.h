#pragma once

#include "support/scripted_prompts.h"
#include "session/session.h"
#include "support/test_database.h"
#include "transfer/transfer_run.h"

#include <QDate>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace vant::test {

// Scripted boxes that can look at the program's state as each message appears.
class HookedPrompts : public ScriptedPrompts
{
public:
    void message(const QString &text, const QString &title, PromptIcon icon) override
    {
        if (beforeMessage)
            beforeMessage();
        ScriptedPrompts::message(text, title, icon);
    }

    std::function<void()> beforeMessage;
};

// One ledger line of a voucher in the year's voucher table.
struct VoucherLine
{
    int company = 1;
    int voucherNo = 0;
    QDate date = QDate(2026, 4, 10);
    int ledger = 101;
    QString opposite = QStringLiteral("201"); // SQL text: a number or null
    QString crDr = QStringLiteral("D");
    double amount = 100;
    int voucherCode = 1;
    QString narration = QStringLiteral("Sale");
    QString oldVoucherNo = QStringLiteral("null");
};

// A session on a seeded database whose default company is "1" (shadows "2" and "3"),
// year 2026 beginning 2026-04-01.
class TransferFixture : public ::testing::Test
{
protected:
    TransferFixture();

    Database &db() { return *session.DBConnection; }
    void exec(const QStringList &statements) { TestDatabase::exec(db(), statements); }
    QString scalar(const QString &statement) { return TestDatabase::scalar(db(), statement); }
    int count(const QString &statement) { return scalar(statement).toInt(); }
    // Every row of a statement, its values joined by "|", one text per row.
    QStringList rows(const QString &statement);
    // Every row of every table, for comparing the whole database before and after.
    QStringList snapshot();
    QStringList logLines() const;

    // Runs the copy of company 1's period into the destination, recording the feedback.
    Outcome<TransferEnd> transfer(const QDate &from, const QDate &to, const QString &destination = QStringLiteral("2"));

    void addLine(const VoucherLine &line);
    // A bill-wise entry of the voucher dated on the day.
    void addBillwise(int company, int voucherNo, const QDate &day, const QString &remarks = QStringLiteral("Bill"));
    // A cheque of the voucher received on the day; clearDate is SQL text.
    void addCheque(int company, int voucherNo, const QDate &day,
                   const QString &clearDate = QStringLiteral("'2026-04-20'"));

    QTemporaryDir logFolder;
    TestDatabase database;
    HookedPrompts prompts;
    Session session;
    QStringList captions;
    int progressShown = 0;
    int advances = 0;
};

} // namespace vant::test
