#pragma once

#include "session/user_prompts.h"

class QTextStream;

namespace vant::ctl {

// Boxes for a run without windows: every box is written to the error stream, and every
// question is answered Yes when the command line said so, otherwise No.
class StreamPrompts : public UserPrompts
{
public:
    StreamPrompts(QTextStream &err, bool answerYes);

    void message(const QString &text, const QString &title, PromptIcon icon) override;
    bool question(const QString &text, const QString &title) override;
    std::optional<QString> textPrompt(const QString &prompt, const QString &title, const QString &defaultText) override;

private:
    void write(const QString &text);

    QTextStream &m_err;
    bool m_answerYes;
};

} // namespace vant::ctl
