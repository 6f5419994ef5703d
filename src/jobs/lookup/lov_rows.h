#pragma once

#include "db/outcome.h"
#include "db/recordset.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>

namespace vant {

class Database;

// The lookup window's rows: the query's result in the window's order, optionally narrowed to
// the rows whose search field contains a text. Positions are 1-based within those rows.
class LovRows
{
public:
    virtual ~LovRows() = default;

    const QList<Field> &fields() const { return m_fields; }
    int fieldCount() const { return int(m_fields.size()); }
    const Field &field(int index) const { return m_fields.at(index); }
    int fieldIndex(const QString &name) const { return vant::fieldIndex(m_fields, name); }

    virtual Outcome<int> count() = 0;
    // Whether count() answers without asking the server.
    virtual bool isCounted() const { return true; }
    // The values of up to `rows` rows from position `start` on.
    virtual Outcome<QList<QList<QVariant>>> rows(int start, int rows) = 0;
    // The first position whose field begins with the text, or contains it; 0 when none.
    // Positions up to knownUpTo are counted at once; a later one may be left uncounted
    // (isPositionPending()): it is then a stand-in past knownUpTo and at most the true one, and
    // pages read near it are the right rows.
    virtual Outcome<int> find(int field, const QString &text, bool containing, int knownUpTo) = 0;
    // Whether the last found position is a stand-in; settlePosition() counts it and gives
    // how far the true one lies past the stand-in.
    virtual bool isPositionPending() const { return false; }
    virtual Outcome<int> settlePosition() { return 0; }
    // Narrows the rows to those whose field contains the text.
    virtual Status filterContaining(int field, const QString &text) = 0;
    virtual void clearFilter() = 0;
    virtual bool isFiltered() const = 0;
    // Orders the rows by the field first, then as the query orders them.
    virtual Status sortBy(int field, bool descending) = 0;
    // The field of the last sortBy() and its direction; -1 before.
    int sortField() const { return m_sortField; }
    bool sortDescending() const { return m_sortDescending; }

protected:
    void setSorted(int field, bool descending);

    QList<Field> m_fields;
    int m_sortField = -1;
    bool m_sortDescending = false;
};

// The whole result read at once: for results small enough to hold, and for queries that the
// server cannot page.
class LoadedLovRows : public LovRows
{
public:
    explicit LoadedLovRows(Recordset rs);

    Outcome<int> count() override { return m_rs.recordCount(); }
    Outcome<QList<QList<QVariant>>> rows(int start, int rows) override;
    Outcome<int> find(int field, const QString &text, bool containing, int knownUpTo) override;
    Status filterContaining(int field, const QString &text) override;
    void clearFilter() override { m_rs.clearFilter(); }
    bool isFiltered() const override { return m_rs.isFiltered(); }
    Status sortBy(int field, bool descending) override;

private:
    Recordset m_rs;
};

// A key of a server-side order: a field's name in brackets, kept apart from its direction.
// A collated key orders texts as the program's own sort of a result read whole does.
struct LovOrderKey
{
    QString field;
    bool descending = false;
    bool collated = false;

    // The field as the order compares it.
    QString compared() const { return collated ? field + QStringLiteral(" collate database_default") : field; }
    QString text() const { return descending ? compared() + QStringLiteral(" desc") : compared(); }
};

// A result that stays in the server: the count, each page, a search and a sort are queries.
class PagedLovRows : public LovRows
{
public:
    // Results with more rows than this are paged; smaller ones are read whole.
    static constexpr int kLoadedRows = 1000;

    // The query's rows paged in its order; none when the query cannot be paged (its order is
    // not by its own columns, say), or has at most kLoadedRows rows.
    static Outcome<std::unique_ptr<PagedLovRows>> open(Database &db, const QString &query);

    Outcome<int> count() override;
    bool isCounted() const override { return m_count >= 0 && !isPositionPending(); }
    Outcome<QList<QList<QVariant>>> rows(int start, int rows) override;
    Outcome<int> find(int field, const QString &text, bool containing, int knownUpTo) override;
    bool isPositionPending() const override { return m_bookmark && m_bookmark->pending; }
    Outcome<int> settlePosition() override;
    Status filterContaining(int field, const QString &text) override;
    void clearFilter() override;
    bool isFiltered() const override { return !m_filter.isEmpty(); }
    Status sortBy(int field, bool descending) override;

private:
    // A found row's place in the order, with the conditions that select the rows from it on and
    // the rows before it: pages near it are read from it rather than counted from the top.
    struct Bookmark
    {
        int position = 0;
        QString from;
        QString before;
        // The rows before it, each condition one index range, for counting them; the first
        // holds those with a value.
        QStringList earlier;
        // The rows from it on that have a value: one index range.
        QString fromValues;
        // position is a stand-in: the rows before it are not counted yet.
        bool pending = false;
    };

    PagedLovRows(Database &db, QString body, QList<LovOrderKey> order);
    QString fieldName(int field) const;
    // The window's order: its sort, the query's own order, then every other field; each field
    // once.
    QList<LovOrderKey> orderKeys() const;
    QString orderClause(bool reversed = false) const;
    QString where(const QString &condition = QString()) const;
    Outcome<QList<QList<QVariant>>> read(const QString &condition, bool reversed, int offset, int rows);
    QString fromQuery() const { return QStringLiteral(" from (") + m_body + QStringLiteral(") vant_q"); }
    // Ordered by another field than the one searched: the rows are numbered in the order.
    Outcome<int> findNumbered(const QString &name, const QString &pattern);
    // The first row, in the order, that meets the condition on the order's first field.
    Bookmark bookmarkAt(const LovOrderKey &first, const QString &match) const;
    Outcome<bool> exists(const QString &condition);
    // Rows before the bookmark, counting at most cap of each of its conditions; all when cap < 0.
    Outcome<int> countEarlier(const Bookmark &mark, int cap);
    QString countText(const QString &condition, int cap) const;
    // The found row's place while the page shows the rows from an uncounted one.
    Outcome<int> placeFromPendingPage(Bookmark found, const QString &match, int knownUpTo);

    Database &m_db;
    QString m_body;                       // the query without its order clause
    QList<LovOrderKey> m_order;           // the query's own order
    std::optional<LovOrderKey> m_sortKey; // the window's sort before it, when sorted
    QString m_filter;                     // condition of the containment filter; empty when none
    int m_count = -1;                     // rows under the filter, once counted
    bool m_typed = false;                 // whether the fields' types come from rows read
    std::optional<Bookmark> m_bookmark;
};

} // namespace vant
