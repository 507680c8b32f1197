#include "calc/decimal.h"

#include <gtest/gtest.h>

namespace pekto {
namespace {

struct RoundingCase {
  const char* name;
  const char* value;
  Rounding rounding;
  int scale;
  const char* expected;
};
void PrintTo(const RoundingCase& c, std::ostream* os) { *os << c.name; }

class DecimalRounding : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(DecimalRounding, SetScaleRoundsAsNamed) {
  const RoundingCase& c = GetParam();
  EXPECT_EQ(Decimal::Parse(c.value).SetScale(c.scale, c.rounding).ToString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, DecimalRounding,
    ::testing::Values(RoundingCase{"DownCutsTowardZero", "-4.59", Rounding::Down, 1, "-4.5"},
                      RoundingCase{"DownPositive", "4.59", Rounding::Down, 0, "4"},
                      RoundingCase{"UpAwayFromZero", "4.01", Rounding::Up, 0, "5"},
                      RoundingCase{"UpNegative", "-4.01", Rounding::Up, 0, "-5"},
                      RoundingCase{"UpExactStays", "4.00", Rounding::Up, 0, "4"},
                      RoundingCase{"FloorNegative", "-4.01", Rounding::Floor, 0, "-5"},
                      RoundingCase{"HalfAwayPositive", "2.345", Rounding::HalfAwayFromZero, 2, "2.35"},
                      RoundingCase{"HalfAwayNegative", "-2.345", Rounding::HalfAwayFromZero, 2, "-2.35"},
                      RoundingCase{"HalfEvenDown", "2.345", Rounding::HalfEven, 2, "2.34"},
                      RoundingCase{"HalfEvenUp", "2.355", Rounding::HalfEven, 2, "2.36"},
                      RoundingCase{"HalfEvenAboveHalf", "2.3451", Rounding::HalfEven, 2, "2.35"},
                      RoundingCase{"WidenAddsZeros", "1.5", Rounding::Down, 3, "1.500"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Decimal, ArithmeticIsExact) {
  const Decimal a = Decimal::Parse("0.1");
  const Decimal b = Decimal::Parse("0.2");
  EXPECT_EQ(a + b, Decimal::Parse("0.3"));
  EXPECT_EQ((a * b).ToString(), "0.02");
  EXPECT_EQ((b - a - a).ToString(), "0.0");
  EXPECT_TRUE((b - a - a).IsZero());
  // The flow chart's KV employer rate of 2020 carries a trailing 1e-17.
  const Decimal rate = Decimal::Parse("0.07550000000000001");
  EXPECT_GT(rate, Decimal::Parse("0.0755"));
  EXPECT_EQ((Decimal::FromInt(56250) * rate).ToFixed(2), "4246.87");
}

TEST(Decimal, DivideWithScaleAndRounding) {
  const Decimal seven = Decimal::FromInt(7);
  EXPECT_EQ(Decimal::FromInt(100).Divide(seven, 2, Rounding::Down).ToString(), "14.28");
  EXPECT_EQ(Decimal::FromInt(100).Divide(seven, 2, Rounding::Up).ToString(), "14.29");
  EXPECT_EQ(Decimal::FromInt(-100).Divide(seven, 0, Rounding::Floor).ToString(), "-15");
  EXPECT_TRUE(Decimal::FromInt(5).Divide(Decimal(), 2, Rounding::Down).IsZero());
  EXPECT_EQ(Decimal::FromInt(3).DivideExact(Decimal::FromInt(8)).ToString(), "0.375");
}

TEST(Decimal, ParseRejectsWhatIsNotANumber) {
  EXPECT_TRUE(Decimal::Parse("").IsZero());
  EXPECT_TRUE(Decimal::Parse("12a").IsZero());
  EXPECT_TRUE(Decimal::Parse("-").IsZero());
  EXPECT_EQ(Decimal::Parse("-0.5").ToString(), "-0.5");
  EXPECT_EQ(Decimal::Parse(".25").ToString(), "0.25");
}

TEST(Decimal, ConversionsToWholeUnitsAndCents) {
  const Decimal value = Decimal::Parse("1234.565");
  EXPECT_EQ(value.ToCents(Rounding::HalfAwayFromZero), 123457);
  EXPECT_EQ(value.ToCents(Rounding::Down), 123456);
  EXPECT_EQ(value.ToInt64(Rounding::Down), 1234);
  EXPECT_EQ(Decimal::FromCents(-5).ToString(), "-0.05");
}

}  // namespace
}  // namespace pekto
