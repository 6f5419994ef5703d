#pragma once

#include <QString>

namespace vant {

struct Session;

// A company as a report names it: its name and code, "Kormo Traders (1)"; the code alone when
// the books have no such company or cannot be read.
QString companyLabel(Session &session, const QString &code);

} // namespace vant
