#pragma once

#include "session/error_report.h"
#include "session/session.h"
#include "start_exit.h"
#include "widgets/qt_user_prompts.h"

namespace vant {

// The program as the desktop runs it: its boxes are Qt's, its log the usual vantlog.txt.
// start() shows the login window; the run then goes on in the event loop.
class DesktopProgram
{
public:
    void start() { m_program.start(); }

private:
    QtUserPrompts m_prompts;
    Session m_session{m_prompts, ErrorLog::defaultLogPath()};
    Program m_program{m_session};
};

} // namespace vant
