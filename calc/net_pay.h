// The last step of the month: chamber contribution, gross, statutory and
// other deductions, net pay and payout for the employee; contributions,
// subsidies, levies, flat-rate taxes and total cost for the employer.
#pragma once

#include <string_view>

#include "calc/explain.h"
#include "calc/money.h"
#include "calc/payroll_input.h"
#include "calc/payroll_result.h"
#include "calc/year_parameters.h"

namespace pekto {

// Booking totals of the lines that correct earlier accounting periods
// (month record slots 65, 66 and 82 of the booking evaluation). They are
// part of the month's other deductions and employer cost, and are shown
// once more in the correction line of the results.
struct BookedCorrections {
  Cents before_net;  // slot 65: category 2 ("nach Brutto"), negated
  Cents after_net;   // slot 66: category 3 ("nach Netto")
  Cents employer;    // slot 82: category 4 (employer contributions or taxes), negated
};

struct ChamberInput {
  int land = 0;
  std::string_view chamber_key;
  Cents taxable_pay;       // taxable current and one-off pay
  Cents contribution_pay;  // contribution-relevant current and one-off pay
  int sv_days = 0;
  Cents rv_ceiling_west;  // annual
  int rate = 0;           // 1/100 percent
};

struct ChamberContribution {
  Cents base;
  Cents contribution;  // "Kammer"
};

// The employee's contribution to the Arbeitnehmerkammer Bremen (Land 6,
// on taxable pay) or the Arbeitskammer des Saarlandes (Land 13, on
// contribution-relevant pay up to 75 % of the pension ceiling of the SV
// days), rounded half away from zero; nothing without a chamber key (empty
// or "0") and in the other Länder.
[[nodiscard]] ChamberContribution ComputeChamberContribution(const ChamberInput& in);

// Deduction after net for voluntary or private health or care insurance:
// the employee's amount when one is entered; a subsidy entered alone is
// paid out (a negative deduction).
[[nodiscard]] Cents PrivateInsuranceDeduction(Cents employee_amount, Cents employer_subsidy);

// "Ges. Abz.": taxes and employee contributions of current pay and of
// one-off payments (both tax parts).
[[nodiscard]] Cents StatutoryDeductions(const PayrollResult& out);

// Runs after the garnishment step; fills out.employee (but the
// garnishment), out.employer and out.corrections.
void RunNetPayStep(const PayrollInput& in, const BookedCorrections& corrections, const YearParameters& params,
                   PayrollResult& out, Explainer& explain);
// The same with the correction bookings of the input.
void RunNetPayStep(const PayrollInput& in, const YearParameters& params, PayrollResult& out, Explainer& explain);

}  // namespace pekto
