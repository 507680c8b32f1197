// History files (printed payslips and payroll accounts, HIS01): read,
// written and read again to the same lines, never more than 1000.
#include "bookings/history_files.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const pekto::OutputPages pages = pekto::ParseHistoryFile(pekto::fuzz::Text(data, size));
  pekto::fuzz::Require(pages.Lines().size() <= static_cast<std::size_t>(pekto::kMaxHistoryLines),
                       "at most 1000 lines are read");
  const pekto::OutputPages again = pekto::ParseHistoryFile(pekto::HistoryFileBytes(pages));
  pekto::fuzz::Require(again.Lines() == pages.Lines(), "written lines read back unchanged");
  (void)pages.SheetCount();
  return 0;
}
