#pragma once

#include "db/outcome.h"
#include "posting/marked_voucher.h"
#include "widgets/report_paper.h"

#include <QDialog>

class QComboBox;
class QDateEdit;
class QFrame;
class QKeyEvent;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;

namespace vant {

struct Session;
class VoucherDetailPanel;
class VoucherGrid;
class VoucherGridModel;

// The posting window: filters, the off-line voucher grid with its marks and totals,
// the posting run behind "Transfer" and the detail panel. The work is done by the
// engines; the window reads its controls, calls them and reports their errors.
class PostingWindow : public QDialog
{
    Q_OBJECT

public:
    explicit PostingWindow(Session &session, QWidget *parent = nullptr);
    ~PostingWindow() override;

    Status LoadDivision();
    // Window-level key hook; sets the posting's account type on Ctrl+Shift+1/2/0.
    int SetAcType(int shift, int keyCode);
    // The account type that Transfer hands to the accounts component; 0 until a key sets it.
    int postingAcType() const { return m_postingAcType; }
    bool ValidatePost();
    Status LoadOffLineVouchers(const QString &voucherTypeCode, const QString &transTypeCode);
    void GetTotal();
    double TransferAmountTotal() const;
    void RowColor(int acType, int row);
    void DisplaySubDet(qint64 lngVNo, int grdTop);

    const VoucherGrid &grid() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();
    void buildFilterBand();
    void buildGridBand();
    void buildButtonRow();
    void fillOnOpen();
    void setGridHeadings();
    void placeTotals();

    bool enterKey(QObject *watched, QKeyEvent *event);
    bool gridKey(QKeyEvent *event);
    bool gridMouse(QEvent *event);
    void voucherTypeLeft();
    void onGoClicked();
    void onSelectAllClicked();
    void onClearClicked();
    void onTransferClicked();
    // The marked vouchers posted for real, as Transfer posts them; the run's record.
    RunRecord post(const MarkedVouchers &marked);
    // The marked vouchers posted as a dry run, then its preview, from which they can be posted.
    void onPreviewClicked();
    // What the preview of the window's posting shows beside the record: its filter and marks.
    Report previewHeading(const MarkedVouchers &marked) const;
    void showCurrentDetail();
    int currentGridRow() const;
    void report(const Error &error, const QString &procedure);

    Session &m_session;
    int m_postingAcType = 0;
    int m_rememberedRow = 0;
    // The voucher type whose transaction types the transaction type box holds; -1 before the first.
    int m_transTypesOf = -1;

    QFrame *m_topFrame = nullptr;
    QFrame *m_filterFrame = nullptr;
    QFrame *m_gridFrame = nullptr;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_dateLabel = nullptr;
    QLabel *m_companyNameLabel = nullptr;
    QLabel *m_financialYearLabel = nullptr;
    QDateEdit *m_fromDateEdit = nullptr;
    QComboBox *m_divisionBox = nullptr;
    QComboBox *m_voucherTypeBox = nullptr;
    QComboBox *m_transTypeBox = nullptr;
    QPushButton *m_goButton = nullptr;
    QPushButton *m_transferButton = nullptr;
    QTableView *m_voucherGrid = nullptr;
    VoucherGridModel *m_gridModel = nullptr;
    QLabel *m_billTotalLabel = nullptr;
    QLabel *m_postedTotalLabel = nullptr;
    QLabel *m_statusLabel = nullptr;
    VoucherDetailPanel *m_detailPanel = nullptr;
    QMenu *m_rowColourMenu = nullptr;
};

} // namespace vant
