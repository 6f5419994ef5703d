#include "lov_selection.h"

#include "lov_request.h"
#include "mod_vant_lov.h"

namespace vant {

QString LovSelection::valueOf(const QString &key) const
{
    const qsizetype at = m_keys.indexOf(key);
    return at < 0 ? QString() : m_values.value(at);
}

void LovSelection::add(const QString &key, const QString &value)
{
    m_keys << key;
    m_values << value;
}

void LovSelection::remove(const QString &key)
{
    const qsizetype at = m_keys.indexOf(key);
    if (at < 0)
        return;
    m_keys.removeAt(at);
    m_values.removeAt(at);
}

void LovSelection::preselect(const QString &keys, const QString &values, bool withValues)
{
    const QStringList given = splitLovList(values, kLovRowSeparator);
    const QStringList rows = splitLovList(keys, kLovRowSeparator);
    for (int i = 0; i < rows.size(); ++i)
        add(rows.at(i), withValues ? given.value(i) : QString());
}

QString LovSelection::answer(bool withValues) const
{
    QStringList rows;
    for (int i = 0; i < m_keys.size(); ++i)
        rows << (withValues ? m_keys.at(i) + kLovColumnSeparator + m_values.at(i) : m_keys.at(i));
    return rows.join(kLovRowSeparator);
}

} // namespace vant
