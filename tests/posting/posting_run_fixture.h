#pragma once

#include "posting_fixture.h"

#include "posting/posting_job.h"
#include "posting/voucher_detail.h"
#include "posting/voucher_grid.h"
#include "session/accounts_component.h"
#include "support/accounts_watch.h"
#include "transfer/transfer_job.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace vant::test {

class PostingRun : public PostingFixture
{
protected:
    void SetUp() override
    {
        PostingFixture::SetUp();
        accounts.emplace(*session);
    }

    // The sales/cash vouchers of 10 April as Go lists them, with the given rows marked.
    VoucherGrid listed(std::initializer_list<int> marked)
    {
        VoucherGrid grid = salesOf();
        for (int row : marked)
            grid.toggleMark(row);
        return grid;
    }
    QString posted(const QString &columns, int offLineVoucherNo)
    {
        return scalar(u"select group_concat(x, '|') from (select %1 as x from accvoucher2026 where OldVoucherNo=%2 "
                      "order by tsid)"_s.arg(columns)
                          .arg(offLineVoucherNo));
    }
    int unmoved(int offLineVoucherNo)
    {
        return count(
            u"select count(*) from AccOffLineVoucher where Moved is null and VoucherNo=%1"_s.arg(offLineVoucherNo));
    }

    // Records, for each message box, whether a transaction was open while it waited.
    void watchTransactionAtBoxes()
    {
        prompts.beforeMessage = [this] { transactionOpenAtBox << db().inTransaction(); };
    }

    // The vouchers posted under the default account type, as the window posts them before a key
    // chooses another.
    PostingEnd saveTrans(const MarkedVouchers &marked, const PostedVoucher &posted = {})
    {
        return PostingJob(*session, 0).SaveTrans(marked, posted);
    }

    std::optional<AccountsWatch> accounts;
    QList<bool> transactionOpenAtBox;
};

} // namespace vant::test
