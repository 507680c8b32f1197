#include "calc/church_tax.h"

#include <gtest/gtest.h>

namespace pekto {
namespace {

YearParameters Params(const char* land, const char* church_key) {
  YearParameterInputs in;
  in.period = "0524";
  in.state_code = land;
  in.church_employee = church_key;
  return LoadYearParameters(in);
}

struct ChurchCase {
  const char* name;
  const char* land;
  int employee_key;
  int spouse_key;
  std::int64_t tax_base;
  std::int64_t wage_tax;
  std::int64_t employee;
  std::int64_t spouse;
};
void PrintTo(const ChurchCase& c, std::ostream* os) { *os << c.name; }

class ChurchTaxOfCurrentPay : public ::testing::TestWithParam<ChurchCase> {};

TEST_P(ChurchTaxOfCurrentPay, RateMinimumAndSplit) {
  const ChurchCase& c = GetParam();
  const std::string key = c.employee_key == 0 ? "00" : "0" + std::to_string(c.employee_key);
  const YearParameters params = Params(c.land, key.c_str());
  const ChurchContext church{std::atoi(c.land), c.employee_key, c.spouse_key};
  const ChurchTax tax = ComputeChurchTax(params, church, Cents(c.tax_base), Cents(c.wage_tax), 30, 1);
  EXPECT_EQ(tax.employee.Value(), c.employee);
  EXPECT_EQ(tax.spouse.Value(), c.spouse);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChurchTaxOfCurrentPay,
    ::testing::Values(
        // 100.00 x 9 % = 9.00
        ChurchCase{"NordrheinWestfalen", "11", 1, 0, 10000, 10000, 900, 0},
        // 100.00 x 8 % = 8.00
        ChurchCase{"BayernEightPercent", "2", 1, 0, 10000, 10000, 800, 0},
        // 1.00 x 9 % = 0.09 is raised to 30 days x 1.0 / 100 = 0.30
        ChurchCase{"SaxonyMinimum", "14", 1, 0, 100, 100, 30, 0},
        // key 02 clears Saxony's minimum: 0.09 stays
        ChurchCase{"SaxonyOtherDenomination", "14", 2, 0, 100, 100, 9, 0},
        // Hessen's minimum is 30 x 0.5 / 100 = 0.15
        ChurchCase{"HessenHalfMinimum", "8", 1, 0, 100, 100, 15, 0},
        // no minimum without wage tax
        ChurchCase{"MinimumOnlyWithWageTax", "14", 1, 0, 100, 0, 9, 0},
        // mixed marriage in Bayern: no halving
        ChurchCase{"BayernNoHalving", "2", 1, 2, 10000, 10000, 800, 0},
        // mixed marriage in Hessen: 9.00 halved, the spouse's half shown too
        ChurchCase{"HessenHalved", "8", 1, 2, 10000, 10000, 450, 450},
        // same denomination: no split
        ChurchCase{"SameDenomination", "8", 1, 1, 10000, 10000, 900, 0},
        // employee without membership, spouse a member: nothing
        ChurchCase{"EmployeeNotMember", "8", 0, 1, 10000, 10000, 0, 0},
        // a negative base counts as 0
        ChurchCase{"NegativeBase", "11", 1, 0, -500, 0, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChurchTax, PerDayModeMultipliesTheDailyAmount) {
  const YearParameters params = Params("11", "01");
  // daily base 3.33 x 9 % = 0.2997 -> 0.29 per day, x 31 days
  const ChurchTax tax = ComputeChurchTax(params, {11, 1, 0}, Cents(333), Cents(100), 1, 31);
  EXPECT_EQ(tax.employee.Value(), 29 * 31);
}

TEST(ChurchTax, HamburgHasNoMinimumForASingleDay) {
  const YearParameters params = Params("7", "01");
  const Decimal raised = MinimumChurchTax(params, {7, 1, 0}, Decimal::Parse("0.001"), Cents(100), 1);
  EXPECT_TRUE(raised.IsZero());
  EXPECT_EQ(MinimumChurchTax(params, {7, 1, 0}, Decimal::Parse("0.001"), Cents(100), 30), Decimal::Parse("0.3"));
}

TEST(ChurchTax, HalvingExemptLaender) {
  EXPECT_TRUE(HalvingExemptLand(2));
  EXPECT_TRUE(HalvingExemptLand(6));
  EXPECT_TRUE(HalvingExemptLand(10));
  EXPECT_FALSE(HalvingExemptLand(8));
}

}  // namespace
}  // namespace pekto
