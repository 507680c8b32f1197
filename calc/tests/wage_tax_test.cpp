#include "calc/wage_tax.h"

#include <gtest/gtest.h>

#include "calc/payroll_input.h"

namespace pekto {
namespace {

YearParameters Params(std::string_view period, std::string_view pv_children = "") {
  YearParameterInputs in;
  in.period = period;
  in.birth_date = "15061980";
  in.state_code = "8";
  in.pv_children = pv_children;
  return LoadYearParameters(in);
}

ChartEmployee Employee(int tax_class) {
  ChartEmployee e;
  e.tax_class = tax_class;
  e.kv_supplement_percent = Decimal::Parse("1.7");
  return e;
}

MonthlyWageTaxInput Month(std::int64_t pay_cents, int days = 30) {
  MonthlyWageTaxInput in;
  in.tax_days = days;
  in.taxable_pay = Cents(pay_cents);
  return in;
}

struct TariffCase {
  const char* name;
  int x;
  int tax;
};
void PrintTo(const TariffCase& c, std::ostream* os) { *os << c.name; }

class Tariff2024 : public ::testing::TestWithParam<TariffCase> {};

// Worked with the tariff of 2024: zone 2 y = (x - 11604) / 10000,
// (922.98 y + 1400) y; zone 3 z = (x - 17005) / 10000, (181.19 z + 2397) z
// + 1025.38; zone 4 0.42 x - 10602.13; zone 5 0.45 x - 18936.88.
TEST_P(Tariff2024, IncomeTaxOfTheBasicTable) {
  const TariffCase& c = GetParam();
  EXPECT_EQ(Tariff(Params("0124").tax_tariff, Decimal::FromInt(c.x)), Decimal::FromInt(c.tax));
}

INSTANTIATE_TEST_SUITE_P(Zones, Tariff2024,
                         ::testing::Values(TariffCase{"BasicAllowance", 11604, 0}, TariffCase{"Zone2", 12000, 56},
                                           TariffCase{"Zone3", 20000, 1759}, TariffCase{"Zone4", 70000, 18797},
                                           TariffCase{"Zone5", 300000, 116063}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Class56Case {
  const char* name;
  int x;
  int tax;
};
void PrintTo(const Class56Case& c, std::ostream* os) { *os << c.name; }

class Class56Tax2024 : public ::testing::TestWithParam<Class56Case> {};

// At W1 + 100 = 13379 the direct computation gives 1916; the W1-based one
// 1859 + floor(100 * 0.42) = 1901, which is smaller and above 14 percent
// (1873), so 1901 stands.
TEST_P(Class56Tax2024, SmallerOfDirectAndLimitBasedNeverBelowMinimum) {
  const Class56Case& c = GetParam();
  EXPECT_EQ(Class56Tax(Params("0124").tax_tariff, Decimal::FromInt(c.x)), Decimal::FromInt(c.tax));
}

INSTANTIATE_TEST_SUITE_P(Incomes, Class56Tax2024,
                         ::testing::Values(Class56Case{"AtW1", 13279, 1859}, Class56Case{"JustAboveW1", 13379, 1901},
                                           Class56Case{"BetweenW1AndW2", 20000, 4681},
                                           Class56Case{"AboveW2", 40000, 12760},
                                           Class56Case{"AboveW3", 300000, 124292}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MonthlyWageTax, ClassThreeHalvesTheTaxableIncomeRoundedDown) {
  const YearParameters params = Params("0124");
  const MonthlyWageTax tax = ComputeMonthlyWageTax(params, Employee(3), Month(500100));
  const Decimal zve = tax.working.taxable_income;
  const Decimal half = zve.Divide(Decimal::FromInt(2), 0, Rounding::Down);
  ASSERT_NE(zve.DivideExact(Decimal::FromInt(2)), half) << "the case needs an odd taxable income";
  EXPECT_EQ(tax.working.tariff_tax, Tariff(params.tax_tariff, half) * Decimal::FromInt(2));
}

TEST(MonthlyWageTax, DaysThatAreNoMultipleOfWeekOrMonthAreTaxedPerDay) {
  const YearParameters params = Params("0124");
  const MonthlyWageTax tax = ComputeMonthlyWageTax(params, Employee(1), Month(310000, 31));
  ASSERT_TRUE(tax.per_day_mode);
  EXPECT_EQ(tax.working.annual_wage, Decimal::FromInt(36000));
  const auto annual_cents = tax.annual_tax.ToInt64(Rounding::Down) * 100;
  EXPECT_EQ(tax.wage_tax.Value(), annual_cents / 360 * 31);
  EXPECT_NE(tax.wage_tax.Value(), annual_cents * 31 / 360);  // one cut, not per day, would differ
  EXPECT_EQ(tax.units, 31);
}

TEST(MonthlyWageTax, WeeksAndWholeYearsAreNotPerDay) {
  const YearParameters params = Params("0124");
  EXPECT_FALSE(ComputeMonthlyWageTax(params, Employee(1), Month(70000, 7)).per_day_mode);
  EXPECT_FALSE(ComputeMonthlyWageTax(params, Employee(1), Month(3600000, 360)).per_day_mode);
  EXPECT_FALSE(ComputeMonthlyWageTax(params, Employee(1), Month(600000, 60)).per_day_mode);
}

// Day counts far beyond a year come only from damaged files; they must
// still compute (360 / days of the pay), never overflow.
TEST(MonthlyWageTax, HugeDayCountsAnnualiseWithoutOverflow) {
  const YearParameters params = Params("0124");
  const MonthlyWageTax tax = ComputeMonthlyWageTax(params, Employee(1), Month(1000000000, 21474837));
  EXPECT_EQ(tax.working.annual_wage, Decimal::Parse("167.63"));  // 10,000,000 * 360 / 21,474,837
  const MonthlyWageTax most = ComputeMonthlyWageTax(params, Employee(1), Month(1000000000, 2147483647));
  EXPECT_EQ(most.working.annual_wage, Decimal::Parse("1.67"));
  EXPECT_GE(most.wage_tax.Value(), 0);
}

// A count of fifteen digits (the most a file value can carry) is held
// where the calculation's products still fit, instead of wrapping.
TEST(PayrollInputCounts, LongCountsFromAFileAreHeld) {
  MonthRecord month{};
  month[static_cast<std::size_t>(SlotOf(MaskField::GarnishMonths))] = "999999999999999";
  month[static_cast<std::size_t>(SlotOf(MaskField::TaxDays))] = "30";
  const PayrollInput in = ReadPayrollInput(month);
  EXPECT_EQ(in.garnish_months, 999999);
  EXPECT_EQ(in.tax_days, 30);
}

TEST(MonthlyWageTax, FactorReducesTaxAndBaseToWholeEuros) {
  const YearParameters params = Params("0124");
  ChartEmployee without = Employee(4);
  without.child_allowances = Decimal::FromInt(1);
  ChartEmployee with = without;
  with.factor = Decimal::Parse("0.945");
  const MonthlyWageTax plain = ComputeMonthlyWageTax(params, without, Month(450000));
  const MonthlyWageTax factor = ComputeMonthlyWageTax(params, with, Month(450000));
  EXPECT_EQ(factor.annual_tax, (plain.annual_tax * Decimal::Parse("0.945")).SetScale(0, Rounding::Down));
  EXPECT_EQ(factor.annual_tax_base, (plain.annual_tax_base * Decimal::Parse("0.945")).SetScale(0, Rounding::Down));
  EXPECT_LT(factor.wage_tax, plain.wage_tax);
  EXPECT_LT(factor.tax_base, plain.tax_base);
}

TEST(MonthlyWageTax, NoTaxWithoutClassOrDays) {
  const YearParameters params = Params("0124");
  EXPECT_TRUE(ComputeMonthlyWageTax(params, Employee(0), Month(500000)).wage_tax.IsZero());
  EXPECT_TRUE(ComputeMonthlyWageTax(params, Employee(1), Month(0, 0)).wage_tax.IsZero());
  EXPECT_TRUE(ComputeMonthlyWageTax(params, Employee(1), Month(500000, 0)).wage_tax.IsZero());
}

struct PvCase {
  const char* name;
  const char* period;
  int days;
  bool childless;
  const char* employee_rate;
};
void PrintTo(const PvCase& c, std::ostream* os) { *os << c.name; }

class CareRatesInTheVorsorgepauschale : public ::testing::TestWithParam<PvCase> {};

TEST_P(CareRatesInTheVorsorgepauschale, RatesOfThePeriod) {
  const PvCase& c = GetParam();
  ChartEmployee e = Employee(1);
  e.childless_surcharge = c.childless;
  const YearParameters params = Params(c.period);
  EXPECT_EQ(MakeChartConstants(params, e, c.days).pv_employee_rate, Decimal::Parse(c.employee_rate));
}

INSTANTIATE_TEST_SUITE_P(
    Periods, CareRatesInTheVorsorgepauschale,
    ::testing::Values(PvCase{"June2023", "0623", 30, false, "0.01525"},
                      PvCase{"June2023Childless", "0623", 30, true, "0.01875"},
                      PvCase{"December2023Month", "1223", 30, false, "0.017"},
                      PvCase{"December2023Childless", "1223", 30, true, "0.023"},
                      PvCase{"December2023WholeYear", "1223", 360, false, "0.016125"},
                      PvCase{"March2023WholeYearChildless", "0323", 360, true, "0.020875"},
                      PvCase{"Year2024", "0324", 30, false, "0.017"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChartConstants, ChildDiscountsOf2024ReduceTheEmployeeCareRate) {
  ChartEmployee e = Employee(1);
  e.pv_discount_children = 2;
  const YearParameters year2024 = Params("0324");
  EXPECT_EQ(MakeChartConstants(year2024, e, 30).pv_employee_rate, Decimal::Parse("0.012"));
  // Before 2024 the chart knows no discounts.
  const YearParameters year2023 = Params("0923");
  EXPECT_EQ(MakeChartConstants(year2023, e, 30).pv_employee_rate, Decimal::Parse("0.017"));
}

TEST(AnnualSoli, ExemptionDoubledForClassThreeAndCappedByTheExcess) {
  const ChartEmployee e = Employee(3);
  const YearParameters params = Params("0124");
  const ChartConstants chart = MakeChartConstants(params, e, 30);
  // 2024: exemption 2 x 18,130 = 36,260; on 37,000 the full 5.5 % (2,035.00)
  // exceeds 11.9 % of the excess 740 = 88.06.
  EXPECT_EQ(AnnualSoli(chart, 3, Decimal::FromInt(37000)), Decimal::Parse("88.06"));
  EXPECT_TRUE(AnnualSoli(chart, 3, Decimal::FromInt(36260)).IsZero());
  EXPECT_FALSE(AnnualSoli(chart, 1, Decimal::FromInt(36260)).IsZero());
}

TEST(AnnualSoli, Year2020UsesTheOldExemptionAndTwentyPercent) {
  const YearParameters params = Params("0520");
  const ChartConstants chart = MakeChartConstants(params, Employee(1), 30);
  // 972 euros exempt; on 1,000: min(55.00, 28 x 20 % = 5.60).
  EXPECT_EQ(AnnualSoli(chart, 1, Decimal::FromInt(1000)), Decimal::Parse("5.6"));
  EXPECT_EQ(AnnualSoli(chart, 1, Decimal::FromInt(20000)), Decimal::FromInt(1100));
}

TEST(CardAllowance, ProratedAndRoundedAwayFromZeroToFiveCents) {
  EXPECT_EQ(CardAllowanceOfPeriod(Cents(60000), 30).Value(), 5000);
  EXPECT_EQ(CardAllowanceOfPeriod(Cents(100000), 30).Value(), 8335);   // 8,333.33 -> 8,335
  EXPECT_EQ(CardAllowanceOfPeriod(Cents(-100000), 30).Value(), -8335);
  EXPECT_EQ(CardAllowanceOfPeriod(Cents(100000), 0).Value(), 0);
}

}  // namespace
}  // namespace pekto

namespace pekto {
namespace {

// The Vorsorgepauschale of 20,000 euros a year, worked by hand. RV 9.3 %
// = 1,860.00; statutory KV 7 % + 1.7 % / 2 and PV 1.8 % + 0.6 % (childless)
// = 10.25 % = 2,050.00; AV 1.3 % = 260.00.
struct VorsorgeCase {
  const char* name;
  const char* period;
  int tax_class;
  int pkv;
  std::int64_t premium_monthly;
  std::int64_t subsidy_monthly;
  bool unemployment_insured;
  int amount;
};

void PrintTo(const VorsorgeCase& c, std::ostream* os) { *os << c.name; }

class Vorsorgepauschale2026 : public ::testing::TestWithParam<VorsorgeCase> {};

TEST_P(Vorsorgepauschale2026, CapInsteadOfMinimum) {
  const VorsorgeCase& c = GetParam();
  ChartEmployee e = Employee(c.tax_class);
  e.pkv = c.pkv;
  e.private_premium_monthly = Cents(c.premium_monthly);
  e.private_subsidy_monthly = Cents(c.subsidy_monthly);
  e.unemployment_insured = c.unemployment_insured;
  e.childless_surcharge = true;
  const YearParameters params = Params(c.period);
  const ChartConstants chart = MakeChartConstants(params, e, 30);
  EXPECT_EQ(ComputePensionAllowance2015(chart, e, Decimal::FromInt(20000)).amount, Decimal::FromInt(c.amount));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Vorsorgepauschale2026,
    ::testing::Values(
        // 1,860 + 2,050 = 3,910; with AV 260 + 2,050 = 2,310 capped at
        // 1,900: 3,760 is less.
        VorsorgeCase{"StatutoryAboveTheCap", "0626", 1, 0, 0, 0, true, 3910},
        // Private 100.00 a month = 1,200: 3,060; with AV 1,460 below the cap:
        // 3,320.
        VorsorgeCase{"PrivateWithTheAvPart", "0626", 1, 1, 10000, 0, true, 3320},
        VorsorgeCase{"PrivateOutsideTheAv", "0626", 1, 1, 10000, 0, false, 3060},
        // The employer's 60.00 a month (720) come off: 480; 1,860 + 260 + 480.
        VorsorgeCase{"PrivateLessTheSubsidy", "0626", 1, 2, 10000, 6000, true, 2600},
        // A subsidy above the premium leaves nothing, not less.
        VorsorgeCase{"SubsidyAboveThePremium", "0626", 1, 2, 5000, 6000, true, 2120},
        // Class VI: no private premium and no AV part.
        VorsorgeCase{"ClassSix", "0626", 6, 1, 10000, 0, true, 1860},
        // 2025 still has the minimum: 12 % of 20,000 capped at 1,900 with RV:
        // 3,760 above 1,860 + 1,200.
        VorsorgeCase{"MinimumIn2025", "0625", 1, 1, 10000, 0, true, 3760}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pekto
