#include "stream_prompts.h"

#include <QCoreApplication>
#include <QTextStream>

namespace vant::ctl {

StreamPrompts::StreamPrompts(QTextStream &err, bool answerYes) : m_err(err), m_answerYes(answerYes) {}

void StreamPrompts::write(const QString &text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_err << lines << '\n';
    m_err.flush();
}

void StreamPrompts::message(const QString &text, const QString &, PromptIcon)
{
    write(text);
}

bool StreamPrompts::question(const QString &text, const QString &)
{
    write(text);
    if (m_answerYes) {
        write(QCoreApplication::translate("vant::ctl", "Yes (--yes)"));
        return true;
    }
    write(QCoreApplication::translate("vant::ctl", "No: run again with --yes to answer Yes"));
    return false;
}

std::optional<QString> StreamPrompts::textPrompt(const QString &prompt, const QString &, const QString &)
{
    // Nobody is there to type an answer; the prompt counts as cancelled.
    write(prompt);
    return std::nullopt;
}

} // namespace vant::ctl
