#pragma once

#include "lookup/qt_lov_presenter.h"
#include "session/session.h"
#include "support/qt_printers.h"
#include "support/test_database.h"
#include "widgets/qt_user_prompts.h"

#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

class QWidget;

namespace vant::test {

// Every window of the program on a seeded database, one after the other, with the boxes and
// lookup windows that they open on the way: the program's own Qt boxes, each looked at as it
// appears and then closed. Each view is handed to the visitor while it is on screen.
class WindowTour : public testing::Test
{
protected:
    using Visitor = std::function<void(QWidget *window, const QString &view)>;

    WindowTour();
    ~WindowTour() override;

    void visitEveryWindow(const Visitor &visit);
    // The texts that come from the database or the settings, not from the program.
    QStringList dataTexts() const;

private:
    void visitLogin();
    void visitMainWindow();
    void visitRunHistory();
    void visitTools(int mode);
    void visitPosting();
    // The preview that the window's Preview opens, then the same after the run from it; meanwhile
    // runs in between.
    void visitPreview(QWidget &window, const QString &view, const std::function<void()> &meanwhile);
    void visitPrompts();
    void show(QWidget *window, const QString &view);
    void watchBoxes();

    TestDatabase m_database;
    QTemporaryDir m_logFolder;
    QtUserPrompts m_prompts;
    QtLovPresenter m_lookupWindows;
    std::unique_ptr<Session> m_session;
    Visitor m_visit;
    QString m_view;
    // The window of the view, which is no box even when it is modal.
    QPointer<QWidget> m_window;
    QTimer m_boxWatch;
    QStringList m_boxesSeen;

protected:
    // The boxes and lookup windows seen, as "view: title".
    const QStringList &boxesSeen() const { return m_boxesSeen; }
};

} // namespace vant::test
