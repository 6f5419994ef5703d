#pragma once

#include <QSettings>

class QIODevice;

namespace vant {

// The settings key kept as a text file, where there is no registry. One "Name=value" line
// per value; blanks around the name and the value are dropped, and the value is read as
// written: "host,1433", ";", "\" and "=" are plain characters. Lines that begin with ";" or
// "#" are comments, "[Group]" lines open a group ("[General]" is the key itself), and a
// slash in a name separates groups as in the settings' own paths. A value that begins and
// ends with a double quote is read between them, with backslash escapes. The writer quotes
// only values that cannot be written plainly (outer blanks, control characters, or double
// quotes at both ends), so hand-written values never need it; whatever it writes reads back
// as the same values.
bool readSettingsFile(QIODevice &device, QSettings::SettingsMap &map);
bool writeSettingsFile(QIODevice &device, const QSettings::SettingsMap &map);

} // namespace vant
