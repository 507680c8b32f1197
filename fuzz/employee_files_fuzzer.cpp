// Employee files, year files and AG.DAT as a damaged disk, an older version
// or another machine may leave them. The first byte chooses the reader:
// 0 employee file (load -> input checks -> calculation, with and without
// the checks as pekto-calc --no-checks does -> closing of the month ->
// save -> load), 1 year file, 2 AG.DAT. Every file that loads must be
// written and read back unchanged.
#include <memory>

#include "app/checks/input_checks.h"
#include "app/files/annual_sums.h"
#include "app/files/employee_files.h"
#include "app/files/record_block.h"
#include "calc/payroll_run.h"
#include "fuzz/fuzz_support.h"

namespace pekto {
namespace {

void EmployeeFile(std::string_view bytes) {
  const RecordFileRead read = ParseRecordFile(bytes);
  if (read.status != ReadStatus::Ok) return;
  auto record = std::make_unique<EmployeeRecord>();
  ApplyLoadedBlock(read.values, LoadVariant::Complete, *record);
  CopyMaskToRecord(*record);
  const YearParameters params = LoadYearParameters(YearParameterInputsOf(record->mask_fields));
  const bool checked = !FirstFailingCheck(CheckInputs{record->mask_fields, params}).has_value();
  (void)RunPayroll(*record, LoadYearParameters(record->month_record));
  if (checked) (void)CloseMonth(*record, "310324");

  const BlockValues block = StoredBlockOf(*record);
  const RecordFileRead again = ParseRecordFile(SerializeRecordFile(block));
  fuzz::Require(again.status == ReadStatus::Ok, "a saved employee file loads");
  fuzz::Require(again.values == block, "an employee file reads back as it was written");
}

void YearFileInput(std::string_view bytes) {
  const YearFileRead read = ParseYearFile(bytes);
  if (read.status != ReadStatus::Ok) return;
  const YearFileRead again = ParseYearFile(SerializeYearFile(read.file));
  fuzz::Require(again.status == ReadStatus::Ok, "a written year file loads");
  fuzz::Require(again.file.months == read.file.months, "a year file reads back as it was written");
}

void EmployerList(std::string_view bytes) {
  EmployerListRead read = ParseEmployerList(bytes);
  if (read.status != ReadStatus::Ok) return;
  for (const EmployerEntry& entry : read.entries) (void)EmployerDisplayText(entry);
  const EmployerListRead again = ParseEmployerList(SerializeEmployerList(read.entries));
  fuzz::Require(again.status == ReadStatus::Ok, "a written AG.DAT loads");
  fuzz::Require(again.entries == read.entries, "AG.DAT reads back as it was written");
}

}  // namespace
}  // namespace pekto

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes = pekto::fuzz::Text(data + 1, size - 1);
  switch (data[0] % 3) {
    case 0:
      pekto::EmployeeFile(bytes);
      break;
    case 1:
      pekto::YearFileInput(bytes);
      break;
    default:
      pekto::EmployerList(bytes);
  }
  return 0;
}
