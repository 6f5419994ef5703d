// The real program's boxes: each shows what it was given and answers as the user chose.
#include "widgets/qt_user_prompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

// Runs the check on the box as soon as it is up; the check answers it.
template<typename Dialog, typename Check>
void whenShown(Check check)
{
    QTimer::singleShot(0, qApp, [check] { check(qobject_cast<Dialog *>(QApplication::activeModalWidget())); });
}

TEST(QtUserPromptsTest, MessageQuestionAndTextPrompt)
{
    QtUserPrompts prompts;
    whenShown<QMessageBox>([](QMessageBox *box) {
        EXPECT_EQ(box->windowTitle(), u"VANT Login"_s);
        EXPECT_EQ(box->text(), u"Invalid Username or Password"_s);
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        box->accept();
    });
    prompts.message(u"Invalid Username or Password"_s, u"VANT Login"_s, PromptIcon::Critical);

    // A question defaults to No.
    whenShown<QMessageBox>([](QMessageBox *box) {
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(prompts.question(u"Continue?"_s, kProgramTitle));
    whenShown<QMessageBox>([](QMessageBox *box) { box->button(QMessageBox::No)->click(); });
    EXPECT_FALSE(prompts.question(u"Continue?"_s, kProgramTitle));

    whenShown<QInputDialog>([](QInputDialog *dialog) {
        EXPECT_EQ(dialog->textValue(), u"12"_s);
        dialog->setTextValue(u"42"_s);
        dialog->accept();
    });
    EXPECT_EQ(prompts.textPrompt(u"Enter the value"_s, kProgramTitle, u"12"_s), std::optional<QString>(u"42"_s));
    whenShown<QInputDialog>([](QInputDialog *dialog) { dialog->reject(); });
    EXPECT_EQ(prompts.textPrompt(u"Enter the value"_s, kProgramTitle, QString()), std::nullopt);
}

// Without a window manager nothing else gives the activation back once a box has closed: the
// window beneath would take no keys.
TEST(QtUserPromptsTest, TheWindowBeneathIsActiveAgainAfterEveryBox)
{
    QWidget beneath;
    beneath.show();
    QApplication::setActiveWindow(&beneath);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&beneath));
    QtUserPrompts prompts;
    const std::function<void()> boxes[] = {
        [&prompts] { prompts.message(u"Purge Data Completed"_s, kProgramTitle, PromptIcon::None); },
        [&prompts] { prompts.question(u"Continue?"_s, kProgramTitle); },
        [&prompts] { prompts.textPrompt(u"Enter the value"_s, kProgramTitle, QString()); },
    };
    for (const auto &box : boxes) {
        QTimer::singleShot(0, qApp, [] { QApplication::activeModalWidget()->close(); });
        box();
        EXPECT_TRUE(QTest::qWaitFor([&beneath] { return QApplication::activeWindow() == &beneath; }, 1000));
    }
}

} // namespace
} // namespace vant::test
