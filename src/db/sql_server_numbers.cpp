#include "sql_server_numbers.h"

#include <QList>
#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <cmath>

namespace vant::sqlserver {

namespace {

// The text without the characters around it that `outer` holds for.
template<typename Outer>
QStringView trimmedOf(QStringView text, Outer outer)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && outer(text.at(begin)))
        ++begin;
    while (end > begin && outer(text.at(end - 1)))
        --end;
    return text.sliced(begin, end - begin);
}

// Only blanks (char 32): the server's conversions ignore nothing else around a number.
QStringView withoutBlanks(QStringView text)
{
    return trimmedOf(text, [](QChar c) { return c == u' '; });
}

// Blanks, tabs, line and page breaks: what isnumeric() looks past.
QStringView withoutWhiteSpace(QStringView text)
{
    return trimmedOf(
        text, [](QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r'; });
}

bool matches(const QRegularExpression &pattern, QStringView text)
{
    return pattern.match(text.toString()).hasMatch();
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isSign(QChar c)
{
    return c == u'-' || c == u'+';
}

qsizetype digitsFrom(QStringView text, qsizetype at)
{
    while (at < text.size() && isDigit(text.at(at)))
        ++at;
    return at;
}

// Where a pattern's "$" matches: at the end, or before a line break that ends the text.
bool atEnd(QStringView text, qsizetype at)
{
    return at == text.size() || (at == text.size() - 1 && text.at(at) == u'\n');
}

// ^[-+]?([0-9]+\.?[0-9]*|\.[0-9]+)([<exponents>][-+]?[0-9]+)?$, read by hand: each number of a
// copy passes here, and a regular expression costs a copy of the text and a match.
bool isFloatForm(QStringView text, QStringView exponents)
{
    qsizetype at = text.isEmpty() || !isSign(text.at(0)) ? 0 : 1;
    const qsizetype whole = digitsFrom(text, at);
    if (whole > at) {
        at = whole < text.size() && text.at(whole) == u'.' ? digitsFrom(text, whole + 1) : whole;
    } else {
        if (at >= text.size() || text.at(at) != u'.' || digitsFrom(text, at + 1) == at + 1)
            return false;
        at = digitsFrom(text, at + 1);
    }
    if (atEnd(text, at))
        return true;
    if (!exponents.contains(text.at(at)))
        return false;
    at = at + 1 < text.size() && isSign(text.at(at + 1)) ? at + 2 : at + 1;
    const qsizetype power = digitsFrom(text, at);
    return power > at && atEnd(text, power);
}

// The money form: a sign and a currency symbol in either order, digits with commas anywhere,
// a decimal point; each part may be missing.
bool readsAsMoney(QStringView text)
{
    static const QRegularExpression money(QStringLiteral("^[-+]?\\p{Sc}?[-+]?[0-9,]*(\\.[0-9]*)?$"));
    static const QRegularExpression oneSign(QStringLiteral("^[^-+]*[-+]?[^-+]*$"));
    return matches(money, text) && matches(oneSign, text);
}

// Whether the text holds only characters that the money form may hold (any beyond ASCII, for
// the currency symbols other than '$'): every other text is spared its expressions.
bool mayBeMoney(QStringView text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return isDigit(c) || isSign(c) || c == u',' || c == u'.' || c == u'$' || c.unicode() > 0x7f;
    });
}

} // namespace

bool isNumeric(QStringView text)
{
    if (withoutBlanks(text).isEmpty())
        return false;
    const QStringView inner = withoutWhiteSpace(text);
    // Only tabs, line breaks and blanks: the server counts them as numeric.
    if (inner.isEmpty())
        return true;
    return isFloatForm(inner, u"eEdD") || (mayBeMoney(inner) && readsAsMoney(inner));
}

std::optional<double> toFloat(QStringView text)
{
    const QStringView inner = withoutBlanks(text);
    if (inner.isEmpty())
        return 0.0;
    if (!isFloatForm(inner, u"eE"))
        return std::nullopt;
    bool ok = false;
    const double value = inner.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint64> toWhole(QStringView text, qint64 lowest, qint64 highest)
{
    const QStringView inner = withoutBlanks(text);
    if (inner.isEmpty() || inner == u"-" || inner == u"+")
        return 0;
    static const QRegularExpression whole(QStringLiteral("^[-+]?[0-9]+$"));
    if (!matches(whole, inner))
        return std::nullopt;
    bool ok = false;
    const qint64 value = inner.toLongLong(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

std::optional<double> leadingFloat(QStringView text)
{
    // Lengths count characters, as the databases' left() does, not UTF-16 units.
    QList<qsizetype> ends;
    for (qsizetype i = 0; i < text.size() && ends.size() < kLeadingLength; ++i) {
        if (!(text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()))
            ends << i + 1;
        else
            ends << ++i + 1;
    }
    for (auto end = ends.crbegin(); end != ends.crend(); ++end) {
        const std::optional<double> number = toFloat(text.first(*end));
        if (!number)
            continue;
        if (*end < text.size() && text.at(*end) >= u'0' && text.at(*end) <= u'9')
            return std::nullopt;
        return number;
    }
    return 0.0;
}

} // namespace vant::sqlserver
