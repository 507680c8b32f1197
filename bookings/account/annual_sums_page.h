// The contents of the annual-sums page "J A H R E S S U M M E N": every
// running figure of the record's AnnualBlock on one page, as text lines
// of at most kAnnualSumsWidth characters (UTF-8; the printed sheets convert
// to code page 437). The lines carry no frame: the output sheets put them
// into theirs.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/employee_record.h"

namespace pekto {

inline constexpr std::size_t kAnnualSumsWidth = 76;

struct AnnualSumsHeader {
  std::string date;           // "08.12.2026", after " Stand: "
  std::string employee_name;  // "Müller, Anna"
};

// `garnishment_cents`: the garnishments of the year's months (slot 98 of
// each month of the year file); the AnnualBlock keeps no such sum.
[[nodiscard]] std::vector<std::string> AnnualSumsPageLines(const AnnualBlock& annual, const AnnualSumsHeader& header,
                                                           std::optional<std::int64_t> garnishment_cents);

// "08.12.2026" from TTMMJJ "081226"; another text as it is.
[[nodiscard]] std::string SheetDate(std::string_view ttmmjj);

// "1234,56" from cents; empty for 0.
[[nodiscard]] std::string SheetAmount(std::int64_t cents);

}  // namespace pekto
