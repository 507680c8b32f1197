// Speed of the engine over the ministry's reference cases: the tax step of
// one month (wage tax, surcharge, church tax) and the whole calculation run.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "calc/current_pay_tax.h"
#include "calc/payroll_run.h"
#include "calc/tests/reference_cases.h"
#include "tools/mask_input.h"

namespace pekto {
namespace {

struct PreparedCase {
  std::unique_ptr<EmployeeRecord> record;
  PayrollInput input;
  YearParameters params;
};

std::vector<PreparedCase> Prepare() {
  std::vector<PreparedCase> cases;
  for (const auto& c : testing::OfficialReferenceCases()) {
    PreparedCase p;
    p.record = std::make_unique<EmployeeRecord>();
    for (const auto& [name, value] : c.fields) (void)SetMaskField(*p.record, name, value);
    CopyMaskToRecord(*p.record);
    p.input = ReadPayrollInput(p.record->month_record);
    p.params = LoadYearParameters(p.record->month_record);
    cases.push_back(std::move(p));
  }
  return cases;
}

const std::vector<PreparedCase>& Cases() {
  static const std::vector<PreparedCase> cases = Prepare();
  return cases;
}

// Wage tax with surcharge and church tax of one month; reported per case.
void BM_MonthlyWageTax(benchmark::State& state) {
  const auto& cases = Cases();
  for (auto _ : state) {
    for (const auto& c : cases) {
      PayrollResult result;
      Explainer quiet(nullptr);
      RunCurrentPayTaxStep(c.input, c.params, result, quiet);
      benchmark::DoNotOptimize(result.current_employee);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cases.size()));
  state.counters["per_case"] = benchmark::Counter(static_cast<double>(state.iterations() * cases.size()),
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_MonthlyWageTax)->Repetitions(5)->ReportAggregatesOnly(true);

// The whole run over the record: year parameters, every step, result slots.
void BM_CalculationRun(benchmark::State& state) {
  const auto& cases = Cases();
  for (auto _ : state) {
    for (const auto& c : cases) {
      const YearParameters params = LoadYearParameters(c.record->month_record);
      PayrollResult result = RunPayroll(*c.record, params);
      benchmark::DoNotOptimize(result.employee);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cases.size()));
  state.counters["per_case"] = benchmark::Counter(static_cast<double>(state.iterations() * cases.size()),
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CalculationRun)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace pekto
