#include "lov_query_text.h"

#include "db/database.h"

namespace vant {

void forEachOuterPosition(const QString &query, const std::function<bool(qsizetype)> &visit)
{
    int depth = 0;
    QChar closing;
    for (qsizetype i = 0; i < query.size(); ++i) {
        const QChar c = query.at(i);
        if (!closing.isNull()) {
            if (c == closing)
                closing = QChar();
        } else if (c == u'\'' || c == u'"') {
            closing = c;
        } else if (c == u'[') {
            closing = u']';
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')') {
            --depth;
        } else if (depth == 0 && visit(i)) {
            return;
        }
    }
}

// A LIKE pattern that finds the text as it is typed; the program's patterns escape with '\'.
QString lovLikePattern(const QString &text, bool containing)
{
    QString escaped;
    for (const QChar c : text) {
        if (c == u'\\' || c == u'%' || c == u'_' || c == u'[')
            escaped += u'\\';
        escaped += c;
    }
    return QStringLiteral("'") + (containing ? QStringLiteral("%") : QString())
           + escaped.replace(QLatin1Char('\''), QStringLiteral("''")) + QStringLiteral("%' escape '\\'");
}

Outcome<int> lovFirstInt(Database &db, const QString &statement)
{
    auto rs = db.openRecordset(statement);
    if (!rs)
        return rs.error();
    return rs->eof() ? 0 : rs->value(0).toInt();
}

} // namespace vant
