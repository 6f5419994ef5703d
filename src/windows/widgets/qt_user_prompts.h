#pragma once

#include "session/user_prompts.h"

class QWidget;

namespace vant {

// The program's boxes as Qt dialogs: message boxes and the text-input prompt, modal
// over the active window.
class QtUserPrompts : public UserPrompts
{
public:
    void message(const QString &text, const QString &title, PromptIcon icon) override;
    bool question(const QString &text, const QString &title) override;
    std::optional<QString> textPrompt(const QString &prompt, const QString &title, const QString &defaultText) override;

private:
    static QWidget *owner();
};

} // namespace vant
