#pragma once

#include "session/user_prompts.h"

#include <QList>
#include <QString>

#include <deque>
#include <functional>
#include <optional>

namespace vant::test {

// Records every box the program shows and answers questions and prompts as scripted.
class ScriptedPrompts : public UserPrompts
{
public:
    struct Box
    {
        QString text;
        QString title;
        PromptIcon icon;
    };

    void message(const QString &text, const QString &title, PromptIcon icon) override;
    bool question(const QString &text, const QString &title) override;
    std::optional<QString> textPrompt(const QString &prompt, const QString &title, const QString &defaultText) override;

    // Answers of the next questions, in order; an unscripted question is answered No.
    void answerQuestions(std::initializer_list<bool> answers);
    // Answers of the next text prompts, in order; an unscripted prompt is cancelled.
    void answerPrompts(std::initializer_list<std::optional<QString>> answers);

    const QList<Box> &boxes() const { return m_boxes; }
    QStringList texts() const;
    void clear() { m_boxes.clear(); }

    // Called as each message box appears, to look at the program's state at that moment.
    std::function<void()> beforeMessage;

private:
    QList<Box> m_boxes;
    std::deque<bool> m_questionAnswers;
    struct PromptAnswer
    {
        bool given;
        QString text;
    };
    std::deque<PromptAnswer> m_promptAnswers;
};

} // namespace vant::test
