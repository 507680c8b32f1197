// The payslip: building nine full sheets (the most a payslip holds).
#include <benchmark/benchmark.h>

#include "bookings/payslip.h"

namespace {

void BM_NineSheetPayslip(benchmark::State& state) {
  pekto::EmployeeRecord record;
  record.mask_fields[pekto::MaskField::FileName] = "MAIER";
  record.mask_fields[pekto::MaskField::Period] = "0524";
  record.mask_fields[pekto::MaskField::BirthDate] = "15061980";
  for (auto _ : state) {
    pekto::OutputPages pages;
    pekto::PayslipWriter writer(record, pages);
    for (int i = 1; i <= 23 * 9; ++i) {
      pekto::PayslipLine line;
      line.text = "Überstunden 25 %";
      line.wage_type = "03";
      line.tax_key = "L";
      line.sv_key = "L";
      line.base = pekto::Cents(2000);
      line.quantity = "2";
      line.amount = pekto::Cents(4000 + i);
      writer.AddPayslipLine(line);
    }
    writer.Finish();
    benchmark::DoNotOptimize(pages.Lines().data());
  }
}
BENCHMARK(BM_NineSheetPayslip)->Unit(benchmark::kMicrosecond);

}  // namespace
