#include "progress_meter.h"

#include <QTextStream>

#include <gtest/gtest.h>

namespace vant::ctl {
namespace {

QString run(bool terminal, int maximum, int advances)
{
    QString text;
    QTextStream out(&text);
    ProgressMeter meter(out, terminal, maximum);
    meter.caption(QStringLiteral("Transfer    [ Transfer Voucher Details...]"));
    meter.show();
    for (int i = 0; i < advances; ++i)
        meter.advance();
    meter.caption(QStringLiteral("Transfer    [ Completed ]"));
    return text;
}

// On a terminal the bar is drawn in place and stops at its maximum; elsewhere only the captions
// are written.
TEST(ProgressMeter, DrawsTheBarInPlaceOnATerminalOnly)
{
    const QString shown = run(true, 4, 9);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Transfer    [ Transfer Voucher Details...]\n\r[")));
    EXPECT_TRUE(shown.contains(QStringLiteral("\r[") + QString(40, QLatin1Char('#')) + QStringLiteral("] 4/4\n")));
    EXPECT_FALSE(shown.contains(QStringLiteral("5/4")));
    EXPECT_TRUE(shown.endsWith(QStringLiteral("\nTransfer    [ Completed ]\n")));
    EXPECT_EQ(run(false, 4, 3),
              QStringLiteral("Transfer    [ Transfer Voucher Details...]\nTransfer    [ Completed ]\n"));
}

} // namespace
} // namespace vant::ctl
