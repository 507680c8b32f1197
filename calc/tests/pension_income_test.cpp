#include "calc/pension_income.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace pekto {
namespace {

PensionAllowanceRequest Pension(std::int64_t monthly_cents, int start_year, bool annual, int months = 0) {
  PensionAllowanceRequest r;
  r.pension.first_full_month = Cents(monthly_cents);
  r.pension.start_year = start_year;
  r.pension.months = months;
  r.annual_pension = Cents(monthly_cents * 12).ToEuros();
  r.annual_wage = r.annual_pension;
  r.annual_period = annual;
  return r;
}

TEST(PensionTableIndex, StartYearToIndex) {
  EXPECT_EQ(PensionTableIndex(1998), 1);
  EXPECT_EQ(PensionTableIndex(2005), 1);
  EXPECT_EQ(PensionTableIndex(2006), 2);
  EXPECT_EQ(PensionTableIndex(2015), 11);
  EXPECT_EQ(PensionTableIndex(2039), 35);
  EXPECT_EQ(PensionTableIndex(2045), 36);
}

// Pension since 2015 (index 11): 24 percent, at most 1,800 euros, supplement
// 540 euros. 1,000 a month: 12,000 x 24 % = 2,880, capped at 1,800.
TEST(PensionAllowances, CappedByTheMaximumOfTheStartYear) {
  const PensionAllowances a = ComputePensionAllowances(Pension(100000, 2015, false));
  EXPECT_EQ(a.allowance, Decimal::FromInt(1800));
  EXPECT_EQ(a.supplement, Decimal::FromInt(540));
}

// 300 a month since 2020 (16 %): 3,600 x 16 % = 576.00 below the cap 1,200.
TEST(PensionAllowances, PercentageOfTheYearsPension) {
  const PensionAllowances a = ComputePensionAllowances(Pension(30000, 2020, false));
  EXPECT_EQ(a.allowance, Decimal::Parse("576.00"));
  EXPECT_EQ(a.supplement, Decimal::FromInt(360));
}

// A whole-year calculation for a pension paid in six months of the year:
// cap 1,800 / 12 x 6 = 900, supplement 540 / 12 x 6 = 270.
TEST(PensionAllowances, WholeYearCountsThePensionMonths) {
  const PensionAllowances a = ComputePensionAllowances(Pension(100000, 2015, true, 6));
  EXPECT_EQ(a.allowance, Decimal::FromInt(900));
  EXPECT_EQ(a.supplement, Decimal::FromInt(270));
}

TEST(PensionAllowances, SupplementNotAboveWhatIsLeftOfThePension) {
  // 50 a month since 2005 (40 %, cap 3,000, supplement 900): 600 x 40 % = 240,
  // leaving 360 for the supplement.
  const PensionAllowances a = ComputePensionAllowances(Pension(5000, 2005, false));
  EXPECT_EQ(a.allowance, Decimal::Parse("240.00"));
  EXPECT_EQ(a.supplement, Decimal::FromInt(360));
}

TEST(PensionAllowances, NothingWithoutPensionOrFrom2040) {
  PensionAllowanceRequest none = Pension(0, 2015, false);
  EXPECT_TRUE(ComputePensionAllowances(none).allowance.IsZero());
  const PensionAllowances late = ComputePensionAllowances(Pension(100000, 2040, false));
  EXPECT_TRUE(late.allowance.IsZero());
  EXPECT_TRUE(late.supplement.IsZero());
}

// 64 completed in 2022: index 2023 - 2004 = 19, 13.6 %, at most 646 euros.
TEST(AgeRelief, PercentOfTheActivePayCappedByTheTable) {
  PensionAllowanceRequest r;
  r.annual_wage = Decimal::FromInt(30000);
  r.age_relief = true;
  r.age_relief_year = 2023;
  EXPECT_EQ(ComputePensionAllowances(r).age_relief, Decimal::FromInt(646));
  r.annual_wage = Decimal::Parse("1000.01");  // 136.0014 rounded up to 137
  EXPECT_EQ(ComputePensionAllowances(r).age_relief, Decimal::FromInt(137));
  r.age_relief = false;
  EXPECT_TRUE(ComputePensionAllowances(r).age_relief.IsZero());
}

}  // namespace
}  // namespace pekto

namespace pekto {
namespace {

struct ChartYearCase {
  const char* name;
  int start_year;
  int accounting_year;
  std::int64_t monthly_cents;
  int months;  // 0: a monthly calculation
  const char* allowance;
  const char* supplement;
};

void PrintTo(const ChartYearCase& c, std::ostream* os) { *os << c.name; }

class PensionTablesOfTheChartYear : public ::testing::TestWithParam<ChartYearCase> {};

TEST_P(PensionTablesOfTheChartYear, StartYearIndexesTheTablesOfTheAccountingYear) {
  const ChartYearCase& c = GetParam();
  PensionAllowanceRequest r = Pension(c.monthly_cents, c.start_year, c.months > 0, c.months);
  r.accounting_year = c.accounting_year;
  const PensionAllowances a = ComputePensionAllowances(r);
  EXPECT_EQ(a.allowance, Decimal::Parse(c.allowance));
  EXPECT_EQ(a.supplement, Decimal::Parse(c.supplement));
}

INSTANTIATE_TEST_SUITE_P(
    Years, PensionTablesOfTheChartYear,
    ::testing::Values(
        // Pension since 2023, 500 a month (6,000 a year): the 2024 chart
        // takes 13.6 % (816.00, cap 1,020) and a supplement of 306; the 2025
        // chart 14.0 % (840.00, cap 1,050) and 315.
        ChartYearCase{"Since2023In2024", 2023, 2024, 50000, 0, "816.00", "306"},
        ChartYearCase{"Since2023In2025", 2023, 2025, 50000, 0, "840.00", "315"},
        // Since 2026 in 2026 (index 22): 12.8 % of 6,000 = 768.00, cap 960,
        // supplement 288.
        ChartYearCase{"Since2026In2026", 2026, 2026, 50000, 0, "768.00", "288"},
        // A year calculation for seven months, pension since 2025 (index 21,
        // 13.2 %, cap 990, supplement 297): 3,500 x 7 = 24,500 x 13.2 % =
        // 3,234 capped at 990 / 12 x 7 = 577.50, cut up to 578 from 2025;
        // supplement 297 / 12 x 7 = 173.25, up to 174.
        ChartYearCase{"YearCalculationRoundsTheCapUpFrom2025", 2025, 2025, 350000, 7, "578", "174"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PensionTableIndex, RunsTo2058FromThe2025Chart) {
  EXPECT_EQ(PensionTableIndex(2045, 2024), 36);
  EXPECT_EQ(PensionTableIndex(2045, 2025), 41);
  EXPECT_EQ(PensionTableIndex(2057, 2026), 53);
  EXPECT_EQ(PensionTableIndex(2060, 2026), 54);
}

}  // namespace
}  // namespace pekto
