#pragma once

#include "report_paper.h"

#include <QDialog>

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

private:
    QTableWidget *addGrid(const ReportTable &table);
    void fitScreen();

    Report m_report;
    QTabWidget *m_tables = nullptr;
    ReportButtons *m_buttons = nullptr;
};

} // namespace vant
