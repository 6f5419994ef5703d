#pragma once

#include "bench_data.h"
#include "bench_jobs.h"
#include "bench_profile.h"

#include "db/database.h"
#include "session/company_context.h"
#include "session/session.h"
#include "session/user_prompts.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace vant::bench {

// The boxes of a job go to standard error; every question is answered Yes.
class SilentPrompts : public UserPrompts
{
public:
    void message(const QString &text, const QString &, PromptIcon) override
    {
        std::fprintf(stderr, "box: %s\n", qPrintable(text));
    }
    bool question(const QString &, const QString &) override { return true; }
    std::optional<QString> textPrompt(const QString &, const QString &, const QString &) override { return {}; }
};

// A value of /proc/self/status in KiB.
qint64 statusKiB(const char *name);
// The CPU time this process has used, in milliseconds.
double processCpuMs();
// The first value of the statement's result; "error" when the statement fails.
QString scalarText(Database &db, const QString &statement);

// A child's session on its database file, with the clock and the statement count of the action
// being measured.
struct Bench
{
    SilentPrompts prompts;
    Session session;
    QElapsedTimer timer;
    double cpuAtStart = 0;
    int statementsAtStart = 0;
    bool profile = false;

    Bench(const QString &file)
        : session(prompts, QDir(QFileInfo(file).absolutePath()).filePath(QStringLiteral("vantlog.txt")))
    {
        session.dbConnection = connectDatabase(file);
        session.quoteChar = QStringLiteral("'");
        session.productCode = QStringLiteral("Accounts");
        if (session.dbConnection)
            DefaultCompanySet(session);
    }
    Database &db() { return *session.dbConnection; }
    void start()
    {
        if (profile)
            startProfile();
        statementsAtStart = db().statementCount();
        cpuAtStart = processCpuMs();
        timer.start();
    }
    Measure stop(const QString &action, int rows)
    {
        Measure measure{action, double(timer.nsecsElapsed()) / 1e6, db().statementCount() - statementsAtStart, rows,
                        {},     processCpuMs() - cpuAtStart};
        if (profile)
            printProfile(action, 8);
        return measure;
    }
    // Keeps the measure of an action that was done, with what it left in the database.
    bool keep(JobRun &run, Measure measure, bool done, QString (*check)(Database &db))
    {
        if (!done)
            return false;
        // The check reads what the job left after its peak memory is taken.
        run.peakKiB = statusKiB("VmHWM");
        measure.check = check(db());
        run.measures << measure;
        return true;
    }
    // Runs statements in one transaction, as a reference.
    bool runAll(const QStringList &statements)
    {
        if (!db().beginTransaction())
            return false;
        for (const QString &statement : statements) {
            if (Status done = db().execute(statement); !done) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(statement), qPrintable(done.error().description));
                db().rollbackTransaction();
                return false;
            }
        }
        return bool(db().commitTransaction());
    }
};

// The transfer and the posting, each through the program's job object and as the set-based SQL
// of the same work, its reference.
bool transferJob(Bench &bench, JobRun &run);
bool transferReference(Bench &bench, JobRun &run);
bool postingJob(Bench &bench, JobRun &run);
bool postingReference(Bench &bench, JobRun &run);

} // namespace vant::bench
