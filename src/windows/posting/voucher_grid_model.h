#pragma once

#include "posting/voucher_grid.h"

#include <QAbstractTableModel>

#include <functional>

namespace vant {

// Shows the voucher grid in a view: model row r is grid row r + 1, the headings are
// the view's header.
class VoucherGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    const VoucherGrid &grid() const { return m_grid; }
    // A change that keeps the number of rows.
    void edit(const std::function<void(VoucherGrid &)> &change);
    // A change that may empty or refill the grid.
    void reload(const std::function<void(VoucherGrid &)> &change);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    VoucherGrid m_grid;
};

} // namespace vant
