#pragma once

#include "db/database.h"

#include <QString>
#include <QStringList>

namespace vant::test {

// Every row of every table, by table name and then in the order the rows were written, each
// value as SQLite quotes it (so that 12, 12.0 and '12' differ). Time stamps written by the
// server's clock show only whether they are set.
QStringList databaseDump(Database &db);

// Compares lines with the golden file of that name in the folder, line by line. With
// VANT_GOLDEN_RECORD set in the environment the file is written instead, from what the
// engines do now.
void expectGolden(const QString &folder, const QString &name, const QStringList &lines);

// A file of the tests' own sources, by its path under tests/ ("main_window/four_runs.jsonl").
QString testSourceFile(const QString &relative);

} // namespace vant::test
