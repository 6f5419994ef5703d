#pragma once

#include "db/database.h"
#include "statement_record.h"

#include <QString>

#include <optional>

namespace vant::test {

// The SQL Server that the tests run on when VANT_TEST_SERVER names one, in the settings' own
// words: "Driver=FreeTDS;Server=localhost,1433;Login=sa;Password={secret}" (a value with ";"
// or outer blanks between braces, "}}" for a brace in it). Unset, the tests use SQLite files.
std::optional<ConnectionSettings> testServer();
// The same text read; an error names what is wrong with it.
Outcome<ConnectionSettings> parseTestServer(const QString &text);

// Whether the tests run on a server.
inline bool onServer()
{
    return testServer().has_value();
}

} // namespace vant::test

// Skips the test (in its body or SetUp) on a server, saying why it needs SQLite; on SQLite, the
// test's own statements may be SQLite's (statement_record.h).
#define VANT_SQLITE_ONLY(why)                                                                                          \
    if (::vant::test::onServer())                                                                                      \
        GTEST_SKIP() << "SQLite only: " << (why);                                                                      \
    ::vant::test::markSqliteOnly()
