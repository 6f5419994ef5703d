#pragma once

#include "db/insert_statement.h"

#include <QString>

namespace vant {

// An amount given in paise, written as a number with two decimals.
QString amountLiteral(qint64 paise);

} // namespace vant
