#pragma once

// For window tests: what a run's preview window shows.

#include "report_window_probe.h"

#include "widgets/run_preview_window.h"

#include <QLabel>
#include <QStringList>
#include <QTabWidget>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace vant::test {

// The grid of the preview's table of that title; null when it has none.
inline QTableWidget *previewTable(const RunPreviewWindow *preview, const QString &title)
{
    const auto *tabs = preview->findChild<QTabWidget *>(QStringLiteral("tabReportTables"));
    for (int i = 0; tabs && i < tabs->count(); ++i) {
        if (tabs->tabText(i).startsWith(title + QStringLiteral(" (")))
            return preview->grid(i);
    }
    return nullptr;
}

// The rows of the preview's table of that title, their cells joined by "|".
inline QStringList previewRows(const RunPreviewWindow *preview, const QString &title)
{
    QStringList rows;
    const QTableWidget *grid = previewTable(preview, title);
    EXPECT_NE(grid, nullptr) << title.toStdString();
    for (const QStringList &cells : gridCells(grid))
        rows << cells.join(QLatin1Char('|'));
    return rows;
}

// The lines of the preview's heading: the company, the period, then the lines of its own.
inline QStringList previewLines(const RunPreviewWindow *preview)
{
    return preview->findChild<QLabel *>(QStringLiteral("lblReportLines"))->text().split(QLatin1Char('\n'));
}

} // namespace vant::test
