#include "app/checks/amount_format.h"

#include <gtest/gtest.h>

namespace pekto {
namespace {

struct AmountCase {
  const char* name;
  std::string_view text;
  int decimals;
  std::optional<std::int64_t> value;
};
void PrintTo(const AmountCase& c, std::ostream* os) { *os << c.name; }

class AmountFormat : public ::testing::TestWithParam<AmountCase> {};

TEST_P(AmountFormat, ParsesOrRefuses) {
  const AmountCase& c = GetParam();
  EXPECT_EQ(ParseMaskAmount(c.text, c.decimals), c.value) << c.text;
  EXPECT_EQ(IsValidMaskAmount(c.text, c.decimals), c.value.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AmountFormat,
    ::testing::Values(
        AmountCase{"EmptyIsZero", "", 2, 0}, AmountCase{"TwoDecimals", "12,50", 2, 1250},
        AmountCase{"OneDecimalTooFew", "12,5", 2, std::nullopt}, AmountCase{"ThreeDecimals", "12,500", 2, std::nullopt},
        AmountCase{"ZeroIsLeftEmpty", "0,00", 2, std::nullopt}, AmountCase{"NegativeZero", "-0,00", 2, std::nullopt},
        AmountCase{"Negative", "-12,50", 2, -1250}, AmountCase{"MinusAfterDigits", "12-,50", 2, std::nullopt},
        AmountCase{"SecondMinus", "--12,50", 2, std::nullopt}, AmountCase{"SecondComma", "1,2,50", 2, std::nullopt},
        AmountCase{"NoComma", "1250", 2, std::nullopt}, AmountCase{"CommaFirst", ",50", 2, std::nullopt},
        AmountCase{"CommaAfterMinus", "-,50", 2, std::nullopt}, AmountCase{"LoneMinus", "-", 2, std::nullopt},
        AmountCase{"Letter", "12a,50", 2, std::nullopt}, AmountCase{"Blank", " 12,50", 2, std::nullopt},
        AmountCase{"Cents", "0,05", 2, 5}, AmountCase{"LeadingZeros", "0012,50", 2, 1250},
        AmountCase{"TooLongForAnyField", "12345678901234,00", 2, std::nullopt},
        AmountCase{"ChildAllowance", "1,5", 1, 15}, AmountCase{"ChildAllowanceWhole", "2,0", 1, 20},
        AmountCase{"ChildAllowanceTwoDecimals", "1,50", 1, std::nullopt},
        AmountCase{"ChildAllowanceZero", "0,0", 1, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AmountFormat, ChildAllowancesHaveOneDecimal) {
  EXPECT_EQ(DecimalsOf(MaskField::ChildAllowances), 1);
  EXPECT_EQ(DecimalsOf(MaskField::KvRate), 2);
  EXPECT_EQ(DecimalsOf(MaskField::TaxableGross), 2);
}

}  // namespace
}  // namespace pekto
