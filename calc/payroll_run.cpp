#include "calc/payroll_run.h"

#include "calc/current_pay_tax.h"
#include "calc/explain.h"
#include "calc/garnishment.h"
#include "calc/net_pay.h"
#include "calc/one_off_contributions.h"
#include "calc/one_off_tax.h"
#include "calc/result_slots.h"
#include "calc/social_insurance.h"

namespace pekto {

PayrollResult ComputePayroll(const PayrollInput& input, const YearParameters& params, const RunOptions& options) {
  PayrollResult out;
  Explainer explain(options.explain ? &out.working.explanation : nullptr);
  // A period without a year table is refused, never computed with the
  // defaults the parameters start from (the period check says so first).
  if (params.year == 0) {
    explain.Note("Keine Rechenwerte für den Abrechnungszeitraum: keine Berechnung");
    return out;
  }
  out.uniform_flat_tax = params.flat_rate_tax.UniformFlatTax;
  RunCurrentPayTaxStep(input, params, out, explain);
  RunSocialInsuranceStep(input, params, out, explain);
  RunOneOffTaxStep(input, params, out, explain);
  RunOneOffContributionStep(input, params, out, explain);
  RunGarnishmentStep(input, params, out, explain);
  RunNetPayStep(input, params, out, explain);
  return out;
}

PayrollResult RunPayroll(EmployeeRecord& record, const YearParameters& params, const RunOptions& options) {
  const PayrollInput input = ReadPayrollInput(record.month_record);
  PayrollResult result = ComputePayroll(input, params, options);
  WriteResultSlots(result, record.month_record);
  record.annual_block[48] = "1";
  return result;
}

}  // namespace pekto
