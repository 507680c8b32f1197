#include "calc/pension_income.h"

#include <array>

namespace pekto {
namespace {

constexpr int kTableSize = 37;

// Percentage of the Versorgungsfreibetrag and of the Altersentlastungsbetrag
// (thousandths): 40 percent for 2005, less 1.6 points a year to 16 percent
// for 2020, then less 0.8 points a year to 0 for 2040.
constexpr std::array<int, kTableSize> MakePercentTable() {
  std::array<int, kTableSize> t{};
  for (int i = 1; i < kTableSize; ++i) t[i] = i <= 16 ? 400 - 16 * (i - 1) : 160 - 8 * (i - 16);
  return t;
}
// Maximum Versorgungsfreibetrag (euros): 3,000 for 2005, less 120 a year to
// 1,200 for 2020, then less 60 a year.
constexpr std::array<int, kTableSize> MakeMaximumTable() {
  std::array<int, kTableSize> t{};
  for (int i = 1; i < kTableSize; ++i) t[i] = i <= 16 ? 3000 - 120 * (i - 1) : 1200 - 60 * (i - 16);
  return t;
}
// Zuschlag zum Versorgungsfreibetrag (euros): 900, less 36 a year to 360,
// then less 18 a year.
constexpr std::array<int, kTableSize> MakeSupplementTable() {
  std::array<int, kTableSize> t{};
  for (int i = 1; i < kTableSize; ++i) t[i] = i <= 16 ? 900 - 36 * (i - 1) : 360 - 18 * (i - 16);
  return t;
}
// Maximum Altersentlastungsbetrag (euros): 1,900, less 76 a year to 760,
// then less 38 a year.
constexpr std::array<int, kTableSize> MakeAgeReliefMaximumTable() {
  std::array<int, kTableSize> t{};
  for (int i = 1; i < kTableSize; ++i) t[i] = i <= 16 ? 1900 - 76 * (i - 1) : 760 - 38 * (i - 16);
  return t;
}

constexpr auto kTab1 = MakePercentTable();
constexpr auto kTab2 = MakeMaximumTable();
constexpr auto kTab3 = MakeSupplementTable();
// The chart's TAB4 (age-relief percentages) equals TAB1, so TAB1 serves both.
constexpr auto kTab5 = MakeAgeReliefMaximumTable();

static_assert(kTab1[16] == 160 && kTab1[35] == 8 && kTab1[36] == 0);
static_assert(kTab2[16] == 1200 && kTab2[35] == 60 && kTab2[36] == 0);
static_assert(kTab3[16] == 360 && kTab3[35] == 18 && kTab3[36] == 0);
static_assert(kTab5[16] == 760 && kTab5[35] == 38 && kTab5[36] == 0);

// The tables of the charts from 2025 (Wachstumschancengesetz, with effect
// from 2023): as before up to 2022, then from 2023 the percentage falls by
// 0.4 points a year and the amounts by a half of the former steps, to 0 for
// 2058 (index 54).
constexpr int kTableSize2025 = 55;
constexpr std::array<int, kTableSize2025> MakeTable2025(int start, int first_step, int step_from_2023,
                                                        int value_2023) {
  std::array<int, kTableSize2025> t{};
  for (int i = 1; i < kTableSize2025; ++i) {
    if (i <= 16) {
      t[i] = start - first_step * (i - 1);
    } else if (i <= 18) {
      t[i] = start - first_step * 15 - first_step / 2 * (i - 16);
    } else {
      t[i] = value_2023 - step_from_2023 * (i - 19);
    }
  }
  return t;
}
constexpr auto kTab1From2025 = MakeTable2025(400, 16, 4, 140);   // thousandths
constexpr auto kTab2From2025 = MakeTable2025(3000, 120, 30, 1050);
constexpr auto kTab3From2025 = MakeTable2025(900, 36, 9, 315);
constexpr auto kTab5From2025 = MakeTable2025(1900, 76, 19, 665);

static_assert(kTab1From2025[17] == 152 && kTab1From2025[18] == 144 && kTab1From2025[19] == 140 &&
              kTab1From2025[20] == 136 && kTab1From2025[53] == 4 && kTab1From2025[54] == 0);
static_assert(kTab2From2025[17] == 1140 && kTab2From2025[19] == 1050 && kTab2From2025[53] == 30 &&
              kTab2From2025[54] == 0);
static_assert(kTab3From2025[17] == 342 && kTab3From2025[19] == 315 && kTab3From2025[53] == 9 &&
              kTab3From2025[54] == 0);
static_assert(kTab5From2025[17] == 722 && kTab5From2025[19] == 665 && kTab5From2025[53] == 19 &&
              kTab5From2025[54] == 0);

// The five tables of one chart year, indexed as PensionTableIndex says.
struct PensionTables {
  const int* percent;           // TAB1 = TAB4
  const int* maximum;           // TAB2
  const int* supplement;        // TAB3
  const int* age_relief_max;    // TAB5
  bool round_maximum_up;        // 2025: HFVB of a year calculation cut up to euros
};

PensionTables TablesOf(int accounting_year) {
  if (accounting_year >= 2025) {
    return {kTab1From2025.data(), kTab2From2025.data(), kTab3From2025.data(), kTab5From2025.data(), true};
  }
  return {kTab1.data(), kTab2.data(), kTab3.data(), kTab5.data(), false};
}

Decimal Thousandths(int value) { return Decimal::FromScaled(value, 3); }
Decimal Euros(int value) { return Decimal::FromInt(value); }

const Decimal kHundred = Decimal::FromInt(100);
const Decimal kTwelve = Decimal::FromInt(12);

// The Altersentlastungsbetrag on the wage that is not pension (MRE4ALTE).
Decimal AgeRelief(const PensionAllowanceRequest& r) {
  if (!r.age_relief) return Decimal();
  const PensionTables tables = TablesOf(r.accounting_year);
  const auto k = static_cast<std::size_t>(PensionTableIndex(r.age_relief_year, r.accounting_year));
  const Decimal base = r.annual_wage - r.annual_pension;
  const Decimal relief = (base * Thousandths(tables.percent[k])).SetScale(0, Rounding::Up);
  return Min(relief, Euros(tables.age_relief_max[k]));
}

}  // namespace

int PensionTableIndex(int year, int accounting_year) {
  const int last_year = accounting_year >= 2025 ? 2058 : 2040;
  if (year < 2006) return 1;
  if (year < last_year) return year - 2004;
  return last_year - 2004;
}

// The chart's MRE4: Versorgungsfreibetrag and Zuschlag, for current pay
// and with a one-off pension payment.
PensionAllowances ComputePensionAllowances(const PensionAllowanceRequest& r) {
  PensionAllowances out;
  out.age_relief = AgeRelief(r);
  if (r.annual_pension.IsZero()) return out;

  const PensionTables tables = TablesOf(r.accounting_year);
  const int* const kTab1 = tables.percent;
  const int* const kTab2 = tables.maximum;
  const int* const kTab3 = tables.supplement;
  const auto j = static_cast<std::size_t>(PensionTableIndex(r.pension.start_year, r.accounting_year));
  const int months = r.pension.months == 0 ? 12 : r.pension.months;
  Decimal pension_base;  // VBEZB, cents
  Decimal maximum;       // HFVB
  Decimal supplement;    // FVBZ
  if (r.annual_period) {
    pension_base = r.pension.first_full_month.ToDecimal() * Decimal::FromInt(months) +
                   r.pension.expected_one_off.ToDecimal();
    maximum = Euros(kTab2[j]).DivideExact(kTwelve) * Decimal::FromInt(months);
    if (tables.round_maximum_up) maximum = maximum.SetScale(0, Rounding::Up);
    supplement = (Euros(kTab3[j]).DivideExact(kTwelve) * Decimal::FromInt(months)).SetScale(0, Rounding::Up);
  } else {
    pension_base = (r.pension.first_full_month.ToDecimal() * kTwelve + r.pension.expected_one_off.ToDecimal())
                       .SetScale(2, Rounding::Down);
    maximum = Euros(kTab2[j]);
    supplement = Euros(kTab3[j]);
  }
  Decimal allowance = (pension_base * Thousandths(kTab1[j])).DivideExact(kHundred).SetScale(2, Rounding::Up);
  allowance = Min(Min(allowance, maximum), r.annual_pension);

  const Decimal one_off = r.one_off_pension.ToDecimal();
  Decimal allowance_one_off =
      (allowance + (one_off * Thousandths(kTab1[j])).DivideExact(kHundred)).SetScale(2, Rounding::Up);
  allowance_one_off = Min(allowance_one_off, Euros(kTab2[j]));
  const Decimal supplement_limit_one_off =
      ((pension_base + one_off).DivideExact(kHundred) - allowance_one_off).SetScale(2, Rounding::Down);
  Decimal supplement_one_off = (supplement + one_off.DivideExact(kHundred)).SetScale(0, Rounding::Up);
  if (supplement_one_off > supplement_limit_one_off) {
    supplement_one_off = supplement_limit_one_off.SetScale(0, Rounding::Up);
  }
  supplement_one_off = Min(supplement_one_off, Euros(kTab3[j]));

  const Decimal supplement_limit = (pension_base.DivideExact(kHundred) - allowance).SetScale(2, Rounding::Down);
  if (supplement > supplement_limit) supplement = supplement_limit.SetScale(0, Rounding::Up);

  out.allowance = allowance;
  out.supplement = supplement;
  out.allowance_one_off = allowance_one_off;
  out.supplement_one_off = supplement_one_off;
  return out;
}

}  // namespace pekto
