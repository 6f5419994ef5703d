#pragma once

#include "db/copy_forms.h"
#include "db/database.h"
#include "db/sql_literals.h"

#include <QString>
#include <QVariant>

#include <optional>

namespace vant::test {

// Holds each number and date form's three parts side by side on one stored value: kept in a
// column of each type the forms are used on, as the database keeps such a text, it is read back
// through the statement rewrite with the form's condition and written value beside it.
class CopyFormPairs
{
public:
    explicit CopyFormPairs(Database &db) : m_db(db) {}

    Status createTable()
    {
        return m_db.execute(QStringLiteral("create table VantFormValues (i int, f float, d datetime, t varchar(60))"));
    }

    // The first form and column on which the condition and the row check part for the value
    // (NULL when none), or on which the copy writes another value than the check read; nothing
    // when they agree everywhere.
    std::optional<QString> disagreement(const std::optional<QString> &text)
    {
        const QString value = text ? sqlQuoted(*text) : QStringLiteral("NULL");
        if (!m_db.execute(QStringLiteral("delete from VantFormValues"))
            || !m_db.execute(QStringLiteral("insert into VantFormValues(i,f,d,t) values (%1,%1,%1,%1)").arg(value)))
            return QStringLiteral("the value could not be stored");
        for (const char *name : {"i", "f", "d", "t"}) {
            const QString column = QString::fromLatin1(name);
            for (const copyform::Form &form : copyform::numberAndDateForms()) {
                if (auto parted = compare(form, column))
                    return QStringLiteral("%1 in column %2: %3").arg(QLatin1StringView(form.name), column, *parted);
            }
        }
        return std::nullopt;
    }

private:
    std::optional<QString> compare(const copyform::Form &form, const QString &column)
    {
        auto rs = m_db.openRecordset(QStringLiteral("select %1,case when %2 then 1 else 0 end,%3 from VantFormValues")
                                         .arg(column, form.refused(column), form.written(column)));
        if (!rs)
            return rs.error().description;
        const Outcome<QString> read = form.read(rs->value(0), QStringLiteral("The value"));
        const bool selected = rs->value(1).toInt() == 1;
        if (selected == bool(read)) {
            return QStringLiteral("the condition %1 \"%2\", the check %3 it")
                .arg(selected ? QStringLiteral("selects") : QStringLiteral("passes"), rs->text(0),
                     read ? QStringLiteral("reads") : QStringLiteral("refuses"));
        }
        if (!read)
            return std::nullopt;
        const QVariant written = rs->value(2);
        const bool same = *read == u"NULL" ? written.isNull()
                          : form.refused == copyform::mayRefuseDate
                              ? rs->text(2) == *read
                              : !written.isNull() && written.toDouble() == read->toDouble();
        if (same)
            return std::nullopt;
        return QStringLiteral("the check read \"%1\" as %2, the copy writes %3")
            .arg(rs->text(0), *read, written.isNull() ? QStringLiteral("NULL") : rs->text(2));
    }

    Database &m_db;
};

} // namespace vant::test
