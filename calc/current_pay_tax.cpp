#include "calc/current_pay_tax.h"

#include "calc/church_tax.h"
#include "calc/wage_tax.h"

namespace pekto {

void RunCurrentPayTaxStep(const PayrollInput& in, const YearParameters& params, PayrollResult& out, Explainer& explain) {
  if (in.tax_class == 0) {
    explain.Note("Keine Steuerklasse: keine Lohnsteuer, Kirchensteuer und kein Solidaritätszuschlag");
    return;
  }
  const ChartEmployee employee = ChartEmployeeOf(in, params);
  const MonthlyWageTaxInput tax_input = MonthlyWageTaxInputOf(in);
  const MonthlyWageTax tax = ComputeMonthlyWageTax(params, employee, tax_input);
  out.working.tax_computed = true;
  out.working.per_day_mode = tax.per_day_mode;
  out.working.monthly_tax_base = tax.tax_base;
  out.working.annual_tax_base = Cents(tax.annual_tax_base.ToInt64(Rounding::Down) * 100);
  out.working.card_allowance = tax_input.card_allowance - tax_input.card_addback;
  ExplainWageTax(explain, tax, tax_input);

  out.current_employee.wage_tax = tax.wage_tax;
  out.current_employee.soli = tax.soli;
  const ChurchContext church{in.state_code, in.church_employee, in.church_spouse};
  const int church_days = tax.per_day_mode ? 1 : in.tax_days;
  const ChurchTax church_tax =
      ComputeChurchTax(params, church, tax.tax_base_per_unit, tax.wage_tax, church_days, tax.units);
  out.current_employee.church_tax = church_tax.employee;
  out.current_employee.church_spouse = church_tax.spouse;
  explain.Amount("Kirchensteuer Arbeitnehmer", church_tax.employee);
  explain.Amount("Kirchensteuer Ehegatte", church_tax.spouse);
}

}  // namespace pekto
