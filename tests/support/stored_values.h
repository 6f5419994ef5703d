#pragma once

#include "db/recordset.h"
#include "db/sql_literals.h"

#include <QString>
#include <QStringList>

namespace vant::test {

// What a user or an older program can leave in a number column: statements, numbers out of
// range or in another notation, blanks around a number, and an empty text.
inline const QStringList kStoredValues = {QStringLiteral("1 or 1=1"), QStringLiteral("1;drop table x"),
                                          QStringLiteral("1E999"),    QStringLiteral("NaN"),
                                          QStringLiteral("0x10"),     QStringLiteral(" 12 "),
                                          QString()};

// The literal of the clean value that a stored value reads as, where a job reads it at all: its
// leading number, and NULL for a text of blanks (a value never set).
inline QString cleanLiteral(const QString &stored)
{
    if (stored.trimmed().isEmpty())
        return QStringLiteral("null");
    return sqlQuoted(QString::number(leadingNumber(stored)));
}

} // namespace vant::test
