#pragma once

#include "db/outcome.h"

#include <QString>

namespace vant {

struct Session;

// Reports a failure of the lookup window under the name of the procedure that met it, and
// shows the report.
void reportLovFailure(const Session &session, const Error &error, const QString &procedure);

} // namespace vant
