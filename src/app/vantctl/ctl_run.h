#pragma once

#include <QStringList>

class QTextStream;

namespace vant::ctl {

// The whole of vantctl: reads the command line, logs in as the login window does, loads
// the company context and runs the command. out gets results, err every box and failure;
// terminal says whether out is a terminal (progress is then drawn as a bar).
int runVantctl(const QStringList &arguments, QTextStream &out, QTextStream &err, bool terminal);

} // namespace vant::ctl
