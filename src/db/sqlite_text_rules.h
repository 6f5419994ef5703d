#pragma once

struct sqlite3;

namespace vant {

// The collation that compares texts as the program's own sort of a result read whole does.
// Statements ask for it as SQL Server's "collate database_default", which the SQLite dialect
// names so.
inline constexpr char kProgramCollation[] = "vant_nocase";

// Gives the embedded database the program's rules for texts: case is ignored for every letter,
// as QString compares without regard to case, where SQLite's NOCASE and LIKE ignore it for A to
// Z only. Registers like() for "text LIKE pattern [ESCAPE c]" and the collation above; SQLite's
// result code.
int registerTextRules(sqlite3 *db);

} // namespace vant
