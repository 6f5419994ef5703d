#include "lov_rows.h"

#include "lov_query_text.h"

#include "db/database.h"
#include "session/text_helpers.h"

#include <QRegularExpression>

namespace vant {

namespace {

QList<Field> fieldsOf(const Recordset &rs)
{
    QList<Field> fields;
    for (int i = 0; i < rs.fieldCount(); ++i)
        fields << rs.field(i);
    return fields;
}

// Where the query's own order clause begins: its last "order by" outside quotes, brackets and
// parentheses; -1 when it has none.
qsizetype orderClauseStart(const QString &query)
{
    static const QRegularExpression orderBy(QStringLiteral("order\\s+by\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
    qsizetype found = -1;
    forEachOuterPosition(query, [&query, &found](qsizetype i) {
        const QChar c = query.at(i);
        if ((c == u'o' || c == u'O') && (i == 0 || !query.at(i - 1).isLetterOrNumber())
            && orderBy.match(query, i, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption)
                   .hasMatch())
            found = i;
        return false;
    });
    return found;
}

// The query's order items as the result's fields with their directions; none when an item is
// no field of the result.
std::optional<QList<LovOrderKey>> orderFields(const QString &clause, const QList<Field> &fields)
{
    static const QRegularExpression item(QStringLiteral("^(?:\\w+\\.)?(?:\\[([^\\]]+)\\]|(\\w+))(?:\\s+(asc|desc))?$"),
                                         QRegularExpression::CaseInsensitiveOption);
    QList<LovOrderKey> order;
    for (const QString &part : clause.split(QLatin1Char(','))) {
        const auto match = item.match(part.trimmed());
        if (!match.hasMatch())
            return std::nullopt;
        const int index = fieldIndex(fields, match.hasCaptured(1) ? match.captured(1) : match.captured(2));
        if (index < 0)
            return std::nullopt;
        order << LovOrderKey{QLatin1Char('[') + fields.at(index).name + QLatin1Char(']'),
                             match.captured(3).compare(u"desc", Qt::CaseInsensitive) == 0};
    }
    return order;
}

// Whether a row's value of the field, as the window shows it, begins with the text or contains
// it; case is ignored and every character of the text stands for itself.
RowPredicate textMatch(int field, const QString &text, bool containing)
{
    return [field, text, containing](const QList<QVariant> &row) {
        const QString value = valueText(row.value(field));
        return containing ? value.contains(text, Qt::CaseInsensitive) : value.startsWith(text, Qt::CaseInsensitive);
    };
}

// The server's statements and the recordset's sort name a field in brackets, so a name that
// holds a closing bracket cannot be named: such a field is searched, filtered and sorted on
// nowhere.
Status nameable(const Field &field)
{
    if (!field.name.contains(u']'))
        return {};
    return Error{3001, QStringLiteral("Arguments are of the wrong type, are out of acceptable range, or are in "
                                      "conflict with one another.")};
}

} // namespace

void LovRows::setSorted(int field, bool descending)
{
    m_sortField = field;
    m_sortDescending = descending;
}

LoadedLovRows::LoadedLovRows(Recordset rs) : m_rs(std::move(rs))
{
    m_fields = fieldsOf(m_rs);
}

Outcome<QList<QList<QVariant>>> LoadedLovRows::rows(int start, int rows)
{
    QList<QList<QVariant>> values;
    m_rs.setAbsolutePosition(start);
    for (; values.size() < rows && !m_rs.bof() && !m_rs.eof(); m_rs.moveNext()) {
        QList<QVariant> row;
        for (int i = 0; i < m_rs.fieldCount(); ++i)
            row << m_rs.value(i);
        values << row;
    }
    m_rs.moveFirst();
    return values;
}

Outcome<int> LoadedLovRows::find(int field, const QString &text, bool containing, int)
{
    if (const Status named = nameable(m_fields.at(field)); !named)
        return named.error();
    m_rs.moveFirst();
    const bool hit = m_rs.find(textMatch(field, text, containing));
    const int position = hit ? m_rs.absolutePosition() : 0;
    m_rs.moveFirst();
    return position;
}

Status LoadedLovRows::filterContaining(int field, const QString &text)
{
    if (const Status named = nameable(m_fields.at(field)); !named)
        return named;
    m_rs.setFilter(textMatch(field, text, true));
    return {};
}

Status LoadedLovRows::sortBy(int field, bool descending)
{
    if (const Status named = nameable(m_fields.at(field)); !named)
        return named;
    const Status sorted = m_rs.sortBy(m_fields.at(field).name, descending);
    if (sorted)
        setSorted(field, descending);
    return sorted;
}

PagedLovRows::PagedLovRows(Database &db, QString body, QList<LovOrderKey> order)
    : m_db(db), m_body(std::move(body)), m_order(std::move(order))
{}

Outcome<std::unique_ptr<PagedLovRows>> PagedLovRows::open(Database &db, const QString &query)
{
    const qsizetype orderAt = orderClauseStart(query);
    const QString body = orderAt < 0 ? query : query.left(orderAt);
    auto probe = db.openRecordset(QStringLiteral("select * from (") + body + QStringLiteral(") vant_q where 1=0"));
    if (!probe)
        return std::unique_ptr<PagedLovRows>();
    const QList<Field> fields = fieldsOf(*probe);
    std::optional<QList<LovOrderKey>> order = QList<LovOrderKey>();
    if (orderAt >= 0)
        order = orderFields(query.mid(orderAt).section(QRegularExpression(QStringLiteral("\\s+")), 2), fields);
    if (!order)
        return std::unique_ptr<PagedLovRows>();

    // Whether there are more rows than are read whole: the rows past that many are not counted
    // before the first page shows.
    const Outcome<int> beyond =
        lovFirstInt(db, QStringLiteral("select count(*) from (select top %1 1 vant_one from (").arg(kLoadedRows + 1)
                            + body + QStringLiteral(") vant_q) vant_p"));
    if (!beyond)
        return beyond.error();
    if (*beyond <= kLoadedRows)
        return std::unique_ptr<PagedLovRows>();
    std::unique_ptr<PagedLovRows> rows(new PagedLovRows(db, body, *order));
    rows->m_fields = fields;
    return rows;
}

QString PagedLovRows::fieldName(int field) const
{
    return QLatin1Char('[') + m_fields.at(field).name + QLatin1Char(']');
}

QList<LovOrderKey> PagedLovRows::orderKeys() const
{
    // Every field comes last, so that each row has one place from page to page; a field the
    // order holds already is not named again.
    QList<LovOrderKey> keys;
    const auto add = [&keys](const LovOrderKey &key) {
        for (const LovOrderKey &known : std::as_const(keys)) {
            if (known.field.compare(key.field, Qt::CaseInsensitive) == 0)
                return;
        }
        keys << key;
    };
    if (m_sortKey)
        add(*m_sortKey);
    for (const LovOrderKey &key : m_order)
        add(key);
    for (int i = 0; i < fieldCount(); ++i)
        add(LovOrderKey{fieldName(i)});
    return keys;
}

QString PagedLovRows::orderClause(bool reversed) const
{
    QStringList keys;
    for (LovOrderKey key : orderKeys()) {
        key.descending = key.descending != reversed;
        keys << key.text();
    }
    return QStringLiteral(" order by ") + keys.join(QLatin1Char(','));
}

QString PagedLovRows::where(const QString &condition) const
{
    QStringList conditions;
    if (!m_filter.isEmpty())
        conditions << m_filter;
    if (!condition.isEmpty())
        conditions << condition;
    return conditions.isEmpty() ? QString() : QStringLiteral(" where ") + conditions.join(QStringLiteral(" and "));
}

Outcome<int> PagedLovRows::count()
{
    if (m_count < 0) {
        const Outcome<int> counted = lovFirstInt(m_db, countText(QString(), -1));
        if (!counted)
            return counted.error();
        m_count = *counted;
    }
    return m_count;
}

Outcome<QList<QList<QVariant>>> PagedLovRows::read(const QString &condition, bool reversed, int offset, int rows)
{
    auto rs = m_db.openRecordset(QStringLiteral("select * from (") + m_body + QStringLiteral(") vant_q")
                                 + where(condition) + orderClause(reversed)
                                 + QStringLiteral(" offset %1 rows fetch next %2 rows only").arg(offset).arg(rows));
    if (!rs)
        return rs.error();
    // The values' types, as the first rows show them, decide how the window writes them.
    if (!m_typed && !rs->isEmpty()) {
        m_fields = fieldsOf(*rs);
        m_typed = true;
    }
    QList<QList<QVariant>> values;
    for (; !rs->eof(); rs->moveNext()) {
        QList<QVariant> row;
        for (int i = 0; i < rs->fieldCount(); ++i)
            row << rs->value(i);
        values << row;
    }
    return values;
}

Outcome<QList<QList<QVariant>>> PagedLovRows::rows(int start, int rows)
{
    start = std::max(start, 1);
    if (!m_bookmark || m_bookmark->position - start > rows)
        return read(QString(), false, start - 1, rows);
    // Near a found row the page is read from it, not counted from the top of the order.
    const int mark = m_bookmark->position;
    if (start >= mark)
        return read(m_bookmark->from, false, start - mark, rows);
    auto before = read(m_bookmark->before, true, 0, mark - start);
    if (!before)
        return before.error();
    QList<QList<QVariant>> values(before->crbegin(), before->crend());
    if (start + rows > mark) {
        auto after = read(m_bookmark->from, false, 0, start + rows - mark);
        if (!after)
            return after.error();
        values << *after;
    }
    return values.mid(0, rows);
}

Status PagedLovRows::filterContaining(int field, const QString &text)
{
    m_filter = fieldName(field) + QStringLiteral(" like ") + lovLikePattern(text, true);
    m_count = -1;
    m_bookmark.reset();
    return {};
}

void PagedLovRows::clearFilter()
{
    m_filter.clear();
    m_count = -1;
    m_bookmark.reset();
}

Status PagedLovRows::sortBy(int field, bool descending)
{
    // Texts sort as the whole result sorts them: case ignored for every letter.
    m_sortKey = LovOrderKey{fieldName(field), descending, m_fields.at(field).isCharacter()};
    m_bookmark.reset();
    setSorted(field, descending);
    return {};
}

} // namespace vant
