#pragma once

#include <QDialog>

class QComboBox;
class QDateEdit;
class QPushButton;
class QTableView;

namespace vant {

struct Session;
class RunHistoryModel;

// The run history: the journal's runs newest first, filtered by job and by the days they began,
// and the whole record of the chosen run in a window of its own (Enter). Read only.
class RunHistoryWindow : public QDialog
{
    Q_OBJECT

public:
    RunHistoryWindow(Session &session, const QString &journalPath, QWidget *parent = nullptr);

    RunHistoryModel *model() const { return m_model; }
    // Shows the record of the run chosen in the list.
    void openRecord();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    QDateEdit *addDayFilter(const char *name);
    void applyFilter();

    Session &m_session;
    RunHistoryModel *m_model = nullptr;
    QComboBox *m_jobBox = nullptr;
    QDateEdit *m_sinceDateEdit = nullptr;
    QDateEdit *m_untilDateEdit = nullptr;
    QTableView *m_runsView = nullptr;
};

// Opens the run history of the user's journal over the window, modally.
void showRunHistory(Session &session, QWidget *parent);

} // namespace vant
