#include "recordset.h"

#include <QDateTime>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace vant {

namespace {

int compareValues(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull() ? 0 : (a.isNull() ? -1 : 1);
    const auto numeric = [](const QVariant &v) {
        switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Double:
        case QMetaType::Float: return true;
        default: return false;
        }
    };
    if (numeric(a) && numeric(b)) {
        const double x = a.toDouble();
        const double y = b.toDouble();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    return QString::compare(a.toString(), b.toString(), Qt::CaseInsensitive);
}

} // namespace

Recordset::Recordset(QList<Field> fields, QList<QList<QVariant>> rows)
    : m_fields(std::move(fields)), m_rows(std::move(rows))
{
    rebuildView();
}

int fieldIndex(const QList<Field> &fields, const QString &name)
{
    for (int i = 0; i < fields.size(); ++i) {
        if (fields.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int Recordset::absolutePosition() const
{
    return bof() || eof() ? 0 : m_position + 1;
}

void Recordset::setAbsolutePosition(int position)
{
    m_position = std::clamp(position - 1, -1, int(m_view.size()));
}

void Recordset::moveFirst()
{
    m_position = 0;
}
void Recordset::moveLast()
{
    m_position = int(m_view.size()) - 1;
}
void Recordset::moveNext()
{
    move(1);
}
void Recordset::movePrevious()
{
    move(-1);
}

void Recordset::move(int records)
{
    m_position = std::clamp(m_position + records, -1, int(m_view.size()));
}

const QList<QVariant> *Recordset::currentRow() const
{
    if (bof() || eof())
        return nullptr;
    return &m_rows.at(m_view.at(m_position));
}

QVariant Recordset::value(int index) const
{
    const QList<QVariant> *row = currentRow();
    if (!row || index < 0 || index >= row->size())
        return {};
    return row->at(index);
}

QVariant Recordset::value(const QString &name) const
{
    return value(fieldIndex(name));
}

QString Recordset::text(int index) const
{
    return valueText(value(index));
}

QString valueText(const QVariant &v)
{
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDateTime) {
        const QDateTime dt = v.toDateTime();
        return dt.time() == QTime(0, 0) ? dt.date().toString(Qt::ISODate)
                                        : dt.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    }
    if (v.typeId() == QMetaType::Double)
        return QString::number(v.toDouble(), 'g', 15);
    return v.toString();
}

QString Recordset::text(const QString &name) const
{
    return text(fieldIndex(name));
}

void Recordset::setFilter(RowPredicate predicate)
{
    m_filterPredicate = std::move(predicate);
    rebuildView();
}

void Recordset::clearFilter()
{
    setFilter(nullptr);
}

bool Recordset::find(const RowPredicate &predicate)
{
    if (bof())
        m_position = 0;
    for (; m_position < m_view.size(); ++m_position) {
        if (predicate(m_rows.at(m_view.at(m_position))))
            return true;
    }
    return false;
}

Status Recordset::setSort(const QString &sort)
{
    QList<std::pair<int, bool>> keys;
    const QStringList parts = sort.split(QLatin1Char(','), Qt::SkipEmptyParts);
    static const QRegularExpression keyPattern(QStringLiteral("^\\s*\\[?([^\\]]+?)\\]?(?:\\s+(asc|desc))?\\s*$"),
                                               QRegularExpression::CaseInsensitiveOption);
    for (const QString &part : parts) {
        const auto match = keyPattern.match(part);
        const int index = match.hasMatch() ? fieldIndex(match.captured(1).trimmed()) : -1;
        if (index < 0)
            return unknownFieldError();
        keys.append({index, match.captured(2).compare(u"desc", Qt::CaseInsensitive) == 0});
    }
    m_sort = sort;
    m_sortKeys = keys;
    rebuildView();
    return {};
}

Status Recordset::sortBy(const QString &field, bool descending)
{
    const int index = fieldIndex(field);
    if (index < 0)
        return unknownFieldError();
    m_sort = field + (descending ? QStringLiteral(" Desc") : QString());
    m_sortKeys = {{index, descending}};
    rebuildView();
    return {};
}

void Recordset::rebuildView()
{
    m_view.clear();
    for (int i = 0; i < m_rows.size(); ++i) {
        if (!m_filterPredicate || m_filterPredicate(m_rows.at(i)))
            m_view.append(i);
    }
    if (!m_sortKeys.isEmpty()) {
        std::stable_sort(m_view.begin(), m_view.end(), [this](int a, int b) {
            for (const auto &[index, descending] : m_sortKeys) {
                const int order = compareValues(m_rows.at(a).at(index), m_rows.at(b).at(index));
                if (order != 0)
                    return descending ? order > 0 : order < 0;
            }
            return false;
        });
    }
    m_position = 0;
}

Error unknownFieldError()
{
    return Error{3265, QStringLiteral("Item cannot be found in the collection corresponding to the requested name "
                                      "or ordinal.")};
}

double leadingNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[-+]?(\\d+\\.?\\d*|\\.\\d+)([eE][-+]?\\d+)?"));
    const auto match = number.match(text);
    return match.hasMatch() ? match.captured(0).trimmed().toDouble() : 0.0;
}

int leadingInt(const QString &text)
{
    const double number = std::trunc(leadingNumber(text));
    if (!std::isfinite(number))
        return 0;
    return int(std::clamp<double>(number, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

QDate dateOf(const QVariant &value)
{
    if (value.isNull())
        return {};
    if (value.typeId() == QMetaType::QDate)
        return value.toDate();
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().date();
    // Only the form the statements write: "2026/11/30" is no date to the server.
    static const QRegularExpression day(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})"));
    const auto match = day.match(value.toString());
    if (!match.hasMatch())
        return {};
    return QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
}

} // namespace vant
