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
    } cases[] = {{"DD/MM/YYYY", "dd-MM-yyyy"},
                 {"mm.dd.yy", "MM-dd-yy"},
                 {"dd-MMM-yyyy", "dd-MMM-yyyy"},
                 {"YYYY.MM.DD", "yyyy-MM-dd"},
                 {"   ", ""},
                 {"", ""},
                 {" dd/mm ", " dd-MM "},
                 {"Ddd, 9 hH", "ddd, 9 hH"}};
    for (const auto &c : cases)
        EXPECT_EQ(ChangeCase(QString::fromLatin1(c.stored)), QString::fromLatin1(c.pattern)) << c.stored;
}

TEST(GetFinDateEnd, IsTheDayBeforeTwelveMonthsLater)
{
    EXPECT_EQ(GetFinDateEnd(QDate(2008, 4, 1)), QDate(2009, 3, 31));
    EXPECT_EQ(GetFinDateEnd(QDate(2008, 2, 29)), QDate(2009, 2, 27));
    EXPECT_EQ(GetFinDateEnd(QDate(2027, 3, 1)), QDate(2028, 2, 29));
}

TEST(QuoteSQLText, DoublesQuotesAndBlanksSemicolons)
{
    EXPECT_EQ(QuoteSQLText(QStringLiteral("O'Neil;")), u"O''Neil ");
    EXPECT_EQ(QuoteSQLText(QStringLiteral("'';x';DROP TABLE t;--")), u"'''' x'' DROP TABLE t --");
}

TEST(ValueOrDefault, FallsBackForNullAndBlank)
{
    const QVariant fallback(QStringLiteral("none"));
    EXPECT_EQ(ValueOrDefault(QVariant(QStringLiteral("   ")), fallback), fallback);
    EXPECT_EQ(ValueOrDefault(QVariant(), fallback), fallback);
    EXPECT_EQ(ValueOrDefault(QVariant(QString()), fallback), fallback);
    EXPECT_EQ(ValueOrDefault(QVariant(QStringLiteral(" a ")), fallback), QVariant(QStringLiteral(" a ")));
    EXPECT_EQ(ValueOrDefault(QVariant(0), fallback), QVariant(0));
    EXPECT_EQ(ValueOrDefault(QVariant(QMetaType::fromType<int>()), fallback), fallback);
}

// Printed, an escaped text stays on its line; letters of every script stay as they are.
TEST(EscapedControls, WritesControlsAndLineBreaksAsEscapes)
{
    EXPECT_EQ(escapedControls(QStringLiteral("Admin\n2026-12-01\r\tx\x1b[2J")),
              QStringLiteral("Admin\\n2026-12-01\\r\\tx\\x1b[2J"));
    EXPECT_EQ(escapedControls(QString(QChar(0x85)) + QChar(0x2028) + QStringLiteral("a\\b")),
              QStringLiteral("\\x85\\u2028a\\b"));
    const QString bengali = QString::fromUtf8("\xe0\xa6\x95\xe0\xa7\x8d\xe2\x80\x8d\xe0\xa6\xb7");
    EXPECT_EQ(escapedControls(bengali), bengali);
}

} // namespace
} // namespace vant
