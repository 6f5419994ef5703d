#include "statement_text.h"

namespace vant {

namespace {

const QString *sqlOf(QStringView name, const QList<Place> &places)
{
    for (const Place &place : places) {
        if (place.name == name)
            return &place.sql;
    }
    return nullptr;
}

} // namespace

QString filled(QStringView text, const QList<Place> &places)
{
    QString statement;
    statement.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\n') {
            while (i + 1 < text.size() && text.at(i + 1) == u' ')
                ++i;
            if (!statement.isEmpty() && i + 1 < text.size())
                statement += u' ';
            continue;
        }
        if (c == u'{') {
            const qsizetype end = text.indexOf(u'}', i);
            const QString *sql = end > i ? sqlOf(text.sliced(i + 1, end - i - 1), places) : nullptr;
            Q_ASSERT_X(sql, "filled", "a place of the statement is not given");
            if (sql) {
                statement += *sql;
                i = end;
                continue;
            }
        }
        statement += c;
    }
    return statement;
}

} // namespace vant
