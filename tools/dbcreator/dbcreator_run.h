#pragma once

#include <QDate>
#include <QStringList>

#include <functional>

class QTextStream;

namespace vant {

enum CreatorExit { kCreatorDone = 0, kCreatorFailed = 1, kCreatorUsageError = 2 };

// Asks the user a yes-or-no question; true for yes.
using Confirm = std::function<bool(const QString &question)>;

// The whole command: reads the options, creates the database for the financial year of
// today and reports on out (results) and err (failures). Settings that lead elsewhere are
// replaced only when --force is given or confirm answers yes, and a copy of them is kept.
// Returns the exit status.
int runDbCreator(const QStringList &arguments, QTextStream &out, QTextStream &err, const QDate &today,
                 const QString &defaultFolder, const Confirm &confirm);

} // namespace vant
