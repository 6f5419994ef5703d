#include "session/qt_user_prompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace vant::test {

namespace {

// Runs the check on the box as soon as it is up, then answers it.
template<typename Dialog>
void whenShown(std::function<void(Dialog *)> answer)
{
    QTimer::singleShot(0, qApp, [answer] {
        auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(dialog);
    });
}

TEST(QtUserPromptsTest, MessageHasOneOkButtonAndTheIcon)
{
    QtUserPrompts prompts;
    whenShown<QMessageBox>([](QMessageBox *box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("VANT Login"));
        EXPECT_EQ(box->text(), QStringLiteral("Invalid Username or Password"));
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        box->accept();
    });
    prompts.message(QStringLiteral("Invalid Username or Password"), QStringLiteral("VANT Login"),
                    PromptIcon::Critical);
}

TEST(QtUserPromptsTest, QuestionDefaultsToNo)
{
    QtUserPrompts prompts;
    whenShown<QMessageBox>([](QMessageBox *box) {
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
        box->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(prompts.question(QStringLiteral("Continue?"), kProgramTitle));

    whenShown<QMessageBox>([](QMessageBox *box) { box->button(QMessageBox::No)->click(); });
    EXPECT_FALSE(prompts.question(QStringLiteral("Continue?"), kProgramTitle));
}

TEST(QtUserPromptsTest, TextPromptGivesTheTextOrNothing)
{
    QtUserPrompts prompts;
    whenShown<QInputDialog>([](QInputDialog *dialog) {
        EXPECT_EQ(dialog->labelText(), QStringLiteral("Enter the value"));
        EXPECT_EQ(dialog->textValue(), QStringLiteral("12"));
        dialog->setTextValue(QStringLiteral("42"));
        dialog->accept();
    });
    EXPECT_EQ(prompts.textPrompt(QStringLiteral("Enter the value"), kProgramTitle, QStringLiteral("12")),
              std::optional<QString>(QStringLiteral("42")));

    whenShown<QInputDialog>([](QInputDialog *dialog) { dialog->reject(); });
    EXPECT_EQ(prompts.textPrompt(QStringLiteral("Enter the value"), kProgramTitle, QString()), std::nullopt);
}

} // namespace

} // namespace vant::test
