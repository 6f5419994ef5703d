#pragma once

#include <QList>
#include <QString>

namespace vant {

// One column of the lookup's main grid after the serial column: its field, head and width in
// twips (0 hides it).
struct LovColumn
{
    QString fieldName;
    QString head;
    int width = 0;
};

// The columns' widths added up, in twips.
inline int listedWidth(const QList<LovColumn> &columns)
{
    int width = 0;
    for (const LovColumn &column : columns)
        width += column.width;
    return width;
}

} // namespace vant
