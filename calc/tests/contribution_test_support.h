// The inputs of the contribution steps for the tests: an employee described
// by the fields these steps read, typed into PayrollInput, and the year
// parameters of its period loaded from the same fields.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "calc/explain.h"
#include "calc/payroll_input.h"
#include "calc/payroll_result.h"
#include "calc/year_parameters.h"

namespace pekto::test {

// Defaults: an employee born 1980 with one child in Nordrhein-Westfalen,
// fully insured with a fund rate of 16.00 % (supplement 1.40 %), a full
// month of 3,000.00 euros in May 2023.
struct Employee {
  const char* period = "0523";
  int land = 11;
  const char* sv_attribute = "";
  const char* kv_key = "1";
  const char* rv_key = "1";
  const char* av_key = "1";
  const char* pv_key = "1";
  int kv_rate = 1600;  // 0: not entered
  int sv_days = 30;
  std::int64_t sv_gross = 300000;
  std::int64_t sv_one_off = 0;
  std::int64_t other_employer_pay = 0;
  int pv_children = 1;
  const char* birth_date = "15061980";
};

struct Amounts {
  std::int64_t kv = 0, rv = 0, av = 0, pv = 0;
};

inline PayrollInput InputOf(const Employee& e) {
  PayrollInput in;
  in.period = e.period;
  in.period_yyyymm = PeriodToYyyymm(in.period);
  in.birth_date = e.birth_date;
  in.state_code = e.land;
  in.sv_attribute_key = e.sv_attribute;
  in.kv_key = e.kv_key;
  in.rv_key = e.rv_key;
  in.av_key = e.av_key;
  in.pv_key = e.pv_key;
  in.kv_rate = e.kv_rate;
  in.kv_rate_entered = e.kv_rate != 0;
  in.sv_days = e.sv_days;
  in.sv_gross = Cents(e.sv_gross);
  in.sv_one_off = Cents(e.sv_one_off);
  in.midi_other_employer_pay = Cents(e.other_employer_pay);
  in.pv_children = e.pv_children;
  return in;
}

inline YearParameters ParamsOf(const PayrollInput& in) {
  const std::string children = in.pv_children > 0 ? std::to_string(in.pv_children) : "";
  const std::string land = std::to_string(in.state_code);
  YearParameterInputs y;
  y.period = in.period;
  y.birth_date = in.birth_date;
  y.pv_children = children;
  y.state_code = land;
  y.church_employee = "00";
  y.sv_attribute_key = in.sv_attribute_key;
  y.rv_key = in.rv_key;
  return LoadYearParameters(y);
}

inline Amounts EmployeeAmounts(const EmployeeDeductions& d) {
  return {d.kv.Value(), d.rv.Value(), d.av.Value(), d.pv.Value()};
}

inline Amounts EmployerAmounts(const EmployerContributions& c) {
  return {c.kv.Value(), c.rv.Value(), c.av.Value(), c.pv.Value()};
}

inline bool operator==(const Amounts& a, const Amounts& b) {
  return a.kv == b.kv && a.rv == b.rv && a.av == b.av && a.pv == b.pv;
}

inline std::ostream& operator<<(std::ostream& os, const Amounts& a) {
  return os << "{kv " << a.kv << ", rv " << a.rv << ", av " << a.av << ", pv " << a.pv << "}";
}

}  // namespace pekto::test
