#include "voucher_grid_model.h"

#include <QColor>
#include <QFont>

namespace vant {

namespace {

QFont cellFont()
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

QFont headingFont()
{
    QFont font(QStringLiteral("Small Fonts"));
    font.setPointSizeF(7);
    font.setBold(true);
    return font;
}

} // namespace

void VoucherGridModel::edit(const std::function<void(VoucherGrid &)> &change)
{
    change(m_grid);
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void VoucherGridModel::reload(const std::function<void(VoucherGrid &)> &change)
{
    beginResetModel();
    change(m_grid);
    endResetModel();
}

int VoucherGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_grid.rows() - 1;
}

int VoucherGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : VoucherGrid::ColumnCount;
}

QVariant VoucherGridModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    switch (role) {
    case Qt::DisplayRole: return m_grid.text(index.row() + 1, index.column());
    case Qt::ForegroundRole:
        return m_grid.colour(index.row() + 1, index.column()) == CellColour::DarkRed ? QColor(192, 0, 0)
                                                                                     : QColor(0, 0, 128);
    case Qt::FontRole: return cellFont();
    case Qt::TextAlignmentRole:
        // Amounts line up on their decimal point.
        if (index.column() == VoucherGrid::BillAmt || index.column() == VoucherGrid::PostedAmt)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default: return {};
    }
}

QVariant VoucherGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= VoucherGrid::ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_grid.text(0, section);
    if (role == Qt::FontRole)
        return headingFont();
    return {};
}

} // namespace vant
