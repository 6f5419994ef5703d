#pragma once

#include "db/outcome.h"
#include "session/run_watch.h"
#include "transfer_request.h"

#include <functional>
#include <optional>

namespace vant {

struct Session;

// What a front end shows of a transfer while the job holds its thread. Every part is optional.
struct TransferFeedback
{
    std::function<void(const QString &caption)> caption = {};
    std::function<void()> showProgress = {};
    // The bar moves on by that many source rows, copied or skipped.
    std::function<void(int rows)> advance = {};
    // The request passed its checks: the count, the questions and the run follow.
    std::function<void()> checked = {};
    // The source rows the run handles, cut to the bar's limit: the bar's maximum.
    std::function<void(int rows)> counted = {};
    // A refused request sends the user back to this field, before or after its message as the
    // refusal says.
    std::function<void(ToolsField field)> focus = {};
    // The run is over, kept or not; a failure to begin or to commit it is reported after this.
    std::function<void()> runOver = {};
};

enum class TransferEnd {
    Completed, // committed; the caption says so
    Stopped,   // a step of the run failed, was reported and the transaction rolled back
    Refused,   // a check refused the request; its message was shown
    Declined,  // the user answered No to an overwrite question
    Failed,    // the count, a question's count or the run's frame failed; logged and shown
};

// The Account Transfer of one request as every front end runs it: the checks, the count of the
// rows for the progress bar, the overwrite questions and the run, each box through the session's
// prompts. Nothing is changed unless the run completes. Every request leaves its record in the
// run journal.
class TransferJob
{
public:
    TransferJob(Session &session, TransferRequest request, RunMode mode = RunMode::Real)
        : m_session(session), m_request(std::move(request)), m_mode(mode)
    {}

    const TransferRequest &request() const { return m_request; }
    // What the last Processtransfer did, as the run journal holds it.
    const RunRecord &record() const { return m_record; }

    // The Transfer button: every step below in turn, up to the first that stops the request.
    TransferEnd Processtransfer(const TransferFeedback &feedback);

    // The first check that the request fails, in the order the window tests them; the error of a
    // company name that could not be read.
    Outcome<std::optional<RequestRefusal>> check();
    // Source rows of the three kinds in the period, cut to the progress bar's limit; the error
    // of a count that failed.
    Outcome<int> rowCount();
    // When the destination already holds vouchers of the period, asks the two overwrite
    // questions; true when the run may go on. A count that fails asks nothing and comes back
    // as the error, which stops the request.
    Outcome<bool> confirmOverwrite();
    // Copies the period of the source company into the destination company in one transaction:
    // earlier copies of the period are cleared (and logged), divisions, vouchers (renumbered by
    // the accounts component), bill-wise and cheque rows are copied. Completed or Stopped; a
    // failure to begin or commit the transaction comes back as an error, everything rolled back.
    Outcome<TransferEnd> run(const TransferFeedback &feedback);

private:
    // The checks after the companies', in the window's order.
    std::optional<RequestRefusal> laterRefusal();
    // Processtransfer's steps; a refusal's message is kept for the journal.
    TransferEnd processSteps(const TransferFeedback &feedback, QString &refusal);
    // True when the company (its code as held) has a voucher dated in the request's period.
    bool CheckTransAvail(const QString &companyCode);
    // A failure from the counting on: logged under Processtransfer, its description shown, after
    // what failed when that is given (a count that changed nothing).
    TransferEnd failed(const Error &error, const char *what = nullptr);

    Session &m_session;
    const TransferRequest m_request;
    const RunMode m_mode;
    RunRecord m_record;
    // The journal's watch of the request in progress, which keeps the questions asked.
    RunWatch *m_watch = nullptr;
};

} // namespace vant
