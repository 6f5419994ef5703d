#pragma once

#include "report_paper.h"

#include <QDialog>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace vant {

class ReportButtons;
class UserPrompts;

// A report on screen: its heading and lines, each of its tables on a page of its own, and the
// buttons that print it or save it as PDF or CSV. Read only; Escape closes it.
class ReportWindow : public QDialog
{
    Q_OBJECT

public:
    ReportWindow(Report report, UserPrompts &prompts, QWidget *parent);

    const Report &report() const { return m_report; }
    ReportButtons *buttons() const { return m_buttons; }
    // The grid that shows the report's table of that index.
    QTableWidget *grid(int table) const;

protected:
    // Puts a button of the window's own before Close.
    void addButton(QPushButton *button);
    // Adds lines and tables to the report and to what the window shows; the first new table,
    // or else Close, takes the keyboard.
    void extend(const QStringList &lines, const QList<ReportTable> &tables);

private:
    void addTab(const ReportTable &table);
    QTableWidget *addGrid(const ReportTable &table);
    void showLines();
    void fitScreen();

    Report m_report;
    QLabel *m_lines = nullptr;
    QTabWidget *m_tables = nullptr;
    ReportButtons *m_buttons = nullptr;
    QHBoxLayout *m_bottom = nullptr;
    QPushButton *m_close = nullptr;
};

} // namespace vant
