#include "run_watch.h"

#include "products.h"
#include "run_journal.h"
#include "session.h"
#include "user_prompts.h"

#include <QCoreApplication>

#include <QUuid>

namespace vant {

namespace {

QString productName(const QString &code)
{
    for (const Product &product : products()) {
        if (product.code == code)
            return product.name;
    }
    return code;
}

} // namespace

RunWatch::RunWatch(Session &session, const QString &job, const QJsonObject &parameters, RunMode mode)
    : m_session(session), m_reportsBefore(session.errorLog.reportCount())
{
    m_timer.start();
    m_record.run = QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_record.when = QDateTime::currentDateTime();
    m_record.user = session.userName;
    m_record.product = productName(session.productCode);
    m_record.company = session.companyCode;
    m_record.job = job;
    m_record.dryRun = mode == RunMode::DryRun;
    m_record.parameters = parameters;
    if (Database *db = session.db())
        db->setChangeTally(&m_tally);
    write(kRunStarted);
}

RunWatch::~RunWatch()
{
    if (Database *db = m_session.db())
        db->setChangeTally(nullptr);
}

void RunWatch::watchNumbers(const QString &companyCode)
{
    m_numberingCompany = companyCode;
    if (Database *db = m_session.db()) {
        if (auto counters = VoucherCounters::read(*db, companyCode))
            m_counters = *counters;
    }
}

QString RunWatch::reportedSince() const
{
    return m_session.errorLog.reportCount() > m_reportsBefore ? m_session.errorLog.lastReport() : QString();
}

bool RunWatch::ask(const char *context, const char *question)
{
    const QString shown = QCoreApplication::translate(context, question);
    const bool answer = m_session.prompts.question(shown);
    m_record.questions.append({QString::fromUtf8(question), shown, answer});
    return answer;
}

void RunWatch::committed()
{
    if (!m_finished && !m_record.dryRun)
        write(kRunGoingOn);
}

const RunRecord &RunWatch::finish(const QString &result, const QString &message)
{
    if (m_finished)
        return m_record;
    m_finished = true;
    m_record.message = message;
    write(result);
    if (Database *db = m_session.db())
        db->setChangeTally(nullptr);
    return m_record;
}

void RunWatch::write(const QString &result)
{
    m_record.result = result;
    m_record.tables = m_tally.tables();
    Database *db = m_session.db();
    if (db && m_counters) {
        if (auto now = VoucherCounters::read(*db, m_numberingCompany))
            m_record.numbers = now->since(*m_counters);
    }
    m_record.durationMs = m_timer.elapsed();
    RunJournal(RunJournal::defaultPath(), m_session.errorLog).append(m_record.toJson());
}

} // namespace vant
