#pragma once

#include "db/outcome.h"
#include "program_identity.h"

#include <QString>

namespace vant {

struct Session;

enum class ConnectResult {
    Open,        // DBConnection is open
    Refused,     // no connection; any message has been shown
    ProgramEnds, // no database is configured: the program must end at once
};

// Opens a fresh DBConnection for the product whose database name the settings value
// names, and sends "SET DATEFORMAT mdy".
ConnectResult ConnectDatabase(Session &session, const QString &productDbKey);

// "" when the versions agree or the database holds no version row, else the mismatch message.
Outcome<QString> CheckDBVersion(Session &session);

void CloseDBConnection(Session &session);

} // namespace vant
