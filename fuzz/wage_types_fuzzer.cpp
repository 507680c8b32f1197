// LOHNAR.DAT: read, written and read again to the same wage types.
#include "bookings/wage_type_file.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pekto::WageTypeTable table;
  const pekto::WageTypeLoad load = pekto::ParseWageTypes(pekto::fuzz::Text(data, size), table);
  (void)pekto::FindDuplicateNumber(table);
  pekto::WageTypeTable again;
  const pekto::WageTypeLoad reload = pekto::ParseWageTypes(pekto::SerializeWageTypes(table), again);
  pekto::fuzz::Require(reload.count == load.count, "written wage types read back to as many");
  return 0;
}
