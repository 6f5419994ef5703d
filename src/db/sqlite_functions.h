#pragma once

#include "outcome.h"

#include <optional>

class QSqlDatabase;

namespace vant {

// The functions that the SQLite dialect of a statement calls to answer as SQL Server does:
// isnumeric(value) and vant_number(value, 'float' | 'int' | 'bigint', try), the latter for
// convert() (try 0: a text that the server refuses fails the statement with the server's
// error) and try_convert() (try 1: NULL instead); and the program's rules for texts
// (sqlite_text_rules.h). Registered on each new SQLite connection.
Status registerSqlServerFunctions(QSqlDatabase &connection);

// The server's error that a failed statement on SQLite carries in its message ("Msg 8114: ..."),
// split into number and text; none for another message.
std::optional<Error> serverErrorIn(const QString &message);

} // namespace vant
