#pragma once

#include <QDate>
#include <QStringList>

class QTextStream;

namespace vant {

enum CreatorExit { kCreatorDone = 0, kCreatorFailed = 1, kCreatorUsageError = 2 };

// The whole command: reads the options, creates the database for the financial year of
// today and reports on out (results) and err (failures). Returns the exit status.
int runDbCreator(const QStringList &arguments, QTextStream &out, QTextStream &err, const QDate &today,
                 const QString &defaultFolder);

} // namespace vant
