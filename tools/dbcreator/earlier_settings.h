#pragma once

#include "creator_options.h"
#include "db/outcome.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace vant {

// The settings already in the store that lead somewhere else than the new database will:
// one line per value, "Server  /old/folder  (new: /new/folder)". Values not yet set lead
// nowhere and are not listed.
QStringList settingsLeadingElsewhere(const CreatorOptions &options);

// The question asked before those settings are replaced.
QString replaceSettingsQuestion(const QStringList &leadingElsewhere);

// Copies the settings file beside itself, named after the moment it was replaced
// ("KormoLedger.conf.replaced-20261206-093000"), and returns the copy's path.
Outcome<QString> keepSettingsCopy(const QDateTime &now);

} // namespace vant
