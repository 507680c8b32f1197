// Wage tax on current pay after the official wage-tax flow chart
// (Programmablaufplan) of the accounting year: the pay is brought to a year
// by tax days, taxed by the chart's annual procedure and brought back.
#pragma once

#include "calc/decimal.h"
#include "calc/money.h"
#include "calc/pension_income.h"
#include "calc/year_parameters.h"

namespace pekto {

// What the chart needs to know about the employee besides the wage.
struct ChartEmployee {
  int tax_class = 0;                // STKL 1..6
  Decimal child_allowances;         // ZKF, e.g. 1.5
  Decimal factor = Decimal::FromInt(1);  // f of the factor procedure, 1 without
  int krv = 0;                      // 0 RV ceiling West, 1 East, 2 not in RV (special table)
  int pkv = 0;                      // 0 statutory, 1 private, 2 private with employer subsidy
  Decimal kv_supplement_percent;    // KVZ, the fund's full supplement in percent
  Cents private_premium_monthly;    // PKPV
  Cents private_subsidy_monthly;    // PKPVAGZ (from 2026): the employer's subsidy to it
  bool unemployment_insured = true; // ALV 0 (from 2026): the AV part counts in the Vorsorgepauschale
  bool saxony = false;              // PVS
  bool childless_surcharge = false; // PVZ
  int pv_discount_children = 0;     // PVA (2024: children beyond the first, at most 4)
  bool age_relief = false;          // ALTER1: 64 completed before the year began
  int age_relief_year = 0;          // AJAHR: the year after the 64th birthday year
  PensionIncomeInput pension;
  bool whole_year_mode = false;     // 2023: blended PV rates for a whole-year caller
};

// The annual amounts the chart's main procedure starts from (euros).
struct AnnualWage {
  Decimal wage;            // ZRE4J
  Decimal pension_income;  // ZVBEZJ, contained in the wage
  Decimal card_allowance;  // JLFREIB
  Decimal card_addback;    // JLHINZU
};

// Working values of one annual computation, for explanations.
struct AnnualTaxWorking {
  Decimal annual_wage;          // ZRE4J
  PensionAllowances pension;    // FVB, FVBZ, ALTE
  Decimal wage_after_allowances;// ZRE4
  Decimal employee_allowance;   // ANP
  Decimal table_allowances;     // ZTABFB without child allowances
  Decimal child_allowance_amount;  // KFB
  Decimal vorsorgepauschale;    // VSP
  Decimal taxable_income;       // ZVE
  Decimal tariff_tax;           // ST before the factor
};

// Rates, limits and constants of the chart for one period and employee.
struct ChartConstants {
  int year = 0;
  const TaxTariff* tariff = nullptr;  // of the YearParameters the constants were made from
  Decimal rv_ceiling;           // BBGRV, euros
  Decimal kv_ceiling;           // BBGKVPV, euros
  Decimal rv_share;             // TBSVORV (years before 2024)
  Decimal rv_employee_rate;     // RVSATZAN
  Decimal kv_employee_rate;     // KVSATZAN
  Decimal kv_employer_rate;     // KVSATZAG
  Decimal pv_employee_rate;     // PVSATZAN
  Decimal pv_employer_rate;     // PVSATZAG
  Decimal employee_allowance;   // euros, classes 1-5
  Decimal pension_expense_allowance;  // 102 euros
  Decimal child_allowance_full; // euros per child, both parents
  Decimal minimum_rate;         // 0.12
  int minimum_cap = 0;
  int minimum_cap_class3 = 0;
  Decimal av_employee_rate;     // AVSATZAN (from 2026)
};

// The constants keep a pointer to the tariff of `params`, which must outlive
// them.
[[nodiscard]] ChartConstants MakeChartConstants(const YearParameters& params, const ChartEmployee& employee,
                                                int tax_days);
ChartConstants MakeChartConstants(YearParameters&& params, const ChartEmployee& employee, int tax_days) = delete;

// The income-tax tariff on x (whole euros or, inside the class V/VI
// procedure, euros with cents) for the basic table; multiplied by the
// splitting factor `kztab` after the tax of x / kztab.
[[nodiscard]] Decimal Tariff(const TaxTariff& tariff, const Decimal& x);
// Classes V and VI (the chart's MST5_6 with UP5_6).
[[nodiscard]] Decimal Class56Tax(const TaxTariff& tariff, const Decimal& x);

// The annual tax of a taxable income (the chart's UPMLST): the basic table,
// the splitting table for class III, the class V/VI procedure.
[[nodiscard]] Decimal TableTax(const ChartConstants& chart, int tax_class, const Decimal& taxable_income);

// The Vorsorgepauschale (the chart's UPEVP with MVSP) on the annual wage.
struct Vorsorgepauschale {
  Decimal pension_part;   // VSP1 (2026: VSPR)
  Decimal minimum_part;   // VSP2 (2026: VSPHB, the capped AV + KV/PV part)
  Decimal health_part;    // VSP3 (2026: VSPKVPV)
  Decimal amount;         // VSP
};
[[nodiscard]] Vorsorgepauschale ComputePensionAllowance2015(const ChartConstants& chart,
                                                            const ChartEmployee& employee,
                                                            const Decimal& annual_wage);

// The chart's annual procedure: tax-card and pension allowances, table
// allowances, Vorsorgepauschale, taxable income and tariff. Returns the
// tariff tax before the factor in `tariff_tax`.
[[nodiscard]] AnnualTaxWorking ComputeAnnualWageTax(const ChartConstants& chart, const ChartEmployee& employee,
                                                    const AnnualWage& wage, const PensionAllowances& pension,
                                                    bool deduct_child_allowances);

// The same year with the child allowances deducted (the chart's second
// pass for the tax base of surcharge and church tax).
[[nodiscard]] AnnualTaxWorking WithChildAllowances(const ChartConstants& chart, const ChartEmployee& employee,
                                                   const AnnualTaxWorking& without);

// The annual surcharge on the annual tax base JBMG (euros, 2 decimals).
[[nodiscard]] Decimal AnnualSoli(const ChartConstants& chart, int tax_class, const Decimal& annual_tax_base);

struct MonthlyWageTaxInput {
  int tax_days = 0;
  Cents taxable_pay;        // RE4 of the period
  Cents card_allowance;     // LZZFREIB of the period
  Cents card_addback;       // LZZHINZU of the period
  Cents pension_in_pay;     // VBEZ of the period
};

struct MonthlyWageTax {
  Cents wage_tax;           // LSTLZZ
  Cents soli;               // SOLZLZZ
  Cents tax_base;           // BK: annual tax with child allowances, brought to the period
  // Per-day mode (tax days not a multiple of 360, 30 or 7): the amounts
  // above are `units` times the per-day amounts below.
  bool per_day_mode = false;
  int units = 1;
  Cents tax_base_per_unit;
  Decimal annual_tax;       // LSTJAHR
  Decimal annual_tax_base;  // JBMG
  Decimal annual_soli;      // SOLZJ
  AnnualTaxWorking working;
  // December 2024: the amounts of the period are the year's amounts after
  // the law less eleven times the difference (the annual values above are
  // those after the law).
  bool year_end_revision = false;
};

// The wage tax, surcharge and church-tax base of current pay.
[[nodiscard]] MonthlyWageTax ComputeMonthlyWageTax(const YearParameters& params, const ChartEmployee& employee,
                                                   const MonthlyWageTaxInput& input);

// A period's share of an annual amount in cents, cut to whole cents.
[[nodiscard]] Cents PeriodShare(const Decimal& annual_cents, int tax_days);

}  // namespace pekto
