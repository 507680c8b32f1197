#include "calc/social_insurance.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "calc/tests/contribution_test_support.h"

namespace pekto {
namespace {

using test::Amounts;
using test::Employee;

PayrollResult RunCurrent(const Employee& e, bool explain = false) {
  const PayrollInput in = test::InputOf(e);
  PayrollResult out;
  Explainer explainer(explain ? &out.working.explanation : nullptr);
  RunSocialInsuranceStep(in, test::ParamsOf(in), out, explainer);
  return out;
}

struct CurrentCase {
  const char* name;
  Employee employee;
  Amounts employee_shares;
  Amounts employer_shares;
};

void PrintTo(const CurrentCase& c, std::ostream* os) { *os << c.name; }

class CurrentPayContributions : public ::testing::TestWithParam<CurrentCase> {};

TEST_P(CurrentPayContributions, SharesOfEmployeeAndEmployer) {
  const CurrentCase& c = GetParam();
  const PayrollResult out = RunCurrent(c.employee);
  EXPECT_EQ(test::EmployeeAmounts(out.current_employee), c.employee_shares);
  EXPECT_EQ(test::EmployerAmounts(out.current_employer), c.employer_shares);
}

// Rates in 2023 before July: KV 14.6 % + the fund's 1.4 %, RV 18.6 %,
// AV 2.6 %, PV 3.05 % (childless +0.35 %); from July PV 3.4 % (+0.6 %,
// Saxony employer 1.2 %). Each half is rounded half away from zero.
INSTANTIATE_TEST_SUITE_P(
    Rows, CurrentPayContributions,
    ::testing::Values(
        // 3000.00: KV 7.3 % = 219.00 + 0.7 % = 21.00; RV 9.3 % = 279.00;
        // AV 1.3 % = 39.00; PV 1.525 % = 45.75 - each side
        CurrentCase{"Ordinary", {}, {24000, 27900, 3900, 4575}, {24000, 27900, 3900, 4575}},
        // rate 16.30 %: supplement 1.7 % of 2000.30 = 34.0051 would round to
        // 34.01, an odd cent; each side pays 0.85 % = 17.002555 -> 17.00.
        // General 7.3 % = 146.0219 -> 146.02; RV 9.3 % = 186.0279 -> 186.03;
        // AV 1.3 % = 26.0039 -> 26.00; PV 1.525 % = 30.504575 -> 30.50
        CurrentCase{"KvRate1630SupplementWithoutOddCent",
                    {.kv_rate = 1630, .sv_gross = 200030},
                    {16302, 18603, 2600, 3050},
                    {16302, 18603, 2600, 3050}},
        // key 3, rate 15.40 %: reduced 14.0 % -> 7.0 % of 3000 = 210.00,
        // supplement 1.4 % -> 21.00
        CurrentCase{"ReducedKey3Rate1540",
                    {.kv_key = "3", .kv_rate = 1540},
                    {23100, 27900, 3900, 4575},
                    {23100, 27900, 3900, 4575}},
        // 8000.00 over 30 days: KV base 59850 / 360 x 30 = 4987.50,
        // 7.3 % = 364.0875 -> 364.09, 0.7 % = 34.9125 -> 34.91;
        // RV/AV base 87600 / 12 = 7300.00: 678.90, 94.90;
        // PV 4987.50 x 1.525 % = 76.059375 -> 76.06
        CurrentCase{
            "AboveTheCeilingsWest", {.sv_gross = 800000}, {39900, 67890, 9490, 7606}, {39900, 67890, 9490, 7606}},
        // Saxony, July 2023, 8000.00: RV/AV East 85200 / 12 = 7100.00:
        // 660.30, 92.30; PV employee 2.2 % of 4987.50 = 109.725 -> 109.73,
        // employer 1.2 % = 59.85
        CurrentCase{"SaxonyEastCeilingsJuly2023",
                    {.period = "0723", .land = 14, .sv_gross = 800000},
                    {39900, 66030, 9230, 10973},
                    {39900, 66030, 9230, 5985}},
        // childless from July 2023: PV 1.7 % = 51.00 each, surcharge 0.6 %
        // = 18.00 on the employee only
        CurrentCase{"ChildlessSurchargeJuly2023",
                    {.period = "0723", .pv_children = 0},
                    {24000, 27900, 3900, 6900},
                    {24000, 27900, 3900, 5100}},
        // June 2023: 45.75 each, surcharge 0.35 % = 10.50
        CurrentCase{"ChildlessSurchargeJune2023",
                    {.period = "0623", .pv_children = 0},
                    {24000, 27900, 3900, 5625},
                    {24000, 27900, 3900, 4575}},
        // 2024, three children: discount 0.5 % = 15.00 off the employee's 51.00
        CurrentCase{"ThreeChildrenDiscount2024",
                    {.period = "0524", .pv_children = 3},
                    {24000, 27900, 3900, 3600},
                    {24000, 27900, 3900, 5100}},
        // Saxony 2024 childless: employee 2.2 % = 66.00 + 0.6 % = 18.00,
        // employer 1.2 % = 36.00
        CurrentCase{"SaxonyChildless2024",
                    {.period = "0524", .land = 14, .pv_children = 0},
                    {24000, 27900, 3900, 8400},
                    {24000, 27900, 3900, 3600}},
        // 15 SV days, 5000.00: KV base 59850 x 15 / 360 = 2493.75:
        // 182.04375 -> 182.04 + 17.45625 -> 17.46; RV/AV base 3650.00:
        // 339.45, 47.45; PV 38.0296875 -> 38.03
        CurrentCase{"FifteenSvDaysAboveTheCeilings",
                    {.sv_days = 15, .sv_gross = 500000},
                    {19950, 33945, 4745, 3803},
                    {19950, 33945, 4745, 3803}},
        // no SV days: no ceiling, no base, no contribution
        CurrentCase{"EmptySvDays", {.sv_days = 0}, {}, {}},
        // "Halber Beitrag" in RV and AV: the employer's half only
        CurrentCase{"HalfContributionKeysRv3Av2",
                    {.rv_key = "3", .av_key = "2"},
                    {24000, 0, 0, 4575},
                    {24000, 27900, 3900, 4575}},
        // PV key 2: half the rate, 0.7625 % = 22.875 -> 22.88 each
        CurrentCase{"HalfCareRateKey2", {.pv_key = "2"}, {24000, 27900, 3900, 2288}, {24000, 27900, 3900, 2288}},
        // key 1 without a rate: no health contribution, and no negative one
        CurrentCase{"Key1WithoutRate", {.kv_rate = 0}, {0, 27900, 3900, 4575}, {0, 27900, 3900, 4575}}),
    [](const auto& info) { return std::string(info.param.name); });

// SV characteristic "1": a trainee paid up to 325.00 (§ 20 Abs. 3 SGB IV).
INSTANTIATE_TEST_SUITE_P(
    LowEarner, CurrentPayContributions,
    ::testing::Values(
        // 300.00, aged 18: KV 14.6 % = 43.80 plus the average supplement
        // 1.6 %, split as 2 x 0.8 % = 2 x 2.40; RV 18.6 % = 55.80;
        // AV 2.6 % = 7.80; PV 3.05 % = 9.15 - all on the employer
        CurrentCase{"TraineeBelowLimit",
                    {.sv_attribute = "1", .sv_gross = 30000, .pv_children = 0, .birth_date = "15062004"},
                    {},
                    {4860, 5580, 780, 915}},
        // childless over 23: the employer bears the surcharge too,
        // 0.35 % of 300.00 = 1.05
        CurrentCase{"TraineeChildlessOver23",
                    {.sv_attribute = "1", .sv_gross = 30000, .pv_children = 0, .birth_date = "15061990"},
                    {},
                    {4860, 5580, 780, 1020}},
        // half RV key: the employer pays only the half, 27.90
        CurrentCase{"TraineeHalfRvKey",
                    {.sv_attribute = "1", .rv_key = "3", .sv_gross = 30000, .birth_date = "15062004"},
                    {},
                    {4860, 2790, 780, 915}},
        // 400.00 is above the limit: ordinary halves with the fund's
        // supplement: 29.20 + 2.80, 37.20, 5.20, 6.10
        CurrentCase{"TraineeAboveLimitSharesInHalves",
                    {.sv_attribute = "1", .sv_gross = 40000, .birth_date = "15062004"},
                    {3200, 3720, 520, 610},
                    {3200, 3720, 520, 610}}),
    [](const auto& info) { return std::string(info.param.name); });

Employee MiniJob(std::int64_t gross, const char* rv_key = "1", int days = 30, std::int64_t one_off = 0) {
  return {.sv_attribute = "2",
          .kv_key = "6",
          .rv_key = rv_key,
          .av_key = "0",
          .pv_key = "0",
          .kv_rate = 0,
          .sv_days = days,
          .sv_gross = gross,
          .sv_one_off = one_off};
}

Employee WithFundRate(Employee e) {
  e.kv_rate = 1600;
  return e;
}

// Mini-jobs: flat 13 % KV and 15 % RV by the employer; with employee RV the
// employee adds 3.6 % and the full 18.6 % on the gap to the 175.00 minimum.
INSTANTIATE_TEST_SUITE_P(
    MiniJob, CurrentPayContributions,
    ::testing::Values(
        // 520.00: KV 67.60, RV 78.00, employee 18.72
        CurrentCase{"WithEmployeeRv", MiniJob(52000), {0, 1872, 0, 0}, {6760, 7800, 0, 0}},
        // a fund rate entered with key 6 adds no supplement
        CurrentCase{"Key6IgnoresTheFundRate", WithFundRate(MiniJob(52000)), {0, 1872, 0, 0}, {6760, 7800, 0, 0}},
        // 100.00: gap 75.00; employee 75.00 x 18.6 % + 100.00 x 3.6 %
        // = 13.95 + 3.60; employer 15.00, KV 13.00
        CurrentCase{"GapToTheMinimumBase", MiniJob(10000), {0, 1755, 0, 0}, {1300, 1500, 0, 0}},
        // the SV one-off payment of 50.00 fills the gap: 25.00 x 18.6 % +
        // 3.60 = 4.65 + 3.60
        CurrentCase{"OneOffFillsPartOfTheGap", MiniJob(10000, "1", 30, 5000), {0, 825, 0, 0}, {1300, 1500, 0, 0}},
        // opted out of RV (key 5): the employer's 15 % only, no gap to fill
        CurrentCase{"OptedOutNoGap", MiniJob(10000, "5"), {}, {1300, 1500, 0, 0}},
        // 15 days: minimum 175.00 x 15 / 30 = 87.50, pay 50.00, gap 37.50:
        // 6.975 + 1.80 = 8.775 -> 8.78; employer 7.50, KV 6.50
        CurrentCase{"PartialMonthMinimumBase", MiniJob(5000, "1", 15), {0, 878, 0, 0}, {650, 750, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CurrentPayBases, CeilingOfAFullMonthIsATwelfth) {
  const PayrollResult out = RunCurrent({.sv_gross = 800000});
  EXPECT_EQ(out.working.kv_base.Value(), 5985000 / 12);
  EXPECT_EQ(out.working.rv_base.Value(), 8760000 / 12);
  EXPECT_EQ(out.working.av_base.Value(), 8760000 / 12);
  EXPECT_EQ(out.working.levy_base.Value(), 8760000 / 12);
}

TEST(CurrentPayBases, LowEarnerFlagsTheEmployerPayingAll) {
  const PayrollResult out = RunCurrent({.sv_attribute = "1", .sv_gross = 30000});
  EXPECT_TRUE(out.working.employer_pays_all);
  EXPECT_FALSE(RunCurrent({.sv_attribute = "1", .sv_gross = 32501}).working.employer_pays_all);
}

TEST(CurrentPayBases, MiniJobShowsTheMinimumBaseAndLeviesTheActualPay) {
  const PayrollResult out = RunCurrent(MiniJob(10000));
  EXPECT_TRUE(out.working.mini_job);
  EXPECT_EQ(out.working.mini_job_rv_gap.Value(), 7500);
  EXPECT_EQ(out.working.rv_base.Value(), 17500);
  EXPECT_EQ(out.working.kv_base.Value(), 10000);
  EXPECT_EQ(out.working.levy_base.Value(), 10000);
}

TEST(CurrentPayBases, EmptySvDaysLeaveEverythingEmpty) {
  const PayrollResult out = RunCurrent({.sv_days = 0}, true);
  EXPECT_TRUE(out.working.kv_base.IsZero());
  EXPECT_TRUE(out.working.levy_base.IsZero());
  ASSERT_EQ(out.working.explanation.size(), 2U);
  EXPECT_NE(out.working.explanation[1].find("Keine Sozialversicherungstage"), std::string::npos);
}

TEST(MiniJobRvGap, MinimumIsRoundedDownForPartialMonths) {
  // 175.00 x 7 / 30 = 40.8333 -> 40.83
  EXPECT_EQ(MiniJobRvGap(Cents(1000), Cents(0), 7, Cents(17500)).Value(), 4083 - 1000);
  EXPECT_EQ(MiniJobRvGap(Cents(0), Cents(0), 30, Cents(17500)).Value(), 0);
  EXPECT_EQ(MiniJobRvGap(Cents(17500), Cents(0), 30, Cents(17500)).Value(), 0);
}

TEST(CurrentPayExplanation, NamesTheBasesInGerman) {
  const PayrollResult out = RunCurrent({.sv_gross = 800000}, true);
  const auto& lines = out.working.explanation;
  const auto has = [&](const std::string& text) { return std::find(lines.begin(), lines.end(), text) != lines.end(); };
  EXPECT_TRUE(has("[Sozialversicherung laufende Bezüge]"));
  EXPECT_TRUE(has("  Bemessungsgrundlage KV/PV: 4987,50 EUR"));
  EXPECT_TRUE(has("  Beitragsbemessungsgrenze RV/AV (West) des Zeitraums: 7300,00 EUR"));
}

}  // namespace
}  // namespace pekto
