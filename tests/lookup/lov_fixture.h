#pragma once

#include "lookup/lov_controller.h"
#include "lookup/lov_presenter.h"
#include "lookup/mod_vant_lov.h"
#include "session/session.h"
#include "support/scripted_prompts.h"
#include "support/statement_record.h"
#include "support/test_database.h"
#include "support/test_server.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace vant::test {

using namespace Qt::StringLiterals;

// Stands in for the window: runs a script over the controller, as the user would.
class ScriptedLovPresenter : public LovPresenter
{
public:
    void present(LovController &controller) override
    {
        ++presented;
        if (script)
            script(controller);
    }

    std::function<void(LovController &)> script;
    int presented = 0;
};

// A session on a fresh accounts database with scripted boxes, lookup window and log file.
class LovFixture : public ::testing::Test
{
protected:
    LovFixture() : m_session(m_prompts, m_logDir.filePath(u"vantlog.txt"_s))
    {
        m_session.dbConnection = m_database.connect();
        TestDatabase::seedCompanies(*m_session.db());
    }

    Database &db() { return *m_session.db(); }

    // lovitems: code 1 to rows, name "Item nn", price code * 1.5, note "Note n".
    void makeItems(int rows)
    {
        QStringList values;
        for (int i = 1; i <= rows; ++i)
            values << u"(%1,'Item %2',%3,'Note %1')"_s.arg(i).arg(i, 2, 10, QLatin1Char('0')).arg(i * 1.5);
        TestDatabase::exec(db(),
                           {u"create table lovitems (code int, name varchar(50), price float, note varchar(50))"_s,
                            u"insert into lovitems values "_s + values.join(QLatin1Char(','))});
    }

    // The items request: code, name, price shown; the note hidden under the head "Remarks".
    static LovRequest itemsRequest()
    {
        LovRequest request;
        request.Query = u"SELECT code,name,price,note from lovitems"_s;
        request.ColumnWidths = u"800,2000,1000,0"_s;
        request.ColumnHeads = u"Code,Name,Price,Remarks"_s;
        return request;
    }

    // Shows the lookup with the scripted window playing moves; the answer.
    QString run(LovRequest request, const QString &searchField, std::function<void(LovController &)> moves = {})
    {
        m_presenter.script = std::move(moves);
        m_lov.state().searchField = searchField;
        EXPECT_TRUE(m_lov.ShowLov(request, m_lovPresenter));
        return request.Result;
    }

    // Work tables left in the database whose names begin with prefix.
    QString workTables(const QString &prefix = u"Lov_result"_s)
    {
        // Each engine keeps its own catalogue of tables.
        const QString statement = onServer()
                                      ? u"select name from sys.tables where name like '%1%' order by name"_s.arg(prefix)
                                      : uncheckedStatement(u"select name from sqlite_master where type='table' and "
                                                           "name like '%1%' order by name"_s.arg(prefix));
        return TestDatabase::joined(db(), statement);
    }

    QString logText() const
    {
        QFile log(m_session.errorLog.logPath());
        return log.open(QIODevice::ReadOnly) ? QString::fromLatin1(log.readAll()) : QString();
    }

    QTemporaryDir m_logDir;
    TestDatabase m_database;
    ScriptedPrompts m_prompts;
    Session m_session;
    ScriptedLovPresenter m_presenter;
    // The lookup windows that ShowLov and the company picker show: scripted unless a test says.
    LovPresenter *m_lovPresenter = &m_presenter;
    ModVantLov m_lov{m_session};
};

} // namespace vant::test
