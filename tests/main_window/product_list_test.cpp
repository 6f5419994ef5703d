#include "support/test_environment.h"

#include "session/login_engine.h"
#include "session/settings_store.h"

#include <gtest/gtest.h>

namespace vant::test {

namespace {

class ProductListTest : public testing::Test
{
protected:
    void SetUp() override { clearSettings(); }
};

TEST_F(ProductListTest, NothingConfiguredListsNothing)
{
    writeSetting(QStringLiteral("Server"), QStringLiteral("db01"));
    EXPECT_TRUE(FillProductList().isEmpty());
}

TEST_F(ProductListTest, ConfiguredProductsInTheFamilysOrder)
{
    writeSetting(QStringLiteral("Mart7VantDB"), QStringLiteral("Mart7Db"));
    writeSetting(QStringLiteral("VantDB"), QStringLiteral("VantDb"));
    writeSetting(QStringLiteral("MartVantDB"), QStringLiteral("MartDb"));
    EXPECT_EQ(FillProductList(),
              (QStringList{QStringLiteral("Kormo Vant"), QStringLiteral("Kormo Mart"), QStringLiteral("Kormo Mart7")}));
}

TEST_F(ProductListTest, EmptyValueIsSkipped)
{
    writeSetting(QStringLiteral("VantDB"), QString());
    writeSetting(QStringLiteral("LiteVantDB"), QStringLiteral("LiteDb"));
    EXPECT_EQ(FillProductList(), QStringList{QStringLiteral("Kormo Lite")});
}

TEST_F(ProductListTest, ValueNamesMatchWhateverTheirCase)
{
    writeSetting(QStringLiteral("MARTVANTDB"), QStringLiteral("MartDb"));
    EXPECT_EQ(FillProductList(), QStringList{QStringLiteral("Kormo Mart")});
}

} // namespace

} // namespace vant::test
