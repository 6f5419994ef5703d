#pragma once

#include "outcome.h"

class QSqlDatabase;

namespace vant {

// Gives an embedded database's LIKE the server's answer: case is ignored for every letter, not
// for the ASCII letters only, as the program's own search of a result read whole ignores it.
// Connections through another driver are left as they are.
Status registerSqliteFunctions(QSqlDatabase &connection);

} // namespace vant
