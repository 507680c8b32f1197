#include "calc/wage_tax.h"

namespace pekto {
namespace {

const Decimal kZero;
const Decimal kOne = Decimal::FromInt(1);
const Decimal kTwo = Decimal::FromInt(2);
const Decimal kHundred = Decimal::FromInt(100);
const Decimal kTenThousand = Decimal::FromInt(10000);

Decimal Euros(Cents cents) { return cents.ToEuros(); }
Decimal Percent(int value) { return Decimal::FromScaled(value, 2); }
Decimal PerTenThousand(int value) { return Decimal::FromScaled(value, 4); }

struct PvFractions {
  Decimal employee;
  Decimal employee_saxony;
  Decimal childless;
  Decimal employer_saxony;
};

// 2023 changed the care-insurance rates on 1 July; a calculation over more
// than 45 days, or for the whole year, uses the rates blended over the year.
PvFractions PvFractionsOf(const YearParameters& params, bool whole_year) {
  const TaxTariff& t = params.tax_tariff;
  if (params.year != 2023) {
    return {t.PvEmployeeRate, t.PvEmployeeRateSaxony, t.PvChildlessSurcharge, t.PvEmployerRateSaxony};
  }
  if (whole_year) {
    return {Decimal::FromScaled(16125, 6), Decimal::FromScaled(21125, 6), Decimal::FromScaled(475, 5),
            Decimal::FromScaled(11125, 6)};
  }
  if (params.period_yyyymm % 100 >= 7) {
    return {Decimal::FromScaled(17, 3), Decimal::FromScaled(22, 3), Decimal::FromScaled(6, 3),
            Decimal::FromScaled(12, 3)};
  }
  return {Decimal::FromScaled(1525, 5), Decimal::FromScaled(2025, 5), Decimal::FromScaled(35, 4),
          Decimal::FromScaled(1025, 5)};
}

// Zone 2 and zone 3 of the tariff: (quadratic * y + linear) * y [+ constant]
// with y = (x - origin) / 10000 cut after six decimals.
Decimal Progression(const Decimal& x, Cents origin, Cents quadratic, Cents linear, Cents constant) {
  const Decimal y = (x - Euros(origin)).Divide(kTenThousand, 6, Rounding::Down);
  const Decimal rw = (y * Euros(quadratic) + Euros(linear)) * y;
  return (rw + Euros(constant)).SetScale(0, Rounding::Down);
}

// The class V/VI subroutine UP5_6: twice the difference of the tariff on
// 1.25 and 0.75 times the income, at least the minimum rate.
Decimal Class56Step(const TaxTariff& t, const Decimal& zx) {
  const Decimal upper = Decimal::FromInt(t.Class56UpperFactor).Divide(Decimal::FromInt(200), 4, Rounding::Down);
  const Decimal lower = Decimal::FromInt(t.Class56LowerFactor).Divide(Decimal::FromInt(200), 4, Rounding::Down);
  // From 2026 the chart cuts 1.25 and 0.75 times the income to whole euros.
  const int scale = t.Class56WholeEuros ? 0 : 2;
  const Decimal st1 = Tariff(t, (zx * upper).SetScale(scale, Rounding::Down));
  const Decimal st2 = Tariff(t, (zx * lower).SetScale(scale, Rounding::Down));
  const Decimal difference = (st1 - st2) * kTwo;
  const Decimal minimum = (zx * Percent(t.MinimumTaxRate)).SetScale(0, Rounding::Down);
  return minimum > difference ? minimum : difference;
}

int SplittingFactor(int tax_class) { return tax_class == 3 ? 2 : 1; }

// The chart's MZTABFB: employee allowance (split between pension and active
// pay), special-expenses allowance, single-parent relief and the pension
// supplement; the child allowances separately.
struct TableAllowances {
  Decimal employee_allowance;  // ANP
  Decimal total;               // ZTABFB
  Decimal child_allowances;    // KFB
};

TableAllowances ComputeTableAllowances(const ChartConstants& chart, const ChartEmployee& employee,
                                       const Decimal& wage_after_allowances, const Decimal& pension_after_allowance,
                                       Decimal& supplement) {
  const int tax_class = employee.tax_class;
  Decimal anp;
  if (!pension_after_allowance.IsNegative() && pension_after_allowance < supplement) {
    supplement = pension_after_allowance.SetScale(0, Rounding::Down);
  }
  if (tax_class < 6) {
    if (pension_after_allowance.IsPositive()) {
      const Decimal rest = pension_after_allowance - supplement;
      anp = rest < chart.pension_expense_allowance ? rest.SetScale(0, Rounding::Up) : chart.pension_expense_allowance;
    }
    if (wage_after_allowances > pension_after_allowance) {
      const Decimal active = wage_after_allowances - pension_after_allowance;
      anp = active < chart.employee_allowance ? (anp + active).SetScale(0, Rounding::Up)
                                              : anp + chart.employee_allowance;
    }
  } else {
    supplement = kZero;
  }
  Decimal sap;
  Decimal efa;
  Decimal kfb;
  if (tax_class >= 1 && tax_class <= 5) sap = Euros(chart.tariff->SpecialExpensesAllowance);
  if (tax_class == 2) efa = Euros(chart.tariff->SingleParentRelief);
  if (tax_class >= 1 && tax_class <= 3) {
    kfb = (employee.child_allowances * chart.child_allowance_full).SetScale(0, Rounding::Down);
  } else if (tax_class == 4) {
    kfb = (employee.child_allowances * chart.child_allowance_full.DivideExact(kTwo)).SetScale(0, Rounding::Down);
  }
  return {anp, (efa + anp + sap + supplement).SetScale(2, Rounding::Down), kfb};
}

// UPMLST that also clears a taxable income below one euro, as the chart does.
Decimal TariffTaxOf(const ChartConstants& chart, int tax_class, Decimal& taxable_income) {
  if (taxable_income < kOne) taxable_income = kZero;
  return TableTax(chart, tax_class, taxable_income);
}

}  // namespace

// The chart's UPMLST: basic or splitting table for classes I-IV, the class
// V/VI procedure otherwise.
Decimal TableTax(const ChartConstants& chart, int tax_class, const Decimal& taxable_income) {
  Decimal x;
  if (!(taxable_income < kOne)) {
    x = taxable_income.Divide(Decimal::FromInt(SplittingFactor(tax_class)), 0, Rounding::Down);
  }
  if (tax_class < 5) return Tariff(*chart.tariff, x) * Decimal::FromInt(SplittingFactor(tax_class));
  return Class56Tax(*chart.tariff, x);
}

ChartConstants MakeChartConstants(const YearParameters& params, const ChartEmployee& employee, int tax_days) {
  ChartConstants c;
  c.year = params.year;
  c.tariff = &params.tax_tariff;
  const SocialInsurance& si = params.social_insurance;
  c.rv_ceiling = Euros(employee.krv == 1 ? si.RvCeilingEast : si.RvCeilingWest);
  c.kv_ceiling = Euros(si.KvCeiling);
  const PensionAllowance& pa = params.pension_allowance;
  c.rv_share = pa.RvShare;
  c.rv_employee_rate = pa.RvEmployeeRate;
  c.minimum_rate = pa.MinimumRate;
  c.minimum_cap = pa.MinimumCap;
  c.minimum_cap_class3 = pa.MinimumCapClass3;
  c.av_employee_rate = pa.AvEmployeeRate;
  c.pension_expense_allowance = Euros(pa.PensionExpenseAllowance);
  c.employee_allowance = Euros(params.tax_tariff.EmployeeAllowance);
  c.child_allowance_full = Euros(si.ChildAllowanceFull);

  c.kv_employee_rate = employee.kv_supplement_percent.DivideExact(kTwo).DivideExact(kHundred) +
                       params.tax_tariff.KvReducedHalfRate;
  c.kv_employer_rate = params.ChartKvEmployerRate;
  const PvFractions pv = PvFractionsOf(params, employee.whole_year_mode || tax_days > 45);
  c.pv_employee_rate = employee.saxony ? pv.employee_saxony : pv.employee;
  c.pv_employer_rate = employee.saxony ? pv.employer_saxony : pv.employee;
  if (employee.childless_surcharge) {
    c.pv_employee_rate = c.pv_employee_rate + pv.childless;
  } else if (params.year >= 2024) {
    c.pv_employee_rate =
        c.pv_employee_rate - Decimal::FromInt(employee.pv_discount_children) * Decimal::FromScaled(25, 4);
  }
  return c;
}

// The income-tax tariff, § 32a EStG, as the chart's UPTAB of the year.
Decimal Tariff(const TaxTariff& t, const Decimal& x) {
  if (x < Euros(t.BasicAllowance) + kOne) return kZero;
  if (x < Euros(t.Zone3Start)) return Progression(x, t.Zone2Origin, t.Zone2Quadratic, t.Zone2Linear, Cents(0));
  if (x < Euros(t.Zone4Start)) {
    return Progression(x, t.Zone3Origin, t.Zone3Quadratic, t.Zone3Linear, t.Zone3Constant);
  }
  if (x < Euros(t.Zone5Start)) {
    return (x * Percent(t.Zone4Rate) - Euros(t.Zone4Subtrahend)).SetScale(0, Rounding::Down);
  }
  return (x * Percent(t.Zone5Rate) - Euros(t.Zone5Subtrahend)).SetScale(0, Rounding::Down);
}

// Classes V and VI, § 39b Abs. 2 Satz 7 EStG (the chart's MST5_6).
Decimal Class56Tax(const TaxTariff& t, const Decimal& x) {
  const Decimal w1 = Euros(t.Class56Limit1);
  const Decimal w2 = Euros(t.Class56Limit2);
  const Decimal w3 = Euros(t.Class56Limit3);
  const Decimal rate42 = PerTenThousand(t.Class56Rate42);
  const Decimal rate45 = PerTenThousand(t.Class56Rate45);
  if (x > w2) {
    Decimal st = Class56Step(t, w2);
    if (x > w3) {
      st = (st + (w3 - w2) * rate42).SetScale(0, Rounding::Down);
      return (st + (x - w3) * rate45).SetScale(0, Rounding::Down);
    }
    return (st + (x - w2) * rate42).SetScale(0, Rounding::Down);
  }
  const Decimal direct = Class56Step(t, x);
  if (!(x > w1)) return direct;
  const Decimal via_w1 = (Class56Step(t, w1) + (x - w1) * rate42).SetScale(0, Rounding::Down);
  return via_w1 < direct ? via_w1 : direct;
}

namespace {

// From 2026 (§ 39b Abs. 2 Satz 5 Nr. 3 EStG as amended for 2026): the
// chart's UPEVP with MVSPKVPV and MVSPHB. No minimum Vorsorgepauschale any
// more; the unemployment-insurance part is added as far as it and the
// health and care part stay within 1,900 euros (not for class VI nor an
// employee outside the unemployment insurance).
Vorsorgepauschale PensionAllowance2026(const ChartConstants& chart, const ChartEmployee& employee,
                                       const Decimal& annual_wage) {
  Vorsorgepauschale v;
  const Decimal rv_base = Min(annual_wage, chart.rv_ceiling);
  if (employee.krv <= 1) v.pension_part = (rv_base * chart.rv_employee_rate).SetScale(2, Rounding::Down);
  const Decimal kv_base = Min(annual_wage, chart.kv_ceiling);
  if (employee.pkv > 0) {
    if (employee.tax_class != 6) {
      auto annual = [](Cents monthly) {
        return (monthly.ToDecimal() * Decimal::FromInt(12)).DivideExact(kHundred).SetScale(2, Rounding::Down);
      };
      v.health_part = Max(annual(employee.private_premium_monthly) - annual(employee.private_subsidy_monthly), kZero);
    }
  } else {
    v.health_part = (kv_base * (chart.kv_employee_rate + chart.pv_employee_rate)).SetScale(2, Rounding::Down);
  }
  v.amount = (v.health_part + v.pension_part).SetScale(0, Rounding::Up);
  if (employee.unemployment_insured && employee.tax_class != 6) {
    const Decimal av_part = (chart.av_employee_rate * rv_base).SetScale(2, Rounding::Down);
    v.minimum_part = Min((av_part + v.health_part).SetScale(2, Rounding::Down), Decimal::FromInt(chart.minimum_cap));
    const Decimal with_av = (v.pension_part + v.minimum_part).SetScale(0, Rounding::Up);
    if (with_av > v.amount) v.amount = with_av;
  }
  return v;
}

}  // namespace

// § 39b Abs. 2 Satz 5 Nr. 3 EStG: the chart's UPEVP and MVSP.
Vorsorgepauschale ComputePensionAllowance2015(const ChartConstants& chart, const ChartEmployee& employee,
                                              const Decimal& annual_wage) {
  if (chart.year >= 2026) return PensionAllowance2026(chart, employee, annual_wage);
  Vorsorgepauschale v;
  Decimal base = annual_wage;
  if (employee.krv <= 1) {
    base = Min(base, chart.rv_ceiling);
    if (chart.year >= 2024) {
      v.pension_part = (base * chart.rv_employee_rate).SetScale(2, Rounding::Down);
    } else {
      const Decimal counted = (chart.rv_share * base).SetScale(2, Rounding::Down);
      v.pension_part = (counted * chart.rv_employee_rate).SetScale(2, Rounding::Down);
    }
  }
  const int cap = employee.tax_class == 3 ? chart.minimum_cap_class3 : chart.minimum_cap;
  v.minimum_part = Min((base * chart.minimum_rate).SetScale(2, Rounding::Down), Decimal::FromInt(cap));
  const Decimal with_minimum = (v.pension_part + v.minimum_part).SetScale(0, Rounding::Up);

  base = Min(base, chart.kv_ceiling);
  if (employee.pkv > 0) {
    if (employee.tax_class != 6) {
      v.health_part = (employee.private_premium_monthly.ToDecimal() * Decimal::FromInt(12)).DivideExact(kHundred);
      if (employee.pkv == 2) {
        v.health_part = (v.health_part - base * (chart.kv_employer_rate + chart.pv_employer_rate))
                            .SetScale(2, Rounding::Down);
      }
    }
  } else {
    v.health_part = (base * (chart.kv_employee_rate + chart.pv_employee_rate)).SetScale(2, Rounding::Down);
  }
  v.amount = (v.health_part + v.pension_part).SetScale(0, Rounding::Up);
  if (with_minimum > v.amount) v.amount = with_minimum;
  return v;
}

// The chart's MRE4ABZ, MZTABFB and MLSTJAHR for one annual wage.
AnnualTaxWorking ComputeAnnualWageTax(const ChartConstants& chart, const ChartEmployee& employee,
                                      const AnnualWage& wage, const PensionAllowances& pension,
                                      bool deduct_child_allowances) {
  AnnualTaxWorking w;
  w.annual_wage = wage.wage;
  w.pension = pension;
  w.wage_after_allowances =
      Max((wage.wage - pension.allowance - pension.age_relief - wage.card_allowance + wage.card_addback)
              .SetScale(2, Rounding::Down),
          kZero);
  const Decimal pension_after_allowance =
      Max((wage.pension_income - pension.allowance).SetScale(2, Rounding::Down), kZero);
  const TableAllowances table = ComputeTableAllowances(chart, employee, w.wage_after_allowances,
                                                       pension_after_allowance, w.pension.supplement);
  w.employee_allowance = table.employee_allowance;
  w.table_allowances = table.total;
  w.child_allowance_amount = table.child_allowances;
  w.vorsorgepauschale = ComputePensionAllowance2015(chart, employee, wage.wage).amount;
  w.taxable_income = (w.wage_after_allowances - table.total - w.vorsorgepauschale).SetScale(2, Rounding::Down);
  w.tariff_tax = TariffTaxOf(chart, employee.tax_class, w.taxable_income);
  return deduct_child_allowances ? WithChildAllowances(chart, employee, w) : w;
}

// The chart's second pass adds the child allowances to the table
// allowances; everything else of the year stays as in the first pass.
AnnualTaxWorking WithChildAllowances(const ChartConstants& chart, const ChartEmployee& employee,
                                     const AnnualTaxWorking& without) {
  AnnualTaxWorking w = without;
  w.taxable_income = (w.wage_after_allowances - w.table_allowances - w.child_allowance_amount - w.vorsorgepauschale)
                         .SetScale(2, Rounding::Down);
  w.tariff_tax = TariffTaxOf(chart, employee.tax_class, w.taxable_income);
  return w;
}

// Solidaritätszuschlaggesetz § 3, § 4: 5.5 percent of the annual tax base,
// nothing up to the exemption limit (doubled for class III) and at most a
// share of the excess (20 percent up to 2020, 11.9 percent from 2021).
Decimal AnnualSoli(const ChartConstants& chart, int tax_class, const Decimal& annual_tax_base) {
  const Decimal exempt = Euros(chart.tariff->SoliExemptTax) * Decimal::FromInt(SplittingFactor(tax_class));
  if (!(annual_tax_base > exempt)) return kZero;
  const Decimal full = (annual_tax_base * Percent(chart.tariff->SoliRate)).DivideExact(kHundred).SetScale(2, Rounding::Down);
  const Decimal excess_share = chart.year <= 2020 ? Decimal::FromInt(20) : Decimal::FromScaled(119, 1);
  const Decimal cap = ((annual_tax_base - exempt) * excess_share).DivideExact(kHundred).SetScale(2, Rounding::Down);
  return Min(full, cap);
}

Cents PeriodShare(const Decimal& annual_cents, int tax_days) {
  return Cents((annual_cents * Decimal::FromInt(tax_days)).Divide(Decimal::FromInt(360), 0, Rounding::Down)
                   .ToInt64(Rounding::Down));
}

namespace {

// The chart's MLST1224: the annual amount after the law less eleven times
// the difference to the amount before it, nothing when that is negative.
Decimal YearEndAmount(const Decimal& before_cents, const Decimal& after_cents) {
  const Decimal amount = after_cents - Decimal::FromInt(11) * (before_cents - after_cents);
  return amount.IsNegative() ? Decimal() : amount;
}

// The December chart runs the year twice, with the values before the law
// (`before`) and after it. A whole-year period keeps the second run; a
// shorter one withholds its share of the year-end amounts.
MonthlyWageTax WithYearEndRevision(const YearParameters& params, const ChartEmployee& employee,
                                   const MonthlyWageTaxInput& input, const MonthlyWageTax& before) {
  MonthlyWageTax out = ComputeMonthlyWageTax(AfterYearEndRevision(params), employee, input);
  out.year_end_revision = true;
  if (input.tax_days % 360 == 0) return out;
  const int share_days = out.per_day_mode ? 1 : input.tax_days;
  auto soli_cents = [](const MonthlyWageTax& t) { return (t.annual_soli * kHundred).SetScale(0, Rounding::Down); };
  const Cents tax = PeriodShare(YearEndAmount(before.annual_tax * kHundred, out.annual_tax * kHundred), share_days);
  const Cents soli = PeriodShare(YearEndAmount(soli_cents(before), soli_cents(out)), share_days);
  out.tax_base_per_unit =
      PeriodShare(YearEndAmount(before.annual_tax_base * kHundred, out.annual_tax_base * kHundred), share_days);
  out.wage_tax = Cents(tax.Value() * out.units);
  out.soli = Cents(soli.Value() * out.units);
  out.tax_base = Cents(out.tax_base_per_unit.Value() * out.units);
  return out;
}

}  // namespace

MonthlyWageTax ComputeMonthlyWageTax(const YearParameters& params, const ChartEmployee& employee,
                                     const MonthlyWageTaxInput& input) {
  MonthlyWageTax out;
  const int days = input.tax_days;
  if (employee.tax_class < 1 || employee.tax_class > 6 || days <= 0) return out;

  const ChartConstants chart = MakeChartConstants(params, employee, days);
  // The chart's MRE4JL: the period's amounts brought to a year.
  const Decimal to_year = Decimal::FromInt(360);
  const Decimal period_hundreds = Decimal::FromInt(days) * kHundred;  // every int: no overflow
  auto annualise = [&](Cents amount) {
    return (amount.ToDecimal() * to_year).Divide(period_hundreds, 2, Rounding::Down);
  };
  AnnualWage wage{annualise(input.taxable_pay), annualise(input.pension_in_pay), annualise(input.card_allowance),
                  annualise(input.card_addback)};

  PensionAllowanceRequest request;
  request.pension = employee.pension;
  request.annual_pension = wage.pension_income;
  request.annual_wage = wage.wage;
  request.annual_period = days % 360 == 0;
  request.age_relief = employee.age_relief;
  request.age_relief_year = employee.age_relief_year;
  request.accounting_year = params.year;
  const PensionAllowances pension = ComputePensionAllowances(request);

  out.working = ComputeAnnualWageTax(chart, employee, wage, pension, false);
  out.annual_tax = (out.working.tariff_tax * employee.factor).SetScale(0, Rounding::Down);
  out.annual_tax_base = out.annual_tax;
  if (employee.child_allowances.IsPositive()) {
    const AnnualTaxWorking with_children = WithChildAllowances(chart, employee, out.working);
    out.annual_tax_base = (with_children.tariff_tax * employee.factor).SetScale(0, Rounding::Down);
  }
  out.annual_soli = AnnualSoli(chart, employee.tax_class, out.annual_tax_base);
  if (params.year_end_revision) return WithYearEndRevision(params, employee, input, out);

  // The chart's UPANTEIL: the period's share of each annual amount, cut to
  // cents. Periods that are no multiple of a year, month or week are taxed
  // per day and multiplied by the days.
  out.per_day_mode = !(days % 360 == 0 || days % 30 == 0 || days % 7 == 0);
  const int share_days = out.per_day_mode ? 1 : days;
  out.units = out.per_day_mode ? days : 1;
  const Decimal hundred = kHundred;
  const Cents tax = PeriodShare(out.annual_tax * hundred, share_days);
  const Cents soli = PeriodShare((out.annual_soli * hundred).SetScale(0, Rounding::Down), share_days);
  out.tax_base_per_unit = PeriodShare(out.annual_tax_base * hundred, share_days);
  out.wage_tax = Cents(tax.Value() * out.units);
  out.soli = Cents(soli.Value() * out.units);
  out.tax_base = Cents(out.tax_base_per_unit.Value() * out.units);
  return out;
}

}  // namespace pekto
