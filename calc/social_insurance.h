// Contributions of the month's current pay ("Laufende") to health (KV),
// pension (RV), unemployment (AV) and long-term care (PV) insurance, as
// employee and employer shares: ordinary employees, mini-jobs, the
// Übergangsbereich and low-earning trainees; and the base of the levies.
#pragma once

#include "calc/explain.h"
#include "calc/money.h"
#include "calc/payroll_input.h"
#include "calc/payroll_result.h"
#include "calc/year_parameters.h"

namespace pekto {

// Fills out.current_employee.{kv, rv, av, pv}, out.current_employer and the
// working values kv_base, rv_base, av_base, transition_base,
// transition_base_employee, levy_base, mini_job_rv_gap, transition_range,
// mini_job and employer_pays_all.
//
// Without SV days nothing is due: each contribution day carries 1/360 of
// the annual ceiling. Each branch follows its key; "Halber Beitrag" keys
// (RV "3", AV "2") leave only the employer's half, PV "2" halves the rate.
//
// levy_base is the pay that U1 and U2 (§ 7 Abs. 2 AAG) and the insolvency
// levy (§ 358 Abs. 2 SGB III) are charged on: the pay on which pension
// contributions are or would be assessed, that is the actual current pay up
// to the RV ceiling - also for a mini-job (not the minimum base) and in the
// Übergangsbereich (not BE). One-off payments do not enter U1 and U2
// (§ 7 Abs. 2 AAG); their part for the insolvency levy is
// working.levy_base_one_off of the one-off step.
void RunSocialInsuranceStep(const PayrollInput& in, const YearParameters& params, PayrollResult& out,
                            Explainer& explain);

// § 163 Abs. 8 SGB VI: a mini-job whose employee keeps RV pays at least on
// the minimum base, prorated to the SV days and rounded down to the cent.
// The gap is the minimum less the pay and the SV one-off payment of the
// month, when they are above 0 and below it; else 0.
[[nodiscard]] Cents MiniJobRvGap(Cents pay, Cents one_off, int sv_days, Cents monthly_minimum);

}  // namespace pekto
