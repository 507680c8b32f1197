// The month's results as one JSON object (amounts in whole cents, every key
// present) or as a German table like the results overview.
#pragma once

#include <string>

#include "calc/payroll_result.h"

namespace pekto {

[[nodiscard]] std::string ResultJson(const PayrollResult& result);
[[nodiscard]] std::string ResultTable(const PayrollResult& result);

}  // namespace pekto
