#include "session/text_helpers.h"

#include "session_fixture.h"

namespace vant {
namespace {

TEST(ChangeCase, GivesTheDisplayPattern)
{
    const struct
    {
        const char *stored;
        const char *pattern;
    } cases[] = {{"DD/MM/YYYY", "dd-MM-yyyy"}, {"mm.dd.yy", "MM-dd-yy"}, {"dd-MMM-yyyy", "dd-MMM-yyyy"}, {"   ", ""}};
    for (const auto &c : cases)
        EXPECT_EQ(ChangeCase(QString::fromLatin1(c.stored)), QString::fromLatin1(c.pattern)) << c.stored;
}

TEST(GetFinDateEnd, IsTheDayBeforeTwelveMonthsLater)
{
    EXPECT_EQ(GetFinDateEnd(QDate(2008, 2, 29)), QDate(2009, 2, 27));
}

TEST(QuoteSQLText, DoublesQuotesAndBlanksSemicolons)
{
    EXPECT_EQ(QuoteSQLText(QStringLiteral("O'Neil;")), u"O''Neil ");
}

TEST(ValueOrDefault, FallsBackForNullAndBlank)
{
    const QVariant fallback(QStringLiteral("none"));
    EXPECT_EQ(ValueOrDefault(QVariant(QStringLiteral("   ")), fallback), fallback);
    EXPECT_EQ(ValueOrDefault(QVariant(QMetaType::fromType<int>()), fallback), fallback);
    EXPECT_EQ(ValueOrDefault(QVariant(QStringLiteral(" a ")), fallback), QVariant(QStringLiteral(" a ")));
}

// Printed, an escaped text stays on its line.
TEST(EscapedControls, WritesControlsAndLineBreaksAsEscapes)
{
    EXPECT_EQ(escapedControls(QStringLiteral("Admin\n2026-12-01\r\tx\x1b[2J")),
              QStringLiteral("Admin\\n2026-12-01\\r\\tx\\x1b[2J"));
    EXPECT_EQ(escapedControls(QString(QChar(0x85)) + QChar(0x2028) + QStringLiteral("a\\b")),
              QStringLiteral("\\x85\\u2028a\\b"));
}

} // namespace
} // namespace vant
