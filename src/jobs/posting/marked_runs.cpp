#include "marked_runs.h"

#include <QSet>

namespace vant {

namespace {

// The longest run, which the server takes apart in three digits.
constexpr int kRunLength = 1000;

} // namespace

QList<int> firstPlaces(const QList<MarkedVoucher> &vouchers)
{
    QList<int> places;
    QSet<int> listed;
    for (int i = 0; i < vouchers.size(); ++i) {
        if (!listed.contains(vouchers.at(i).offLineNo)) {
            listed.insert(vouchers.at(i).offLineNo);
            places.append(i + 1);
        }
    }
    return places;
}

QList<QStringList> markedRuns(const QList<MarkedVoucher> &vouchers, const QList<int> &places)
{
    struct Run
    {
        int seq;
        MarkedVoucher first;
        int length;
    };
    QList<Run> runs;
    for (const int seq : places) {
        const MarkedVoucher &voucher = vouchers.at(seq - 1);
        if (!runs.isEmpty()) {
            Run &run = runs.last();
            if (run.seq + run.length == seq && run.first.offLineNo + run.length == voucher.offLineNo
                && run.first.voucherCode == voucher.voucherCode && run.first.acType == voucher.acType
                && run.length < kRunLength) {
                ++run.length;
                continue;
            }
        }
        runs.append({seq, voucher, 1});
    }
    QList<QStringList> rows;
    for (const Run &run : std::as_const(runs)) {
        rows.append({QString::number(run.seq), QString::number(run.first.offLineNo), QString::number(run.length),
                     QString::number(run.first.voucherCode), QString::number(run.first.acType)});
    }
    return rows;
}

} // namespace vant
