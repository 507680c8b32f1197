// Everything one calculation run produces for the month: the rows of the
// results overview, the employee's and the employer's evaluation, and the
// working values behind them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "calc/money.h"

namespace pekto {

// Row "Laufende AN" / "Sonstige AN": the employee's statutory deductions.
struct EmployeeDeductions {
  Cents wage_tax;      // "Lohnsteuer"
  Cents church_tax;    // "KiSt-AN"
  Cents church_spouse; // "KiSt-EG"
  Cents soli;          // "Sol-Beitr."
  Cents kv, rv, av, pv;

  [[nodiscard]] Cents Total() const {
    return wage_tax + church_tax + church_spouse + soli + kv + rv + av + pv;
  }
};

// Row "Laufende AG" / "Sonstige AG".
struct EmployerContributions {
  Cents kv, rv, av, pv;
  [[nodiscard]] Cents Total() const { return kv + rv + av + pv; }
};

// The tax on one-off payments is held in two parts: the ordinary one-off
// payment and a payment for several years taxed with the fifth rule.
struct OneOffTaxPart {
  Cents wage_tax;
  Cents church_tax;
  Cents church_spouse;
  Cents soli;
};

struct EmployeeEvaluation {
  Cents gross;                 // "Bruttolohn"
  Cents statutory_deductions;  // "Ges. Abz."
  Cents other_before_net;      // "Sonst. Abz" before net
  Cents net;                   // "Netto"
  Cents garnishment;           // "Pfändung"
  Cents chamber;               // "Kammer"
  Cents other_after_net;       // "Sonst. Abz" after net
  Cents payout;                // "Ausbezahlt"
};

struct EmployerEvaluation {
  Cents gross;                 // "Bruttolohn"
  Cents social_insurance;      // "SV-Beitrag"
  Cents u1;                    // "  UV1"
  Cents u2;                    // "  UV2"
  Cents flat_wage_tax;         // "P.-LSt." (or "P-St." for the 2 percent tax)
  std::array<Cents, 2> flat_church_tax;  // "P.-KiSt" is their sum
  Cents flat_soli;             // "P.-Soli."
  Cents insolvency_levy;       // "U-Insol."
  Cents total;                 // "Gesamt"
};

// Amounts of the month that correct earlier accounting periods.
struct Corrections {
  Cents gross;
  Cents other_after_gross;
  Cents other_after_net;
  Cents payout;
  Cents employer_total;
};

// Working values of the run that explain its results.
struct WorkingValues {
  bool tax_computed = false;
  bool per_day_mode = false;
  Cents monthly_tax_base;      // church-tax base of the period
  Cents annual_tax_base;       // annual tax with child allowances of current pay (JBMG)
  std::array<Cents, 2> one_off_tax_base{};  // church-tax base of the one-off parts (BKS, BKV)
  Cents card_allowance;        // tax-card amount of the period (signed)
  Cents kv_base;               // KV/PV contribution base
  Cents rv_base;
  Cents av_base;
  Cents transition_base;       // Übergangsbereich BE
  Cents transition_base_employee;  // BE_AN
  Cents levy_base;             // U1/U2/insolvency
  Cents levy_base_one_off;     // levy-relevant part of a one-off payment
  Cents flat_tax_base;         // pay taxed at a flat rate
  Cents mini_job_rv_gap;       // gap to the minimum RV base of a mini-job
  bool transition_range = false;   // Übergangsbereich applied
  bool mini_job = false;           // marginal employment with flat rates
  // SV characteristic "1" (low earner): the employer pays all; the RV
  // employee cell shows seven blanks instead of an amount.
  bool employer_pays_all = false;
  Cents garnishment_net;
  // One text line per step: "name: value" for `pekto-calc --explain`.
  std::vector<std::string> explanation;
};

struct PayrollResult {
  EmployeeDeductions current_employee;     // "Laufende AN"
  EmployerContributions current_employer;  // "Laufende AG"
  std::array<OneOffTaxPart, 2> one_off_tax;
  EmployeeDeductions one_off_employee;     // "Sonstige AN": SV shares; tax columns are the sums of the parts
  EmployerContributions one_off_employer;  // "Sonstige AG"
  EmployeeEvaluation employee;
  EmployerEvaluation employer;
  Corrections corrections;
  bool uniform_flat_tax = false;           // the 2 percent tax: captions change
  // The one-off payment is not fully contributory in KV, RV or AV this
  // period: the dialog asks whether to show the result anyway.
  bool march_clause = false;
  std::array<bool, 3> march_clause_branches{};  // KV, RV, AV
  // From 2025 a payment for several years ("für ... Jahre" 2 to 9) was
  // taxed as an ordinary one-off payment: the overview says so.
  bool several_years_taxed_as_ordinary = false;
  WorkingValues working;
};

// The "Sonstige AN" row as the overview shows it: the tax columns are the
// sums of the two parts of the tax on one-off payments.
[[nodiscard]] inline EmployeeDeductions OneOffRow(const PayrollResult& r) {
  EmployeeDeductions row = r.one_off_employee;
  row.wage_tax = r.one_off_tax[0].wage_tax + r.one_off_tax[1].wage_tax;
  row.church_tax = r.one_off_tax[0].church_tax + r.one_off_tax[1].church_tax;
  row.church_spouse = r.one_off_tax[0].church_spouse + r.one_off_tax[1].church_spouse;
  row.soli = r.one_off_tax[0].soli + r.one_off_tax[1].soli;
  return row;
}

}  // namespace pekto
