#include "recordset_criteria.h"

#include <QRegularExpression>

namespace vant {

namespace {

enum class Op { Like, Eq, Ne, Lt, Gt, Le, Ge };

// Criteria the program writes nest a few levels; deeper input is refused before it can
// exhaust the stack.
constexpr int kMaxNesting = 256;

class CriteriaParser
{
public:
    CriteriaParser(const QString &text, const QList<Field> &fields) : m_text(text), m_fields(fields) {}

    Outcome<RowPredicate> parse()
    {
        RowPredicate predicate = expression();
        skipSpace();
        if (m_error.isEmpty() && m_pos < m_text.size())
            fail(QStringLiteral("unexpected text"));
        if (!m_error.isEmpty())
            return Error{3001, QStringLiteral("Arguments are of the wrong type, are out of acceptable range, "
                                              "or are in conflict with one another (%1 in \"%2\").")
                                   .arg(m_error, m_text)};
        return predicate;
    }

private:
    void fail(const QString &why)
    {
        if (m_error.isEmpty())
            m_error = why;
    }

    void skipSpace()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
    }

    bool keyword(QStringView word)
    {
        skipSpace();
        if (m_text.mid(m_pos, word.size()).compare(word, Qt::CaseInsensitive) != 0)
            return false;
        const qsizetype end = m_pos + word.size();
        if (end < m_text.size() && (m_text.at(end).isLetterOrNumber() || m_text.at(end) == u'_'))
            return false;
        m_pos = end;
        return true;
    }

    RowPredicate expression()
    {
        RowPredicate left = conjunction();
        while (m_error.isEmpty() && keyword(u"or")) {
            RowPredicate right = conjunction();
            left = [left, right](const QList<QVariant> &row) { return left(row) || right(row); };
        }
        return left;
    }

    RowPredicate conjunction()
    {
        RowPredicate left = factor();
        while (m_error.isEmpty() && keyword(u"and")) {
            RowPredicate right = factor();
            left = [left, right](const QList<QVariant> &row) { return left(row) && right(row); };
        }
        return left;
    }

    RowPredicate factor()
    {
        skipSpace();
        if (m_pos < m_text.size() && m_text.at(m_pos) == u'(') {
            ++m_pos;
            if (++m_depth > kMaxNesting) {
                fail(QStringLiteral("parentheses nested deeper than %1 levels").arg(kMaxNesting));
                return [](const QList<QVariant> &) { return false; };
            }
            RowPredicate inner = expression();
            --m_depth;
            skipSpace();
            if (m_pos < m_text.size() && m_text.at(m_pos) == u')')
                ++m_pos;
            else
                fail(QStringLiteral("missing )"));
            return inner;
        }
        return comparison();
    }

    QString fieldName()
    {
        skipSpace();
        if (m_pos < m_text.size() && m_text.at(m_pos) == u'[') {
            const qsizetype close = m_text.indexOf(u']', m_pos);
            if (close < 0) {
                fail(QStringLiteral("missing ]"));
                return {};
            }
            const QString name = m_text.mid(m_pos + 1, close - m_pos - 1);
            m_pos = close + 1;
            return name;
        }
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && (m_text.at(m_pos).isLetterOrNumber() || m_text.at(m_pos) == u'_'))
            ++m_pos;
        return m_text.mid(start, m_pos - start);
    }

    Op op()
    {
        if (keyword(u"like"))
            return Op::Like;
        skipSpace();
        static const std::pair<QStringView, Op> symbols[] = {
            {u"<>", Op::Ne}, {u"<=", Op::Le}, {u">=", Op::Ge}, {u"=", Op::Eq}, {u"<", Op::Lt}, {u">", Op::Gt}};
        for (const auto &[symbol, which] : symbols) {
            if (m_text.mid(m_pos, symbol.size()) == symbol) {
                m_pos += symbol.size();
                return which;
            }
        }
        fail(QStringLiteral("missing operator"));
        return Op::Eq;
    }

    // A quoted text (quotes doubled inside), a #date#, or a number.
    QVariant literal(bool &quoted)
    {
        skipSpace();
        quoted = false;
        if (m_pos >= m_text.size()) {
            fail(QStringLiteral("missing value"));
            return {};
        }
        const QChar open = m_text.at(m_pos);
        if (open == u'\'' || open == u'#') {
            quoted = true;
            QString value;
            ++m_pos;
            while (m_pos < m_text.size()) {
                const QChar c = m_text.at(m_pos);
                if (c == open) {
                    if (open == u'\'' && m_pos + 1 < m_text.size() && m_text.at(m_pos + 1) == u'\'') {
                        value += c;
                        m_pos += 2;
                        continue;
                    }
                    ++m_pos;
                    return value;
                }
                value += c;
                ++m_pos;
            }
            fail(QStringLiteral("unterminated text"));
            return {};
        }
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && (m_text.at(m_pos).isDigit() || m_text.at(m_pos) == u'.'
                                         || m_text.at(m_pos) == u'-'))
            ++m_pos;
        bool ok = false;
        const double number = m_text.mid(start, m_pos - start).toDouble(&ok);
        if (!ok)
            fail(QStringLiteral("bad value"));
        return number;
    }

    RowPredicate comparison()
    {
        const QString name = fieldName();
        const int index = fieldIndex(m_fields, name);
        if (index < 0)
            fail(QStringLiteral("unknown field %1").arg(name));
        const Op which = op();
        bool quoted = false;
        const QVariant value = literal(quoted);
        if (!m_error.isEmpty())
            return [](const QList<QVariant> &) { return false; };

        if (which == Op::Like) {
            const QRegularExpression pattern(likePattern(value.toString()),
                                             QRegularExpression::CaseInsensitiveOption
                                                 | QRegularExpression::DotMatchesEverythingOption);
            return [index, pattern](const QList<QVariant> &row) {
                return pattern.match(valueText(row.at(index))).hasMatch();
            };
        }
        // Filters run on every row: the literal's forms are worked out once.
        const QString text = value.toString();
        const double number = value.toDouble();
        return [index, which, text, number, quoted](const QList<QVariant> &row) {
            const QVariant &cell = row.at(index);
            if (cell.isNull())
                return false;
            int order = 0;
            bool numeric = false;
            const QString cellText = valueText(cell);
            const double cellNumber = quoted ? 0.0 : cellText.trimmed().toDouble(&numeric);
            if (numeric)
                order = cellNumber < number ? -1 : (cellNumber > number ? 1 : 0);
            else
                order = QString::compare(cellText, text, Qt::CaseInsensitive);
            switch (which) {
            case Op::Eq: return order == 0;
            case Op::Ne: return order != 0;
            case Op::Lt: return order < 0;
            case Op::Gt: return order > 0;
            case Op::Le: return order <= 0;
            case Op::Ge: return order >= 0;
            case Op::Like: break;
            }
            return false;
        };
    }

    // '*' and '%' match any run, '?' and '_' one character; "[x]" is a literal x. Literal
    // runs are escaped whole, so that a character outside the Basic Multilingual Plane (two
    // UTF-16 units) stays one character of the pattern.
    static QString likePattern(const QString &like)
    {
        QString pattern = QStringLiteral("\\A");
        QString literal;
        const auto endLiteral = [&pattern, &literal] {
            pattern += QRegularExpression::escape(literal);
            literal.clear();
        };
        for (qsizetype i = 0; i < like.size(); ++i) {
            const QChar c = like.at(i);
            if (c == u'[') {
                const qsizetype close = like.indexOf(u']', i + 1);
                if (close > i) {
                    literal += like.mid(i + 1, close - i - 1);
                    i = close;
                    continue;
                }
            }
            if (c == u'*' || c == u'%') {
                endLiteral();
                pattern += QStringLiteral(".*");
            } else if (c == u'?' || c == u'_') {
                endLiteral();
                pattern += QLatin1Char('.');
            } else {
                literal += c;
            }
        }
        endLiteral();
        return pattern + QStringLiteral("\\z");
    }

    const QString &m_text;
    const QList<Field> &m_fields;
    qsizetype m_pos = 0;
    int m_depth = 0;
    QString m_error;
};

} // namespace

Outcome<RowPredicate> compileCriteria(const QString &criteria, const QList<Field> &fields)
{
    return CriteriaParser(criteria, fields).parse();
}

QString escapeLikeText(const QString &text)
{
    QString escaped;
    for (const QChar c : text) {
        if (c == u'\'')
            escaped += QStringLiteral("''");
        else if (c == u'*' || c == u'%' || c == u'?' || c == u'_' || c == u'[' || c == u']')
            escaped += QLatin1Char('[') + c + QLatin1Char(']');
        else
            escaped += c;
    }
    return escaped;
}

} // namespace vant
