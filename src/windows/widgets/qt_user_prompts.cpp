#include "qt_user_prompts.h"

#include "activation_return.h"

#include <QApplication>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace vant {

namespace {

QMessageBox::Icon boxIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Information: return QMessageBox::Information;
    case PromptIcon::Question: return QMessageBox::Question;
    case PromptIcon::Warning: return QMessageBox::Warning;
    case PromptIcon::Critical: return QMessageBox::Critical;
    case PromptIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

// While a box is up: the ordinary pointer over it, though a long run beneath shows the wait
// cursor; and once it has closed, the window beneath active again.
class BoxScope
{
public:
    BoxScope() : m_pointer(QGuiApplication::overrideCursor() != nullptr)
    {
        if (m_pointer)
            QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~BoxScope()
    {
        if (m_pointer)
            QGuiApplication::restoreOverrideCursor();
    }
    BoxScope(const BoxScope &) = delete;
    BoxScope &operator=(const BoxScope &) = delete;

private:
    ActivationReturn m_activation;
    const bool m_pointer;
};

} // namespace

QWidget *QtUserPrompts::owner()
{
    return QApplication::activeWindow();
}

void QtUserPrompts::message(const QString &text, const QString &title, PromptIcon icon)
{
    const BoxScope scope;
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Ok, owner());
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

bool QtUserPrompts::question(const QString &text, const QString &title)
{
    const BoxScope scope;
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, owner());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtUserPrompts::textPrompt(const QString &prompt, const QString &title,
                                                 const QString &defaultText)
{
    const BoxScope scope;
    bool accepted = false;
    const QString answer = QInputDialog::getText(owner(), title, prompt, QLineEdit::Normal, defaultText, &accepted);
    if (!accepted)
        return std::nullopt;
    return answer;
}

} // namespace vant
