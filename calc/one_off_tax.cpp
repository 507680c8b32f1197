#include "calc/one_off_tax.h"

#include "calc/church_tax.h"

namespace pekto {
namespace {

const Decimal kHundred = Decimal::FromInt(100);

Decimal Euros(Cents cents) { return cents.ToEuros(); }

AnnualWage AnnualWageOf(Cents wage, Cents pension, Cents card_amount) {
  AnnualWage w;
  w.wage = Euros(wage);
  w.pension_income = Euros(pension);
  if (card_amount.Value() > 0) w.card_allowance = Euros(card_amount);
  if (card_amount.Value() < 0) w.card_addback = Euros(-card_amount);
  return w;
}

// The chart's MOSONST (without the payment) and MRE4SONST with MLSTJAHR
// (with it): a calculation over the whole year.
AnnualTaxWorking AnnualTax(const ChartConstants& chart, const ChartEmployee& employee, Cents wage, Cents pension,
                           Cents card_amount, bool with_payment) {
  PensionAllowanceRequest request;
  request.pension = employee.pension;
  request.annual_pension = Euros(pension);
  request.annual_wage = Euros(wage);
  request.annual_period = true;
  request.age_relief = employee.age_relief;
  request.age_relief_year = employee.age_relief_year;
  request.accounting_year = chart.year;
  PensionAllowances allowances = ComputePensionAllowances(request);
  if (with_payment) {
    allowances.allowance = allowances.allowance_one_off;
    allowances.supplement = allowances.supplement_one_off;
  }
  return ComputeAnnualWageTax(chart, employee, AnnualWageOf(wage, pension, card_amount), allowances, false);
}

// Whole euros of a tax difference in cents after the factor, cut toward
// zero, as cents.
Cents FactorEuros(const Decimal& difference_cents, const Decimal& factor) {
  const Decimal euros = (difference_cents * factor).Divide(kHundred, 0, Rounding::Down);
  return Cents(euros.ToInt64(Rounding::Down) * 100);
}

Cents FivePointFivePercent(Cents tax) {
  return Cents((tax.ToDecimal() * Decimal::Parse("5.5")).Divide(kHundred, 0, Rounding::Down).ToInt64(Rounding::Down));
}

Decimal SoliExemption(const ChartConstants& chart, int tax_class) {
  return Euros(chart.tariff->SoliExemptTax) * Decimal::FromInt(tax_class == 3 ? 2 : 1);
}

// The fifth rule (the chart's MVMT, KENNVMT 1): the payment's fifth added
// to the taxable income without it, the tax difference times five.
Decimal FifthRuleTax(const ChartConstants& chart, const ChartEmployee& employee, const AnnualTaxWorking& with,
                     Cents payment) {
  const int tax_class = employee.tax_class;
  const Decimal without_payment =
      (with.wage_after_allowances - with.table_allowances - with.vorsorgepauschale - Euros(payment))
          .SetScale(2, Rounding::Down);
  if (without_payment.IsNegative()) {
    const Decimal fifth = (without_payment + Euros(payment)).Divide(Decimal::FromInt(5), 2, Rounding::Down);
    Decimal zve = fifth < Decimal::FromInt(1) ? Decimal() : fifth;
    return (TableTax(chart, tax_class, zve) * Decimal::FromInt(5)).SetScale(0, Rounding::Down);
  }
  Decimal base_income = without_payment < Decimal::FromInt(1) ? Decimal() : without_payment;
  const Decimal base_tax = TableTax(chart, tax_class, base_income);
  const Decimal with_fifth =
      (base_income + payment.ToDecimal().Divide(Decimal::FromInt(500), 2, Rounding::Down)).SetScale(2, Rounding::Down);
  const Decimal fifth_tax = TableTax(chart, tax_class, with_fifth);
  return ((fifth_tax - base_tax) * Decimal::FromInt(5) + base_tax).SetScale(0, Rounding::Down);
}

OneOffTax OrdinaryOneOff(const ChartConstants& chart, const ChartEmployee& employee, const AnnualTaxWorking& without,
                         const AnnualTaxWorking& with) {
  OneOffTax out;
  out.annual_tax_without = without.tariff_tax;
  out.annual_tax_with = with.tariff_tax;
  out.taxable_income_with = with.taxable_income;
  const Cents tax = FactorEuros((with.tariff_tax - without.tariff_tax) * kHundred, employee.factor);
  if (tax.Value() <= 0) return out;
  out.wage_tax = tax;
  out.church_tax_base = tax;
  // Up to 2020 the surcharge took 5.5 percent of every one-off tax; from
  // 2021 only when the annual tax with the payment (child allowances
  // deducted) exceeds the exemption limit (§ 3 Abs. 3, § 4 SolZG).
  if (chart.year <= 2020) {
    out.soli = FivePointFivePercent(tax);
  } else {
    const AnnualTaxWorking with_children = WithChildAllowances(chart, employee, with);
    const Decimal base = (with_children.tariff_tax * employee.factor).SetScale(0, Rounding::Down);
    if (base > SoliExemption(chart, employee.tax_class)) out.soli = FivePointFivePercent(tax);
  }
  return out;
}

OneOffTax SeveralYearsOneOff(const ChartConstants& chart, const ChartEmployee& employee, const OneOffTaxInput& in,
                             const AnnualTaxWorking& without, const AnnualTaxWorking& with) {
  OneOffTax out;
  out.annual_tax_without = without.tariff_tax;
  out.taxable_income_with = with.taxable_income;
  const Decimal full = with.tariff_tax;  // LST3: the payment taxed as ordinary income
  const Decimal fifth = FifthRuleTax(chart, employee, with, in.payment);  // LST2
  out.annual_tax_with = fifth;
  Decimal difference = Min(fifth - without.tariff_tax, full - without.tariff_tax);
  if (!difference.IsPositive()) return out;
  const Cents tax = FactorEuros(difference * kHundred, employee.factor);
  out.wage_tax = tax;
  out.church_tax_base = tax;
  if (chart.year <= 2020) {
    out.soli = FivePointFivePercent(tax);
  } else {
    const Decimal base = Decimal::FromInt(tax.Value() / 100) + Euros(in.current_annual_tax_base);
    if (base > SoliExemption(chart, employee.tax_class)) out.soli = FivePointFivePercent(tax);
  }
  return out;
}

void ExplainOneOff(Explainer& explain, const OneOffTaxInput& in, const OneOffTax& tax) {
  if (!explain.Active()) return;
  explain.Section(in.fifth_rule ? "Sonstiger Bezug (Fünftelregelung)" : "Sonstiger Bezug");
  explain.Amount("Voraussichtlicher Jahresarbeitslohn", in.expected_annual_wage);
  explain.Amount("Sonstiger Bezug", in.payment);
  explain.Euros("Jahreslohnsteuer ohne sonstigen Bezug", tax.annual_tax_without);
  explain.Euros("Jahreslohnsteuer mit sonstigem Bezug", tax.annual_tax_with);
  explain.Euros("Zu versteuerndes Einkommen mit sonstigem Bezug", tax.taxable_income_with);
  explain.Amount("Lohnsteuer auf den sonstigen Bezug", tax.wage_tax);
  explain.Amount("Solidaritätszuschlag auf den sonstigen Bezug", tax.soli);
}

}  // namespace

OneOffTax ComputeOneOffWageTax(const YearParameters& params, const ChartEmployee& employee, int tax_days,
                               const OneOffTaxInput& in) {
  if (employee.tax_class < 1 || employee.tax_class > 6 || in.payment.IsZero()) return {};
  // The December chart of 2024 taxes one-off payments with the values after
  // the law only.
  const YearParameters year = AfterYearEndRevision(params);
  const ChartConstants chart = MakeChartConstants(year, employee, tax_days);
  const AnnualTaxWorking without = AnnualTax(chart, employee, in.expected_annual_wage, in.pension_in_expected,
                                             in.annual_card_amount, false);
  const AnnualTaxWorking with =
      AnnualTax(chart, employee, in.expected_annual_wage + in.payment, in.pension_in_expected + in.pension_in_payment,
                in.annual_card_amount, true);
  return in.fifth_rule ? SeveralYearsOneOff(chart, employee, in, without, with)
                       : OrdinaryOneOff(chart, employee, without, with);
}

void RunOneOffTaxStep(const PayrollInput& in, const YearParameters& params, PayrollResult& out, Explainer& explain) {
  if (in.tax_class == 0 || in.taxable_other.IsZero()) return;
  if (in.expected_annual_income.IsZero() || in.other_years < 1) {
    explain.Section("Sonstiger Bezug");
    explain.Note("Keine Lohnsteuer auf den sonstigen Bezug: Jahreszahlen fehlen (voraussichtliches "
                 "Jahreseinkommen, Anzahl der Jahre)");
    return;
  }
  const ChartEmployee employee = ChartEmployeeOf(in, params);
  OneOffTaxInput input;
  input.expected_annual_wage = in.expected_annual_income;
  if (in.tax_days > 0) {
    // JVBEZ: the pension of the period brought to a month, for the months
    // of the year in which pension is paid (ZMVB; none given: twelve).
    const std::int64_t months = in.pension_months > 0 && in.pension_months < 12 ? in.pension_months : 12;
    input.pension_in_expected = Cents(in.pension_in_current.Value() * 30 * months / in.tax_days);
  }
  input.annual_card_amount = in.annual_allowance;
  input.payment = in.taxable_other;
  input.pension_in_payment = in.pension_in_other;
  // From 2025 the employer no longer applies the fifth rule (§ 39b Abs. 3
  // Satz 9 EStG as amended by the Wachstumschancengesetz; the chart has no
  // VMT any more): a payment for several years is taxed as an ordinary
  // one-off payment, the fifth rule is left to the income-tax assessment.
  const bool several_years = in.other_years >= 2;
  input.fifth_rule = several_years && params.year < 2025;
  if (several_years && !input.fifth_rule) {
    out.several_years_taxed_as_ordinary = true;
    explain.Section("Sonstiger Bezug");
    explain.Note("Ab 2025 keine Fünftelregelung im Lohnsteuerabzug: der Bezug für mehrere Jahre wird als "
                 "gewöhnlicher sonstiger Bezug versteuert (Fünftelregelung erst in der Veranlagung)");
  }
  input.current_annual_tax_base = out.working.annual_tax_base;
  const OneOffTax tax = ComputeOneOffWageTax(params, employee, in.tax_days, input);
  ExplainOneOff(explain, input, tax);

  OneOffTaxPart& part = out.one_off_tax[input.fifth_rule ? 1 : 0];
  part.wage_tax = tax.wage_tax;
  part.soli = tax.soli;
  out.working.one_off_tax_base[input.fifth_rule ? 1 : 0] = tax.church_tax_base;
  const ChurchContext church{in.state_code, in.church_employee, in.church_spouse};
  const Decimal church_tax =
      (Euros(tax.church_tax_base) * Decimal::FromInt(params.ChurchTaxByLand.Rate)).DivideExact(Decimal::FromInt(10000));
  const ChurchTax church_result = FinishChurchTax(params, church, church_tax, tax.wage_tax, 360, 1);
  part.church_tax = church_result.employee;
  part.church_spouse = church_result.spouse;
  explain.Amount("Kirchensteuer auf den sonstigen Bezug", church_result.employee);
}

}  // namespace pekto
