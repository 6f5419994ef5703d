#pragma once

#include "posting/voucher_detail.h"

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
    static constexpr int kLeftTwips = 2250;

    explicit VoucherDetailPanel(QWidget *parent);

    // The panel's top beside a row of the area it opens over: below the row, or above it where
    // the area has no room below; inside the area when it has room for neither.
    static int topBeside(int rowTop, int rowBottom, int areaHeight, int panelHeight);

    // Back to the heading row and one empty row.
    void setHeadings();
    // The lines, from the first.
    void showLines(const QList<DetailLine> &lines);

    QPushButton *okButton() const { return m_okButton; }

signals:
    void closed();

private:
    void onOkClicked();

    QTableWidget *m_detailGrid;
    QPushButton *m_okButton;
};

} // namespace vant
