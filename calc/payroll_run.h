// The calculation run of one month: year parameters, wage tax, surcharge and
// church tax, social insurance, one-off payments, net pay, employer charges
// and garnishment, in this order.
#pragma once

#include "record/employee_record.h"
#include "calc/payroll_input.h"
#include "calc/payroll_result.h"
#include "calc/year_parameters.h"

namespace pekto {

struct RunOptions {
  bool explain = false;  // collect the working values as text lines
};

// Computes the month from typed inputs; pure.
[[nodiscard]] PayrollResult ComputePayroll(const PayrollInput& input, const YearParameters& params,
                                           const RunOptions& options = {});

// The run over the record: reads the month record, computes, writes the
// results into their month-record slots and marks the annual block (slot 48).
PayrollResult RunPayroll(EmployeeRecord& record, const YearParameters& params, const RunOptions& options = {});

}  // namespace pekto
