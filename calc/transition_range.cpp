#include "calc/transition_range.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace pekto {
namespace {

constexpr int kQuotientScale = 12;
constexpr int kNewRuleFrom = 202210;               // § 20 Abs. 2a SGB IV as amended from 1.10.2022
constexpr int kTransitionalProtectionTo = 202312;  // "7"/"8" keep the old rule up to 12/2023

// The factor as the binary single-precision value it is held in.
Decimal FactorOf(float factor) {
  int exponent = 0;
  const float fraction = std::frexp(factor, &exponent);  // factor = fraction x 2^exponent
  const auto mantissa = static_cast<std::int64_t>(std::ldexp(fraction, 24));
  const int twos = 24 - exponent;
  if (twos <= 0) return Decimal::FromInt(mantissa * (std::int64_t{1} << -twos));
  return Decimal::FromInt(mantissa).DivideExact(Decimal::FromInt(std::int64_t{1} << twos)).SetScale(18, Rounding::Down);
}

struct Split {
  Cents employee;
  Cents employer;
};

// One rate on the bases of a part: the total is twice the half rate on BE.
Split SplitOf(const TransitionPart& part, const Decimal& rate, bool old_rule) {
  const Cents half = HalfShareOf(part.be, rate);
  const Cents total = half + half;
  if (old_rule) {
    const Cents employer = HalfShareOf(part.pay, rate);
    return {total - employer, employer};
  }
  const Cents employee = HalfShareOf(part.be_employee, rate);
  return {employee, total - employee};
}

// Saxony: the employee's rate is the total less the employer's rate
// (§ 58 Abs. 3 and 5 SGB XI).
Split SaxonyCareSplit(const TransitionPart& part, const Decimal& rate, const Decimal& employer_rate, bool old_rule) {
  const Cents half = HalfShareOf(part.be, rate);
  const Cents total = half + half;
  if (old_rule) {
    const Cents employer = ShareOf(part.pay, employer_rate);
    return {total - employer, employer};
  }
  const Cents employee = ShareOf(part.be_employee, rate - employer_rate);
  return {employee, total - employee};
}

void AddSplit(ContributionShares& s, Cents BranchAmounts::*branch, const Split& split, bool employee_pays) {
  if (employee_pays) s.employee.*branch += split.employee;
  s.employer.*branch += split.employer;
}

void AddCare(const ContributionRates& r, const TransitionPart& part, bool old_rule, ContributionShares& s) {
  if (r.pv == PvScheme::None) return;
  const Split split = r.pv_employer_saxony ? SaxonyCareSplit(part, r.pv_total, *r.pv_employer_saxony, old_rule)
                                           : SplitOf(part, r.pv_total, old_rule);
  // The surcharge or discount lies on the employee's base: BE before
  // 10/2022, BE_AN from then on.
  const Cents adjustment = ShareOf(old_rule ? part.be : part.be_employee, r.pv_adjustment);
  s.employee.pv += Max(split.employee + adjustment, Cents(0));
  s.employer.pv += split.employer;
}

TransitionPart PartInRatio(const TransitionPart& month, Cents pay, Cents month_pay) {
  if (month_pay.Value() <= 0) return {};
  const Decimal ratio_pay = pay.ToDecimal();
  const Decimal whole = month_pay.ToDecimal();
  const auto portion = [&](Cents amount) {
    return RoundHalfAwayFromZero((amount.ToDecimal() * ratio_pay).Divide(whole, kQuotientScale, Rounding::Down));
  };
  return {portion(month.be), portion(month.be_employee), pay};
}

}  // namespace

TransitionBases TransitionContributionBases(Cents pay, Cents other_employer_pay, const TransitionLimits& limits) {
  const Decimal g = limits.lower.ToDecimal();
  const Decimal og = limits.upper.ToDecimal();
  const Decimal ae = pay.ToDecimal();
  const Decimal ge = ae + other_employer_pay.ToDecimal();
  const Decimal span = og - g;
  if (!span.IsPositive() || !ge.IsPositive()) return {};
  const Decimal f = FactorOf(limits.factor);
  // F x G + (OG/(OG-G) - G/(OG-G) x F) x (GE - G) = (F x G x (OG - GE) + OG x (GE - G)) / (OG - G)
  const Decimal be = (f * g * (og - ge) + og * (ge - g)).Divide(span, kQuotientScale, Rounding::Down);
  const Decimal be_employee = (og * (ge - g)).Divide(span, kQuotientScale, Rounding::Down);
  if (other_employer_pay.IsZero()) return {be, be_employee};
  return {(be * ae).Divide(ge, kQuotientScale, Rounding::Down),
          (be_employee * ae).Divide(ge, kQuotientScale, Rounding::Down)};
}

bool IsTransitionGroup(std::string_view sv_attribute_key) {
  return sv_attribute_key == "3" || sv_attribute_key == "7" || sv_attribute_key == "8";
}

bool UsesOldTransitionRule(const PayrollInput& in) {
  const bool protected_case = in.sv_attribute_key == "7" || in.sv_attribute_key == "8";
  return in.period_yyyymm < kNewRuleFrom || (protected_case && in.period_yyyymm <= kTransitionalProtectionTo);
}

TransitionMonth TransitionMonthOf(const PayrollInput& in, const YearParameters& params) {
  const MarginalEmployment& m = params.marginal_employment;
  const int days = in.sv_days;
  if (!IsTransitionGroup(in.sv_attribute_key) || days <= 0 || days > 30) return {};
  const Cents current = Max(in.sv_gross, Cents(0));
  const Cents one_off = Max(in.sv_one_off, Cents(0));
  const Cents pay = current + one_off;
  // pay x 30 / days against the monthly limits, without a fraction: every
  // amount times the days, the pay times 30. The bases come out for the
  // monthly amount times the days, that is 30 times the prorated bases.
  const Cents scaled_pay(pay.Value() * 30);
  const Cents scaled_other(Max(in.midi_other_employer_pay, Cents(0)).Value() * days);
  const TransitionLimits limits{Cents(m.MiniJobLimit.Value() * days), Cents(m.TransitionUpperLimit.Value() * days),
                                m.TransitionFactorF};
  const Cents total = scaled_pay + scaled_other;
  if (limits.upper <= limits.lower || total <= limits.lower || total > limits.upper) return {};

  TransitionMonth month;
  month.applies = true;
  month.old_rule = UsesOldTransitionRule(in);
  const TransitionBases bases = TransitionContributionBases(scaled_pay, scaled_other, limits);
  const Decimal thirty = Decimal::FromInt(30);
  month.month.be = RoundHalfAwayFromZero(bases.be.Divide(thirty, kQuotientScale, Rounding::Down));
  if (!month.old_rule) {
    month.month.be_employee = RoundHalfAwayFromZero(bases.be_employee.Divide(thirty, kQuotientScale, Rounding::Down));
  }
  month.month.pay = pay;
  month.current = PartInRatio(month.month, current, pay);
  month.one_off = {month.month.be - month.current.be, month.month.be_employee - month.current.be_employee, one_off};
  return month;
}

ContributionShares TransitionContributions(const ContributionRates& r, const TransitionPart& part, bool old_rule) {
  ContributionShares s;
  if (r.kv == KvScheme::Statutory) {
    AddSplit(s, &BranchAmounts::kv, SplitOf(part, r.kv_general, old_rule), true);
    AddSplit(s, &BranchAmounts::kv, SplitOf(part, r.kv_supplement, old_rule), true);
  }
  if (r.rv == RvScheme::Full || r.rv == RvScheme::EmployerHalf) {
    AddSplit(s, &BranchAmounts::rv, SplitOf(part, r.rv_total, old_rule), r.rv == RvScheme::Full);
  }
  if (r.av == AvScheme::Full || r.av == AvScheme::EmployerHalf) {
    AddSplit(s, &BranchAmounts::av, SplitOf(part, r.av_total, old_rule), r.av == AvScheme::Full);
  }
  AddCare(r, part, old_rule, s);
  return s;
}

void ExplainTransition(Explainer& explain, const TransitionMonth& month, const YearParameters& params) {
  if (!explain.Active() || !month.applies) return;
  const MarginalEmployment& m = params.marginal_employment;
  explain.Note(month.old_rule ? "Übergangsbereich (Rechtsstand bis 30.09.2022: Arbeitgeberanteil vom Arbeitsentgelt)"
                              : "Übergangsbereich (Arbeitnehmeranteil aus BE_AN, Arbeitgeber trägt den Rest)");
  explain.Amount("Geringfügigkeitsgrenze G", m.MiniJobLimit);
  explain.Amount("Obergrenze Übergangsbereich OG", m.TransitionUpperLimit);
  std::string factor = FactorOf(m.TransitionFactorF).SetScale(4, Rounding::HalfAwayFromZero).ToString();
  std::replace(factor.begin(), factor.end(), '.', ',');
  explain.Value("Faktor F", factor);
  explain.Amount("Beitragspflichtige Einnahme BE", month.month.be);
  if (!month.old_rule) explain.Amount("Beitragspflichtige Einnahme Arbeitnehmeranteil BE_AN", month.month.be_employee);
  if (!month.one_off.pay.IsZero()) {
    explain.Amount("BE laufende Bezüge", month.current.be);
    explain.Amount("BE Einmalzahlung", month.one_off.be);
  }
}

}  // namespace pekto
