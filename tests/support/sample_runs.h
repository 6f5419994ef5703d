#pragma once

#include "session/run_record.h"

namespace vant::test {

// A posting that posts vouchers 701 and 702 as 41 and 42 and refuses 703.
inline RunRecord samplePosting()
{
    using namespace Qt::StringLiterals;
    RunRecord record;
    record.job = u"post"_s;
    record.result = u"incomplete"_s;
    record.tables = {{u"AccOffLineVoucher"_s, 0, 0, 4}, {u"accvoucher2026"_s, 4, 0, 0}};
    record.numbers.vouchers = {41, 42};
    record.numbers.subNumbers = {{5, u"2026"_s, {7, 8}}};
    record.posted = 2;
    record.failed = {{u"703"_s, u"its amount 0.00 is not above 0"_s}};
    return record;
}

} // namespace vant::test
