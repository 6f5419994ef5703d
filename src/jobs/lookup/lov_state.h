#pragma once

#include "db/recordset.h"

#include <QString>

namespace vant {

// What one lookup knows while it runs. The ModVantLov that runs the lookup owns it and lends it
// to the parts of its window: ShowLov fills it, the window reads its query and returned fields,
// moves its search field and leaves its answer in it.
struct LovState
{
    // The first rows of the query: whether a window is needed, and the columns it shows.
    Recordset probe;
    // The query that the window reads, after a data list's work table and a column search's order.
    QString query;
    // The fields that an answer is made of; blank for every column.
    QString returnFields;
    // The window's answer, which ShowLov gives to its caller.
    QString returnValue;
    // The field that the search box searches and the window orders by; a caller may choose it
    // before ShowLov.
    QString searchField;
};

} // namespace vant
