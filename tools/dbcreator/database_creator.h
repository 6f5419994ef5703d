#pragma once

#include "creator_options.h"
#include "financial_year.h"
#include "db/outcome.h"

#include <QDate>
#include <QString>

namespace vant {

// Creates the accounts database the options name, for the financial year of today, and
// fills in the demo data when asked. Returns where the database is. A failure leaves an
// existing embedded database as it was.
Outcome<QString> createAccountsDatabase(const CreatorOptions &options, const QDate &today);

// Writes the settings that lead the login to the database the options name.
void writeCreatorSettings(const CreatorOptions &options);

} // namespace vant
