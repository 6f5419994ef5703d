#include "mod_vant_lov.h"

#include "lov_controller.h"
#include "lov_presenter.h"

#include "session/session.h"
#include "session/text_helpers.h"
#include "session/user_prompts.h"
#include "db/work_table.h"
#include "db/sql_literals.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDateTime>

#include <optional>

namespace vant {

namespace {

constexpr int kUnspecifiedLovError = -2147467259;

// A data list's rows as rows of its work table, a batch per statement.
Status insertListRows(Database &db, const QString &insertInto, const QStringList &rows, qsizetype width)
{
    QList<QStringList> batch;
    for (const QString &row : rows) {
        QStringList values;
        for (const QString &value : splitLovList(row, kLovColumnSeparator))
            values << sqlQuoted(value);
        if (values.size() == width) {
            batch << values;
            continue;
        }
        // A row of another width is sent alone, so that the server names what is wrong with it.
        if (Status inserted = insertValueRows(db, insertInto, batch); !inserted)
            return inserted;
        batch.clear();
        if (Status inserted = insertValueRows(db, insertInto, {values}); !inserted)
            return inserted;
    }
    return insertValueRows(db, insertInto, batch);
}

} // namespace

QStringList splitLovList(const QString &text, const QString &separator)
{
    if (text.isEmpty())
        return {};
    return text.split(separator);
}

ModVantLov::ModVantLov(Session &session) : m_session(session) {}

QString ModVantLov::limitedQuery(const QString &query, qint32 rowLimit)
{
    if (rowLimit == 0 || query.toLower().contains(u"distinct"))
        return query;
    return query.left(7) + QStringLiteral(" top ") + QString::number(rowLimit) + QLatin1Char(' ') + query.mid(7);
}

QString ModVantLov::workTableName(const QString &prefix)
{
    // Date and time alone repeat within a second and would start with a digit, which no
    // server takes as a table name unquoted.
    static QAtomicInt counter;
    return prefix + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddhhmmsszzz")) + QLatin1Char('_')
           + QString::number(counter.fetchAndAddRelaxed(1) + 1);
}

Status ModVantLov::OpenLovRecordset(const QString &query, qint32 rowLimit)
{
    m_state.probe = Recordset();
    // A query that the data list could not become fails here, as the command would without text.
    if (query.trimmed().isEmpty())
        return Error{-2147217908, QStringLiteral("Command text was not set for the command object.")};
    auto opened = m_session.openRecordset(limitedQuery(query, rowLimit));
    if (!opened)
        return opened.error();
    m_state.probe = std::move(*opened);
    return {};
}

QString ModVantLov::GenLovQuery(const QString &data, const QString &tableName)
{
    std::optional<TransactionGuard> transaction;
    const auto fail = [&](const Error &error) {
        // The report's box waits for the user: the database's locks must not wait with it.
        if (transaction)
            transaction->rollback();
        m_session.ReportError(error, QString(), QStringLiteral("GenLovQuery"), true);
        if (m_state.searchField.trimmed().isEmpty())
            m_state.searchField = QStringLiteral("Field1");
        return QString();
    };
    Database *db = m_session.db();
    if (!db)
        return fail(closedConnectionError());

    const QStringList rows = splitLovList(data, kLovRowSeparator);
    const QStringList firstRow = splitLovList(rows.value(0), kLovColumnSeparator);
    QStringList columns;
    QStringList definitions;
    for (int i = 1; i <= firstRow.size(); ++i) {
        columns << QStringLiteral("Field") + QString::number(i);
        definitions << columns.last() + QStringLiteral(" varchar(500)");
    }
    if (Status created = db->execute(QStringLiteral("Create table ") + tableName + QStringLiteral(" (")
                                     + definitions.join(QLatin1Char(',')) + QLatin1Char(')'));
        !created)
        return fail(created.error());
    m_workTableMade = true;

    // The rows go in one transaction, a batch per statement: a committed insert per value would
    // make the user wait for the disk on every one.
    if (!db->inTransaction()) {
        transaction.emplace(*db);
        if (Status begun = transaction->begin(); !begun)
            return fail(begun.error());
    }
    if (Status inserted = insertListRows(*db, QStringLiteral("Insert into ") + tableName, rows, firstRow.size());
        !inserted)
        return fail(inserted.error());
    if (transaction) {
        if (Status committed = transaction->commit(); !committed)
            return fail(committed.error());
    }
    if (m_state.searchField.trimmed().isEmpty())
        m_state.searchField = QStringLiteral("Field1");
    return QStringLiteral("Select ") + columns.join(QLatin1Char(',')) + QStringLiteral(" from ") + tableName;
}

Status ModVantLov::ShowLov(LovRequest &request, LovPresenter *presenter)
{
    request.Result.clear();
    m_state.query = request.Query;
    m_state.returnFields = request.ReturnFields;
    QString workTable;
    if (request.DataList != 0) {
        workTable = workTableName();
        m_state.query = GenLovQuery(request.Query, workTable);
    }

    const Status answered = answer(request, presenter);

    // The work table goes on every way out, whatever the answer was.
    if (m_workTableMade) {
        m_workTableMade = false;
        const Status dropped = m_session.execute(QStringLiteral("drop table ") + workTable);
        if (answered && !dropped)
            return dropped;
    }
    return answered;
}

Status ModVantLov::answer(LovRequest &request, LovPresenter *presenter)
{
    if (Status opened = OpenLovRecordset(m_state.query, 2); !opened)
        return opened;
    if (m_state.probe.eof()) {
        if (!request.NoRecordsMessage.isEmpty())
            m_session.prompts.message(QCoreApplication::translate("vant::ModVantLov", "No Records available"));
        return {};
    }

    const QString enterDataHead = request.EnterDataHead.trimmed();
    if (!enterDataHead.isEmpty() && request.MultiSelect == 0) {
        m_session.prompts.message(
            QCoreApplication::translate("vant::ModVantLov", "MultiSelect Row Option needed to enter %1")
                .arg(enterDataHead));
        return {};
    }
    // The window works on its own copy, so that the caller's lists stay as given.
    LovRequest window = request;
    if (!enterDataHead.isEmpty()) {
        window.ColumnWidths += QStringLiteral(",0");
        window.ColumnHeads += QLatin1Char(',') + request.EnterDataHead;
    }

    const QString failure = checkLayout(window);
    if (!failure.isEmpty()) {
        m_session.prompts.message(failure);
        return {};
    }

    if (m_state.probe.recordCount() == 1) {
        request.Result = oneRowAnswer(!enterDataHead.isEmpty());
        return {};
    }
    const Status shown = showWindow(window, presenter);
    request.Result = m_state.returnValue;
    return shown;
}

QString ModVantLov::checkLayout(const LovRequest &request) const
{
    const qsizetype widthCount = splitLovList(request.ColumnWidths).size();
    const qsizetype headCount = splitLovList(request.ColumnHeads).size();
    const int fieldCount = m_state.probe.fieldCount();
    if (widthCount > fieldCount + 1)
        return QCoreApplication::translate("vant::ModVantLov", "Query Field Count and ColumnWidth Count is mismatch");
    if (headCount > fieldCount + 1)
        return QCoreApplication::translate("vant::ModVantLov", "Query Field Count and ColumnHead Count is mismatch");
    if (widthCount != headCount)
        return QCoreApplication::translate("vant::ModVantLov", "ColumnWidth Count and ColumnHead Count is mismatch");
    if (!request.ScreenByScreen.isEmpty() && request.ScreenByScreenMainTableName.isEmpty())
        return QCoreApplication::translate("vant::ModVantLov", "Main tablename must for screen by screen option.");
    return {};
}

QString ModVantLov::oneRowAnswer(bool withEnterData) const
{
    QStringList values;
    if (!m_state.returnFields.trimmed().isEmpty()) {
        for (const QString &name : splitLovList(m_state.returnFields)) {
            for (int i = 0; i < m_state.probe.fieldCount(); ++i) {
                if (m_state.probe.field(i).name == name)
                    values << m_state.probe.text(i);
            }
        }
    } else {
        for (int i = 0; i < m_state.probe.fieldCount(); ++i)
            values << m_state.probe.text(i);
    }
    if (withEnterData)
        values << QStringLiteral("0");
    return values.join(kLovColumnSeparator);
}

Status ModVantLov::showWindow(const LovRequest &request, LovPresenter *presenter)
{
    if (request.ColumnSearch != 0 && !m_state.query.toUpper().contains(u"ORDER BY")) {
        const QStringList widths = splitLovList(request.ColumnWidths);
        QStringList visible;
        for (int i = 0; i < m_state.probe.fieldCount() && i < widths.size(); ++i) {
            if (leadingInt(widths.at(i)) != 0)
                visible << m_state.probe.field(i).name;
        }
        if (!visible.isEmpty())
            m_state.query += QStringLiteral(" Order by ") + visible.join(QLatin1Char(','));
    }
    if (!presenter)
        return Error{kUnspecifiedLovError, QStringLiteral("The lookup window is not available.")};

    m_state.returnValue.clear();
    LovController controller(m_session, m_state, request);
    controller.open();
    presenter->present(controller);
    return {};
}

} // namespace vant
