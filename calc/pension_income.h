// Allowances for pension income (Versorgungsfreibetrag with its Zuschlag,
// § 19 Abs. 2 EStG) and the Altersentlastungsbetrag (§ 24a EStG), after the
// tables and steps of the wage-tax flow chart.
#pragma once

#include "calc/decimal.h"
#include "calc/money.h"

namespace pekto {

struct PensionIncomeInput {
  Cents first_full_month;  // VBEZM: pension of the first full month of the year
  Cents expected_one_off;  // VBEZS: expected one-off pension payments of the year
  int start_year = 0;      // VJAHR: year the pension was first granted
  int months = 0;          // ZMVB: months with pension; 0 counts as 12
};

struct PensionAllowances {
  Decimal allowance;           // FVB (euros)
  Decimal supplement;          // FVBZ
  Decimal allowance_one_off;   // FVBSO: with a one-off pension payment
  Decimal supplement_one_off;  // FVBZSO
  Decimal age_relief;          // ALTE
};

struct PensionAllowanceRequest {
  PensionIncomeInput pension;
  Decimal annual_pension;        // ZVBEZJ: pension contained in the annual wage
  Decimal annual_wage;           // ZRE4J
  Cents one_off_pension;         // VBEZBSO: pension contained in a one-off payment
  bool annual_period = false;    // a calculation over a whole year (360 tax days)
  bool age_relief = false;       // ALTER1
  int age_relief_year = 0;       // AJAHR
  int accounting_year = 0;       // the chart's year: its tables (0 = before 2025)
};

// The table index of a start year: 1 before 2006, year - 2004 after that,
// up to 36 for 2040 in the charts before 2025 and up to 54 for 2058 in the
// charts from 2025 (`accounting_year`).
[[nodiscard]] int PensionTableIndex(int year, int accounting_year = 0);

[[nodiscard]] PensionAllowances ComputePensionAllowances(const PensionAllowanceRequest& request);

}  // namespace pekto
