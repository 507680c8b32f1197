#include "calc/net_pay.h"

#include "calc/flat_rate_tax.h"
#include "calc/levies.h"

namespace pekto {
namespace {

constexpr int kLandBremen = 6;
constexpr int kLandSaarland = 13;

// Arbeitskammer des Saarlandes: since 1 January 2016 pay counts up to the
// whole pension ceiling (75 % before; the chamber's Erläuterungen zum
// Beitrag: at most 0.15 % of 100 % of the ceiling, 10.95 euros a month in
// 2023); the ceiling of the SV days is RvCeilingWest / 360 x days.
Cents SaarlandChamberCap(Cents rv_ceiling_west, int sv_days) {
  const Decimal cap = (rv_ceiling_west.ToDecimal() * Decimal::FromInt(sv_days)).DivideExact(Decimal::FromInt(360));
  return RoundHalfAwayFromZero(cap);
}

ChamberInput ChamberInputOf(const PayrollInput& in, const YearParameters& params) {
  return {in.state_code,
          in.chamber_key,
          in.taxable_gross + in.taxable_other,
          in.sv_gross + in.sv_one_off,
          in.sv_days,
          params.social_insurance.RvCeilingWest,
          params.ChamberRate};
}

void FillEmployee(const PayrollInput& in, const BookedCorrections& corrections, const YearParameters& params,
                  PayrollResult& out, Explainer& explain) {
  EmployeeEvaluation& e = out.employee;
  const ChamberContribution chamber = ComputeChamberContribution(ChamberInputOf(in, params));
  e.chamber = chamber.contribution;
  // The booking evaluation writes the category-1 total into "Bruttolohn
  // gesamt" and into slot 67 alike, so the gross is that field alone.
  e.gross = in.gross_total;
  e.statutory_deductions = StatutoryDeductions(out);
  e.other_before_net = in.booked_before_net + corrections.before_net;
  e.net = e.gross - e.statutory_deductions - e.other_before_net;
  const Cents kv_item = PrivateInsuranceDeduction(in.kv_employee_amount, in.kv_employer_amount);
  const Cents pv_item = PrivateInsuranceDeduction(in.pv_employee_amount, in.pv_employer_amount);
  e.other_after_net = kv_item + pv_item - (in.booked_after_net + corrections.after_net);
  e.payout = e.net - e.chamber - e.other_after_net - e.garnishment;

  explain.Section("Nettolohn und Auszahlung");
  if (!chamber.contribution.IsZero()) explain.Amount("Bemessungsgrundlage Kammerbeitrag", chamber.base);
  explain.Amount("Kammerbeitrag", e.chamber);
  explain.Amount("Bruttolohn", e.gross);
  explain.Amount("Gesetzliche Abzüge", e.statutory_deductions);
  explain.Amount("Sonstige Abzüge vor Netto", e.other_before_net);
  explain.Amount("Nettolohn", e.net);
  explain.Amount("Freiwillige/private Krankenversicherung nach Netto", kv_item);
  explain.Amount("Freiwillige/private Pflegeversicherung nach Netto", pv_item);
  explain.Amount("Sonstige Abzüge nach Netto", e.other_after_net);
  explain.Amount("Pfändung", e.garnishment);
  explain.Amount("Auszahlungsbetrag", e.payout);
}

void FillEmployer(const PayrollInput& in, const BookedCorrections& corrections, const YearParameters& params,
                  PayrollResult& out, Explainer& explain) {
  EmployerEvaluation& r = out.employer;
  r.gross = out.employee.gross;
  r.social_insurance =
      out.current_employer.Total() + out.one_off_employer.Total() + in.kv_employer_amount + in.pv_employer_amount;
  const Levies levies =
      ComputeLevies({in.levy_key, in.insolvency_exception, out.working.levy_base, out.working.levy_base_one_off,
                     in.u1_rate, in.u2_rate, params.InsolvencyLevyRate});
  r.u1 = levies.u1;
  r.u2 = levies.u2;
  r.insolvency_levy = levies.insolvency;
  RunFlatRateTaxStep(in, params, out, explain);
  // Category-4 bookings are the employer's own contributions or taxes; the
  // evaluation stores them negated, so they add to the cost with the sign
  // turned back.
  const Cents booked_cost = -(in.booked_employer + corrections.employer);
  r.total = r.social_insurance + r.gross + r.u1 + r.u2 + r.flat_wage_tax + r.flat_soli + r.flat_church_tax[0] +
            r.flat_church_tax[1] + booked_cost + r.insolvency_levy;

  explain.Section("Arbeitgeber");
  explain.Amount("SV-Beitrag mit Zuschüssen", r.social_insurance);
  explain.Amount("Umlagepflichtiges Entgelt", out.working.levy_base);
  explain.Amount("Insolvenzgeldumlagepflichtige Einmalzahlung", out.working.levy_base_one_off);
  explain.Amount("Umlage U1", r.u1);
  explain.Amount("Umlage U2", r.u2);
  explain.Amount("Insolvenzgeldumlage", r.insolvency_levy);
  explain.Amount("Gebuchte Arbeitgeberbeiträge und -steuern", booked_cost);
  explain.Amount("Arbeitgeber gesamt", r.total);
}

void FillCorrections(const BookedCorrections& booked, Corrections& c) {
  // Category-1 lines of earlier periods are not evaluated, so no gross of
  // the month belongs to an earlier period.
  c.gross = Cents(0);
  c.other_after_gross = booked.before_net;
  c.other_after_net = -booked.after_net;
  c.payout = -c.other_after_gross - c.other_after_net;
  c.employer_total = -booked.employer;
}

}  // namespace

ChamberContribution ComputeChamberContribution(const ChamberInput& in) {
  ChamberContribution c;
  if (in.chamber_key.empty() || in.chamber_key == "0") return c;
  if (in.land == kLandBremen) {
    c.base = in.taxable_pay;
  } else if (in.land == kLandSaarland) {
    c.base = Min(in.contribution_pay, SaarlandChamberCap(in.rv_ceiling_west, in.sv_days));
  } else {
    return c;
  }
  c.contribution =
      RoundHalfAwayFromZero((c.base.ToDecimal() * Decimal::FromInt(in.rate)).DivideExact(Decimal::FromInt(10000)));
  return c;
}

Cents PrivateInsuranceDeduction(Cents employee_amount, Cents employer_subsidy) {
  if (!employee_amount.IsZero()) return employee_amount;
  return -employer_subsidy;
}

Cents StatutoryDeductions(const PayrollResult& out) {
  Cents total = out.current_employee.Total();
  for (const OneOffTaxPart& part : out.one_off_tax) {
    total += part.wage_tax + part.church_tax + part.church_spouse + part.soli;
  }
  const EmployeeDeductions& one_off = out.one_off_employee;
  return total + one_off.kv + one_off.rv + one_off.av + one_off.pv;
}

void RunNetPayStep(const PayrollInput& in, const BookedCorrections& corrections, const YearParameters& params,
                   PayrollResult& out, Explainer& explain) {
  FillEmployee(in, corrections, params, out, explain);
  FillEmployer(in, corrections, params, out, explain);
  FillCorrections(corrections, out.corrections);
}

void RunNetPayStep(const PayrollInput& in, const YearParameters& params, PayrollResult& out, Explainer& explain) {
  const BookedCorrections corrections{in.booked_correction_before_net, in.booked_correction_after_net,
                                      in.booked_correction_employer};
  RunNetPayStep(in, corrections, params, out, explain);
}

}  // namespace pekto
