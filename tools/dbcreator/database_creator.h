#pragma once

#include "creator_options.h"
#include "financial_year.h"
#include "db/outcome.h"

#include <QDate>
#include <QString>

namespace vant {

// Creates the accounts database the options name, for the financial year of today, fills
// in the demo data when asked and writes the settings. Returns where the database is.
// A failure leaves an existing embedded database and the settings as they were.
Outcome<QString> createAccountsDatabase(const CreatorOptions &options, const QDate &today);

} // namespace vant
