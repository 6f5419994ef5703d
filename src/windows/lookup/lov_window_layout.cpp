// The lookup window's controls: the title line, the search boxes, the grids and the sort list.
#include "lov_window.h"

#include "lookup/lov_controller.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vant {

namespace {

constexpr int kDetailHeadWidth = 1100;
constexpr int kDetailVisibleRows = 7;

QTableWidget *makeGrid(QWidget *parent, const QString &name)
{
    auto *grid = new QTableWidget(parent);
    grid->setObjectName(name);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->verticalHeader()->setVisible(false);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setHighlightSections(false);
    return grid;
}

} // namespace

void LovWindow::buildTitleLine()
{
    auto *line = new QWidget(this);
    line->setFixedWidth(pixels(m_controller.gridWidth()));
    auto *row = new QHBoxLayout(line);
    row->setContentsMargins(0, 0, pixels(50), 0);
    m_headLabel = new QLabel(m_controller.title(), line);
    m_headLabel->setObjectName(QStringLiteral("LblHead"));
    m_recordCountLabel = new QLabel(line);
    m_recordCountLabel->setObjectName(QStringLiteral("LblTotalRec"));
    m_recordCountLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(m_headLabel, 1);
    row->addWidget(m_recordCountLabel);
    layout()->addWidget(line);
}

void LovWindow::buildSearchBoxes()
{
    auto *line = new QWidget(this);
    auto *row = new QHBoxLayout(line);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const QList<LovColumn> &columns = m_controller.columns();
    for (int box = 1; box <= m_controller.searchBoxCount(); ++box) {
        auto *edit = new QLineEdit(line);
        edit->setObjectName(box == 1 ? QStringLiteral("searchtxthlp") : QStringLiteral("searchtxthlp%1").arg(box));
        // The window edits the search text itself; the box only shows it.
        edit->setReadOnly(true);
        const int column = m_controller.searchBoxColumn(box);
        // The box holds what is typed to search the list, or the column under it.
        edit->setAccessibleName(column == 0 ? tr("Search")
                                            : tr("Search %1").arg(columns.at(column - 1).head.trimmed()));
        if (column == 0)
            edit->setFixedWidth(pixels(m_controller.gridWidth()));
        else
            edit->setFixedWidth(pixels(columns.at(column - 1).width + (box == 1 ? LovController::kSerialWidth : 0)));
        edit->installEventFilter(this);
        row->addWidget(edit);
        m_searchBoxes << edit;
    }
    row->addStretch();
    line->setFixedWidth(pixels(m_controller.gridWidth()));
    layout()->addWidget(line);
}

void LovWindow::buildBrowseGrid()
{
    m_browseGrid = makeGrid(this, QStringLiteral("MsfBrowse"));
    m_browseGrid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_browseGrid->setColumnCount(int(m_controller.columns().size()) + 1);
    m_browseGrid->setColumnWidth(0, pixels(LovController::kSerialWidth));
    m_browseGrid->horizontalHeader()->viewport()->installEventFilter(this);
    m_browseGrid->setFixedSize(pixels(m_controller.gridWidth()), browseGridHeight(m_controller.pageRows()));
    layout()->addWidget(m_browseGrid);

    connect(m_browseGrid, &QTableWidget::cellClicked, this, [this](int row) {
        m_controller.setCurrentRow(row + 1);
        currentSearchBox()->setFocus();
    });
    connect(m_browseGrid, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        m_controller.setCurrentRow(row + 1);
        m_controller.choose();
    });
}

void LovWindow::buildDetailGrid()
{
    const QStringList heads = m_controller.detailHeads();
    m_recordGrid = makeGrid(this, QStringLiteral("MsfDetail"));
    m_recordGrid->horizontalHeader()->setVisible(false);
    m_recordGrid->setColumnCount(2);
    m_recordGrid->setRowCount(int(heads.size()));
    const int gridWidth = pixels(m_controller.gridWidth());
    m_recordGrid->setColumnWidth(0, pixels(kDetailHeadWidth));
    m_recordGrid->setColumnWidth(1, gridWidth - pixels(kDetailHeadWidth) - pixels(30));
    for (int row = 0; row < heads.size(); ++row) {
        auto *head = new QTableWidgetItem(heads.at(row));
        head->setBackground(palette().color(QPalette::Button));
        head->setForeground(Qt::black);
        m_recordGrid->setItem(row, 0, head);
        m_recordGrid->setItem(row, 1, new QTableWidgetItem);
    }
    const int shownRows = std::min(int(heads.size()), kDetailVisibleRows);
    m_recordGrid->setVerticalScrollBarPolicy(heads.size() > kDetailVisibleRows ? Qt::ScrollBarAlwaysOn
                                                                               : Qt::ScrollBarAlwaysOff);
    m_recordGrid->setFixedSize(
        gridWidth, shownRows * m_recordGrid->verticalHeader()->defaultSectionSize() + 2 * m_recordGrid->frameWidth());
    m_recordGrid->setVisible(!heads.isEmpty());
    connect(m_recordGrid, &QTableWidget::cellClicked, this, [this] { currentSearchBox()->setFocus(); });
    layout()->addWidget(m_recordGrid);
    if (!heads.isEmpty())
        static_cast<QVBoxLayout *>(layout())->addSpacing(pixels(10));
}

void LovWindow::buildSortList()
{
    m_sortList = new QTreeWidget(this);
    m_sortList->setObjectName(QStringLiteral("Lv"));
    m_sortList->setHeaderLabels({tr("Sort on")});
    m_sortList->setRootIsDecorated(false);
    m_sortList->setFocusPolicy(Qt::NoFocus);
    m_sortList->hide();
    connect(m_sortList, &QTreeWidget::itemChanged, this, &LovWindow::sortListTicked);
}

} // namespace vant
