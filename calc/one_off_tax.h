// Wage tax, surcharge and church tax on one-off payments (sonstige Bezüge,
// § 39b Abs. 3 EStG) by the annual-table method of the wage-tax flow chart:
// the annual tax on the expected annual wage with and without the payment;
// the difference is the tax on the payment.
//
// The mask field "für ... Jahre" says for how many years the payment is:
// "1" is an ordinary one-off payment (first tax part); "2" to "9" make it
// pay for several years (Vergütung für mehrjährige Tätigkeit, § 34 Abs. 2
// Nr. 4 EStG), taxed with the fifth rule (second tax part) up to 2024; from
// 2025 the employer no longer applies the fifth rule and such a payment is
// taxed as an ordinary one-off payment (first tax part). Empty or "0"
// computes no tax on the payment.
#pragma once

#include "calc/explain.h"
#include "calc/payroll_input.h"
#include "calc/payroll_result.h"
#include "calc/wage_tax.h"
#include "calc/year_parameters.h"

namespace pekto {

struct OneOffTaxInput {
  Cents expected_annual_wage;     // JRE4: without the payment
  Cents pension_in_expected;      // JVBEZ
  Cents annual_card_amount;       // JFREIB (positive) or JHINZU (negative)
  Cents payment;                  // the taxable one-off payment
  Cents pension_in_payment;       // VBS
  bool fifth_rule = false;        // payment for several years
  Cents current_annual_tax_base;  // JBMG of current pay (surcharge test of the fifth rule)
};

struct OneOffTax {
  Cents wage_tax;          // STS or STV, whole euros
  Cents soli;              // SOLZS or SOLZV
  Cents church_tax_base;   // BKS or BKV
  Decimal annual_tax_without;  // LSTOSO, euros
  Decimal annual_tax_with;     // LSTSO (fifth rule: LST2)
  Decimal taxable_income_with; // ZVE with the payment
};

[[nodiscard]] OneOffTax ComputeOneOffWageTax(const YearParameters& params, const ChartEmployee& employee,
                                             int tax_days, const OneOffTaxInput& input);

// The one-off step of the calculation run: fills the tax part of the
// payment (part 0 ordinary, part 1 fifth rule) with church tax.
void RunOneOffTaxStep(const PayrollInput& in, const YearParameters& params, PayrollResult& out, Explainer& explain);

}  // namespace pekto
