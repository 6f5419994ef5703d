#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace vant {

// The company's stored date format as a display pattern: DD/MM/YYYY -> dd-MM-yyyy.
QString ChangeCase(const QString &format);

// Last day of the financial year that begins on the given day.
QDate GetFinDateEnd(const QDate &begin);

// Text made safe between single quotes: quotes doubled, semicolons turned into blanks.
QString QuoteSQLText(const QString &text);

// The fallback when the value is NULL or blank after trimming, otherwise the value.
QVariant ValueOrDefault(const QVariant &value, const QVariant &fallback);

// The text without its last character; a character outside the Basic Multilingual Plane
// (two UTF-16 units) goes as one.
QString withoutLastCharacter(const QString &text);

// The characters of a text, each a QString of one or two UTF-16 units.
QStringList characters(const QString &text);

// The text with its control characters and line breaks written as escapes (\n, \t, \x1b,
// \u2028), so that printed it stays on one line and cannot pass for a line of its own.
QString escapedControls(const QString &text);

} // namespace vant
