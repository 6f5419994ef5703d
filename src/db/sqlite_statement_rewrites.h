#pragma once

#include "tsql_tokens.h"

#include <QString>

#include <vector>

// Whole statements of the SQL Server dialect that SQLite spells otherwise.
namespace vant::sqliterewrite {

// A #table's name in SQLite's temp schema.
QString tempTableName(const QString &name);

// "if exists (select * from dbo.sysobjects ...) drop table [dbo].[name]" and "if object_id(...)
// is not null drop table #name" as SQLite's DROP TABLE IF EXISTS; empty when no table is dropped.
QString dropTest(const std::vector<tsql::Node> &nodes);

// "select <columns> into <table> from ...": the into clause leaves the statement, and prefix gets
// "CREATE TABLE <table> AS ". False when there is no into clause.
bool selectInto(std::vector<tsql::Node> &nodes, QString &prefix);

} // namespace vant::sqliterewrite
