#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QTableWidget;

namespace vant {

class LovController;

// The lookup window: draws the controller's page, count label and hidden-column values,
// and hands it the keys before the controls see them. Closing it without a choice
// leaves no answer.
class FrmLovResult : public QDialog
{
    Q_OBJECT

public:
    explicit FrmLovResult(LovController &controller, QWidget *parent = nullptr);

    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int pixels(int twips) const;
    void buildTitleLine();
    void buildBrowseGrid();
    void buildDetailGrid();
    bool handleKey(const QKeyEvent &event);
    void showPage();
    void showCurrentRow();
    void showRecord();

    LovController &m_controller;
    QLabel *m_lblHead = nullptr;
    QLabel *m_lblTotalRec = nullptr;
    QLineEdit *m_searchtxthlp = nullptr;
    QTableWidget *m_msfBrowse = nullptr;
    QTableWidget *m_msfDetail = nullptr;
    QLineEdit *m_txtMessage = nullptr;
};

} // namespace vant
