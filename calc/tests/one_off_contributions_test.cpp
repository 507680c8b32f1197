#include "calc/one_off_contributions.h"

#include <gtest/gtest.h>

#include <array>

#include "calc/tests/contribution_test_support.h"

namespace pekto {
namespace {

using test::Amounts;
using test::Employee;

struct OneOffCase {
  const char* name;
  Employee employee;
  std::int64_t accumulated_base;  // the same for KV, RV, AV and the levies
  int accumulated_days;
  Amounts employee_shares;
  Amounts employer_shares;
  std::int64_t levy_base;
  std::array<bool, 3> march_clause;  // KV, RV, AV
};

void PrintTo(const OneOffCase& c, std::ostream* os) { *os << c.name; }

PayrollResult RunOneOff(const OneOffCase& c) {
  PayrollInput in = test::InputOf(c.employee);
  in.kv_accum_amount = in.rv_accum_amount = in.av_accum_amount = in.levy_accum_amount = Cents(c.accumulated_base);
  in.kv_accum_days = in.rv_accum_days = in.av_accum_days = in.levy_accum_days = c.accumulated_days;
  PayrollResult out;
  Explainer quiet(nullptr);
  RunOneOffContributionStep(in, test::ParamsOf(in), out, quiet);
  return out;
}

class OneOffContributions : public ::testing::TestWithParam<OneOffCase> {};

TEST_P(OneOffContributions, ContributoryPartSharesAndMarchClause) {
  const OneOffCase& c = GetParam();
  const PayrollResult out = RunOneOff(c);
  EXPECT_EQ(test::EmployeeAmounts(out.one_off_employee), c.employee_shares);
  EXPECT_EQ(test::EmployerAmounts(out.one_off_employer), c.employer_shares);
  EXPECT_EQ(out.working.levy_base_one_off.Value(), c.levy_base);
  EXPECT_EQ(out.march_clause_branches, c.march_clause);
  EXPECT_EQ(out.march_clause, c.march_clause[0] || c.march_clause[1] || c.march_clause[2]);
}

// 2023 ceilings: KV 59850, RV/AV West 87600, East 85200 a year; x days / 360.
INSTANTIATE_TEST_SUITE_P(Rows, OneOffContributions,
                         ::testing::Values(
                             // June, 180 days, 18000.00 so far: KV room 29925.00 - 18000.00; the
                             // 2000.00 are contributory in full: KV 146.00 + 14.00, RV 186.00,
                             // AV 26.00, PV 30.50 each side
                             OneOffCase{"WithinTheProratedCeiling",
                                        {.period = "0623", .sv_one_off = 200000},
                                        1800000,
                                        180,
                                        {16000, 18600, 2600, 3050},
                                        {16000, 18600, 2600, 3050},
                                        200000,
                                        {}},
                             // 27000.00 so far: KV room 29925.00 - 27000.00 = 2925.00 of the 10000.00:
                             // 213.525 -> 213.53 + 20.475 -> 20.48; PV 44.60625 -> 44.61;
                             // RV/AV room 43800.00 - 27000.00 covers the payment: 930.00, 130.00
                             OneOffCase{"AboveTheKvCeiling",
                                        {.period = "0623", .sv_gross = 450000, .sv_one_off = 1000000},
                                        2700000,
                                        180,
                                        {23401, 93000, 13000, 4461},
                                        {23401, 93000, 13000, 4461},
                                        1000000,
                                        {}},
                             // February, 60 days, 9000.00 so far: KV room 9975.00 - 9000.00 = 975.00:
                             // 71.175 -> 71.18 + 6.825 -> 6.83, PV 14.86875 -> 14.87;
                             // RV/AV room 14600.00 - 9000.00 = 5600.00: 520.80, 72.80
                             OneOffCase{"MarchClauseInAllBranches",
                                        {.period = "0223", .sv_gross = 450000, .sv_one_off = 1000000},
                                        900000,
                                        60,
                                        {7801, 52080, 7280, 1487},
                                        {7801, 52080, 7280, 1487},
                                        560000,
                                        {true, true, true}},
                             // March, 90 days, 9000.00 so far, 7000.00 paid: KV room 14962.50 -
                             // 9000.00 = 5962.50: 435.2625 -> 435.26 + 41.7375 -> 41.74, PV
                             // 90.928125 -> 90.93; RV room 21900.00 - 9000.00 covers it: 651.00, 91.00
                             OneOffCase{"MarchClauseInKvOnly",
                                        {.period = "0323", .sv_one_off = 700000},
                                        900000,
                                        90,
                                        {47700, 65100, 9100, 9093},
                                        {47700, 65100, 9100, 9093},
                                        700000,
                                        {true, false, false}},
                             // April is past the March clause, though the KV room is short
                             // KV room 19950.00 - 14000.00 = 5950.00: 434.35 + 41.65,
                             // PV 90.7375 -> 90.74; RV room 29200.00 - 14000.00 covers it
                             OneOffCase{"AprilNoMarchClause",
                                        {.period = "0423", .sv_one_off = 700000},
                                        1400000,
                                        120,
                                        {47600, 65100, 9100, 9074},
                                        {47600, 65100, 9100, 9074},
                                        700000,
                                        {}},
                             // year figures not formed: the month alone, 30 days and 3000.00:
                             // KV room 4987.50 - 3000.00 = 1987.50: 145.0875 -> 145.09 + 13.9125
                             // -> 13.91, PV 30.309375 -> 30.31; RV room 7300.00 - 3000.00
                             OneOffCase{"EmptyYearFiguresUseTheCurrentMonth",
                                        {.period = "0623", .sv_one_off = 200000},
                                        0,
                                        0,
                                        {15900, 18600, 2600, 3031},
                                        {15900, 18600, 2600, 3031},
                                        200000,
                                        {}},
                             // Saxony, July: PV employee 2.2 % = 44.00, employer 1.2 % = 24.00
                             OneOffCase{"Saxony",
                                        {.period = "0723", .land = 14, .sv_one_off = 200000},
                                        2100000,
                                        210,
                                        {16000, 18600, 2600, 4400},
                                        {16000, 18600, 2600, 2400},
                                        200000,
                                        {}},
                             OneOffCase{"NoPayment", {.period = "0623"}, 1800000, 180, {}, {}, 0, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

// § 20 Abs. 3 Satz 2 SGB IV, December 2023, trainee aged 24 without
// children: average supplement 1.6 %, PV 3.4 % + 0.6 %.
INSTANTIATE_TEST_SUITE_P(LowEarner, OneOffContributions,
                         ::testing::Values(
                             // 300.00 + 200.00: 25.00 up to 325.00 on the employer alone:
                             // KV 14.6 % = 3.65 + 2 x 0.20, RV 4.65, AV 0.65, PV 0.85 + 0.15;
                             // 175.00 above in halves: KV 12.775 -> 12.78 + 1.40, RV 16.275 -> 16.28,
                             // AV 2.275 -> 2.28, PV 2.975 -> 2.98 and the employee's 0.6 % = 1.05
                             OneOffCase{"AboveTheLimitInHalves",
                                        {.period = "1223",
                                         .sv_attribute = "1",
                                         .sv_gross = 30000,
                                         .sv_one_off = 20000,
                                         .pv_children = 0,
                                         .birth_date = "15061999"},
                                        360000,
                                        360,
                                        {1418, 1628, 228, 403},
                                        {1823, 2093, 293, 398},
                                        20000,
                                        {}},
                             // 200.00 + 100.00 stays within 325.00: all on the employer,
                             // KV 14.60 + 2 x 0.80, RV 18.60, AV 2.60, PV 3.40 + 0.60
                             OneOffCase{"WithinTheLimitOnTheEmployer",
                                        {.period = "1223",
                                         .sv_attribute = "1",
                                         .sv_gross = 20000,
                                         .sv_one_off = 10000,
                                         .pv_children = 0,
                                         .birth_date = "15061999"},
                                        240000,
                                        360,
                                        {},
                                        {1620, 1860, 260, 400},
                                        10000,
                                        {}}),
                         [](const auto& info) { return std::string(info.param.name); });

// A mini-job's one-off payment: 13 % KV and 15 % RV by the employer, 3.6 %
// by the employee who keeps RV: 26.00, 30.00, 7.20.
INSTANTIATE_TEST_SUITE_P(MiniJob, OneOffContributions,
                         ::testing::Values(OneOffCase{"FlatRates",
                                                      {.period = "1223",
                                                       .sv_attribute = "2",
                                                       .kv_key = "6",
                                                       .av_key = "0",
                                                       .pv_key = "0",
                                                       .kv_rate = 0,
                                                       .sv_gross = 52000,
                                                       .sv_one_off = 20000},
                                                      624000,
                                                      360,
                                                      {0, 720, 0, 0},
                                                      {2600, 3000, 0, 0},
                                                      20000,
                                                      {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ContributoryOneOffPart, ProratedCeilingLessTheAccumulatedBase) {
  // 59850.00 x 60 / 360 = 9975.00 - 9000.00
  EXPECT_EQ(ContributoryOneOffPart(Cents(1000000), Cents(5985000), {Cents(900000), 60}).Value(), 97500);
  EXPECT_EQ(ContributoryOneOffPart(Cents(50000), Cents(5985000), {Cents(900000), 60}).Value(), 50000);
  // already above the prorated ceiling: nothing, never negative
  EXPECT_EQ(ContributoryOneOffPart(Cents(50000), Cents(5985000), {Cents(1200000), 60}).Value(), 0);
  // no days: no ceiling, no division
  EXPECT_EQ(ContributoryOneOffPart(Cents(50000), Cents(5985000), {Cents(0), 0}).Value(), 0);
  // 56250.00 x 7 / 360 = 1093.75
  EXPECT_EQ(ContributoryOneOffPart(Cents(500000), Cents(5625000), {Cents(0), 7}).Value(), 109375);
}

TEST(MarchClauseMonths, JanuaryToMarchOnly) {
  EXPECT_TRUE(InMarchClauseMonths(202301));
  EXPECT_TRUE(InMarchClauseMonths(202403));
  EXPECT_FALSE(InMarchClauseMonths(202304));
  EXPECT_FALSE(InMarchClauseMonths(202312));
}

}  // namespace
}  // namespace pekto
