#pragma once

#include "widgets/report_window.h"

#include <QApplication>
#include <QScopeGuard>
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

} // namespace vant::test
