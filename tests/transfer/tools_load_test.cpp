#include "transfer/tools_load.h"

#include "session/error_report.h"
#include "transfer/company_box.h"
#include "transfer_fixture.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace vant::test {
namespace {

class ToolsLoadTest : public TransferFixture
{
protected:
    // Looks at the modal window once it is up, then leaves it with Escape.
    void inspectThenEscape(const std::function<void(frmVantTools *)> &inspect)
    {
        QTimer::singleShot(0, [inspect] {
            auto *window = qobject_cast<frmVantTools *>(QApplication::activeModalWidget());
            inspect(window);
            if (window)
                QTest::keyClick(window, Qt::Key_Escape);
        });
    }
};

TEST_F(ToolsLoadTest, EachOpeningIsAFreshModalWindowInItsMode)
{
    QList<frmVantTools *> seen;
    inspectThenEscape([&](frmVantTools *window) {
        ASSERT_NE(window, nullptr);
        seen << window;
        EXPECT_TRUE(window->isModal());
        EXPECT_EQ(window->ToolsScreen(), 1);
        window->findChild<CompanyBox *>(QStringLiteral("txtDestinationCompany"))->setText(QStringLiteral("typed"));
    });
    openToolsWindow(session, 1, {}, nullptr);

    inspectThenEscape([&](frmVantTools *window) {
        ASSERT_NE(window, nullptr);
        seen << window;
        EXPECT_EQ(window->ToolsScreen(), 1);
        EXPECT_TRUE(window->findChild<CompanyBox *>(QStringLiteral("txtDestinationCompany"))->text().isEmpty());
    });
    openToolsWindow(session, 1, {}, nullptr);

    inspectThenEscape([&](frmVantTools *window) {
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->ToolsScreen(), 0);
    });
    VantToolsLoad(session, 0, nullptr);

    EXPECT_EQ(seen.size(), 2);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(prompts.boxes().isEmpty());
}

TEST_F(ToolsLoadTest, WindowThatCannotOpenIsReported)
{
    VantToolsLoad(session, 2, nullptr);
    EXPECT_EQ(prompts.texts(),
              QStringList({errorReportMessage({340, QStringLiteral("Control array element '2' doesn't exist")})}));
    EXPECT_EQ(logLines().last(), u"ErrEvent : VantToolsLoad");
}

} // namespace
} // namespace vant::test
