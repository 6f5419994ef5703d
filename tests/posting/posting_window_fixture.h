#pragma once

#include "posting_fixture.h"

#include "posting/posting_window.h"
#include "posting/voucher_detail_panel.h"
#include "posting/voucher_grid.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace vant::test {

class PostingWindowTest : public PostingFixture
{
protected:
    void open()
    {
        window = std::make_unique<PostingWindow>(*session);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        child<QDateEdit>("dtpFrom")->setDate(QDate(2026, 4, 10));
    }
    template<typename T = QWidget>
    T *child(const char *name)
    {
        T *found = window->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QComboBox *combo(const char *name) { return child<QComboBox>(name); }
    QTableView *gridView() { return child<QTableView>("msfAccTransfer"); }
    void click(const char *button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    QString label(const char *name) { return child<QLabel>(name)->text(); }
    QWidget *focused() { return QApplication::focusWidget(); }
    QString boxes() { return prompts.texts().join(u'|'); }

    // Chooses the types with the keyboard as a user does, then presses Go.
    void go(int voucherType, int transType)
    {
        combo("cboVoucherType")->setFocus();
        combo("cboVoucherType")->setCurrentIndex(voucherType);
        QTest::keyClick(combo("cboVoucherType"), Qt::Key_Return);
        combo("cboTransType")->setCurrentIndex(transType);
        QTest::keyClick(combo("cboTransType"), Qt::Key_Return);
        tracedStatements();
        click("cmdGo");
    }

    std::unique_ptr<PostingWindow> window;
};

} // namespace vant::test
