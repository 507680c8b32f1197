// The month's results as one JSON object (amounts in whole cents, every key
// present) or as a German table like the results overview.
#pragma once

#include <string>

#include "calc/payroll_result.h"

namespace pekto {

[[nodiscard]] std::string ResultJson(const PayrollResult& result);
[[nodiscard]] std::string ResultTable(const PayrollResult& result);

// The "Sonstige AN" row as the overview shows it: the tax columns are the
// sums of the two parts of the tax on one-off payments.
[[nodiscard]] EmployeeDeductions OneOffRow(const PayrollResult& result);

}  // namespace pekto
