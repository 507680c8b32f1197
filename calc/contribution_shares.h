// The contribution rules that current pay and one-off payments share: which
// scheme each branch follows for the employee's keys, the ceilings of a
// period, and how a contribution base is split between employee and
// employer. Rates are in 1/100 percent, bases and shares in whole cents.
#pragma once

#include <optional>

#include "calc/decimal.h"
#include "calc/money.h"
#include "calc/payroll_input.h"
#include "calc/year_parameters.h"

namespace pekto {

// One amount per branch: health (KV), pension (RV), unemployment (AV) and
// long-term care (PV).
struct BranchAmounts {
  Cents kv, rv, av, pv;
  BranchAmounts& operator+=(const BranchAmounts& other);
};

struct ContributionShares {
  BranchAmounts employee;  // AN
  BranchAmounts employer;  // AG
  ContributionShares& operator+=(const ContributionShares& other);
};

enum class KvScheme { None, Statutory, MiniJobFlat };
// EmployerHalf: "Halber Beitrag" - only the employer's half is due.
enum class RvScheme { None, Full, EmployerHalf, MiniJobFlat };
enum class AvScheme { None, Full, EmployerHalf };
// HalfRate: "Halber PV-Beitrag" - half the rate, split as usual.
enum class PvScheme { None, Full, HalfRate };

struct ContributionRates {
  KvScheme kv = KvScheme::None;
  Decimal kv_general;     // entered rate less the supplement: 1460 or 1400
  Decimal kv_supplement;  // the fund's; the average one for a low earner
  Decimal mini_job_kv;    // flat employer rate of a mini-job
  RvScheme rv = RvScheme::None;
  Decimal rv_total;
  Decimal mini_job_rv;         // flat employer rate of a mini-job
  Decimal mini_job_rv_top_up;  // the employee's top-up; 0 when not kept
  AvScheme av = AvScheme::None;
  Decimal av_total;
  PvScheme pv = PvScheme::None;
  Decimal pv_total;                           // halved for PvScheme::HalfRate
  std::optional<Decimal> pv_employer_saxony;  // set in Saxony (Land 14) only
  Decimal pv_adjustment;                      // childless surcharge (+) or child discount (-)
};

// Bases of the statutory branches; care insurance uses the KV base.
struct StatutoryBases {
  Cents kv, rv, av;
};

// Annual ceilings prorated to contribution days.
struct ContributionCeilings {
  Cents kv, rv, av;
};

// Marginal employment: SV characteristic "2", KV key "6" or RV key "5".
[[nodiscard]] bool IsMiniJob(const PayrollInput& in);

// § 20 Abs. 3 Satz 1 Nr. 1 SGB IV: a trainee (SV characteristic "1") whose
// current pay does not exceed the low-earner limit of 325 euros a month.
// The limit is not prorated for a partial month.
[[nodiscard]] bool IsLowEarner(const PayrollInput& in, const YearParameters& params);

[[nodiscard]] ContributionRates ContributionRatesOf(const PayrollInput& in, const YearParameters& params,
                                                    bool low_earner);

// § 223 Abs. 3 SGB V, § 157 SGB VI, § 341 Abs. 4 SGB III: each contribution
// day carries 1/360 of the annual ceiling (KV also for PV; RV and AV by the
// East or West ceiling of the Land), half away from zero to whole cents.
[[nodiscard]] ContributionCeilings ProratedCeilings(const YearParameters& params, int land, int days);

// base x rate / 10000 and base x rate / 20000, half away from zero.
[[nodiscard]] Cents ShareOf(Cents base, const Decimal& rate);
[[nodiscard]] Cents HalfShareOf(Cents base, const Decimal& rate);

// Employee and employer share a base in halves: § 249 Abs. 1 SGB V (from
// 2019 the supplement too, so that the halves are equal to the cent),
// § 168 Abs. 1 Nr. 1 SGB VI, § 346 Abs. 1 SGB III, § 58 Abs. 1 and 3 SGB XI
// (Saxony: the employee bears one percentage point more). The childless
// surcharge and the child discount of § 55 Abs. 3 SGB XI touch the employee
// only (§ 58 Abs. 1 Satz 3 SGB XI). "Halber Beitrag" keys: only the
// employer's half (§ 172 Abs. 1 SGB VI, § 346 Abs. 3 SGB III); half PV
// rate: § 55 Abs. 1 Satz 2 SGB XI. Mini-job branches are left out.
[[nodiscard]] ContributionShares SharedContributions(const ContributionRates& rates, const StatutoryBases& bases);

// § 20 Abs. 3 Satz 1 SGB IV: the employer bears the whole contribution of a
// low earner, the childless surcharge and the average supplement included.
[[nodiscard]] ContributionShares EmployerBorneContributions(const ContributionRates& rates,
                                                            const StatutoryBases& bases);

struct MiniJobBases {
  Cents kv;      // pay for the flat health contribution
  Cents rv_pay;  // pay for the flat pension contribution and the top-up
  Cents rv_gap;  // gap to the minimum base of § 163 Abs. 8 SGB VI
};

// Flat employer contributions of a mini-job: § 249b SGB V (KV) and § 172
// Abs. 3 SGB VI (RV); the employee who keeps RV pays the difference to the
// full rate on the pay and the full rate on the gap to the minimum base
// (§ 168 Abs. 1 Nr. 1b SGB VI). Statutory branches are left out.
[[nodiscard]] ContributionShares MiniJobContributions(const ContributionRates& rates, const MiniJobBases& bases);

}  // namespace pekto
