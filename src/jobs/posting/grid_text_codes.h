#pragma once

#include <QHash>
#include <QList>
#include <QString>

namespace vant {

// The texts of a list's code columns in four bytes a cell: a text that is a plain number (digits
// as QString::number writes them) is that number, any other text an entry of one table that
// each distinct text enters once. A cell shows exactly the text it was given.
class GridTextCodes
{
public:
    qint32 code(const QString &text);
    QString text(qint32 code) const;
    void clear();

private:
    QList<QString> m_texts;
    QHash<QString, qint32> m_codes;
};

} // namespace vant
