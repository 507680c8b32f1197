// The built-in statutory values, one block per accounting year, with the
// in-year switches. Read only by LoadYearParameters and by the table tests.
#pragma once

#include <array>
#include <span>

#include "calc/year_parameters.h"

namespace pekto {

struct MarginalLimits {
  Cents MiniJobLimit;
  Cents TransitionUpperLimit;
  float TransitionFactorF = 0.0F;
};

// A change of the RV/AV/PV totals inside the year.
struct RateSwitch {
  int from_yyyymm = 0;
  int RvTotalRate = 0;
  int AvTotalRate = 0;
  int PvTotalRate = 0;
  Decimal PvEmployerShareSaxony;
  std::optional<int> PvChildlessSurcharge;  // 1/100 percent, contributions
};

struct YearBlock {
  int year = 0;
  TaxTariff tax_tariff;
  PensionAllowance pension_allowance;   // PvChildAdjustment = the year's surcharge
  SocialInsurance social_insurance;
  // Marginal employment: the limits everybody gets from `standard_from`
  // on; before that, and always for SV characteristics "7" and "8", the
  // old-rule limits.
  MarginalLimits standard_limits;
  MarginalLimits old_rule_limits;
  int standard_from_yyyymm = 0;
  Cents TraineeLowEarnerLimit;
  Cents OneTwentiethReferenceValue;
  Cents MiniJobRvMinimumBase;
  std::optional<RateSwitch> rate_switch;
  int child_discount_from_yyyymm = 0;   // 0: no PV child discounts this year
  int InsolvencyLevyRate = 0;
  Decimal ChartKvEmployerRate;          // see YearParameters
  Decimal ChartKvEmployerRateFromJuly;  // 2023: the July chart corrected it
  std::optional<YearEndRevision> december_revision;  // 2024: the chart of December
  int ChamberRateBremen = 15;           // 1/100 percent of the pay
  int ChamberRateSaarland = 15;
};

[[nodiscard]] const YearBlock* FindYearBlock(int year);
[[nodiscard]] std::span<const YearBlock> AllYearBlocks();

// Lohnpfändung rows, each valid from July of its year until the next.
[[nodiscard]] std::span<const GarnishmentTable> GarnishmentRows();

// Church-tax rate, minimum-tax flag and flat rate by Land key 1..17.
[[nodiscard]] const ChurchTaxOfLand* FindChurchTaxOfLand(int land);

}  // namespace pekto
