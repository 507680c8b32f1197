// Lohnpfändung against the tables of § 850c ZPO.
#include "calc/garnishment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <ostream>
#include <string>
#include <vector>

#include "calc/year_tables.h"

namespace pekto {
namespace {

const GarnishmentTable& TableFrom(std::string_view valid_from) {
  for (const auto& row : GarnishmentRows()) {
    if (row.ValidFrom == valid_from) return row;
  }
  ADD_FAILURE() << "no garnishment table from " << valid_from;
  return GarnishmentRows().front();
}

int Tenths(int dependants) { return dependants == 0 ? 3 : std::min(dependants, 5) + 4; }

// The published table: free tenths of the pay (cut to the band width) over
// the exempt amount garnished, rounded half away from zero; nothing up to
// the exempt amount.
std::int64_t PublishedTableAmount(std::int64_t cut_pay, Cents exempt, int dependants) {
  const std::int64_t tenths_of_cents = (10 - Tenths(dependants)) * (cut_pay - exempt.Value());
  return tenths_of_cents <= 0 ? 0 : (tenths_of_cents + 5) / 10;
}

TEST(GarnishmentTables, EveryTablePeriodHasItsStatutoryAmounts) {
  for (const auto& row : GarnishmentRows()) {
    EXPECT_NE(FindGarnishmentExemptions(row.ValidFrom), nullptr) << row.ValidFrom;
  }
}

// Weekly amounts are the monthly ones x 84/365, daily ones a fifth of the
// weekly ones, each rounded to the cent (2019: 1178.59 -> 271.24 -> 54.25).
TEST(GarnishmentTables, WeeklyAndDailyAmountsFollowFromTheMonthlyOnes) {
  const auto weekly = [](Cents m) { return Cents((m.Value() * 84 * 2 + 365) / (365 * 2)); };
  const auto daily = [](Cents w) { return Cents((w.Value() * 2 + 5) / 10); };
  for (const auto& e : AllGarnishmentExemptions()) {
    // The 2025 announcement derives its weekly and daily amounts from
    // unrounded values, a cent off now and then (75.04 a week for 326.04 a
    // month, 219.42 a day for 1,097.05 a week); its figures hold.
    const std::int64_t tolerance = e.valid_from == std::string_view("072025") ? 1 : 0;
    const auto check = [&](Cents ExemptAmounts::*field) {
      EXPECT_LE(std::abs((e.weekly.*field - weekly(e.monthly.*field)).Value()), tolerance) << e.valid_from;
      EXPECT_LE(std::abs((e.daily.*field - daily(e.weekly.*field)).Value()), tolerance) << e.valid_from;
    };
    check(&ExemptAmounts::base);
    check(&ExemptAmounts::first_dependant);
    check(&ExemptAmounts::further_dependant);
    check(&ExemptAmounts::upper_limit);
  }
}

// The program's monthly table (lower limits, upper limit, corrections) is
// the statutory one: lower limits are the exempt amounts cut to 10 euros.
TEST(GarnishmentTables, MonthlyTableRowsFollowFromTheStatutoryAmounts) {
  for (const auto& row : GarnishmentRows()) {
    const GarnishmentExemptions* e = FindGarnishmentExemptions(row.ValidFrom);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(row.UpperLimit, e->monthly.upper_limit) << row.ValidFrom;
    for (int d = 0; d <= 5; ++d) {
      const GarnishmentBand derived = StatutoryBand(e->monthly, kMonthlyBandWidth, Tenths(d), d);
      EXPECT_EQ(row.LowerLimit[static_cast<std::size_t>(d)], derived.lower) << row.ValidFrom << " d=" << d;
      EXPECT_EQ(row.MonthlyCorrection[static_cast<std::size_t>(d)], derived.correction.Value())
          << row.ValidFrom << " d=" << d;
    }
  }
}

// Every band of every table from below the exempt amount to the upper
// limit, by the month, the week and the day, gives the published amount.
TEST(GarnishmentTables, BandRoutineGivesThePublishedAmountInEveryBand) {
  for (const auto& row : GarnishmentRows()) {
    const GarnishmentExemptions* e = FindGarnishmentExemptions(row.ValidFrom);
    ASSERT_NE(e, nullptr);
    for (int d = 0; d <= 5; ++d) {
      const struct {
        GarnishmentBand band;
        const ExemptAmounts& amounts;
      } units[] = {
          {MonthlyBand(row, d), e->monthly},
          {StatutoryBand(e->weekly, kWeeklyBandWidth, Tenths(d), d), e->weekly},
          {StatutoryBand(e->daily, kDailyBandWidth, Tenths(d), d), e->daily},
      };
      for (const auto& unit : units) {
        const Cents exempt = ExemptAmount(unit.amounts, d);
        const std::int64_t width = unit.band.band_width.Value();
        const std::int64_t upper = unit.amounts.upper_limit.Value();
        for (std::int64_t pay = (exempt.Value() / width - 2) * width; pay + width - 1 <= upper; pay += width) {
          const Decimal pay_within_band = Decimal::FromInt(pay + width - 1);
          ASSERT_EQ(GarnishableAmount(unit.band, pay_within_band),
                    Decimal::FromInt(PublishedTableAmount(pay, exempt, d)))
              << row.ValidFrom << " d=" << d << " width=" << width << " pay=" << pay;
        }
      }
    }
  }
}

struct GarnishmentCase {
  std::string name;
  std::string_view table;  // valid from
  int months;
  int days;
  int dependants;
  std::int64_t net;     // cents
  std::int64_t claims;  // cents
  std::int64_t expected;
};

void PrintTo(const GarnishmentCase& c, std::ostream* os) { *os << c.name; }

class GarnishmentOfPeriod : public ::testing::TestWithParam<GarnishmentCase> {};

TEST_P(GarnishmentOfPeriod, GarnishesThePublishedAmount) {
  const GarnishmentCase& c = GetParam();
  const GarnishmentTable& table = TableFrom(c.table);
  const Garnishment g = ComputeGarnishment({Cents(c.net), c.months, c.days, c.dependants, Cents(c.claims)}, table,
                                           FindGarnishmentExemptions(c.table));
  EXPECT_EQ(g.amount.Value(), c.expected);
}

// Exempt amounts (euros) used below, base + first + further dependants:
//   monthly 2017 1133.80 + 426.71; 2019 1178.59 + 443.57 + 247.12;
//   2021 1252.64 + 471.44 + 262.65, upper 3840.08; 2022 1330.16 + 500.62;
//   2023 1402.28 + 527.76 + 294.02, upper 4298.81;
//   weekly 2023 322.72 + 121.46; daily 2019 54.25 + 20.42 + 11.37,
//   daily 2023 64.54.
const GarnishmentCase kGarnishmentCases[] = {
    // 1415.00 -> band 1410.00; 7/10 x (1410.00 - 1402.28) = 5.404
    {"Month2023NoDependant", "072023", 1, 0, 0, 141500, 10000000, 540},
    // exempt 2224.06; 4/10 x (2500.00 - 2224.06) = 110.376
    {"Month2023TwoDependants", "072023", 1, 0, 2, 250000, 10000000, 11038},
    // from July 2024 exempt 1491.75; 7/10 x (1500.00 - 1491.75) = 5.775
    {"Month2024NoDependant", "072024", 1, 0, 0, 150000, 10000000, 578},
    // exempt 2812.10 above the net of 2800.00
    {"Month2023FourDependantsBelowExemptAmount", "072023", 1, 0, 4, 280000, 10000000, 0},
    // exempt 1830.78; 5/10 x (2000.00 - 1830.78) = 84.61
    {"Month2022OneDependant", "072022", 1, 0, 1, 200000, 10000000, 8461},
    // 4000.00 - 3840.08 = 159.92 in full; exempt 2774.68;
    // 1/10 x (3840.00 - 2774.68) = 106.532; 159.92 + 106.53
    {"Month2021FiveDependantsAboveUpperLimit", "072021", 1, 0, 5, 400000, 10000000, 26645},
    // exempt 2116.40; 3/10 x (2400.00 - 2116.40) = 85.08
    {"Month2019ThreeDependants", "072019", 1, 0, 3, 240000, 10000000, 8508},
    // exempt 1560.51; 5/10 x (1570.00 - 1560.51) = 4.745, half away
    {"Month2017OneDependantHalfCent", "072017", 1, 0, 1, 157500, 10000000, 475},
    // 7/10 x (3000.00 - 1402.28) = 1118.40, capped by claims of 500.00
    {"CappedByTheClaims", "072023", 1, 0, 0, 300000, 50000, 50000},
    // per month 5000.003333: 701.193333 in full + 7/10 x (4290.00 -
    // 1402.28) = 2021.404 -> 2021.40; three months 8167.779999
    {"ThreeMonthsAboveUpperLimitWithFractions", "072023", 3, 0, 0, 1500001, 100000000, 816778},
    // week: band 402.50; 7/10 x (402.50 - 322.72) = 55.846
    {"Week2023NoDependant", "072023", 0, 7, 0, 40260, 10000000, 5585},
    // week: exempt 444.18; 5/10 x (445.00 - 444.18) = 0.41
    {"Week2023OneDependantJustAboveExemptAmount", "072023", 0, 7, 1, 44500, 10000000, 41},
    // 10 days: one week of 700.00: 7/10 x (700.00 - 322.72) = 264.096;
    // 3 days of 100.00: 7/10 x (100.00 - 64.54) = 24.822 each
    {"WeekAndThreeDaysLeftOver", "072023", 0, 10, 0, 100000, 10000000, 26410 + 3 * 2482},
    // 36 days of 100.00: month of 3000.00 -> 1118.40; 6 days left over
    // are 5 working days of 120.00: 7/10 x (120.00 - 64.54) = 38.822
    {"MonthAndSixDaysLeftOver", "072023", 1, 6, 0, 360000, 10000000, 111840 + 5 * 3882},
    // 3 days of 100.00, exempt 86.04: 4/10 x (100.00 - 86.04) = 5.584
    {"Days2019TwoDependants", "072019", 0, 3, 2, 30000, 10000000, 3 * 558},
    {"ZeroMonthsAndDaysGarnishNothing", "072023", 0, 0, 0, 300000, 10000000, 0},
    {"NegativeNetGarnishesNothing", "072023", 1, 0, 0, -100000, 10000000, 0},
};

INSTANTIATE_TEST_SUITE_P(Cases, GarnishmentOfPeriod, ::testing::ValuesIn(kGarnishmentCases),
                         [](const auto& info) { return info.param.name; });

PayrollInput GarnishedEmployee() {
  PayrollInput in;
  in.garnish_income = Cents(300000);
  in.garnish_claims = Cents(1000000);
  in.garnish_months = 1;
  in.kv_employee_amount = Cents(10000);
  in.pv_employee_amount = Cents(2000);
  return in;
}

PayrollResult DeductionsOfTheMonth() {
  PayrollResult out;
  out.current_employee = {Cents(30000), Cents(2700),  Cents(0),    Cents(0),
                          Cents(24000), Cents(27900), Cents(3900), Cents(5100)};
  out.one_off_tax[0].wage_tax = Cents(5000);
  out.one_off_tax[1].soli = Cents(275);
  out.one_off_employee.kv = Cents(1000);
  out.one_off_employee.wage_tax = Cents(5000);  // the sum of the parts, not counted twice
  return out;
}

TEST(GarnishmentStep, NetForGarnishmentLeavesOutTaxesContributionsAndOwnPremiums) {
  // 3000.00 - current 936.00 - one-off tax 50.00 and surcharge 2.75 -
  // one-off KV 10.00 - private KV 100.00 and PV 20.00 = 1881.25
  EXPECT_EQ(GarnishmentNet(GarnishedEmployee(), DeductionsOfTheMonth()), Cents(188125));
}

TEST(GarnishmentStep, GarnishesFromTheNetAndShowsIt) {
  const YearParameters params = LoadYearParameters(YearParameterInputs{.period = "0723"});
  PayrollResult out = DeductionsOfTheMonth();
  std::vector<std::string> lines;
  Explainer explain(&lines);
  RunGarnishmentStep(GarnishedEmployee(), params, out, explain);
  EXPECT_EQ(out.working.garnishment_net, Cents(188125));
  // band 1880.00: 7/10 x (1880.00 - 1402.28) = 334.404
  EXPECT_EQ(out.employee.garnishment, Cents(33440));
  EXPECT_NE(std::find(lines.begin(), lines.end(), "  Nettoeinkommen für die Pfändung: 1881,25 EUR"), lines.end());
}

TEST(GarnishmentStep, NothingWithoutClaimsOrWithoutPeriod) {
  const YearParameters params = LoadYearParameters(YearParameterInputs{.period = "0723"});
  Explainer explain(nullptr);
  PayrollInput no_claims = GarnishedEmployee();
  no_claims.garnish_claims = Cents(0);
  PayrollResult out;
  RunGarnishmentStep(no_claims, params, out, explain);
  EXPECT_EQ(out.employee.garnishment, Cents(0));
  EXPECT_EQ(out.working.garnishment_net, Cents(0));

  PayrollInput no_period = GarnishedEmployee();
  no_period.garnish_months = 0;
  RunGarnishmentStep(no_period, params, out, explain);
  EXPECT_EQ(out.working.garnishment_net, Cents(300000 - 12000));
  EXPECT_EQ(out.employee.garnishment, Cents(0));
}

TEST(GarnishmentStep, NothingWithoutParametersOfTheYear) {
  const YearParameters params = LoadYearParameters(YearParameterInputs{.period = "0719"});
  PayrollResult out;
  Explainer explain(nullptr);
  RunGarnishmentStep(GarnishedEmployee(), params, out, explain);
  EXPECT_EQ(out.employee.garnishment, Cents(0));
}

}  // namespace
}  // namespace pekto
