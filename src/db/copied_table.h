#pragma once

#include "outcome.h"
#include "statement_text.h"

#include <QString>
#include <QVariant>

#include <functional>
#include <span>

namespace vant {

class Recordset;

// How a copy reads a column of its source row: what it writes, and which values it refuses.
enum class ReadAs {
    Text,            // the text; NULL gives an empty text
    Trimmed,         // the text without outer blanks; NULL gives an empty text
    Stored,          // the number as stored; NULL and blank give NULL, any other text is refused
    Required,        // the number as stored, which must be there
    Number,          // the leading number; NULL gives 0
    Date,            // the date alone; NULL or blank stays NULL
    OwnLedgerIfNone, // the leading number; NULL or blank gives the row's own LedgerCode as stored
    LedgerAid,       // the aid of the ledger the source column names, which must be a whole number
    Own,             // a value of the copy's own: `source` is its SQL, with named places
};

// A column of a copied table. The source column has the copy's name unless another is given.
struct CopiedColumn
{
    const char *name;
    ReadAs read;
    const char *source = nullptr;
    // The row check reads it before the columns without this mark.
    bool readFirst = false;
};

// Every column a copy writes into a table, in the order of its insert. The insert, the condition
// that finds the rows to refuse and the row check that says why are all built from it.
using CopiedTable = std::span<const CopiedColumn>;

// The column of the source row that a column reads (empty for a value of the copy's own).
QString sourceOf(const CopiedColumn &column);

// The column carries the source row's value of the same column.
bool carriesSourceValue(const CopiedColumn &column);

// The column list of the insert: "CompanyCode,DivisionCode,...".
QString insertColumns(CopiedTable table);

// The values of the insert's select, over the source row `alias`; `own` fills the places of the
// copy's own values.
QString insertValues(CopiedTable table, const QString &alias, const QList<Place> &own);

// A number form's value of a source column that holds numbers, read as `read` says: a finite
// number, which `isNumber` tells (finiteNumber() unless given), is written at once, as every
// number form writes it (as a float where the form reads the leading number); only another value
// passes through `form`. Only for number columns: the server would convert a text column's value
// to compare it.
QString overFiniteNumber(ReadAs read, const QString &source, const QString &form,
                         QString (*isNumber)(const QString &) = nullptr);

// The values of the insert (insertValues()), each column whose way of reading `overNumber` names
// written through overFiniteNumber() with `isNumber`.
QString insertValuesOverNumbers(CopiedTable table, const QString &alias, const QList<Place> &own,
                                bool (*overNumber)(ReadAs), QString (*isNumber)(const QString &) = nullptr);

// Holds for every source row `alias` whose values the row check refuses: for each read value,
// the condition that selects exactly the values its check refuses. A ledger's aid is looked up
// in the joins of ledgerJoins().
QString refusalCondition(CopiedTable table, const QString &alias);

// The refusal conditions of the columns that `settled` passes over, each as `tested` gives it
// from the column and its refusalCondition() (a cheaper test before it, say), once each, joined
// by "or"; "1=0" for none.
QString refusalsOfColumns(CopiedTable table, const QString &alias, bool (*settled)(ReadAs),
                          const std::function<QString(const CopiedColumn &, const QString &)> &tested);

// The ledger master joined for each ledger whose aid the table writes (" left join ...").
QString ledgerJoins(CopiedTable table, const QString &alias);

// Holds for a finite number in `column`. A number column holds numbers on the server, which
// compares them without converting text; on the embedded database a text kept in such a column
// never lies between two numbers.
QString finiteNumber(const QString &column);

// Holds for a number that every number form reads as stored and none refuses: a finite number,
// or NULL unless `required`.
QString plainNumber(const QString &column, bool required = false);

// The name ledgerJoins() gives the ledger of the table's aid-th LedgerAid column (from 1).
QString ledgerAlias(const QString &alias, int aid);

// The aid of the ledger a value names, or why it has none.
using AidOf = std::function<Outcome<int>(const QVariant &ledgerCode, const QString &what)>;

// The first value of the row the copy refuses, in the order it reads them; a refusal names the
// column and `owner`: "Amount of off-line voucher 7". A table with ledger aids needs `aidOf`.
Status firstRefusedValue(const Recordset &row, CopiedTable table, const QString &owner, const AidOf &aidOf = {});

} // namespace vant
