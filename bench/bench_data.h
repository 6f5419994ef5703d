#pragma once

#include "db/database.h"

#include <QString>

#include <memory>

namespace vant::bench {

// How much data each job is measured on.
struct Sizes
{
    int transferLines = 100000; // voucher rows of the period (vouchers of two and three rows)
    int transferBillwise = 20000;
    int transferCheques = 10000;
    int postingVouchers = 10000; // three lines each
    int lookupRows = 1000000;
    int dataListValues = 2000;
    int journalRuns = 500000; // two records each

    static Sizes quick() { return {2000, 400, 200, 200, 20000, 2000, 20000}; }
    // Ten times the default sizes; the data list and the journal stay as they are.
    static Sizes large() { return {1000000, 200000, 100000, 100000, 10000000, 2000, 500000}; }
};

// The accounts database file in the folder, made empty with the program's schema.
std::unique_ptr<Database> createDatabase(const QString &file);
// A connection to an existing database file.
std::unique_ptr<Database> connectDatabase(const QString &file);

// Company 1 (default, year 2026) with a year of vouchers, bill-wise and cheque rows; company 2
// its shadow.
bool seedTransfer(Database &db, const Sizes &sizes);
// Off-line sales vouchers of company 1 on kPostingDay, three lines each, with pending and
// cheque rows for some.
bool seedPosting(Database &db, const Sizes &sizes);
// A table of items with an indexed name, for the lookup.
bool seedLookup(Database &db, const Sizes &sizes);

// The day of the off-line vouchers.
inline const QString kPostingDay = QStringLiteral("2026-04-10");

} // namespace vant::bench
