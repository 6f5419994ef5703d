#pragma once

#include <QLatin1StringView>
#include <QList>
#include <QString>
#include <QStringView>

namespace vant {

// A named place of a statement's text, {name}, and the SQL that fills it: a table, a column
// list, a condition or a literal already written (sql_literals.h).
struct Place
{
    QLatin1StringView name;
    QString sql;
};

// The statement written as one text with named places, the places filled. Each line break with
// the indentation after it becomes one blank, so that a statement written over several lines
// travels as one line; blanks inside a line stay as written. Every place of the text must be
// given.
QString filled(QStringView text, const QList<Place> &places);

} // namespace vant
