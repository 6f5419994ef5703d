#include "qt_user_prompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace vant {

namespace {

QMessageBox::Icon boxIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::Warning:
        return QMessageBox::Warning;
    case PromptIcon::Critical:
        return QMessageBox::Critical;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

QWidget *QtUserPrompts::owner()
{
    return QApplication::activeWindow();
}

void QtUserPrompts::message(const QString &text, const QString &title, PromptIcon icon)
{
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, owner());
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

bool QtUserPrompts::question(const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, owner());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtUserPrompts::textPrompt(const QString &prompt, const QString &title,
                                                 const QString &defaultText)
{
    bool accepted = false;
    const QString answer = QInputDialog::getText(owner(), title, prompt, QLineEdit::Normal, defaultText, &accepted);
    if (!accepted)
        return std::nullopt;
    return answer;
}

} // namespace vant
