#include "lookup/qt_lov_presenter.h"
#include "session/error_report.h"
#include "session/qt_user_prompts.h"
#include "session/session.h"
#include "session/start_exit.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VantProcess"));

    vant::QtUserPrompts prompts;
    vant::Session session(prompts, vant::ErrorLog::defaultLogPath());
    vant::QtLovPresenter lookupWindows;
    session.lovPresenter = &lookupWindows;
    vant::Program program(session);
    program.start();
    QApplication::exec();
    // However the run ends, the program's exit code is 0.
    return 0;
}
