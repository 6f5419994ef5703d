// The transfer's progress in text: a bar redrawn in place on a terminal, plain caption lines elsewhere.
#include "app/vantctl/progress_meter.h"
#include "posting/qt_printers.h"

#include <QTextStream>

#include <gtest/gtest.h>

namespace vant::ctl {
namespace {

TEST(ProgressMeterTest, OffATerminalOnlyTheCaptionsAreWritten)
{
    QString text;
    QTextStream out(&text);
    ProgressMeter meter(out, false, 3);
    meter.caption(QStringLiteral("Transfer    [ Transfer Voucher Details...]"));
    meter.show();
    meter.advance();
    meter.caption(QStringLiteral("Transfer    [ Completed ]"));
    meter.finish();
    EXPECT_EQ(text, QStringLiteral("Transfer    [ Transfer Voucher Details...]\nTransfer    [ Completed ]\n"));
}

TEST(ProgressMeterTest, OnATerminalTheBarStopsAtItsMaximumAndReturnsAfterACaption)
{
    QString text;
    QTextStream out(&text);
    ProgressMeter meter(out, true, 2);
    meter.show();
    meter.advance();
    meter.caption(QStringLiteral("next"));
    meter.advance();
    meter.advance();
    meter.finish();
    const QString empty = QString(40, QLatin1Char('.'));
    const QString half = QString(20, QLatin1Char('#')) + QString(20, QLatin1Char('.'));
    const QString full = QString(40, QLatin1Char('#'));
    EXPECT_EQ(text, QStringLiteral("\r[%1] 0/2\r[%2] 1/2\nnext\n\r[%3] 2/2\n").arg(empty, half, full));
}

} // namespace
} // namespace vant::ctl
