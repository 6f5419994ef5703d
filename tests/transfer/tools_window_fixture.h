#pragma once

#include "transfer/company_box.h"
#include "transfer/frm_vant_tools.h"
#include "transfer_fixture.h"

#include <QDateEdit>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace vant::test {

// A tools window on the fixture's session, shown and active, its controls at hand.
class ToolsWindowFixture : public TransferFixture
{
protected:
    void open(int mode, CompanyPicker picker = {})
    {
        auto loaded = frmVantTools::load(session, mode, std::move(picker));
        ASSERT_TRUE(bool(loaded));
        window = std::move(*loaded);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template<typename T>
    T *control(const char *name) const
    {
        T *found = window->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    CompanyBox *source() const { return control<CompanyBox>("txtSourceCompany"); }
    CompanyBox *destination() const { return control<CompanyBox>("txtDestinationCompany"); }
    QDateEdit *fromDate() const { return control<QDateEdit>("txtFromDate"); }
    QDateEdit *toDate() const { return control<QDateEdit>("txtToDate"); }
    QPushButton *process() const { return control<QPushButton>("cmdProcess"); }
    QPushButton *exitButton() const { return control<QPushButton>("cmdExit"); }
    QLabel *title() const { return control<QLabel>("lblTitle"); }
    QProgressBar *progress() const { return control<QProgressBar>("prgStatus"); }
    QWidget *focused() const { return QApplication::focusWidget(); }

    std::unique_ptr<frmVantTools> window;
};

} // namespace vant::test
