#pragma once

#include "activation_return.h"
#include "report_window.h"
#include "session/run_record.h"

#include <functional>
#include <optional>

class QPushButton;

namespace vant {

// What a job would do, from the record of its dry run, shown as a report that can be printed
// or saved: whether it would succeed, the rows per table, the numbers it would draw, the
// vouchers it would not post and the answers the questions were given. "Run" runs the job for
// real with the same values; the report then says whether the run did what the preview showed,
// and where it did not. Esc closes it, and the keyboard goes back to the window beneath.
class RunPreviewWindow : public ReportWindow
{
    Q_OBJECT

public:
    // Runs the job for real with the preview's values and gives the run's record.
    using RealRun = std::function<RunRecord()>;

    RunPreviewWindow(Report report, RunRecord preview, RealRun realRun, UserPrompts &prompts, QWidget *parent);
    // A preview over the window, which takes no input until the preview is closed; it is gone then.
    static void openOver(QWidget *parent, Report report, RunRecord preview, RealRun realRun, UserPrompts &prompts);

    void done(int result) override;

private:
    void runForReal();

    const RunRecord m_preview;
    RealRun m_realRun;
    QPushButton *m_runButton = nullptr;
    std::optional<ActivationReturn> m_activationReturn;
};

} // namespace vant
