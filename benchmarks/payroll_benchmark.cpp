// Speed of the engine over the ministry's reference cases: the tax step of
// one month (wage tax, surcharge, church tax) and the whole calculation run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
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

using Fields = std::vector<std::pair<std::string, std::string>>;

PreparedCase PrepareCase(const Fields& fields) {
  PreparedCase p;
  p.record = std::make_unique<EmployeeRecord>();
  for (const auto& [name, value] : fields) (void)SetMaskField(*p.record, name, value);
  CopyMaskToRecord(*p.record);
  p.input = ReadPayrollInput(p.record->month_record);
  p.params = LoadYearParameters(p.record->month_record);
  return p;
}

std::vector<PreparedCase> Prepare() {
  std::vector<PreparedCase> cases;
  for (const auto& c : testing::OfficialReferenceCases()) cases.push_back(PrepareCase(c.fields));
  return cases;
}

// Besides the ordinary employees of the reference cases: mini-jobs, midi-jobs
// before and after October 2022, a trainee low earner, a privately insured
// employee, Saxony, one-off payments and a garnishment.
std::vector<PreparedCase> PrepareVaried() {
  const Fields base = {{"birth_date", "12051985"}, {"state_code", "11"}, {"tax_days", "30"}, {"sv_days", "30"},
                       {"kv_key", "1"}, {"rv_key", "1"}, {"av_key", "1"}, {"pv_key", "1"}, {"kv_rate", "16,30"},
                       {"levy_key", "3"}, {"u1_rate", "1,60"}, {"u2_rate", "0,44"}};
  const std::vector<Fields> kinds = {
      {{"period", "0524"}, {"kv_key", "6"}, {"rv_key", "1"}, {"av_key", "0"}, {"pv_key", "0"},
       {"sv_attribute_key", "2"}, {"flat_tax_kind", "1"}, {"gross_total", "538,00"}, {"sv_gross", "538,00"},
       {"taxable_gross", "538,00"}},
      {{"period", "0922"}, {"tax_class", "1"}, {"sv_attribute_key", "3"}, {"gross_total", "1000,00"},
       {"sv_gross", "1000,00"}, {"taxable_gross", "1000,00"}},
      {{"period", "1122"}, {"tax_class", "1"}, {"sv_attribute_key", "3"}, {"gross_total", "1200,00"},
       {"sv_gross", "1200,00"}, {"taxable_gross", "1200,00"}, {"midi_other_employer_pay", "300,00"}},
      {{"period", "0324"}, {"tax_class", "1"}, {"sv_attribute_key", "1"}, {"gross_total", "300,00"},
       {"sv_gross", "300,00"}, {"taxable_gross", "300,00"}},
      {{"period", "0624"}, {"tax_class", "3"}, {"kv_key", "8"}, {"pv_key", "0"}, {"pkv_basic_premium", "450,00"},
       {"kv_employer_amount", "250,00"}, {"kv_employee_amount", "450,00"}, {"gross_total", "6500,00"},
       {"sv_gross", "6500,00"}, {"taxable_gross", "6500,00"}},
      {{"period", "0823"}, {"tax_class", "4"}, {"state_code", "14"}, {"church_employee", "01"},
       {"child_allowances", "1,0"}, {"pv_children", "2"}, {"gross_total", "4100,00"}, {"sv_gross", "4100,00"},
       {"taxable_gross", "4100,00"}},
      {{"period", "1124"}, {"tax_class", "1"}, {"church_employee", "02"}, {"gross_total", "6000,00"},
       {"taxable_gross", "3500,00"}, {"sv_gross", "3500,00"}, {"taxable_other", "2500,00"}, {"sv_one_off", "2500,00"},
       {"other_years", "1"}, {"expected_annual_income", "42000,00"}, {"kv_accum_amount", "38500,00"},
       {"kv_accum_days", "330"}, {"rv_accum_amount", "38500,00"}, {"rv_accum_days", "330"},
       {"av_accum_amount", "38500,00"}, {"av_accum_days", "330"}},
      {{"period", "0524"}, {"tax_class", "1"}, {"gross_total", "12500,00"}, {"taxable_gross", "2500,00"},
       {"sv_gross", "2500,00"}, {"taxable_other", "10000,00"}, {"other_years", "3"},
       {"expected_annual_income", "30000,00"}},
      {{"period", "0723"}, {"tax_class", "1"}, {"gross_total", "2800,00"}, {"taxable_gross", "2800,00"},
       {"sv_gross", "2800,00"}, {"garnish_income", "2800,00"}, {"garnish_claims", "5000,00"},
       {"garnish_months", "1"}, {"garnish_dependants", "1"}},
  };
  std::vector<PreparedCase> cases = Prepare();
  for (const Fields& kind : kinds) {
    Fields fields = base;
    for (const auto& field : kind) {
      auto same = std::find_if(fields.begin(), fields.end(), [&](const auto& f) { return f.first == field.first; });
      if (same != fields.end()) {
        same->second = field.second;
      } else {
        fields.push_back(field);
      }
    }
    for (int copy = 0; copy < 40; ++copy) cases.push_back(PrepareCase(fields));
  }
  return cases;
}

const std::vector<PreparedCase>& VariedCases() {
  static const std::vector<PreparedCase> cases = PrepareVaried();
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

// The whole run over the record: year parameters, every step, result slots,
// over ordinary employees and every special kind.
void BM_CalculationRun(benchmark::State& state) {
  const auto& cases = VariedCases();
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
