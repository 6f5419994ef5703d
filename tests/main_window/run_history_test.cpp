// The run history window: the journal's runs newest first, its filters and the record of a run,
// all by keys, and a long journal read a page at a time.
#include "transfer/transfer_fixture.h"

#include "main_window/run_history_model.h"
#include "main_window/run_history_window.h"
#include "support/golden_file.h"
#include "session/run_journal.h"
#include "widgets/report_window_probe.h"
#include "widgets/run_record_report.h"

#include <QApplication>
#include <QDateEdit>
#include <QTableView>
#include <QTest>

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

class RunHistoryTest : public TransferFixture
{
protected:
    RunHistoryTest() : journalPath(folder.filePath(u"journal.jsonl"_s)) {}

    // A completed run of the job that began on that day of April at nine.
    void add(const QString &job, int day)
    {
        RunRecord record;
        record.run = u"run-%1-%2"_s.arg(job).arg(++m_runs);
        record.when = QDateTime(QDate(2026, 4, day), QTime(9, 0));
        record.job = job;
        record.result = u"completed"_s;
        RunJournal(journalPath, session.errorLog).append(record.toJson());
    }
    // Four runs of April: a transfer (10th), a dry run of a posting (12th), a refused purge (14th)
    // and a transfer that did not end (15th).
    void addFourRuns() { ASSERT_TRUE(QFile::copy(testSourceFile(u"main_window/four_runs.jsonl"_s), journalPath)); }

    void open()
    {
        window = std::make_unique<RunHistoryWindow>(session, journalPath);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QTableView *runs() const { return window->findChild<QTableView *>(u"msfRuns"_s); }
    QStringList column(int column) const
    {
        QStringList cells;
        for (int row = 0; row < window->model()->rowCount(); ++row)
            cells << window->model()->index(row, column).data().toString();
        return cells;
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    QTemporaryDir folder;
    const QString journalPath;
    std::unique_ptr<RunHistoryWindow> window;

private:
    int m_runs = 0;
};

TEST_F(RunHistoryTest, NewestFirstWithTheRecordOfEachAndFilteredByJobAndPeriod)
{
    addFourRuns();
    open();
    EXPECT_EQ(QApplication::focusWidget(), runs());
    EXPECT_EQ(column(RunHistoryModel::Job), (QStringList{u"Account Transfer"_s, u"Purge Data"_s,
                                                         u"Accounts Posting (dry run)"_s, u"Account Transfer"_s}));
    EXPECT_EQ(column(RunHistoryModel::Result),
              (QStringList{u"Did not end"_s, u"Refused"_s, u"Completed"_s, u"Completed"_s}));
    EXPECT_EQ(column(RunHistoryModel::When).last(), u"10-04-2026 09:00:00"_s);
    EXPECT_EQ(column(RunHistoryModel::Given).last(), u"destination=2 from=2026-04-01 source=1 to=2026-04-30"_s);
    EXPECT_EQ(column(RunHistoryModel::Duration).last(), u"1.5 s"_s);

    // Enter opens the whole record of the chosen run.
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    QStringList lines;
    QList<QList<QStringList>> tables;
    QString name;
    whenReportShown([&](ReportWindow &record) {
        name = record.objectName();
        lines = record.report().lines;
        tables = reportCells(record);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(record.isVisible());
    });
    press(Qt::Key_Return);
    EXPECT_EQ(name, u"frmRunRecord"_s);
    EXPECT_EQ(lines, (QStringList{u"Started: 12-04-2026 09:00:00"_s, u"Product: Vant"_s, u"Result: Completed"_s,
                                  u"Duration: 1.5 s"_s, u"Vouchers posted: 1"_s}));
    EXPECT_EQ(tables,
              (QList<QList<QStringList>>{
                  {},
                  {{u"Sub-numbers"_s, u"5"_s, u"2026"_s, u"30"_s, u"30"_s}},
                  {{u"8"_s, u"Refused"_s, u"The voucher does not balance"_s}, {u"9"_s, u"Not tried"_s, QString()}},
                  {},
              }));
    // Back in the list, on the same run.
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::focusWidget() == runs(); }, 1000));
    EXPECT_EQ(runs()->currentIndex().row(), 2);

    press(Qt::Key_J, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), u"cboJob"_s);
    press(Qt::Key_Down);
    EXPECT_EQ(column(RunHistoryModel::When), (QStringList{u"15-04-2026 09:00:00"_s, u"10-04-2026 09:00:00"_s}));
    press(Qt::Key_Down);
    EXPECT_EQ(column(RunHistoryModel::Job), QStringList{u"Accounts Posting (dry run)"_s});

    // The period: from the 11th to the 14th, of every job.
    press(Qt::Key_Home);
    window->findChild<QDateEdit *>(u"dtpSince"_s)->setDate(QDate(2026, 4, 11));
    window->findChild<QDateEdit *>(u"dtpUntil"_s)->setDate(QDate(2026, 4, 14));
    EXPECT_EQ(column(RunHistoryModel::Job), (QStringList{u"Purge Data"_s, u"Accounts Posting (dry run)"_s}));

    press(Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(RunHistoryTest, TheRecordOfATransferNamesTheCompanyAndThePeriod)
{
    addFourRuns();
    const QJsonObject transfer = RunJournal(journalPath, session.errorLog).read({u"transfer"_s, {}, {}, 0})->last();
    const Report report = runRecordReport(transfer, u"Kormo Traders (1)"_s, session.dateFormat);
    EXPECT_EQ(report.title, u"Run of Account Transfer"_s);
    EXPECT_EQ(report.period, u"01-04-2026 to 30-04-2026"_s);
    EXPECT_EQ(report.user, u"Admin"_s);
    EXPECT_EQ(report.tables.at(0).rows, (QList<QStringList>{{u"accvoucher2026"_s, u"2"_s, u"4"_s, u"0"_s}}));
    EXPECT_EQ(report.tables.at(1).rows,
              (QList<QStringList>{{u"Voucher numbers"_s, QString(), QString(), u"5"_s, u"6"_s}}));
    // A transfer posts no voucher: no table of vouchers, then the questions (none asked).
    ASSERT_EQ(report.tables.size(), 3);
    EXPECT_EQ(report.tables.at(2).title, u"Questions"_s);
}

// The list holds a page of runs; the end of the list reads the next. Runs that began meanwhile
// do not come twice.
TEST_F(RunHistoryTest, ALongJournalIsReadAPageAtATime)
{
    for (int i = 0; i < 250; ++i)
        add(u"transfer"_s, 1 + i % 28);
    open();
    EXPECT_EQ(window->model()->rowCount(), RunHistoryModel::kPage);
    // A run that begins now stands before those shown: the next page goes on after the last.
    add(u"purge"_s, 29);
    press(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(window->model()->rowCount(), 2 * RunHistoryModel::kPage - 1);
    press(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(window->model()->rowCount(), 250);
    EXPECT_FALSE(window->model()->canFetchMore({}));
    QSet<QString> ids;
    for (int row = 0; row < window->model()->rowCount(); ++row)
        ids.insert(window->model()->record(row).value(u"run"_s).toString());
    EXPECT_EQ(ids.size(), 250);
    EXPECT_FALSE(ids.contains(u"run-purge-251"_s));
    EXPECT_EQ(window->model()->record(249).value(u"run"_s).toString(), u"run-transfer-1"_s);
}

} // namespace
} // namespace vant::test
