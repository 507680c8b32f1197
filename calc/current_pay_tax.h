// The tax step of the calculation run: wage tax, solidarity surcharge and
// church tax on current pay.
#pragma once

#include "calc/explain.h"
#include "calc/payroll_input.h"
#include "calc/payroll_result.h"
#include "calc/year_parameters.h"

namespace pekto {

void RunCurrentPayTaxStep(const PayrollInput& in, const YearParameters& params, PayrollResult& out,
                          Explainer& explain);

}  // namespace pekto
