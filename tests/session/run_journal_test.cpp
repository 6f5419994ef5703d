#include "session/error_report.h"
#include "session/run_journal.h"

#include "support/error_log_lines.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace vant {
namespace {

QJsonObject record(const QString &job, const QString &when, int number)
{
    return {{u"job"_s, job}, {u"when"_s, when}, {u"number"_s, number}};
}

QList<int> numbers(const Outcome<QList<QJsonObject>> &records)
{
    QList<int> list;
    EXPECT_TRUE(bool(records));
    for (const QJsonObject &r : *records)
        list << r.value(u"number"_s).toInt();
    return list;
}

// A journal and an error log in a temporary folder.
class RunJournalTest : public testing::Test
{
protected:
    QString path(const QString &name) const { return QDir(m_folder.path()).filePath(name); }

    QTemporaryDir m_folder;
    const ErrorLog m_log{path(u"vantlog.txt"_s), nullptr};
    RunJournal m_journal{path(u"state/journal.jsonl"_s), m_log};
};

// A journal that cannot be written costs the job nothing; the error log says so once while the
// program runs. A write that the disk refuses is not a record written either.
TEST_F(RunJournalTest, AnUnwritableJournalOrAFullDiskIsReportedOnceInTheLog)
{
    // A file where the journal's folder should be: no one, root included, can make the folder.
    QFile blocker(path(u"state"_s));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    m_journal.append(record(u"transfer"_s, u"2026-12-01T22:00:00"_s, 1));
    m_journal.append(record(u"transfer"_s, u"2026-12-02T22:00:00"_s, 2));
    // The next run's journal is the same file: it is not reported again.
    RunJournal(m_journal.path(), m_log).append(record(u"post"_s, u"2026-12-03T09:00:00"_s, 3));

    RunJournal(u"/dev/full"_s, m_log).append(record(u"transfer"_s, u"2026-12-01T22:00:00"_s, 1));

    const QStringList lines = test::logFileLines(path(u"vantlog.txt"_s));
    ASSERT_EQ(lines.size(), 10);
    EXPECT_TRUE(lines.at(3).startsWith(u"ErrMessage : The run journal "_s)) << lines.at(3).toStdString();
    EXPECT_EQ(lines.at(4), u"ErrEvent : RunJournal"_s);
    EXPECT_EQ(lines.at(8), u"ErrMessage : The run journal /dev/full cannot be written: No space left on device"_s);
    EXPECT_EQ(lines.at(9), u"ErrEvent : RunJournal"_s);
}

QJsonObject runRecord(const QString &run, const QString &when, const QString &result, int number)
{
    QJsonObject r = record(u"post"_s, when, number);
    r.insert(u"run"_s, run);
    r.insert(u"result"_s, result);
    return r;
}

// A run writes a record when it starts, as it goes on and when it ends: it is listed once, as its
// latest record says, in the order of its latest record. One that never ended is listed as it was
// last heard of.
TEST_F(RunJournalTest, EachRunIsListedOnceAsItsLatestRecordSays)
{
    EXPECT_EQ(numbers(m_journal.read({})), QList<int>());
    m_journal.append(record(u"purge"_s, u"2026-11-30T08:00:00"_s, 0)); // written before runs had ids
    m_journal.append(runRecord(u"a"_s, u"2026-12-01T22:00:00"_s, u"started"_s, 1));
    m_journal.append(runRecord(u"b"_s, u"2026-12-03T09:00:00"_s, u"started"_s, 2));
    m_journal.append(runRecord(u"a"_s, u"2026-12-01T22:00:00"_s, u"running"_s, 3));
    m_journal.append(runRecord(u"b"_s, u"2026-12-03T09:00:00"_s, u"completed"_s, 4));
    m_journal.append(runRecord(u"c"_s, u"2026-12-04T09:00:00"_s, u"started"_s, 5));
    m_journal.append(runRecord(u"a"_s, u"2026-12-01T22:00:00"_s, u"completed"_s, 6));
    // A posting of many vouchers: a record longer than the blocks the journal is read in.
    QJsonObject many = runRecord(u"d"_s, u"2026-12-05T09:00:00"_s, u"started"_s, 7);
    QJsonArray marked;
    for (int voucher = 0; voucher < 40000; ++voucher)
        marked.append(100000 + voucher);
    many.insert(u"marked"_s, marked);
    m_journal.append(many);

    // A crash or a full disk during an append leaves a line without its end: that line is passed
    // over, and the next record starts a line of its own. Records without ids stand each alone.
    QFile file(m_journal.path());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("{\"job\":\"tra");
    file.close();
    m_journal.append(record(u"purge"_s, u"2026-12-06T08:00:00"_s, 8));

    EXPECT_EQ(numbers(m_journal.read({})), QList<int>({8, 7, 6, 5, 4, 0}));
    EXPECT_EQ(numbers(m_journal.read({{}, {}, {}, 3})), QList<int>({8, 7, 6}));
    // Run a began before the 2nd, though it ended after runs that began later.
    EXPECT_EQ(numbers(m_journal.read({{}, QDate(2026, 12, 2), {}, 0})), QList<int>({8, 7, 5, 4}));
    EXPECT_EQ(numbers(m_journal.read({{}, QDate(2026, 12, 1), QDate(2026, 12, 3), 0})), QList<int>({6, 4}));
    EXPECT_EQ(numbers(m_journal.read({u"purge"_s, {}, {}, 0})), QList<int>({8, 0}));
}

// A device that counts the bytes read from it.
class CountingDevice : public QIODevice
{
public:
    explicit CountingDevice(QIODevice &inner) : m_inner(inner) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return false; }
    qint64 size() const override { return m_inner.size(); }
    bool seek(qint64 position) override { return QIODevice::seek(position) && m_inner.seek(position); }
    qint64 bytesRead = 0;

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 got = m_inner.read(data, maxSize);
        bytesRead += std::max<qint64>(got, 0);
        return got;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QIODevice &m_inner;
};

// The latest runs of a long journal, or those since a day, are found at its end: what is read
// follows the runs shown, not the journal's size.
TEST_F(RunJournalTest, TheLatestRunsAreReadFromTheEndAlone)
{
    QFile file(path(u"journal.jsonl"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const auto lines = [](const QString &run, const QString &when, int number) {
        return QJsonDocument(runRecord(run, when, u"started"_s, number)).toJson(QJsonDocument::Compact) + '\n'
               + QJsonDocument(runRecord(run, when, u"completed"_s, number)).toJson(QJsonDocument::Compact) + '\n';
    };
    // Runs of 1 December, each under its own id.
    const QByteArray earlierRun = lines(u"RUN"_s, u"2026-12-01T22:00:00"_s, 1);
    QByteArray earlier;
    for (int run = 0; run < 125000; ++run)
        earlier += QByteArray(earlierRun).replace("RUN", QByteArray::number(run));
    file.write(earlier);
    for (int number = 2; number <= 4; ++number)
        file.write(lines(u"last%1"_s.arg(number), u"2026-12-02T09:00:00"_s, number));
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    ASSERT_GT(file.size(), 20 * 1000 * 1000);

    for (const JournalFilter &filter : {JournalFilter{{}, {}, {}, 3}, JournalFilter{{}, QDate(2026, 12, 2), {}, 0}}) {
        CountingDevice counting(file);
        EXPECT_EQ(numbers(RunJournal::readRuns(counting, filter)), QList<int>({4, 3, 2}));
        EXPECT_LT(counting.bytesRead, 256 * 1024);
    }
}

} // namespace
} // namespace vant
