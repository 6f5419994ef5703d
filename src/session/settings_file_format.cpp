#include "settings_file_format.h"

#include <QIODevice>
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

QString written(const QString &value)
{
    const bool plain = value.trimmed() == value && std::none_of(value.cbegin(), value.cend(), isControl)
                       && !isQuoted(value);
    if (plain)
        return value;
    QString quoted = QStringLiteral("\"");
    for (const QChar c : value) {
        if (c == u'\\' || c == u'"')
            quoted += u'\\';
        if (isControl(c))
            quoted += QStringLiteral("\\%1").arg(uint(c.unicode()), 3, 8, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + u'"';
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
            group = line.sliced(1, line.size() - 2).trimmed().toString();
            if (group.compare(kGeneralGroup, Qt::CaseInsensitive) == 0)
                group.clear();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        const QStringView name = equals < 0 ? QStringView() : line.first(equals).trimmed();
        if (name.isEmpty())
            return false;
        const QStringView value = line.sliced(equals + 1).trimmed();
        const QString key = group.isEmpty() ? name.toString() : group + u'/' + name.toString();
        map.insert(key, isQuoted(value) ? unescaped(value.sliced(1, value.size() - 2)) : value.toString());
    }
    return true;
}

bool writeSettingsFile(QIODevice &device, const QSettings::SettingsMap &map)
{
    // The key's own values first: a group line holds every value below it.
    QStringList keys = map.keys();
    std::stable_partition(keys.begin(), keys.end(), [](const QString &key) { return !key.contains(u'/'); });
    QString text;
    QString group;
    for (const QString &key : keys) {
        const QVariant &value = map.value(key);
        if (!value.canConvert<QString>())
            return false;
        const qsizetype slash = key.lastIndexOf(u'/');
        const QString keyGroup = slash < 0 ? QString() : key.first(slash);
        if (keyGroup != group) {
            group = keyGroup;
            text += u'[' + group + QStringLiteral("]\n");
        }
        text += key.sliced(slash + 1) + u'=' + written(value.toString()) + u'\n';
    }
    return device.write(text.toUtf8()) >= 0;
}

} // namespace vant
