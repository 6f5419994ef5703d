#pragma once

#include "lov_fixture.h"

namespace vant::test {

// The window's pages, typed search, sorts and selection over 45 items.
class LovControllerTest : public LovFixture
{
protected:
    LovControllerTest() { makeItems(45); }

    // The codes shown first and last on the page.
    static QStringList shown(const LovController &window)
    {
        return {window.cell(1, 1), window.cell(window.rowCount(), 1)};
    }

    // Multi-select returning the code only; with a field of its own for an entered quantity when asked.
    static LovRequest multiRequest(bool withQuantity = false)
    {
        LovRequest request = itemsRequest();
        request.MultiSelect = 1;
        request.ReturnFields = u"code"_s;
        if (withQuantity) {
            request.Query = u"SELECT code,name,price,note,0 as qty from lovitems"_s;
            request.EnterDataHead = u"Qty"_s;
        }
        return request;
    }
};

} // namespace vant::test
