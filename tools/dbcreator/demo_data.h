#pragma once

#include "financial_year.h"
#include "db/database.h"

#include <QDate>

namespace vant {

struct DemoContext
{
    FinancialYear year; // the year of today
    QDate today;
    bool plainPasswords = false;
};

// Fills a freshly created database with a demo company that is usable on the day it is
// made: masters, a year of vouchers up to today and today's off-line vouchers.
Status fillDemoData(Database &db, const DemoContext &context);

} // namespace vant
