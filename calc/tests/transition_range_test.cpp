#include "calc/transition_range.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "calc/one_off_contributions.h"
#include "calc/social_insurance.h"
#include "calc/tests/contribution_test_support.h"

namespace pekto {
namespace {

using test::Amounts;
using test::Employee;

Cents Rounded(const Decimal& value) { return RoundHalfAwayFromZero(value); }

TEST(TransitionContributionBases, October2023WageOf1000) {
  // BE = 0.6922 x 520 + (2000/1480 - 520/1480 x 0.6922) x 480
  //    = 359.944 + 1.1081459 x 480 = 891.8540 -> 891.85
  // BE_AN = 2000/1480 x 480 = 648.6486 -> 648.65
  const TransitionBases b =
      TransitionContributionBases(Cents(100000), Cents(0), {Cents(52000), Cents(200000), 0.6922F});
  EXPECT_EQ(Rounded(b.be).Value(), 89185);
  EXPECT_EQ(Rounded(b.be_employee).Value(), 64865);
}

TEST(TransitionContributionBases, MultipleEmploymentTakesTheShareOfThisEmployer) {
  // GE = 600 + 400 = 1000: BE(GE) = 891.8540 x 600 / 1000 = 535.1124;
  // BE_AN = 600 x 480 x 2000 / 1480 / 1000 = 389.1892
  const TransitionBases b =
      TransitionContributionBases(Cents(60000), Cents(40000), {Cents(52000), Cents(200000), 0.6922F});
  EXPECT_EQ(Rounded(b.be).Value(), 53511);
  EXPECT_EQ(Rounded(b.be_employee).Value(), 38919);
}

TEST(TransitionContributionBases, ReachesFxGAndOgAtTheLimits) {
  const TransitionLimits limits{Cents(52000), Cents(200000), 0.6922F};
  // 0.6922 x 520.00 = 359.944 (the single-precision F adds 0.0000026)
  const TransitionBases lower = TransitionContributionBases(Cents(52000), Cents(0), limits);
  EXPECT_EQ(Rounded(lower.be).Value(), 35994);
  EXPECT_TRUE(lower.be_employee.IsZero());
  const TransitionBases upper = TransitionContributionBases(Cents(200000), Cents(0), limits);
  EXPECT_EQ(upper.be, Decimal::FromInt(200000));
  EXPECT_EQ(upper.be_employee, Decimal::FromInt(200000));
}

struct MonthCase {
  const char* name;
  Employee employee;
  bool applies;
  bool old_rule;
  std::int64_t be;
  std::int64_t be_employee;
};

void PrintTo(const MonthCase& c, std::ostream* os) { *os << c.name; }

class TransitionMonthOfPeriod : public ::testing::TestWithParam<MonthCase> {};

TEST_P(TransitionMonthOfPeriod, RangeRuleAndBases) {
  const MonthCase& c = GetParam();
  const PayrollInput in = test::InputOf(c.employee);
  const TransitionMonth month = TransitionMonthOf(in, test::ParamsOf(in));
  EXPECT_EQ(month.applies, c.applies);
  EXPECT_EQ(month.old_rule, c.old_rule);
  EXPECT_EQ(month.month.be.Value(), c.be);
  EXPECT_EQ(month.month.be_employee.Value(), c.be_employee);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TransitionMonthOfPeriod,
    ::testing::Values(
        MonthCase{
            "October2023", {.period = "1023", .sv_attribute = "3", .sv_gross = 100000}, true, false, 89185, 64865},
        // October 2022: G 520, OG 1600, F 0.7009:
        // (0.7009 x 520 x 600 + 1600 x 480) / 1080 = 913.5933; 1600 x 480 / 1080 = 711.11
        MonthCase{
            "October2022", {.period = "1022", .sv_attribute = "3", .sv_gross = 100000}, true, false, 91359, 71111},
        // the old rule has no BE_AN
        MonthCase{"September2022", {.period = "0922", .sv_attribute = "3", .sv_gross = 100000}, true, true, 96044, 0},
        // "7" and "8" keep G 450, OG 1300, F 0.7509 up to 12/2023:
        // (0.7509 x 450 x 800 + 1300 x 50) / 850 = 394.4988 -> 394.50
        MonthCase{"Protected7In2023", {.period = "0523", .sv_attribute = "7", .sv_gross = 50000}, true, true, 39450, 0},
        // the protection ended with 2023: 500.00 is a mini-job wage in 2024
        MonthCase{
            "Protected8November2022", {.period = "1122", .sv_attribute = "8", .sv_gross = 50000}, true, true, 39450, 0},
        MonthCase{"Protected7In2024", {.period = "0524", .sv_attribute = "7", .sv_gross = 50000}, false, false, 0, 0},
        MonthCase{"NotInTheGroup", {.period = "1023", .sv_gross = 100000}, false, false, 0, 0},
        MonthCase{
            "AboveTheUpperLimit", {.period = "1023", .sv_attribute = "3", .sv_gross = 200001}, false, false, 0, 0},
        MonthCase{"AtTheUpperLimit",
                  {.period = "1023", .sv_attribute = "3", .sv_gross = 200000},
                  true,
                  false,
                  200000,
                  200000},
        MonthCase{"AtTheMiniJobLimit", {.period = "1023", .sv_attribute = "3", .sv_gross = 52000}, false, false, 0, 0},
        // the one-off payment pushes the month above OG: ordinary contributions
        MonthCase{"OneOffAboveTheUpperLimit",
                  {.period = "1023", .sv_attribute = "3", .sv_gross = 190000, .sv_one_off = 20000},
                  false,
                  false,
                  0,
                  0},
        // 500.00 for 15 days is 1000.00 a month: 891.8540 x 15 / 30 = 445.9270;
        // 648.6486 / 2 = 324.3243
        MonthCase{"FifteenDays",
                  {.period = "1023", .sv_attribute = "3", .sv_days = 15, .sv_gross = 50000},
                  true,
                  false,
                  44593,
                  32432},
        MonthCase{"EmptySvDays",
                  {.period = "1023", .sv_attribute = "3", .sv_days = 0, .sv_gross = 100000},
                  false,
                  false,
                  0,
                  0},
        // 300.00 here and 500.00 elsewhere: GE 800.00 lies in the range
        MonthCase{"OtherEmployerLiftsIntoTheRange",
                  {.period = "1023", .sv_attribute = "3", .sv_gross = 30000, .other_employer_pay = 50000},
                  true,
                  false,
                  // GE 800: (0.6922 x 520 x 1200 + 2000 x 280) / 1480 = 670.2249, x 3/8 = 251.3343
                  // BE_AN: 2000 x 280 / 1480 x 3/8 = 141.8919
                  25133,
                  14189}),
    [](const auto& info) { return std::string(info.param.name); });

struct TransitionCase {
  const char* name;
  Employee employee;
  Amounts employee_shares;
  Amounts employer_shares;
};

void PrintTo(const TransitionCase& c, std::ostream* os) { *os << c.name; }

class TransitionShares : public ::testing::TestWithParam<TransitionCase> {};

TEST_P(TransitionShares, OfEmployeeAndEmployer) {
  const TransitionCase& c = GetParam();
  const PayrollInput in = test::InputOf(c.employee);
  PayrollResult out;
  Explainer quiet(nullptr);
  RunSocialInsuranceStep(in, test::ParamsOf(in), out, quiet);
  EXPECT_EQ(test::EmployeeAmounts(out.current_employee), c.employee_shares);
  EXPECT_EQ(test::EmployerAmounts(out.current_employer), c.employer_shares);
}

// From 10/2022: total = 2 x (BE x rate / 2), employee = BE_AN x rate / 2,
// employer = total - employee. BE 891.85, BE_AN 648.65 (wage 1000.00):
// KV 7.3 %: 2 x 65.11 = 130.22, employee 47.35, employer 82.87;
//    0.7 %: 2 x 6.24 = 12.48, employee 4.54, employer 7.94;
// RV 9.3 %: 2 x 82.94 = 165.88, employee 60.32, employer 105.56;
// AV 1.3 %: 2 x 11.59 = 23.18, employee 8.43, employer 14.75;
// PV 1.7 %: 2 x 15.16 = 30.32, employee 11.03, employer 19.29.
// Before 10/2022 (BE 960.44, wage 1000.00): employer = the half rate on
// the wage, employee = total on BE - employer:
// KV 7.3 %: 2 x 70.11 = 140.22 - 73.00 = 67.22; 0.7 %: 13.44 - 7.00 = 6.44;
// RV 9.3 %: 2 x 89.32 = 178.64 - 93.00 = 85.64;
// AV 1.2 %: 2 x 11.53 = 23.06 - 12.00 = 11.06;
// PV 1.525 %: 2 x 14.65 = 29.30 - 15.25 = 14.05.
INSTANTIATE_TEST_SUITE_P(
    Rows, TransitionShares,
    ::testing::Values(TransitionCase{"NewRuleOctober2023",
                                     {.period = "1023", .sv_attribute = "3", .sv_gross = 100000},
                                     {5189, 6032, 843, 1103},
                                     {9081, 10556, 1475, 1929}},
                      // childless: 0.6 % on BE_AN 648.65 = 3.89 more for the employee
                      TransitionCase{"NewRuleChildless",
                                     {.period = "1023", .sv_attribute = "3", .sv_gross = 100000, .pv_children = 0},
                                     {5189, 6032, 843, 1492},
                                     {9081, 10556, 1475, 1929}},
                      // Saxony: employee 2.2 % of BE_AN = 14.2703 -> 14.27, employer the
                      // rest of 30.32
                      TransitionCase{"NewRuleSaxony",
                                     {.period = "1023", .land = 14, .sv_attribute = "3", .sv_gross = 100000},
                                     {5189, 6032, 843, 1427},
                                     {9081, 10556, 1475, 1605}},
                      TransitionCase{"OldRuleSeptember2022",
                                     {.period = "0922", .sv_attribute = "3", .sv_gross = 100000},
                                     {7366, 8564, 1106, 1405},
                                     {8000, 9300, 1200, 1525}},
                      // Saxony before 10/2022: employer 1.025 % of the wage = 10.25
                      TransitionCase{"OldRuleSaxony",
                                     {.period = "0922", .land = 14, .sv_attribute = "3", .sv_gross = 100000},
                                     {7366, 8564, 1106, 1905},
                                     {8000, 9300, 1200, 1025}},
                      // 2021, childless: the 0.25 % surcharge lies on BE: 2.4011 -> 2.40
                      TransitionCase{"OldRuleChildless2021",
                                     {.period = "0521", .sv_attribute = "3", .sv_gross = 100000, .pv_children = 0},
                                     {7366, 8564, 1106, 1645},
                                     {8000, 9300, 1200, 1525}},
                      // "7" in May 2023, 500.00, RV as a mini-job (key 5): BE 394.50;
                      // KV 2 x 28.80 = 57.60 - 36.50 = 21.10 and 2 x 2.76 = 5.52 - 3.50 = 2.02;
                      // AV 2 x 5.13 = 10.26 - 6.50 = 3.76; PV 2 x 6.02 = 12.04 - 7.63 = 4.41;
                      // RV flat 15 % of 500.00 = 75.00 by the employer
                      TransitionCase{"Protected7With2023OldRule",
                                     {.period = "0523", .sv_attribute = "7", .rv_key = "5", .sv_gross = 50000},
                                     {2312, 0, 376, 441},
                                     {4000, 7500, 650, 763}},
                      // this employer 600.00, another 400.00: BE 535.11, BE_AN 389.19
                      // KV 2 x 39.06 = 78.12 - 28.41 and 2 x 3.75 = 7.50 - 2.72;
                      // RV 2 x 49.77 = 99.54 - 36.19; AV 2 x 6.96 = 13.92 - 5.06;
                      // PV 2 x 9.10 = 18.20 - 6.62
                      TransitionCase{
                          "MultipleEmployment",
                          {.period = "1123", .sv_attribute = "3", .sv_gross = 60000, .other_employer_pay = 40000},
                          {3113, 3619, 506, 662},
                          {5449, 6335, 886, 1158}},
                      // 15 days, 500.00: BE 445.93, BE_AN 324.32
                      // KV 2 x 32.55 = 65.10 - 23.68 and 2 x 3.12 = 6.24 - 2.27;
                      // RV 2 x 41.47 = 82.94 - 30.16; AV 2 x 5.80 = 11.60 - 4.22;
                      // PV 2 x 7.58 = 15.16 - 5.51
                      TransitionCase{"FifteenDays",
                                     {.period = "1023", .sv_attribute = "3", .sv_days = 15, .sv_gross = 50000},
                                     {2595, 3016, 422, 551},
                                     {4539, 5278, 738, 965}},
                      // above OG: ordinary halves of 2100.00
                      TransitionCase{"AboveTheUpperLimit",
                                     {.period = "1023", .sv_attribute = "3", .sv_gross = 210000},
                                     {16800, 19530, 2730, 3570},
                                     {16800, 19530, 2730, 3570}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TransitionOneOff, CarriesItsShareOfTheMonthsBases) {
  // 800.00 current pay and 200.00 one-off: the month's BE 891.85 and
  // BE_AN 648.65 split 4 : 1 -> current 713.48 / 518.92, one-off 178.37 / 129.73.
  // RV current: 2 x 66.35 = 132.70, employee 48.26, employer 84.44;
  // RV one-off: 2 x 16.59 = 33.18, employee 12.06, employer 21.12;
  // together 60.32 / 105.56, as for 1000.00 of current pay.
  const PayrollInput in =
      test::InputOf({.period = "1023", .sv_attribute = "3", .sv_gross = 80000, .sv_one_off = 20000});
  const YearParameters params = test::ParamsOf(in);
  PayrollResult out;
  Explainer quiet(nullptr);
  RunSocialInsuranceStep(in, params, out, quiet);
  RunOneOffContributionStep(in, params, out, quiet);
  EXPECT_EQ(out.working.transition_base.Value(), 71348);
  EXPECT_EQ(out.working.transition_base_employee.Value(), 51892);
  EXPECT_EQ(out.current_employee.rv.Value(), 4826);
  EXPECT_EQ(out.current_employer.rv.Value(), 8444);
  EXPECT_EQ(out.one_off_employee.rv.Value(), 1206);
  EXPECT_EQ(out.one_off_employer.rv.Value(), 2112);
  EXPECT_EQ(out.working.levy_base.Value(), 80000);
  EXPECT_EQ(out.working.levy_base_one_off.Value(), 20000);
  EXPECT_FALSE(out.march_clause);
}

TEST(TransitionWorkingValues, BasesAndExplanation) {
  const PayrollInput in = test::InputOf({.period = "1023", .sv_attribute = "3", .sv_gross = 100000});
  PayrollResult out;
  Explainer explain(&out.working.explanation);
  RunSocialInsuranceStep(in, test::ParamsOf(in), out, explain);
  EXPECT_TRUE(out.working.transition_range);
  EXPECT_EQ(out.working.kv_base.Value(), 89185);
  EXPECT_EQ(out.working.rv_base.Value(), 89185);
  EXPECT_EQ(out.working.levy_base.Value(), 100000);  // the actual pay, not BE
  const auto& lines = out.working.explanation;
  const auto has = [&](const char* text) { return std::find(lines.begin(), lines.end(), text) != lines.end(); };
  EXPECT_TRUE(has("  Faktor F: 0,6922"));
  EXPECT_TRUE(has("  Beitragspflichtige Einnahme BE: 891,85 EUR"));
  EXPECT_TRUE(has("  Beitragspflichtige Einnahme Arbeitnehmeranteil BE_AN: 648,65 EUR"));
}

}  // namespace
}  // namespace pekto
