#pragma once

#include <QString>

namespace vant {

// Separators of the lookup's answers and of the data lists handed to it.
inline const QString kLovColumnSeparator = QStringLiteral("!@#$%");
inline const QString kLovRowSeparator = QStringLiteral("^&*()");
inline const QString kLovKeySetMark = QStringLiteral("<<KeySet>>");

// The twenty-two arguments of ShowLov, in their order. Flags are non-zero for on;
// lists are comma-separated; widths are twips (0 hides a column).
struct LovRequest
{
    QString Query;
    QString Result; // out: the answer, empty when nothing was chosen
    QString ColumnWidths;
    QString ColumnHeads;
    QString Title;
    qint16 MultiSelect = 0;
    QString SearchText;
    qint16 MaxSelect = 0;
    QString ReturnFields;
    qint16 ColumnSearch = 0;
    QString EnterDataHead;
    qint16 Placement = 0; // 0 bottom-right, 1 bottom-left, 2 centred
    QString HavingMultiSelect;
    QString HavingMultiSelectData;
    qint16 DataList = 0;
    QString ScreenByScreen;
    QString ScreenByScreenMainField;
    QString NoRecordsMessage;
    QString KeySet;
    QString StoreKeySet;
    QString HintText;
    QString ScreenByScreenMainTableName;
};

} // namespace vant
