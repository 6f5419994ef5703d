#include "session/error_report.h"
#include "session/run_journal.h"

#include <QDir>
#include <QFile>
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

TEST(RunJournalTest, AppendsOneRecordPerRunAndListsThemFiltered)
{
    QTemporaryDir folder;
    const ErrorLog log(QDir(folder.path()).filePath(u"vantlog.txt"_s), nullptr);
    RunJournal journal(QDir(folder.path()).filePath(u"state/journal.jsonl"_s), log);
    EXPECT_EQ(numbers(journal.read({})), QList<int>());
    journal.append(record(u"transfer"_s, u"2026-12-01T22:00:00"_s, 1));
    journal.append(record(u"post"_s, u"2026-12-02T09:30:00"_s, 2));
    journal.append(record(u"transfer"_s, u"2026-12-03T22:00:00"_s, 3));
    journal.append(record(u"purge"_s, u"2026-12-04T18:00:00"_s, 4));

    EXPECT_EQ(numbers(journal.read({})), QList<int>({1, 2, 3, 4}));
    EXPECT_EQ(numbers(journal.read({u"transfer"_s, {}, 0})), QList<int>({1, 3}));
    EXPECT_EQ(numbers(journal.read({{}, QDate(2026, 12, 3), 0})), QList<int>({3, 4}));
    EXPECT_EQ(numbers(journal.read({{}, {}, 2})), QList<int>({3, 4}));
    EXPECT_EQ(numbers(journal.read({u"transfer"_s, QDate(2026, 12, 2), 5})), QList<int>({3}));

    // A line that is no record (a torn write, say) is passed over.
    QFile file(journal.path());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("{\"job\":\"tra\n");
    file.close();
    journal.append(record(u"post"_s, u"2026-12-05T09:00:00"_s, 5));
    EXPECT_EQ(numbers(journal.read({u"post"_s, {}, 0})), QList<int>({2, 5}));
}

// A journal that cannot be written costs the job nothing; the error log says so once while the
// program runs.
TEST(RunJournalTest, AnUnwritableJournalIsReportedOnceInTheLog)
{
    QTemporaryDir folder;
    const QString logPath = QDir(folder.path()).filePath(u"vantlog.txt"_s);
    const ErrorLog log(logPath, nullptr);
    // A file where the journal's folder should be: no one, root included, can make the folder.
    QFile blocker(QDir(folder.path()).filePath(u"state"_s));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    RunJournal journal(QDir(folder.path()).filePath(u"state/journal.jsonl"_s), log);
    journal.append(record(u"transfer"_s, u"2026-12-01T22:00:00"_s, 1));
    journal.append(record(u"transfer"_s, u"2026-12-02T22:00:00"_s, 2));
    // The next run's journal is the same file: it is not reported again.
    RunJournal(journal.path(), log).append(record(u"post"_s, u"2026-12-03T09:00:00"_s, 3));

    QFile logFile(logPath);
    ASSERT_TRUE(logFile.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLatin1(logFile.readAll()).split(u"\r\n"_s, Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines.at(3).startsWith(u"ErrMessage : The run journal "_s)) << lines.at(3).toStdString();
    EXPECT_EQ(lines.at(4), u"ErrEvent : RunJournal"_s);
}

} // namespace
} // namespace vant
