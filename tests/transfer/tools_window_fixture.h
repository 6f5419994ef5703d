#pragma once

#include "transfer_fixture.h"

#include "transfer/company_box.h"
#include "transfer/tools_window.h"

#include <QDateEdit>
#include <QTest>

#include <memory>

namespace vant::test {

inline const QDate kApril10(2026, 4, 10);

// The tools window on the fixture's session, on screen with the keyboard.
class ToolsWindowFixture : public TransferFixture
{
protected:
    // The window in a mode (1 transfer, 0 purge), no box shown yet.
    void open(int mode, CompanyPicker picker = {})
    {
        auto loaded = ToolsWindow::load(session, mode, std::move(picker));
        ASSERT_TRUE(bool(loaded));
        window = std::move(*loaded);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        prompts.clear();
    }
    // Transfer mode with company 2 chosen for the period.
    void openReady(const QDate &from, const QDate &to)
    {
        open(1);
        control<CompanyBox>("txtDestinationCompany")->hold(QStringLiteral("Kormo Shadow One"), QStringLiteral("2"));
        control<QDateEdit>("txtFromDate")->setDate(from);
        control<QDateEdit>("txtToDate")->setDate(to);
    }

    template<typename T = QWidget>
    T *control(const char *name) const
    {
        return window->findChild<T *>(QString::fromLatin1(name));
    }

    std::unique_ptr<ToolsWindow> window;
};

} // namespace vant::test
