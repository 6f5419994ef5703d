#pragma once

#include "demo_data.h"

#include <QStringList>

namespace vant::demo {

inline constexpr int kDefaultCompany = 1;
inline constexpr int kShadowCompanyA = 2;
inline constexpr int kShadowCompanyB = 3;

// Version, users, companies, divisions, financial years and ledgers.
QStringList masterStatements(const DemoContext &context);

} // namespace vant::demo
