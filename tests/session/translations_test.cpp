// The program speaks the user's language where a translation of it is installed, and its
// own words everywhere else.
#include "session/translations.h"

#include "support/qt_printers.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace vant::test {
namespace {

using namespace Qt::StringLiterals;

const QString kFolder = QStringLiteral(VANT_TEST_TRANSLATIONS);

QString selectProduct()
{
    return QCoreApplication::translate("vant::LoginEngine", "Select Product");
}

TEST(TranslationsTest, TheUsersLanguageIsSpokenWhileTheTranslationsAreLoaded)
{
    {
        const Translations german(QLocale(QLocale::German, QLocale::Austria), kFolder);
        EXPECT_TRUE(german.programTranslated());
        EXPECT_EQ(selectProduct(), u"Produkt auswählen"_s);
    }
    EXPECT_EQ(selectProduct(), u"Select Product"_s);
}

TEST(TranslationsTest, ALanguageWithoutATranslationKeepsTheProgramsWords)
{
    const Translations french(QLocale(QLocale::French, QLocale::France), kFolder);
    EXPECT_FALSE(french.programTranslated());
}

} // namespace
} // namespace vant::test
