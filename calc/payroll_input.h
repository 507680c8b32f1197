// The engine's boundary: the month record's texts read into typed values
// (cents, days, keys) once per calculation run. What is empty or not a
// number counts as 0.
#pragma once

#include <string>

#include "record/employee_record.h"
#include "calc/money.h"
#include "calc/wage_tax.h"
#include "calc/year_parameters.h"

namespace pekto {

struct PayrollInput {
  std::string period;             // "MMJJ"
  int period_yyyymm = 0;
  std::string birth_date;         // "TTMMJHJJ"
  int state_code = 0;             // Bundesland 1..17

  // Tax.
  int tax_class = 0;              // 0: no wage tax at all
  int tax_days = 0;
  Cents taxable_gross;
  Decimal child_allowances;       // "1,5" -> 1.5
  Cents annual_allowance;         // signed, from the tax card
  int tax_factor = 0;             // thousandths, 0 = none
  bool special_table = false;
  int church_employee = 0;
  int church_spouse = 0;
  std::string flat_tax_kind;      // "1", "2", "3"
  std::string church_flat_key;    // "1", "2"

  // Pension income.
  Cents pension_first_month;
  Cents pension_in_current;
  Cents pension_one_off_expected;
  Cents pension_in_other;
  int pension_start_year = 0;
  int pension_months = 0;

  // Social insurance keys and rates.
  std::string kv_key, rv_key, av_key, pv_key, sv_attribute_key, levy_key, chamber_key;
  std::string net_wage_agreement, insolvency_exception;
  int kv_rate = 0;                // 1/100 percent ("16,50" -> 1650); 0 when empty
  bool kv_rate_entered = false;
  int u1_rate = 0;                // 1/100 percent
  int u2_rate = 0;
  int pv_children = 0;
  Cents kv_employer_amount, kv_employee_amount, pv_employer_amount, pv_employee_amount;
  bool kv_employer_amount_entered = false;
  bool pv_employer_amount_entered = false;
  Cents pkv_basic_premium;
  bool pkv_basic_premium_entered = false;

  // The month's pay.
  Cents gross_total;
  int sv_days = 0;
  Cents sv_gross;
  Cents sv_one_off;
  Cents taxable_other;
  int other_years = 0;            // "für ... Jahre"
  std::string other_years_text;
  Cents midi_other_employer_pay;

  // Year figures for one-off payments.
  Cents kv_accum_amount, rv_accum_amount, av_accum_amount, levy_accum_amount;
  int kv_accum_days = 0, rv_accum_days = 0, av_accum_days = 0, levy_accum_days = 0;
  Cents expected_annual_income;

  // Garnishment.
  int garnish_dependants = 0;
  int garnish_calendar_days = 0;
  int garnish_months = 0;
  Cents garnish_income;
  Cents garnish_claims;

  // Booking totals delivered by the booking mask.
  Cents booked_gross;             // slot 67: additional gross
  Cents booked_before_net;        // slot 68: category 2, negated
  Cents booked_after_net;         // slot 69: category 3
  Cents booked_employer;          // slot 83: category 4, negated
  // Lines that correct earlier accounting periods.
  Cents booked_correction_before_net;  // slot 65: category 2, negated
  Cents booked_correction_after_net;   // slot 66: category 3
  Cents booked_correction_employer;    // slot 82: category 4, negated
};

[[nodiscard]] PayrollInput ReadPayrollInput(const MonthRecord& record);

[[nodiscard]] YearParameterInputs YearParameterInputsOf(const MonthRecord& record);
[[nodiscard]] YearParameters LoadYearParameters(const MonthRecord& record);

// The supplement of the fund over the general (key "3": reduced) rate in
// 1/100 percent; 0 without a KV key, without a rate or below the base rate.
[[nodiscard]] int KvSupplementRate(const PayrollInput& input, const YearParameters& params);

// The chart's view of the employee (tax class, allowances, insurance).
[[nodiscard]] ChartEmployee ChartEmployeeOf(const PayrollInput& input, const YearParameters& params);
// The period's tax-card amount: the annual amount prorated to the tax days,
// away from zero to a multiple of 5 cents.
[[nodiscard]] Cents CardAllowanceOfPeriod(Cents annual_allowance, int tax_days);
[[nodiscard]] MonthlyWageTaxInput MonthlyWageTaxInputOf(const PayrollInput& input);

}  // namespace pekto
