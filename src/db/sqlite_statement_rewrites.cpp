#include "sqlite_statement_rewrites.h"

namespace vant::sqliterewrite {

using namespace tsql;

namespace {

QString stripDbo(QString name)
{
    for (const QString &prefix : {QStringLiteral("[dbo]."), QStringLiteral("dbo.")}) {
        if (name.startsWith(prefix, Qt::CaseInsensitive))
            name.remove(0, prefix.size());
    }
    return name;
}

} // namespace

QString tempTableName(const QString &name)
{
    return QStringLiteral("temp.") + QStringView(name).mid(1).toString();
}

QString dropTest(const std::vector<Node> &nodes)
{
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (!isWord(nodes[i], u"drop"))
            continue;
        const std::size_t table = nextSolid(nodes, i + 1);
        if (table >= nodes.size() || !isWord(nodes[table], u"table"))
            continue;
        QString name;
        for (std::size_t j = nextSolid(nodes, table + 1); j < nodes.size() && nodes[j].kind != Kind::Space; ++j)
            name += nodes[j].text;
        name = stripDbo(name);
        return QStringLiteral("DROP TABLE IF EXISTS ") + (name.startsWith(u'#') ? tempTableName(name) : name);
    }
    return {};
}

bool selectInto(std::vector<Node> &nodes, QString &prefix)
{
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (!isWord(nodes[i], u"into"))
            continue;
        std::size_t j = nextSolid(nodes, i + 1);
        QString name;
        while (j < nodes.size() && nodes[j].kind != Kind::Space && nodes[j].kind != Kind::Group) {
            name += nodes[j].text;
            ++j;
        }
        if (name.isEmpty())
            return false;
        if (j < nodes.size() && nodes[j].kind == Kind::Space)
            ++j;
        nodes.erase(nodes.begin() + static_cast<std::ptrdiff_t>(i), nodes.begin() + static_cast<std::ptrdiff_t>(j));
        prefix = QStringLiteral("CREATE TABLE ") + stripDbo(name) + QStringLiteral(" AS ");
        return true;
    }
    return false;
}

} // namespace vant::sqliterewrite
