#pragma once

#include "activation_return.h"
#include "session/run_report.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QTableWidget;
class QVBoxLayout;

namespace vant {

// What a job would do, from the record of its dry run: whether it would succeed, the rows per
// table, the numbers it would draw, the vouchers it would not post and the answers the questions
// were given. "Run" runs the job for real with the same values; the window then says whether the
// run did what the preview showed, and where it did not. Esc closes it, and the keyboard goes
// back to the window beneath.
class RunPreviewWindow : public QDialog
{
    Q_OBJECT

public:
    // Runs the job for real with the preview's values and gives the run's record.
    using RealRun = std::function<RunRecord()>;

    RunPreviewWindow(const RunReport &report, RunRecord preview, RealRun realRun, QWidget *parent);
    // A preview over the window, which takes no input until the preview is closed; it is gone then.
    static void openOver(QWidget *parent, const RunReport &report, RunRecord preview, RealRun realRun);

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addFacts(const RunReport &report);
    // The table under its heading; a table without rows is the text that stands for it.
    QWidget *addTable(QVBoxLayout *into, const RunReportTable &table, const QString &name);
    void runForReal();

    const RunRecord m_preview;
    RealRun m_realRun;
    QVBoxLayout *m_content = nullptr;
    QVBoxLayout *m_comparison = nullptr;
    QLabel *m_lblComparison = nullptr;
    QPushButton *m_cmdRun = nullptr;
    QPushButton *m_cmdClose = nullptr;
    QWidget *m_firstTable = nullptr;
    std::optional<ActivationReturn> m_activationReturn;
};

} // namespace vant
