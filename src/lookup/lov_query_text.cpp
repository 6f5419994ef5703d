#include "lov_query_text.h"

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

} // namespace vant
