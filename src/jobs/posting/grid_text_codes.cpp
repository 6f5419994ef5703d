#include "grid_text_codes.h"

namespace vant {

qint32 GridTextCodes::code(const QString &text)
{
    bool isNumber = false;
    const qint32 number = text.toInt(&isNumber);
    if (isNumber && number >= 0 && QString::number(number) == text)
        return number;
    // Other texts are coded below 0: -1 is the first entry of the table.
    const auto known = m_codes.constFind(text);
    if (known != m_codes.cend())
        return known.value();
    const qint32 code = -qint32(m_texts.size()) - 1;
    m_texts.append(text);
    m_codes.insert(text, code);
    return code;
}

QString GridTextCodes::text(qint32 code) const
{
    return code >= 0 ? QString::number(code) : m_texts.value(-qsizetype(code) - 1);
}

void GridTextCodes::clear()
{
    m_texts.clear();
    m_codes.clear();
}

} // namespace vant
