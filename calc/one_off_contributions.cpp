#include "calc/one_off_contributions.h"

#include <algorithm>
#include <array>
#include <string>

#include "calc/contribution_shares.h"
#include "calc/transition_range.h"

namespace pekto {
namespace {

struct OneOffParts {
  StatutoryBases bases;                    // contributory part per branch; PV uses the KV part
  Cents levy;                              // part within the RV ceiling for the insolvency levy
  std::array<bool, 3> short_of_payment{};  // KV, RV, AV not fully contributory
};

struct BranchYear {
  const char* name;
  Cents annual_ceiling;
  AccumulatedYear year;
};

Cents PartOfBranch(const PayrollInput& in, const BranchYear& branch, Explainer& explain) {
  const Cents part = ContributoryOneOffPart(in.sv_one_off, branch.annual_ceiling, branch.year);
  if (explain.Active()) {
    const std::string name(branch.name);
    explain.Value("Aufgelaufene SV-Tage " + name, std::to_string(branch.year.days));
    explain.Amount("Aufgelaufene Bemessungsgrundlage " + name, branch.year.base);
    explain.Amount("Beitragspflichtiger Teil der Einmalzahlung " + name, part);
  }
  return part;
}

// The record's year figures, or the current month when they were not formed.
AccumulatedYear YearOf(const PayrollInput& in, Cents accumulated, int days) {
  if (days > 0) return {accumulated, days};
  return {Max(in.sv_gross, Cents(0)), std::max(in.sv_days, 0)};
}

OneOffParts ContributoryParts(const PayrollInput& in, const YearParameters& params, const ContributionRates& rates,
                              Explainer& explain) {
  const SocialInsurance& si = params.social_insurance;
  const bool east = IsEastLand(in.state_code);
  const Cents rv_ceiling = east ? si.RvCeilingEast : si.RvCeilingWest;
  const Cents av_ceiling = east ? si.AvCeilingEast : si.AvCeilingWest;
  OneOffParts parts;
  if (rates.kv != KvScheme::None || rates.pv != PvScheme::None) {
    parts.bases.kv =
        PartOfBranch(in, {"KV/PV", si.KvCeiling, YearOf(in, in.kv_accum_amount, in.kv_accum_days)}, explain);
    parts.short_of_payment[0] = rates.kv != KvScheme::None && parts.bases.kv < in.sv_one_off;
  }
  if (rates.rv != RvScheme::None) {
    parts.bases.rv = PartOfBranch(in, {"RV", rv_ceiling, YearOf(in, in.rv_accum_amount, in.rv_accum_days)}, explain);
    parts.short_of_payment[1] = parts.bases.rv < in.sv_one_off;
  }
  if (rates.av != AvScheme::None) {
    parts.bases.av = PartOfBranch(in, {"AV", av_ceiling, YearOf(in, in.av_accum_amount, in.av_accum_days)}, explain);
    parts.short_of_payment[2] = parts.bases.av < in.sv_one_off;
  }
  parts.levy = PartOfBranch(
      in, {"Insolvenzgeldumlage", rv_ceiling, YearOf(in, in.levy_accum_amount, in.levy_accum_days)}, explain);
  return parts;
}

// § 20 Abs. 3 Satz 2 SGB IV: the employer alone bears the month's pay up to
// the low-earner limit; the part above it is shared in halves, the average
// supplement and the employee's childless surcharge included.
ContributionShares LowEarnerOneOff(const ContributionRates& rates, const StatutoryBases& parts, Cents room) {
  const StatutoryBases employer_only{Min(parts.kv, room), Min(parts.rv, room), Min(parts.av, room)};
  const StatutoryBases shared{parts.kv - employer_only.kv, parts.rv - employer_only.rv, parts.av - employer_only.av};
  ContributionShares shares = EmployerBorneContributions(rates, employer_only);
  shares += SharedContributions(rates, shared);
  return shares;
}

void SetMarchClause(const PayrollInput& in, const OneOffParts& parts, PayrollResult& out, Explainer& explain) {
  if (!InMarchClauseMonths(in.period_yyyymm)) return;
  out.march_clause_branches = parts.short_of_payment;
  out.march_clause =
      std::any_of(parts.short_of_payment.begin(), parts.short_of_payment.end(), [](bool b) { return b; });
  if (out.march_clause) explain.Note("Märzklausel: die Einmalzahlung ist nicht voll beitragspflichtig");
}

void WriteOneOff(const ContributionShares& shares, PayrollResult& out) {
  out.one_off_employee.kv = shares.employee.kv;
  out.one_off_employee.rv = shares.employee.rv;
  out.one_off_employee.av = shares.employee.av;
  out.one_off_employee.pv = shares.employee.pv;
  out.one_off_employer = {shares.employer.kv, shares.employer.rv, shares.employer.av, shares.employer.pv};
}

}  // namespace

Cents ContributoryOneOffPart(Cents one_off, Cents annual_ceiling, const AccumulatedYear& year) {
  if (one_off.Value() <= 0 || year.days <= 0) return Cents(0);
  const Decimal prorated = (annual_ceiling.ToDecimal() * Decimal::FromInt(year.days))
                               .Divide(Decimal::FromInt(360), 0, Rounding::HalfAwayFromZero);
  const Cents room = Cents(prorated.ToInt64(Rounding::Down)) - year.base;
  return Min(one_off, Max(room, Cents(0)));
}

bool InMarchClauseMonths(int period_yyyymm) {
  const int month = period_yyyymm % 100;
  return month >= 1 && month <= 3;
}

void RunOneOffContributionStep(const PayrollInput& in, const YearParameters& params, PayrollResult& out,
                               Explainer& explain) {
  if (in.sv_one_off.Value() <= 0) return;
  explain.Section("Sozialversicherung Einmalzahlung");
  explain.Amount("Sozialversicherungspflichtige Einmalzahlung", in.sv_one_off);
  const bool low_earner = IsLowEarner(in, params);
  const ContributionRates rates = ContributionRatesOf(in, params, low_earner);
  const TransitionMonth month = TransitionMonthOf(in, params);
  ContributionShares shares;
  if (month.applies) {
    // The month's pay stays within the Übergangsbereich, far below every
    // monthly ceiling: the payment is contributory in full.
    explain.Amount("BE Einmalzahlung", month.one_off.be);
    shares = TransitionContributions(rates, month.one_off, month.old_rule);
    shares += MiniJobContributions(rates, {in.sv_one_off, in.sv_one_off, Cents(0)});
    out.working.levy_base_one_off = in.sv_one_off;
  } else {
    const OneOffParts parts = ContributoryParts(in, params, rates, explain);
    const Cents room = Max(params.marginal_employment.TraineeLowEarnerLimit - Max(in.sv_gross, Cents(0)), Cents(0));
    shares = low_earner ? LowEarnerOneOff(rates, parts.bases, room) : SharedContributions(rates, parts.bases);
    shares += MiniJobContributions(rates, {parts.bases.kv, parts.bases.rv, Cents(0)});
    out.working.levy_base_one_off = parts.levy;
    SetMarchClause(in, parts, out, explain);
  }
  WriteOneOff(shares, out);
}

}  // namespace pekto
