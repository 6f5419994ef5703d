#pragma once

// For window tests: what a run's preview window shows.

#include "widgets/run_preview_window.h"

#include <QLabel>
#include <QStringList>
#include <QTableWidget>

#include <gtest/gtest.h>

namespace vant::test {

// The rows of a table of the preview, their cells joined by "|"; the text in its place when the
// table has no row.
inline QStringList previewRows(const RunPreviewWindow *preview, const QString &name)
{
    if (const auto *empty = preview->findChild<QLabel *>(name))
        return {empty->text()};
    QStringList rows;
    const auto *grid = preview->findChild<QTableWidget *>(name);
    EXPECT_NE(grid, nullptr) << name.toStdString();
    for (int row = 0; grid && row < grid->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid->columnCount(); ++column)
            cells << grid->item(row, column)->text();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

inline QString previewText(const RunPreviewWindow *preview, const char *label)
{
    return preview->findChild<QLabel *>(QString::fromLatin1(label))->text();
}

} // namespace vant::test
