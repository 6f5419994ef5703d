#pragma once

#include <QString>

#include <optional>

namespace vant {

inline const QString kProgramTitle = QStringLiteral("VantProcess");

enum class PromptIcon { None, Information, Question, Warning, Critical };

// The boxes the program puts in front of the user. Windows implement it with Qt
// dialogs; tests with a script that records every box and answers as told.
class UserPrompts
{
public:
    virtual ~UserPrompts() = default;

    // A box with one OK button.
    virtual void message(const QString &text, const QString &title = kProgramTitle,
                         PromptIcon icon = PromptIcon::None) = 0;

    // A Yes/No question with the question icon and No as the default button; true on Yes.
    virtual bool question(const QString &text, const QString &title = kProgramTitle) = 0;

    // A modal text prompt; no value when the user cancels it.
    virtual std::optional<QString> textPrompt(const QString &prompt, const QString &title = kProgramTitle,
                                              const QString &defaultText = QString()) = 0;
};

} // namespace vant
