#pragma once

#include "widgets/report_window.h"

#include <QApplication>
#include <QScopeGuard>
#include <QStringList>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace vant::test {

// Looks at the report window that is about to open as soon as it is up and has the keyboard,
// then closes it if the look did not: a window left open would hold the test for ever.
inline void whenReportShown(std::function<void(ReportWindow &)> look)
{
    auto *poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, look] {
        auto *window = qobject_cast<ReportWindow *>(QApplication::activeModalWidget());
        if (!window)
            return;
        poll->stop();
        poll->deleteLater();
        const auto close = qScopeGuard([window] { window->reject(); });
        // A window counts as active while the one it was opened over is: wait for its own turn.
        ASSERT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 2000));
        look(*window);
    });
    poll->start();
}

// The cells of a grid, row by row.
inline QList<QStringList> gridCells(const QTableWidget *grid)
{
    QList<QStringList> rows;
    for (int row = 0; grid && row < grid->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < grid->columnCount(); ++column)
            cells << grid->item(row, column)->text();
        rows << cells;
    }
    return rows;
}

// The cells of every table of a report window.
inline QList<QList<QStringList>> reportCells(const ReportWindow &window)
{
    QList<QList<QStringList>> tables;
    for (int table = 0; table < window.report().tables.size(); ++table)
        tables << gridCells(window.grid(table));
    return tables;
}

} // namespace vant::test
