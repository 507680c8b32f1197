// Contributions on the month's SV one-off payment (row "Sonstige"): the part
// within the annual ceiling prorated to the contribution days of the year
// (§ 23a SGB IV), charged with the same rates and splits as current pay,
// and the March clause for the dialog to ask about.
#pragma once

#include "calc/explain.h"
#include "calc/money.h"
#include "calc/payroll_input.h"
#include "calc/payroll_result.h"
#include "calc/year_parameters.h"

namespace pekto {

// The contribution base and days of the year so far, the current month
// included (the year figures add it when they are formed).
struct AccumulatedYear {
  Cents base;
  int days = 0;
};

// § 23a Abs. 3 SGB IV: a one-off payment is contributory as far as the
// annual ceiling prorated to the accumulated days (1/360 a day, half away
// from zero to the cent) exceeds the accumulated base; not below 0 and not
// above the payment.
[[nodiscard]] Cents ContributoryOneOffPart(Cents one_off, Cents annual_ceiling, const AccumulatedYear& year);

// § 23a Abs. 4 SGB IV: one-off payments of January to March may belong to
// the last period of the year before.
[[nodiscard]] bool InMarchClauseMonths(int period_yyyymm);

// Fills out.one_off_employee.{kv, rv, av, pv}, out.one_off_employer,
// out.working.levy_base_one_off, out.march_clause and
// out.march_clause_branches (KV, RV, AV); nothing without a positive SV
// one-off payment.
//
// Per branch the contributory part is compared with the record's
// accumulated base and days (KV also for PV); when a branch's accumulated
// days are empty because the year figures were not formed, the current
// month alone (SV wage and SV days) stands for the year.
//
// The March clause is set when, in January to March, the payment is not
// fully contributory in KV, RV or AV; the contributions stay those of the
// current period until the user decides. levy_base_one_off is the part of
// the payment within the RV ceiling, compared with the accumulated levy
// base and days: the insolvency levy is charged on it (§ 358 Abs. 2
// SGB III), U1 and U2 are not (§ 7 Abs. 2 AAG).
//
// A low earner (§ 20 Abs. 3 Satz 2 SGB IV): up to the low-earner limit the
// month's pay stays employer-borne, the part of the payment above it is
// shared in halves. In the Übergangsbereich the payment is part of the
// month's pay and carries its share of BE and BE_AN.
void RunOneOffContributionStep(const PayrollInput& in, const YearParameters& params, PayrollResult& out,
                               Explainer& explain);

}  // namespace pekto
