#include "settings_file_format.h"

#include <QIODevice>
#include <QMap>
#include <QStringList>

#include <algorithm>
#include <cctype>

namespace vant {

namespace {

const QString kGeneralGroup = QStringLiteral("General");

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F);
}

bool isQuoted(QStringView value)
{
    return value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"');
}

// The inside of a quoted value: \\ \" \n \r \t \a \b \f \v, \x followed by hex digits and
// \ followed by up to three octal digits stand for their character.
QString unescaped(QStringView inner)
{
    QString text;
    text.reserve(inner.size());
    for (qsizetype i = 0; i < inner.size(); ++i) {
        const QChar c = inner.at(i);
        if (c != u'\\' || i + 1 == inner.size()) {
            text += c;
            continue;
        }
        const QChar next = inner.at(++i);
        switch (next.unicode()) {
        case u'n': text += u'\n'; break;
        case u'r': text += u'\r'; break;
        case u't': text += u'\t'; break;
        case u'a': text += u'\a'; break;
        case u'b': text += u'\b'; break;
        case u'f': text += u'\f'; break;
        case u'v': text += u'\v'; break;
        case u'x': {
            qsizetype end = i + 1;
            while (end < inner.size() && end - i <= 4 && isxdigit(inner.at(end).toLatin1()))
                ++end;
            text += QChar(inner.sliced(i + 1, end - i - 1).toUShort(nullptr, 16));
            i = end - 1;
            break;
        }
        default:
            if (next >= u'0' && next <= u'7') {
                qsizetype end = i;
                while (end < inner.size() && end - i < 3 && inner.at(end) >= u'0' && inner.at(end) <= u'7')
                    ++end;
                text += QChar(inner.sliced(i, end - i).toUShort(nullptr, 8));
                i = end - 1;
            } else {
                text += next;
            }
        }
    }
    return text;
}

// A slash separates groups in a name, as in the settings' own paths; blanks around the
// parts and empty parts go.
QString keyPath(const QString &name)
{
    QStringList parts;
    for (QStringView part : QStringView(name).split(u'/')) {
        if (!part.trimmed().isEmpty())
            parts << part.trimmed().toString();
    }
    return parts.join(u'/');
}

// A name as it leads its line: one that would read as a comment or a group line gets the
// leading slash that reading drops again.
QString leadingName(const QString &name)
{
    const bool misread = name.startsWith(u';') || name.startsWith(u'#') || name.startsWith(u'[');
    return misread ? u'/' + name : name;
}

// One value's line: "name=value", with the value quoted where it cannot stand plainly.
QString valueLine(const QString &name, const QString &value)
{
    const QString start = leadingName(name) + u'=';
    if (value.trimmed() == value && std::none_of(value.cbegin(), value.cend(), isControl) && !isQuoted(value))
        return start + value + u'\n';
    QString quoted = start + u'"';
    for (const QChar c : value) {
        if (c == u'\\' || c == u'"')
            quoted += u'\\';
        if (isControl(c))
            quoted += QStringLiteral("\\%1").arg(uint(c.unicode()), 3, 8, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + QStringLiteral("\"\n");
}

} // namespace

bool readSettingsFile(QIODevice &device, QSettings::SettingsMap &map)
{
    const QString text = QString::fromUtf8(device.readAll());
    QString group;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            group = keyPath(line.sliced(1, line.size() - 2).toString());
            if (group.compare(kGeneralGroup, Qt::CaseInsensitive) == 0)
                group.clear();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        const QStringView name = equals < 0 ? QStringView() : line.first(equals).trimmed();
        const QString path = keyPath(name.toString());
        if (path.isEmpty())
            return false;
        const QString key = group.isEmpty() ? path : group + u'/' + path;
        const QStringView value = line.sliced(equals + 1).trimmed();
        map.insert(key, isQuoted(value) ? unescaped(value.sliced(1, value.size() - 2)) : value.toString());
    }
    return true;
}

bool writeSettingsFile(QIODevice &device, const QSettings::SettingsMap &map)
{
    // A value goes on a line of its own under its whole name, except where its group holds
    // the "=" that would end the name early: such a group gets a "[group]" line after all others.
    QString text;
    QMap<QString, QString> groupLines;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (!it.value().canConvert<QString>())
            return false;
        const qsizetype slash = it.key().lastIndexOf(u'/');
        if (slash > 0 && it.key().first(slash).contains(u'='))
            groupLines[it.key().first(slash)] += valueLine(it.key().sliced(slash + 1), it.value().toString());
        else
            text += valueLine(it.key(), it.value().toString());
    }
    for (auto it = groupLines.cbegin(); it != groupLines.cend(); ++it)
        text += u'[' + it.key() + QStringLiteral("]\n") + it.value();
    return device.write(text.toUtf8()) >= 0;
}

} // namespace vant
