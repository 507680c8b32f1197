#include "calc/pension_income.h"

#include <gtest/gtest.h>

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
