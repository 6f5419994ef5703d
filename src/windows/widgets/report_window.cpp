#include "report_window.h"

#include "report_buttons.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vant {

ReportWindow::ReportWindow(Report report, UserPrompts &prompts, QWidget *parent)
    : QDialog(parent), m_report(std::move(report))
{
    setModal(true);
    setWindowTitle(m_report.title);
    auto *layout = new QVBoxLayout(this);

    m_lines = new QLabel(this);
    m_lines->setObjectName(QStringLiteral("lblReportLines"));
    m_lines->setTextFormat(Qt::PlainText);
    m_lines->setWordWrap(true);
    showLines();
    layout->addWidget(m_lines);

    m_tables = new QTabWidget(this);
    m_tables->setObjectName(QStringLiteral("tabReportTables"));
    m_tables->setAccessibleName(tr("Tables"));
    m_tables->tabBar()->setAccessibleName(tr("Tables"));
    for (const ReportTable &table : m_report.tables)
        addTab(table);
    m_tables->setVisible(!m_report.tables.isEmpty());
    layout->addWidget(m_tables, 1);

    m_bottom = new QHBoxLayout;
    m_buttons = new ReportButtons([this] { return m_report; }, prompts, this);
    m_bottom->addWidget(m_buttons);
    m_bottom->addStretch(1);
    m_close = new QPushButton(tr("C&lose"), this);
    m_close->setObjectName(QStringLiteral("cmdClose"));
    m_close->setAutoDefault(false);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    m_bottom->addWidget(m_close);
    layout->addLayout(m_bottom);
    // The keyboard starts in the first table: the arrows move through its rows at once.
    if (QTableWidget *first = grid(0))
        first->setFocus();
    else
        m_close->setFocus();
    fitScreen();
}

void ReportWindow::addButton(QPushButton *button)
{
    m_bottom->insertWidget(m_bottom->indexOf(m_close), button);
    setTabOrder(button, m_close);
}

void ReportWindow::extend(const QStringList &lines, const QList<ReportTable> &tables)
{
    m_report.lines << lines;
    showLines();
    const int first = m_tables->count();
    for (const ReportTable &table : tables) {
        m_report.tables << table;
        addTab(table);
    }
    m_tables->setVisible(!m_report.tables.isEmpty());
    if (QTableWidget *added = grid(first)) {
        m_tables->setCurrentIndex(first);
        added->setFocus();
    } else {
        m_close->setFocus();
    }
}

void ReportWindow::showLines()
{
    QStringList heading{m_report.company, tr("Period: %1").arg(m_report.period)};
    heading << m_report.lines;
    m_lines->setText(heading.join(u'\n'));
}

void ReportWindow::addTab(const ReportTable &table)
{
    m_tables->addTab(addGrid(table), tr("%1 (%2)").arg(table.title).arg(table.rows.size()));
}

QTableWidget *ReportWindow::grid(int table) const
{
    return qobject_cast<QTableWidget *>(m_tables->widget(table));
}

QTableWidget *ReportWindow::addGrid(const ReportTable &table)
{
    auto *grid = new QTableWidget(int(table.rows.size()), int(table.headers.size()), this);
    grid->setObjectName(QStringLiteral("msfReportTable%1").arg(m_tables->count()));
    grid->setAccessibleName(table.title);
    grid->setHorizontalHeaderLabels(table.headers);
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setTabKeyNavigation(false);
    grid->setWordWrap(false);
    for (int row = 0; row < table.rows.size(); ++row) {
        const QStringList &cells = table.rows.at(row);
        for (int column = 0; column < table.headers.size() && column < cells.size(); ++column)
            grid->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
    grid->resizeColumnsToContents();
    if (grid->rowCount() > 0)
        grid->setCurrentCell(0, 0);
    return grid;
}

// As wide as the widest table wants, inside the screen's available area.
void ReportWindow::fitScreen()
{
    int wanted = 0;
    for (int i = 0; i < m_tables->count(); ++i) {
        const QTableWidget *table = grid(i);
        int width = 0;
        for (int column = 0; column < table->columnCount(); ++column)
            width += table->columnWidth(column);
        wanted = std::max(wanted, width + 4 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width());
    }
    const QRect available = screen()->availableGeometry();
    const QSize size(std::min(std::max(wanted + 40, 640), available.width() * 9 / 10),
                     std::min(available.height() * 8 / 10, 640));
    resize(size.expandedTo(minimumSizeHint()).boundedTo(available.size()));
}

} // namespace vant
