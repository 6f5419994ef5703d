#pragma once

#include <QString>
#include <QStringList>

namespace vant {
class Database;
}

namespace vant::bench {

// What the tables hold, as "table:rows:digest" each: every column of every row but the time
// stamps that a statement writes with getdate(). The digest of a table does not depend on the
// order in which its rows were written, but the identity a row was given is one of its columns.
QString tablesDigest(Database &db, const QStringList &tables);

} // namespace vant::bench
