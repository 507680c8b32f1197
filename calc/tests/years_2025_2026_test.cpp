// The accounting years 2025 and 2026 through the whole calculation run:
// contributions, mini-job, Übergangsbereich, levies, garnishment and the
// chart rules that changed, with the amounts worked out by hand.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "calc/garnishment.h"
#include "calc/one_off_tax.h"
#include "calc/payroll_input.h"
#include "calc/payroll_run.h"
#include "calc/transition_range.h"
#include "tools/mask_input.h"

namespace pekto {
namespace {

using Fields = std::vector<std::pair<std::string, std::string>>;

struct Month {
  std::unique_ptr<EmployeeRecord> record = std::make_unique<EmployeeRecord>();
  YearParameters params;
  PayrollResult result;
};

Month Calculate(const Fields& fields) {
  Month m;
  for (const auto& [name, value] : fields) {
    EXPECT_FALSE(SetMaskField(*m.record, name, value).has_value()) << name;
  }
  CopyMaskToRecord(*m.record);
  m.params = LoadYearParameters(m.record->month_record);
  m.result = RunPayroll(*m.record, m.params);
  return m;
}

Fields With(Fields base, const Fields& changes) {
  for (const auto& change : changes) {
    bool replaced = false;
    for (auto& field : base) {
      if (field.first == change.first) {
        field.second = change.second;
        replaced = true;
      }
    }
    if (!replaced) base.push_back(change);
  }
  return base;
}

// A mini-job with the employee in the pension insurance, U1/U2 and the
// insolvency levy.
Fields MiniJob(const char* period, const char* pay) {
  return {{"period", period},   {"birth_date", "01011990"}, {"state_code", "11"}, {"kv_key", "6"},
          {"rv_key", "1"},      {"av_key", "0"},           {"pv_key", "0"},      {"sv_attribute_key", "2"},
          {"flat_tax_kind", "1"}, {"sv_days", "30"},        {"gross_total", pay}, {"taxable_gross", pay},
          {"sv_gross", pay},    {"levy_key", "3"},         {"u1_rate", "1,10"},  {"u2_rate", "0,24"}};
}

struct MiniJobCase {
  const char* name;
  const char* period;
  const char* pay;
  std::int64_t kv_employer, rv_employer, rv_employee, flat_tax, u1, u2, insolvency;
};

void PrintTo(const MiniJobCase& c, std::ostream* os) { *os << c.name; }

class MiniJobAtTheLimit : public ::testing::TestWithParam<MiniJobCase> {};

TEST_P(MiniJobAtTheLimit, FlatRatesTopUpAndLevies) {
  const MiniJobCase& c = GetParam();
  const Month m = Calculate(MiniJob(c.period, c.pay));
  const PayrollResult& r = m.result;
  EXPECT_EQ(r.current_employer.kv.Value(), c.kv_employer);
  EXPECT_EQ(r.current_employer.rv.Value(), c.rv_employer);
  EXPECT_EQ(r.current_employee.rv.Value(), c.rv_employee);
  EXPECT_EQ(r.employer.flat_wage_tax.Value(), c.flat_tax);
  EXPECT_EQ(r.employer.u1.Value(), c.u1);
  EXPECT_EQ(r.employer.u2.Value(), c.u2);
  EXPECT_EQ(r.employer.insolvency_levy.Value(), c.insolvency);
  EXPECT_TRUE(r.working.mini_job);
}

INSTANTIATE_TEST_SUITE_P(
    Years, MiniJobAtTheLimit,
    ::testing::Values(
        // 556.00: KV 13 % 72.28, RV 15 % 83.40, top-up 3.6 % 20.016, flat
        // tax 2 % 11.12, U1 1.1 % 6.116, U2 0.24 % 1.3344, levy 0.15 % 0.834
        MiniJobCase{"May2025At556", "0525", "556,00", 7228, 8340, 2002, 1112, 612, 133, 83},
        // 603.00: KV 78.39, RV 90.45, top-up 21.708, flat tax 12.06, U1
        // 6.633, U2 1.4472, levy 0.9045
        MiniJobCase{"December2026At603", "1226", "603,00", 7839, 9045, 2171, 1206, 663, 145, 90}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Years2025And2026, MiniJobLimitsAndTheUbergangsbereich) {
  EXPECT_EQ(Calculate(MiniJob("0125", "100,00")).params.marginal_employment.MiniJobLimit.Value(), 55600);
  EXPECT_EQ(Calculate(MiniJob("0126", "100,00")).params.marginal_employment.MiniJobLimit.Value(), 60300);
  for (const char* period : {"0125", "1226"}) {
    const YearParameters p = Calculate(MiniJob(period, "100,00")).params;
    EXPECT_EQ(p.marginal_employment.TransitionUpperLimit.Value(), 200000) << period;
    EXPECT_EQ(p.marginal_employment.MiniJobRvMinimumBase.Value(), 17500) << period;
  }
}

Cents Rounded(const Decimal& value) { return RoundHalfAwayFromZero(value); }

TEST(Years2025And2026, TransitionBasesWithTheNewLimitsAndFactor) {
  // 2025: BE = 0.6683 x 556 + (2000/1444 - 556/1444 x 0.6683) x 444
  //          = 371.5748 + 1.1277183 x 444 = 872.2817; BE_AN = 2000/1444 x 444 = 614.9584
  const YearParameters p2025 = Calculate(MiniJob("0625", "100,00")).params;
  const MarginalEmployment& m25 = p2025.marginal_employment;
  const TransitionBases b25 =
      TransitionContributionBases(Cents(100000), Cents(0), {m25.MiniJobLimit, m25.TransitionUpperLimit,
                                                             m25.TransitionFactorF});
  EXPECT_EQ(Rounded(b25.be).Value(), 87228);
  EXPECT_EQ(Rounded(b25.be_employee).Value(), 61496);
  // 2026: BE = 0.6619 x 603 + (2000/1397 - 603/1397 x 0.6619) x 397
  //          = 399.1257 + 1.1459372 x 397 = 854.0628; BE_AN = 2000/1397 x 397 = 568.3608
  const YearParameters p2026 = Calculate(MiniJob("0626", "100,00")).params;
  const MarginalEmployment& m26 = p2026.marginal_employment;
  const TransitionBases b26 =
      TransitionContributionBases(Cents(100000), Cents(0), {m26.MiniJobLimit, m26.TransitionUpperLimit,
                                                             m26.TransitionFactorF});
  EXPECT_EQ(Rounded(b26.be).Value(), 85406);
  EXPECT_EQ(Rounded(b26.be_employee).Value(), 56836);
}

Fields Ordinary(const char* period, const char* state, const char* pay, const char* kv_rate) {
  return {{"period", period},    {"birth_date", "01011985"}, {"state_code", state}, {"tax_class", "1"},
          {"tax_days", "30"},    {"church_employee", "01"},  {"kv_key", "1"},       {"kv_rate", kv_rate},
          {"rv_key", "1"},       {"av_key", "1"},            {"pv_key", "1"},       {"sv_days", "30"},
          {"sv_gross", pay},     {"taxable_gross", pay},     {"gross_total", pay},  {"pv_children", "1"},
          {"levy_key", "3"},     {"u1_rate", "1,00"},        {"u2_rate", "0,30"}};
}

struct ContributionCase {
  const char* name;
  Fields fields;
  std::int64_t kv_an, rv_an, av_an, pv_an, kv_ag, rv_ag, av_ag, pv_ag, insolvency;
};

void PrintTo(const ContributionCase& c, std::ostream* os) { *os << c.name; }

class Contributions : public ::testing::TestWithParam<ContributionCase> {};

TEST_P(Contributions, OfEmployeeAndEmployer) {
  const ContributionCase& c = GetParam();
  const PayrollResult r = Calculate(c.fields).result;
  EXPECT_EQ(r.current_employee.kv.Value(), c.kv_an);
  EXPECT_EQ(r.current_employee.rv.Value(), c.rv_an);
  EXPECT_EQ(r.current_employee.av.Value(), c.av_an);
  EXPECT_EQ(r.current_employee.pv.Value(), c.pv_an);
  EXPECT_EQ(r.current_employer.kv.Value(), c.kv_ag);
  EXPECT_EQ(r.current_employer.rv.Value(), c.rv_ag);
  EXPECT_EQ(r.current_employer.av.Value(), c.av_ag);
  EXPECT_EQ(r.current_employer.pv.Value(), c.pv_ag);
  EXPECT_EQ(r.employer.insolvency_levy.Value(), c.insolvency);
}

INSTANTIATE_TEST_SUITE_P(
    Years, Contributions,
    ::testing::Values(
        // 3000.00 in 2026, KV 17.5 %: 262.50 each; RV 9.3 % 279.00; AV 1.3 %
        // 39.00; PV 1.8 % 54.00 each (one child, no surcharge); levy 0.15 % 4.50
        ContributionCase{"Ordinary2026", Ordinary("1226", "11", "3000,00", "17,50"), 26250, 27900, 3900, 5400,
                         26250, 27900, 3900, 5400, 450},
        // 9000.00 in 2025 in Sachsen: one RV ceiling 8050.00 for East and
        // West: RV 748.65, AV 104.65 each; KV/PV ceiling 5512.50: KV 17.1 %
        // 471.32 each (471.31875); PV employee 2.3 % 126.79 (126.7875),
        // employer 1.3 % 71.66 (71.6625); levy 0.15 % of 8050.00 = 12.075
        ContributionCase{"AboveTheCeilingsSachsen2025", Ordinary("0325", "14", "9000,00", "17,10"), 47132, 74865,
                         10465, 12679, 47132, 74865, 10465, 7166, 1208},
        // 9000.00 in 2026 in Berlin-Ost: RV ceiling 8450.00: RV 785.85, AV
        // 109.85; KV/PV ceiling 5812.50: KV 8.75 % 508.59 (508.59375), PV
        // 1.8 % 104.63 (104.625); levy 0.15 % of 8450.00 = 12.675
        ContributionCase{"AboveTheCeilingsEast2026", Ordinary("0726", "3", "9000,00", "17,50"), 50859, 78585,
                         10985, 10463, 50859, 78585, 10985, 10463, 1268}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Years2025And2026, GarnishmentFromJuly2025) {
  // Net 2500.00, one dependant, table of 1 July 2025: lower limit 2140.00,
  // 5 of 10 tenths free: (2500 - 2140) x 0.5 = 180.00 less the correction
  // of 0.11 = 179.89.
  const GarnishmentTable& row = Calculate(MiniJob("0725", "100,00")).params.garnishment_table;
  EXPECT_EQ(row.ValidFrom, "072025");
  EXPECT_EQ(Calculate(MiniJob("0626", "100,00")).params.garnishment_table.ValidFrom, "072025");
  EXPECT_EQ(Calculate(MiniJob("0625", "100,00")).params.garnishment_table.ValidFrom, "072024");
  const Garnishment g = ComputeGarnishment({Cents(250000), 1, 0, 1, Cents(100000000)}, row, nullptr);
  EXPECT_EQ(g.amount.Value(), 17989);
  // Above 4766.99 everything is garnishable: 5000.00 with no dependant:
  // (4760 - 1550) x 0.7 = 2247.00 - 3.50 + 233.01 = 2476.51.
  const Garnishment high = ComputeGarnishment({Cents(500000), 1, 0, 0, Cents(100000000)}, row, nullptr);
  EXPECT_EQ(high.amount.Value(), 247651);
}

TEST(Years2025And2026, BremenChamberAtFourteenHundredths) {
  // 0.14 % of 3000.00 = 4.20
  const PayrollResult r =
      Calculate(With(Ordinary("1226", "6", "3000,00", "17,50"), {{"chamber_key", "1"}})).result;
  EXPECT_EQ(r.employee.chamber.Value(), 420);
}

// From 2025 a payment for several years is an ordinary one-off payment for
// the wage tax: the same tax as with "1", nothing in the fifth-rule part.
TEST(Years2025And2026, NoFifthRuleFrom2025) {
  const Fields base = With(Ordinary("0325", "11", "4000,00", "17,10"),
                           {{"taxable_other", "20000,00"}, {"expected_annual_income", "48000,00"},
                            {"gross_total", "24000,00"}});
  const PayrollResult several = Calculate(With(base, {{"other_years", "5"}})).result;
  const PayrollResult ordinary = Calculate(With(base, {{"other_years", "1"}})).result;
  EXPECT_GT(several.one_off_tax[0].wage_tax.Value(), 0);
  EXPECT_EQ(several.one_off_tax[0].wage_tax, ordinary.one_off_tax[0].wage_tax);
  EXPECT_EQ(several.one_off_tax[0].soli, ordinary.one_off_tax[0].soli);
  EXPECT_TRUE(several.one_off_tax[1].wage_tax.IsZero());
  EXPECT_TRUE(several.several_years_taxed_as_ordinary);
  EXPECT_FALSE(ordinary.several_years_taxed_as_ordinary);
  // 2024 still applies it.
  const PayrollResult y2024 = Calculate(With(base, {{"period", "0324"}, {"other_years", "5"}})).result;
  EXPECT_TRUE(y2024.one_off_tax[0].wage_tax.IsZero());
  EXPECT_GT(y2024.one_off_tax[1].wage_tax.Value(), 0);
}

// JVBEZ of a pension that began during the year: the month's pension times
// the pension months, not times twelve.
TEST(Years2025And2026, PensionInTheExpectedWageCountsThePensionMonths) {
  // July to December 2024 a pension of 3000.00 after six months of active
  // pay: the expected 36000.00 hold 18000.00 of pension. Read as twelve
  // months, the whole year would be pension and lose the employee
  // allowance of 1230 euros.
  const Fields fields = With(Ordinary("1224", "11", "3000,00", "17,10"),
                             {{"birth_date", "01011959"}, {"pension_in_current", "3000,00"},
                              {"pension_first_month", "3000,00"}, {"pension_start_year", "2024"},
                              {"pension_months", "6"}, {"taxable_other", "10000,00"}, {"other_years", "1"},
                              {"expected_annual_income", "36000,00"}, {"gross_total", "13000,00"}});
  const Month m = Calculate(fields);
  const PayrollInput in = ReadPayrollInput(m.record->month_record);
  OneOffTaxInput direct;
  direct.expected_annual_wage = Cents(3600000);
  direct.pension_in_expected = Cents(1800000);  // 6 x 3000.00
  direct.payment = Cents(1000000);
  const OneOffTax expected = ComputeOneOffWageTax(m.params, ChartEmployeeOf(in, m.params), 30, direct);
  EXPECT_GT(expected.wage_tax.Value(), 0);
  EXPECT_EQ(m.result.one_off_tax[0].wage_tax, expected.wage_tax);
  direct.pension_in_expected = Cents(3600000);  // 12 x 3000.00, the former reading
  const OneOffTax twelve = ComputeOneOffWageTax(m.params, ChartEmployeeOf(in, m.params), 30, direct);
  EXPECT_NE(expected.wage_tax, twelve.wage_tax);
}

TEST(Years2025And2026, A2027PeriodIsNotComputedWithDefaults) {
  const Month m = Calculate(With(Ordinary("0127", "11", "3000,00", "17,50"), {}));
  EXPECT_EQ(m.params.year, 0);
  EXPECT_TRUE(m.result.current_employee.wage_tax.IsZero());
  EXPECT_TRUE(m.result.current_employee.kv.IsZero());
  EXPECT_TRUE(m.result.employer.insolvency_levy.IsZero());
  EXPECT_TRUE(m.result.employee.net.IsZero());
}

}  // namespace
}  // namespace pekto
