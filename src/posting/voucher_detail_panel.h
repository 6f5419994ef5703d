#pragma once

#include "voucher_detail.h"

#include <QFrame>

class QPushButton;
class QTableWidget;

namespace vant {

// picDet: the ledger lines of one off-line voucher over the voucher grid, with "&Ok".
class VoucherDetailPanel : public QFrame
{
    Q_OBJECT

public:
    static constexpr int kWidthTwips = 6855;
    static constexpr int kHeightTwips = 1665;
    static constexpr int kLeftTwips = 2250;

    explicit VoucherDetailPanel(QWidget *parent);

    // Back to the heading row and one empty row.
    void setHeadings();
    void showLines(const QList<DetailLine> &lines);

    QPushButton *okButton() const { return m_cmdOk; }

signals:
    void closed();

private:
    void cmdOk_Click();

    QTableWidget *m_msfGridDet;
    QPushButton *m_cmdOk;
};

} // namespace vant
