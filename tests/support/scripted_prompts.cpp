#include "scripted_prompts.h"

namespace vant::test {

void ScriptedPrompts::message(const QString &text, const QString &title, PromptIcon icon)
{
    if (beforeMessage)
        beforeMessage();
    m_boxes.append({text, title, icon});
}

bool ScriptedPrompts::question(const QString &text, const QString &title)
{
    m_boxes.append({text, title, PromptIcon::Question});
    if (m_questionAnswers.empty())
        return false;
    const bool answer = m_questionAnswers.front();
    m_questionAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedPrompts::textPrompt(const QString &prompt, const QString &title, const QString &)
{
    m_boxes.append({prompt, title, PromptIcon::None});
    if (m_promptAnswers.empty())
        return std::nullopt;
    const PromptAnswer answer = m_promptAnswers.front();
    m_promptAnswers.pop_front();
    if (!answer.given)
        return std::nullopt;
    return answer.text;
}

void ScriptedPrompts::answerQuestions(std::initializer_list<bool> answers)
{
    m_questionAnswers.insert(m_questionAnswers.end(), answers.begin(), answers.end());
}

void ScriptedPrompts::answerPrompts(std::initializer_list<std::optional<QString>> answers)
{
    for (const std::optional<QString> &answer : answers)
        m_promptAnswers.push_back({answer.has_value(), answer.value_or(QString())});
}

QStringList ScriptedPrompts::texts() const
{
    QStringList list;
    for (const Box &box : m_boxes)
        list << box.text;
    return list;
}

} // namespace vant::test
