#pragma once

#include "db/outcome.h"
#include "transfer/transfer_job.h"

#include <QDialog>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>

class QDateEdit;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;

namespace vant {

struct Session;
class CompanyBox;

// Picks one of a company's shadow companies: the chosen name and code, "Nothing" first
// when nothing was chosen, an empty list when the pick failed.
using CompanyPicker = std::function<QStringList(const QString &parentCode, const QString &searchText)>;

// The tools window: Account Transfer (ToolsScreen 1) or Purge Data (ToolsScreen 0).
class ToolsWindow : public QDialog
{
    Q_OBJECT

public:
    // A window in the given mode; a mode without a panel cannot be opened.
    static Outcome<std::unique_ptr<ToolsWindow>> load(Session &session, int toolsScreen, CompanyPicker picker,
                                                      QWidget *parent = nullptr);

    int ToolsScreen() const { return m_toolsScreen; }
    // The defaults of transfer mode: the current company as source, today as the period.
    void StoreDefaults();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ToolsWindow(Session &session, int toolsScreen, CompanyPicker picker, QWidget *parent);

    void buildControls();
    void placeControls();
    void previewKeys();
    bool handleKey(QWidget *control, int key);
    void moveFocus(QWidget *from, int step);
    void lookupDestination();
    void process();
    void Processtransfer();
    void checkCopy();
    // The request of the window's values.
    TransferRequest request() const;
    // Runs the job, showing its captions and progress; the run's end as the window shows it.
    TransferEnd runJob(TransferJob &job);
    // The transfer of the request for real, as the Transfer button runs it; the run's record.
    RunRecord transfer(const TransferRequest &request);
    // The request as a dry run, then its preview, from which it can be run for real.
    void preview();
    void endRun(TransferEnd end);
    QWidget *fieldWidget(ToolsField field) const;
    QWidget *controlOf(QObject *object) const;

    Session &m_session;
    const int m_toolsScreen;
    CompanyPicker m_picker;

    QFrame *m_borderFrame = nullptr;
    QFrame *m_topFrame = nullptr;
    QLabel *m_titleLabel = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QFrame *m_progressFrame = nullptr;
    std::array<QFrame *, 2> m_screenPanels{};
    QLabel *m_purgeLabel = nullptr;
    CompanyBox *m_sourceCompanyBox = nullptr;
    CompanyBox *m_destinationCompanyBox = nullptr;
    QDateEdit *m_fromDateEdit = nullptr;
    QDateEdit *m_toDateEdit = nullptr;
    QPushButton *m_previewButton = nullptr;
    QPushButton *m_processButton = nullptr;
    QPushButton *m_exitButton = nullptr;
    QPushButton *m_checkCopyButton = nullptr;
    QList<QWidget *> m_tabOrder;
};

} // namespace vant
