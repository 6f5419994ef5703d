#pragma once

#include "lookup/lov_controller.h"
#include "lookup/lov_presenter.h"
#include "lookup/mod_vant_lov.h"
#include "session/session.h"
#include "support/scripted_prompts.h"
#include "support/test_database.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace vant::test {

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

// A session on a fresh accounts database with scripted boxes, a scripted lookup window
// and its own log file.
class LovFixture : public ::testing::Test
{
protected:
    LovFixture() : m_session(m_prompts, m_logDir.filePath(QStringLiteral("vantlog.txt")))
    {
        m_session.DBConnection = m_database.connect();
        m_session.lovPresenter = &m_presenter;
        TestDatabase::seedCompanies(*m_session.db());
    }

    Database &db() { return *m_session.db(); }

    // lovitems: code 1 to rows, name "Item nn", price code * 1.5, note "Note n".
    void makeItems(int rows)
    {
        TestDatabase::exec(db(), {QStringLiteral("create table lovitems (code int, name varchar(50), "
                                                 "price double, note varchar(50))")});
        for (int i = 1; i <= rows; ++i)
            TestDatabase::exec(db(), {QStringLiteral("insert into lovitems values (%1,'Item %2',%3,'Note %1')")
                                          .arg(i)
                                          .arg(i, 2, 10, QLatin1Char('0'))
                                          .arg(i * 1.5)});
    }

    // The items request: code, name, price shown; the note hidden under the head "Remarks".
    static LovRequest itemsRequest()
    {
        LovRequest request;
        request.Query = QStringLiteral("SELECT code,name,price,note from lovitems");
        request.ColumnWidths = QStringLiteral("800,2000,1000,0");
        request.ColumnHeads = QStringLiteral("Code,Name,Price,Remarks");
        request.Title = QStringLiteral("Items");
        return request;
    }

    // Work tables left in the database.
    QString workTables()
    {
        return TestDatabase::scalar(db(), QStringLiteral("select group_concat(name) from sqlite_master "
                                                         "where name like 'Lov_result%'"));
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
};

} // namespace vant::test
