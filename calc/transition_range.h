// Übergangsbereich (midi-job): the reduced contribution bases BE and BE_AN
// of § 20 Abs. 2a SGB IV and the split of the contributions on them between
// employer and employee, before and from 1 October 2022.
#pragma once

#include <string_view>

#include "calc/contribution_shares.h"
#include "calc/decimal.h"
#include "calc/explain.h"
#include "calc/money.h"
#include "calc/payroll_input.h"
#include "calc/year_parameters.h"

namespace pekto {

struct TransitionLimits {
  Cents lower;          // G, the mini-job limit
  Cents upper;          // OG, the upper limit of the Übergangsbereich
  float factor = 0.0F;  // F, single precision as the program has always held it
};

struct TransitionBases {
  Decimal be;           // BE, the base of the total contribution
  Decimal be_employee;  // BE_AN, the base of the employee's share
};

// § 20 Abs. 2a Satz 1 SGB IV:
//   BE = F x G + (OG / (OG - G) - G / (OG - G) x F) x (AE - G),
// § 20 Abs. 2a Satz 6 SGB IV (from 1.10.2022):
//   BE_AN = OG / (OG - G) x (AE - G).
// With pay from other employers (multiple employment) both formulas take
// the total pay GE = AE + other pay and the result is taken in the ratio
// AE / GE, as § 20 Abs. 2a SGB IV orders for several employments. All
// amounts in one unit; exact except that F enters with its binary value
// cut after 18 decimals and the quotients are cut after 12 decimals.
[[nodiscard]] TransitionBases TransitionContributionBases(Cents pay, Cents other_employer_pay,
                                                          const TransitionLimits& limits);

// The bases of one part of the month and the pay behind them.
struct TransitionPart {
  Cents be;
  Cents be_employee;  // 0 under the rule before 10/2022, which knows no BE_AN
  Cents pay;          // the actual pay of this employer
};

struct TransitionMonth {
  bool applies = false;
  bool old_rule = false;  // the split before 10/2022 (and for "7"/"8" up to 12/2023)
  TransitionPart month;   // current pay and one-off payment together
  TransitionPart current;
  TransitionPart one_off;
};

// SV characteristics "3" (Übergangsbereich), "7" and "8" (its transitional
// protection from 10/2022 to 12/2023, § 20 Abs. 2a SGB IV in the version up
// to 30.9.2022 kept alive for employees paid 450.01 to 520.00 euros).
[[nodiscard]] bool IsTransitionGroup(std::string_view sv_attribute_key);

// Before 10/2022 everybody, up to 12/2023 the characteristics "7" and "8".
[[nodiscard]] bool UsesOldTransitionRule(const PayrollInput& in);

// Whether the month's pay (current pay plus the SV one-off payment plus the
// other employers' pay) lies above G and not above OG, and if so the bases
// of the month, split between current pay and the one-off payment in the
// ratio of their pay. A partial month is computed as a monthly amount
// (pay x 30 / SV days) and the bases prorated back to the SV days.
[[nodiscard]] TransitionMonth TransitionMonthOf(const PayrollInput& in, const YearParameters& params);

// Contributions of the statutory branches on the bases of one part.
// From 10/2022 (§ 249 Abs. 3 SGB V, § 168 Abs. 1 Nr. 1d SGB VI, § 346
// Abs. 1a SGB III, § 58 Abs. 5 SGB XI in their versions from 1.10.2022):
// the total is twice the half rate on BE, the employee pays the half rate
// on BE_AN, the employer the rest. Before 10/2022 (the same provisions up
// to 30.9.2022, and § 163 Abs. 10 SGB VI a.F.): the employer pays the half
// rate on the actual pay, the employee the rest of the total on BE.
// Mini-job branches are left out.
[[nodiscard]] ContributionShares TransitionContributions(const ContributionRates& rates, const TransitionPart& part,
                                                         bool old_rule);

void ExplainTransition(Explainer& explain, const TransitionMonth& month, const YearParameters& params);

}  // namespace pekto
