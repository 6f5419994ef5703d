#include "lov_query_text.h"
#include "lov_rows.h"

#include "db/database.h"
#include "db/sql_literals.h"

namespace vant {

namespace {

// Bounds on a text field that hold every value beginning with the text, whatever the case of
// its letters, under a binary, a case-blind or the server's case-insensitive collation, so that
// an index on the field reaches the matches without reading every row. None for a text beyond
// printable ASCII, whose other cases such bounds cannot be sure to hold.
QString prefixRange(const QString &name, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return {};
    }
    // In binary order capitals come first: the text in capitals is the lowest of its forms.
    QString range = name + QStringLiteral(">=") + sqlQuoted(text.toUpper());
    // Past every form lies the text in small letters with its last character stepped on,
    // when that character is a letter or digit followed by another of its kind.
    const char16_t last = text.back().toLower().unicode();
    if ((last >= u'0' && last < u'9') || (last >= u'a' && last < u'z'))
        range += QStringLiteral(" and ") + name + QStringLiteral("<")
                 + sqlQuoted(text.chopped(1).toLower() + QChar(char16_t(last + 1)));
    return range;
}

} // namespace

Outcome<int> PagedLovRows::find(int field, const QString &text, bool containing, int knownUpTo)
{
    const QString name = fieldName(field);
    const QString pattern = QStringLiteral(" like ") + lovLikePattern(text, containing);
    const LovOrderKey first = m_sortKey ? *m_sortKey : m_order.value(0);
    if (first.field.compare(name, Qt::CaseInsensitive) != 0)
        return findNumbered(name, pattern);
    // Ordered by the field itself: the rows that match follow every row ordered before the
    // first match's value, each value compared as the order compares it.
    const QString range = containing || !m_fields.at(field).isCharacter() ? QString() : prefixRange(name, text);
    const QString match = (range.isEmpty() ? QString() : range + QStringLiteral(" and ")) + name + pattern;
    const Outcome<bool> any = exists(match);
    if (!any)
        return any.error();
    if (!*any)
        return 0;
    Bookmark found = bookmarkAt(first, match);
    if (isPositionPending() && knownUpTo >= m_bookmark->position)
        return placeFromPendingPage(std::move(found), match, knownUpTo);
    // The rows before it are counted only as far as the page shown: a row past it is shown
    // at once on a page of its own, and its place counted later.
    knownUpTo = std::max(knownUpTo, 0);
    const Outcome<int> earlier = countEarlier(found, knownUpTo);
    if (!earlier)
        return earlier.error();
    found.pending = *earlier >= knownUpTo;
    found.position = found.pending ? knownUpTo + 1 : *earlier + 1;
    m_bookmark = found;
    return found.position;
}

Outcome<int> PagedLovRows::placeFromPendingPage(Bookmark found, const QString &match, int knownUpTo)
{
    const Bookmark &page = *m_bookmark;
    // A match has a value: the rows without one are left out, so that each condition is one
    // index range.
    const Outcome<bool> beforePage = exists(page.earlier.first() + QStringLiteral(" and ") + match);
    if (!beforePage)
        return beforePage.error();
    if (!*beforePage) {
        // On the page when fewer rows than it shows lie between its first row and the match.
        const int shown = knownUpTo - page.position + 1;
        const Outcome<int> between =
            lovFirstInt(m_db, countText(page.fromValues + QStringLiteral(" and ") + found.earlier.first(), shown));
        if (!between)
            return between.error();
        if (*between < shown)
            return page.position + *between;
        found.position = knownUpTo + 1;
    } else if (page.position > 1) {
        // Before the page: a stand-in before it too.
        found.position = 1;
    } else {
        const Outcome<int> earlier = countEarlier(found, -1);
        if (!earlier)
            return earlier.error();
        found.position = *earlier + 1;
        m_bookmark = found;
        return found.position;
    }
    found.pending = true;
    m_bookmark = found;
    return found.position;
}

Outcome<int> PagedLovRows::settlePosition()
{
    if (!isPositionPending())
        return 0;
    const Outcome<int> earlier = countEarlier(*m_bookmark, -1);
    if (!earlier)
        return earlier.error();
    const int shift = *earlier + 1 - m_bookmark->position;
    m_bookmark->position = *earlier + 1;
    m_bookmark->pending = false;
    return shift;
}

Outcome<int> PagedLovRows::findNumbered(const QString &name, const QString &pattern)
{
    return lovFirstInt(m_db, QStringLiteral("select isnull(min(vant_n),0) from (select row_number() over (")
                                 + orderClause().mid(1) + QStringLiteral(") vant_n,") + name + QStringLiteral(" vant_f")
                                 + fromQuery() + where() + QStringLiteral(") vant_r where vant_f") + pattern);
}

PagedLovRows::Bookmark PagedLovRows::bookmarkAt(const LovOrderKey &first, const QString &match) const
{
    const QString value = first.compared();
    const QString firstMatch = QStringLiteral("(select top 1 ") + value + fromQuery() + where(match)
                               + QStringLiteral(" order by ") + value
                               + (first.descending ? QStringLiteral(" desc)") : QStringLiteral(")"));
    Bookmark mark;
    if (first.descending) {
        mark.before = value + QStringLiteral(">") + firstMatch;
        mark.from = QStringLiteral("(") + value + QStringLiteral("<=") + firstMatch + QStringLiteral(" or ")
                    + first.field + QStringLiteral(" is null)");
        mark.earlier = {mark.before};
        mark.fromValues = value + QStringLiteral("<=") + firstMatch;
    } else {
        mark.before = QStringLiteral("(") + value + QStringLiteral("<") + firstMatch + QStringLiteral(" or ")
                      + first.field + QStringLiteral(" is null)");
        mark.from = value + QStringLiteral(">=") + firstMatch;
        mark.fromValues = mark.from;
        // Counted in two parts: one index range each, where an "or" would read the index twice.
        mark.earlier = {value + QStringLiteral("<") + firstMatch, first.field + QStringLiteral(" is null")};
    }
    return mark;
}

Outcome<bool> PagedLovRows::exists(const QString &condition)
{
    const Outcome<int> found = lovFirstInt(m_db, QStringLiteral("select case when exists (select 1") + fromQuery()
                                                     + where(condition) + QStringLiteral(") then 1 else 0 end"));
    if (!found)
        return found.error();
    return *found != 0;
}

QString PagedLovRows::countText(const QString &condition, int cap) const
{
    if (cap < 0)
        return QStringLiteral("select count(*)") + fromQuery() + where(condition);
    return QStringLiteral("select count(*) from (select top %1 1 vant_one").arg(cap) + fromQuery() + where(condition)
           + QStringLiteral(") vant_p");
}

Outcome<int> PagedLovRows::countEarlier(const Bookmark &mark, int cap)
{
    QStringList counts;
    for (const QString &condition : mark.earlier)
        counts << QStringLiteral("(") + countText(condition, cap) + QStringLiteral(")");
    return lovFirstInt(m_db, QStringLiteral("select ") + counts.join(QLatin1Char('+')));
}

} // namespace vant
