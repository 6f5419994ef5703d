#pragma once

#include <QStringView>

#include <optional>

namespace vant::sqlserver {

// How SQL Server reads a text as a number, for the helpers that make the embedded database
// answer as the server does. Only blanks (char 32) around a number are ignored; a tab is not.

// isnumeric(): whether the text reads as any of the server's number types, money included, so
// that '$', ',', '.', '-', '+', '1d5', a tab and '1,2.5' are numeric.
bool isNumeric(QStringView text);

// convert(float, text): the number, or none where the server refuses (its error 8114). A blank
// or empty text is 0.
std::optional<double> toFloat(QStringView text);

// convert(int, text) and convert(bigint, text): the whole number, or none where the server
// refuses (its error 245, or 248 out of range). A blank text, '-' and '+' are 0.
std::optional<qint64> toWhole(QStringView text, qint64 lowest, qint64 highest);

// The leading number of a text as the program reads one: the number of its longest beginning,
// of at most kLeadingLength characters, that convert(float) reads (0 when none). None when a
// digit follows that beginning: the number goes on past what can be read (1E999, say).
inline constexpr int kLeadingLength = 39;
std::optional<double> leadingFloat(QStringView text);

} // namespace vant::sqlserver
