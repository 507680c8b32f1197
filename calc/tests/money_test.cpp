#include "calc/money.h"

#include <gtest/gtest.h>

#include <optional>

namespace pekto {
namespace {

struct ParseCase {
  const char* name;
  const char* text;
  std::optional<std::int64_t> cents;
};
void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.name; }

class AmountParsing : public ::testing::TestWithParam<ParseCase> {};

TEST_P(AmountParsing, ReadsTypedAmounts) {
  const ParseCase& c = GetParam();
  const auto parsed = ParseAmount(c.text);
  ASSERT_EQ(parsed.has_value(), c.cents.has_value());
  if (parsed) {
    EXPECT_EQ(parsed->Value(), *c.cents);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, AmountParsing,
    ::testing::Values(ParseCase{"Empty", "", 0}, ParseCase{"TwoDecimals", "1234,56", 123456},
                      ParseCase{"OneDecimal", "16,5", 1650}, ParseCase{"NoDecimals", "500", 50000},
                      ParseCase{"Negative", "-12,30", -1230}, ParseCase{"OnlyCents", ",05", 5},
                      ParseCase{"DecimalPoint", "12.50", std::nullopt},
                      ParseCase{"ThreeDecimals", "1,234", std::nullopt},
                      ParseCase{"Letters", "12x", std::nullopt}, ParseCase{"LoneMinus", "-", std::nullopt},
                      ParseCase{"LoneComma", ",", std::nullopt}, ParseCase{"Blank", " 5", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Money, FormatAlwaysShowsTwoDecimals) {
  EXPECT_EQ(FormatAmount(Cents(123456)), "1234,56");
  EXPECT_EQ(FormatAmount(Cents(5)), "0,05");
  EXPECT_EQ(FormatAmount(Cents(-5)), "-0,05");
  EXPECT_EQ(FormatAmount(Cents(0)), "0,00");
}

TEST(Money, NamedRoundings) {
  EXPECT_EQ(RoundHalfAwayFromZero(Decimal::Parse("12.5")).Value(), 13);
  EXPECT_EQ(RoundHalfAwayFromZero(Decimal::Parse("-12.5")).Value(), -13);
  EXPECT_EQ(RoundHalfToEven(Decimal::Parse("12.5")).Value(), 12);
  EXPECT_EQ(RoundHalfToEven(Decimal::Parse("13.5")).Value(), 14);
  EXPECT_EQ(TruncateCents(Decimal::Parse("-12.9")).Value(), -12);
  // Tax amounts: euros * 100 + 0.00005, rounded down.
  EXPECT_EQ(ToCentsTruncating(Decimal::Parse("0.0999")).Value(), 9);
  EXPECT_EQ(ToCentsTruncating(Decimal::Parse("0.0999995")).Value(), 10);
  EXPECT_EQ(TruncateToTwoDecimals(Decimal::Parse("-3.459")).ToString(), "-3.45");
}

TEST(Money, TaxCardAmountsGoAwayFromZeroToFiveCents) {
  EXPECT_EQ(RoundUpToFive(Decimal::Parse("5000")).Value(), 5000);
  EXPECT_EQ(RoundUpToFive(Decimal::Parse("5000.01")).Value(), 5005);
  EXPECT_EQ(RoundUpToFive(Decimal::Parse("5001")).Value(), 5005);
  EXPECT_EQ(RoundUpToFive(Decimal::Parse("-5001")).Value(), -5005);
}

TEST(Money, EngineReadsNonNumbersAsZero) {
  EXPECT_EQ(AmountOrZero("abc").Value(), 0);
  EXPECT_EQ(IntegerOrZero("30"), 30);
  EXPECT_EQ(IntegerOrZero("3 0"), 0);
  EXPECT_EQ(IntegerOrZero(""), 0);
}

}  // namespace
}  // namespace pekto
