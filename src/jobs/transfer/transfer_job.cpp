#include "transfer_job.h"

#include "db/sql_literals.h"
#include "session/company_context.h"
#include "session/session.h"
#include "session/text_helpers.h"
#include "session/user_prompts.h"

#include <QCoreApplication>

#include <algorithm>

namespace vant {

namespace {

constexpr int kProgressLimit = 200000;

QString period(const QString &dateColumn, const QDate &from, const QDate &to)
{
    return QStringLiteral(" and ") + dateColumn + QStringLiteral(" between '") + sqlDate(from)
           + QStringLiteral("' and '") + sqlDate(to) + QLatin1Char('\'');
}

QString voucherCountStatement(const Session &session, const QString &company, const QDate &from, const QDate &to)
{
    return QStringLiteral("select count(*) from ") + session.voucherTable + QStringLiteral(" where CompanyCode=")
           + sqlQuoted(company) + period(QStringLiteral("VoucherDt"), from, to);
}

// No company is held: the code is no whole number, or 0 (the box's "no company"); or none of
// the held code. The error of a name that could not be read.
Outcome<bool> companyMissing(Session &session, const QString &heldCode)
{
    const Outcome<QString> code = companyCodeOf(heldCode, QString());
    if (!code || *code == u"0")
        return true;
    const Outcome<QString> name = companyName(session, *code);
    if (!name)
        return name.error();
    return *name == QStringLiteral("NOTFOUND");
}

// Counts that failed, said as such before the database's words.
const char *const kSourceNotCounted = QT_TRANSLATE_NOOP(
    "vant::TransferJob", "The rows of the source company in the period could not be counted; nothing was changed.");
const char *const kDestinationNotCounted = QT_TRANSLATE_NOOP(
    "vant::TransferJob", "The vouchers of the destination company in the period could not be counted; nothing was "
                         "changed.");

bool outsideYear(const Session &session, const QDate &day)
{
    return day < session.finYearBegin || day > session.finYearEnd;
}

template<typename... Args>
void notify(const std::function<void(Args...)> &hook, Args... args)
{
    if (hook)
        hook(args...);
}

QString endName(TransferEnd end)
{
    switch (end) {
    case TransferEnd::Completed: return QStringLiteral("completed");
    case TransferEnd::Stopped: return QStringLiteral("stopped");
    case TransferEnd::Refused: return QStringLiteral("refused");
    case TransferEnd::Declined: return QStringLiteral("declined");
    case TransferEnd::Failed: break;
    }
    return QStringLiteral("failed");
}

} // namespace

TransferEnd TransferJob::Processtransfer(const TransferFeedback &feedback)
{
    const QJsonObject parameters{{QStringLiteral("source"), m_request.source()},
                                 {QStringLiteral("destination"), m_request.destination()},
                                 {QStringLiteral("from"), m_request.from.toString(Qt::ISODate)},
                                 {QStringLiteral("to"), m_request.to.toString(Qt::ISODate)}};
    RunWatch watch(m_session, QStringLiteral("transfer"), parameters, m_mode);
    watch.watchNumbers(m_request.destination());
    m_watch = &watch;
    QString refusal;
    const TransferEnd end = processSteps(feedback, refusal);
    m_watch = nullptr;
    m_record = watch.finish(endName(end), refusal.isEmpty() ? watch.reportedSince() : refusal);
    return end;
}

TransferEnd TransferJob::processSteps(const TransferFeedback &feedback, QString &refusalMessage)
{
    const auto checked = check();
    if (!checked) {
        // A company whose name cannot be read is no company found: the request stops with the report.
        m_session.ReportError(checked.error(), QString(), QStringLiteral("GetCompanyName"), true);
        return TransferEnd::Failed;
    }
    if (const auto &refusal = *checked) {
        refusalMessage = refusal->message;
        if (refusal->focusBeforeMessage)
            notify(feedback.focus, refusal->focus);
        m_session.prompts.message(
            QCoreApplication::translate("vant::TransferJob", refusal->message.toUtf8().constData()));
        if (!refusal->focusBeforeMessage)
            notify(feedback.focus, refusal->focus);
        return TransferEnd::Refused;
    }
    notify(feedback.checked);
    const Outcome<int> rows = rowCount();
    if (!rows)
        return failed(rows.error(), kSourceNotCounted);
    notify(feedback.counted, *rows);
    const Outcome<bool> confirmed = confirmOverwrite();
    if (!confirmed)
        return failed(confirmed.error(), kDestinationNotCounted);
    if (!*confirmed) {
        refusalMessage = QStringLiteral("The period's earlier copy was kept: an overwrite question was answered No");
        return TransferEnd::Declined;
    }
    const Outcome<TransferEnd> end = run(feedback);
    notify(feedback.runOver);
    return end ? *end : failed(end.error());
}

TransferEnd TransferJob::failed(const Error &error, const char *what)
{
    // The log keeps the program's words, the box speaks the user's language.
    Error logged = error;
    QString shown = error.description;
    if (what) {
        logged.description = QString::fromUtf8(what) + QStringLiteral("\r\n") + error.description;
        shown = QCoreApplication::translate("vant::TransferJob", what) + QStringLiteral("\r\n") + error.description;
    }
    m_session.ReportError(logged, kToolsWindowName, QStringLiteral("Processtransfer"), false);
    m_session.prompts.message(shown);
    return TransferEnd::Failed;
}

Outcome<std::optional<RequestRefusal>> TransferJob::check()
{
    const std::pair<QString, RequestRefusal> companies[] = {
        {m_request.sourceCode,
         {QStringLiteral(QT_TRANSLATE_NOOP("vant::TransferJob", "Parent Company Not Correct")),
          ToolsField::SourceCompany, false}},
        {m_request.destinationCode,
         {QStringLiteral(QT_TRANSLATE_NOOP("vant::TransferJob", "Destination Company Not Correct")),
          ToolsField::DestinationCompany, false}},
    };
    for (const auto &[heldCode, refusal] : companies) {
        const Outcome<bool> missing = companyMissing(m_session, heldCode);
        if (!missing)
            return missing.error();
        if (*missing)
            return std::optional(refusal);
    }
    return laterRefusal();
}

std::optional<RequestRefusal> TransferJob::laterRefusal()
{
    const TransferRequest &request = m_request;
    // The run clears the destination's transferred vouchers of the period: in the source
    // company itself those are its own posted vouchers.
    if (request.destination() == request.source())
        return RequestRefusal{
            QStringLiteral(QT_TRANSLATE_NOOP("vant::TransferJob",
                                             "Destination Company must be a Shadow Company, not the Source Company")),
            ToolsField::DestinationCompany, false};
    if (request.from > request.to)
        return RequestRefusal{QStringLiteral(QT_TRANSLATE_NOOP("vant::TransferJob", "From Date Greater than Do Date")),
                              ToolsField::FromDate, false};
    if (outsideYear(m_session, request.from))
        return RequestRefusal{
            QStringLiteral(QT_TRANSLATE_NOOP("vant::TransferJob", "From Date not in this Financial Period")),
            ToolsField::FromDate, true};
    if (outsideYear(m_session, request.to))
        return RequestRefusal{
            QStringLiteral(QT_TRANSLATE_NOOP("vant::TransferJob", "to Date not in this Financial Period")),
            ToolsField::ToDate, true};
    if (!CheckTransAvail(request.source()))
        return RequestRefusal{
            QStringLiteral(QT_TRANSLATE_NOOP("vant::TransferJob", "No Transaction to Transfer for this period")),
            ToolsField::None, false};
    return std::nullopt;
}

bool TransferJob::CheckTransAvail(const QString &companyCode)
{
    auto rs = m_session.openRecordset(voucherCountStatement(m_session, companyCode, m_request.from, m_request.to));
    if (!rs) {
        m_session.ReportError(rs.error(), kToolsWindowName, QStringLiteral("CheckTransAvail"), true);
        return false;
    }
    return !rs->eof() && leadingNumber(rs->text(0)) > 0;
}

Outcome<int> TransferJob::rowCount()
{
    const QString source = m_request.source();
    const QDate &from = m_request.from;
    const QDate &to = m_request.to;
    const QStringList statements = {
        voucherCountStatement(m_session, source, from, to),
        QStringLiteral("select count(*) from accpending where CompanyCode=") + sqlQuoted(source)
            + period(QStringLiteral("TransDate"), from, to),
        QStringLiteral("select count(*) from accchequedetails where CompanyCode=") + sqlQuoted(source)
            + period(QStringLiteral("ReceiveDate"), from, to),
    };
    qint64 rows = 0;
    for (const QString &statement : statements) {
        const auto counted = countRows(m_session, statement);
        if (!counted)
            return counted.error();
        rows += *counted;
    }
    return int(std::min<qint64>(rows, kProgressLimit));
}

Outcome<bool> TransferJob::confirmOverwrite()
{
    // A count that fails must not pass for an empty destination: the run would then clear
    // the earlier copy without asking.
    const auto copied =
        countRows(m_session, voucherCountStatement(m_session, m_request.destination(), m_request.from, m_request.to));
    if (!copied)
        return copied.error();
    if (*copied < 1)
        return true;
    // A run keeps each question with its answer in its record.
    const auto ask = [this](const char *question) {
        return m_watch ? m_watch->ask("vant::TransferJob", question)
                       : m_session.prompts.question(QCoreApplication::translate("vant::TransferJob", question));
    };
    return ask(QT_TRANSLATE_NOOP("vant::TransferJob", "Data Transfer already done for this period.\r\n"
                                                      " Do you want Overwrite with existing Data ? "))
           && ask(QT_TRANSLATE_NOOP("vant::TransferJob", "Any modification made during this period in Shadow "
                                                         "Company will be deleted.\r\nDo you want to proceed...?"));
}

} // namespace vant
