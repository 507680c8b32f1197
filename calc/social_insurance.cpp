#include "calc/social_insurance.h"

#include <algorithm>
#include <string>

#include "calc/contribution_shares.h"
#include "calc/transition_range.h"

namespace pekto {
namespace {

struct CurrentBases {
  Cents pay;                  // SV wage, not below 0
  ContributionCeilings caps;  // prorated to the SV days
  StatutoryBases capped;      // the pay up to each ceiling
  Cents rv_gap;               // mini-job: gap to the minimum RV base
};

CurrentBases CurrentBasesOf(const PayrollInput& in, const YearParameters& params, const ContributionRates& rates) {
  CurrentBases b;
  b.pay = Max(in.sv_gross, Cents(0));
  b.caps = ProratedCeilings(params, in.state_code, in.sv_days);
  b.capped = {Min(b.pay, b.caps.kv), Min(b.pay, b.caps.rv), Min(b.pay, b.caps.av)};
  if (rates.rv == RvScheme::MiniJobFlat && rates.mini_job_rv_top_up.IsPositive()) {
    b.rv_gap = MiniJobRvGap(b.capped.rv, Max(in.sv_one_off, Cents(0)), in.sv_days,
                            params.marginal_employment.MiniJobRvMinimumBase);
  }
  return b;
}

ContributionShares StatutoryShares(const ContributionRates& rates, const TransitionMonth& month,
                                   const StatutoryBases& capped, bool low_earner) {
  if (month.applies) return TransitionContributions(rates, month.current, month.old_rule);
  if (low_earner) return EmployerBorneContributions(rates, capped);
  return SharedContributions(rates, capped);
}

void WriteBases(const ContributionRates& rates, const TransitionMonth& month, const CurrentBases& b, WorkingValues& w) {
  const bool reduced = month.applies;
  const Cents be = month.current.be;
  if (rates.kv != KvScheme::None || rates.pv != PvScheme::None) {
    w.kv_base = reduced && rates.kv != KvScheme::MiniJobFlat && be.Value() > 0 ? be : b.capped.kv;
  }
  if (rates.rv == RvScheme::MiniJobFlat) w.rv_base = b.capped.rv + b.rv_gap;
  if (rates.rv == RvScheme::Full || rates.rv == RvScheme::EmployerHalf) w.rv_base = reduced ? be : b.capped.rv;
  if (rates.av != AvScheme::None) w.av_base = reduced ? be : b.capped.av;
  w.transition_range = reduced;
  w.transition_base = be;
  w.transition_base_employee = month.current.be_employee;
  w.mini_job_rv_gap = b.rv_gap;
  w.levy_base = b.capped.rv;
}

void ExplainCurrent(Explainer& explain, const PayrollInput& in, const YearParameters& params, const CurrentBases& b,
                    const PayrollResult& out) {
  if (!explain.Active()) return;
  const WorkingValues& w = out.working;
  explain.Value("Sozialversicherungstage", std::to_string(in.sv_days));
  explain.Amount("Sozialversicherungspflichtiges Entgelt", b.pay);
  explain.Amount("Beitragsbemessungsgrenze KV/PV des Zeitraums", b.caps.kv);
  explain.Amount(IsEastLand(in.state_code) ? "Beitragsbemessungsgrenze RV/AV (Ost) des Zeitraums"
                                           : "Beitragsbemessungsgrenze RV/AV (West) des Zeitraums",
                 b.caps.rv);
  if (w.employer_pays_all) explain.Note("Geringverdiener (Auszubildender): der Arbeitgeber trägt die Beiträge allein");
  if (in.sv_attribute_key == "1" && !w.employer_pays_all) {
    explain.Note("Geringverdienergrenze überschritten: die Beiträge werden geteilt");
  }
  if (w.mini_job) explain.Note("Geringfügige Beschäftigung: Pauschalbeiträge des Arbeitgebers");
  if (!w.mini_job_rv_gap.IsZero()) {
    const Cents minimum((params.marginal_employment.MiniJobRvMinimumBase.Value() * in.sv_days) / 30);
    explain.Amount("Mindestbemessungsgrundlage RV des Zeitraums", minimum);
    explain.Amount("Differenz zur Mindestbemessungsgrundlage RV", w.mini_job_rv_gap);
  }
  explain.Amount("Bemessungsgrundlage KV/PV", w.kv_base);
  explain.Amount("Bemessungsgrundlage RV", w.rv_base);
  explain.Amount("Bemessungsgrundlage AV", w.av_base);
  explain.Amount("Bemessungsgrundlage Umlagen U1/U2/Insolvenzgeld", w.levy_base);
}

}  // namespace

Cents MiniJobRvGap(Cents pay, Cents one_off, int sv_days, Cents monthly_minimum) {
  const Cents minimum((monthly_minimum.Value() * std::max(sv_days, 0)) / 30);
  const Cents month_pay = pay + one_off;
  if (month_pay.Value() <= 0 || month_pay >= minimum) return Cents(0);
  return minimum - month_pay;
}

void RunSocialInsuranceStep(const PayrollInput& in, const YearParameters& params, PayrollResult& out,
                            Explainer& explain) {
  explain.Section("Sozialversicherung laufende Bezüge");
  if (in.sv_days <= 0) {
    explain.Note("Keine Sozialversicherungstage: keine Beiträge aus laufenden Bezügen");
    return;
  }
  const bool low_earner = IsLowEarner(in, params);
  const ContributionRates rates = ContributionRatesOf(in, params, low_earner);
  const CurrentBases bases = CurrentBasesOf(in, params, rates);
  const TransitionMonth month = TransitionMonthOf(in, params);

  ContributionShares shares = StatutoryShares(rates, month, bases.capped, low_earner);
  shares += MiniJobContributions(rates, {bases.capped.kv, bases.capped.rv, bases.rv_gap});

  out.current_employee.kv = shares.employee.kv;
  out.current_employee.rv = shares.employee.rv;
  out.current_employee.av = shares.employee.av;
  out.current_employee.pv = shares.employee.pv;
  out.current_employer = {shares.employer.kv, shares.employer.rv, shares.employer.av, shares.employer.pv};
  WriteBases(rates, month, bases, out.working);
  out.working.mini_job = IsMiniJob(in);
  out.working.employer_pays_all = low_earner;

  ExplainCurrent(explain, in, params, bases, out);
  ExplainTransition(explain, month, params);
}

}  // namespace pekto
