#pragma once

#include "outcome.h"

#include <QString>

namespace vant {

// Rewrites a statement of the SQL Server dialect that the program sends into the
// SQLite dialect: TOP n, OFFSET ... FETCH, isnull(), len(), left(), getdate(), isdate(), convert()
// and try_convert() to numbers (through the helpers of sqlite_functions.h, as is isnumeric())
// and text, N'' literals, dbo. prefixes, SET DATEFORMAT
// (dropped), SELECT ... INTO, TRUNCATE TABLE, the sysobjects and object_id drop tests (these
// whole statements in sqlite_statement_rewrites.h), temporary #tables, case-insensitive text
// columns in CREATE TABLE, "collate database_default" as the program's own order of texts
// (sqlite_text_rules.h) and "collate Latin1_General_BIN2" as SQLite's binary one. String literals and bracketed names
// are never touched. An empty result means there is nothing to execute; a statement
// nested too deeply to rewrite is an error.
Outcome<QString> toSqliteDialect(const QString &statement);

} // namespace vant
