// One record block of the employee files: the month record, the annual
// block and the booking table as 1465 value lines. In the file every value
// is a single-byte text in double quotes; amounts are whole cents, slot 4
// carries "." for ",", and the file name and the employer texts (month
// slots 11 and 69-81) hold the German umlauts at their DOS code page 437
// positions, every other value is Windows-1252.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "record/employee_record.h"
#include "platform/value_lines.h"

namespace pekto {

inline constexpr int kRecordBlockLines = kMonthRecordSlots + kAnnualBlockSlots + kBookingRows * kBookingColumns;
static_assert(kRecordBlockLines == 1465);

// The values of one block as the file holds them (bytes, without quotes),
// always kRecordBlockLines of them.
using BlockValues = std::vector<std::string>;

// Month slots stored in the DOS code page: the file name and slots 69-81.
[[nodiscard]] bool IsDosCodePageSlot(int month_slot);

// The record as it is written: amounts to cents, slot 4 with ".", an
// annual slot 0 of numeric value 0 empty, texts in their code pages.
[[nodiscard]] BlockValues StoredBlockOf(const EmployeeRecord& record);
// An empty block (every value empty), as a year file holds a month that
// was never closed.
[[nodiscard]] BlockValues EmptyBlock();
// Appends the block as quoted value lines ended by CR LF.
void AppendBlock(std::string& out, const BlockValues& values);

// What reading one block found, for judging a damaged file.
struct BlockReadStats {
  std::size_t lines = 0;     // value lines read, at most kRecordBlockLines
  std::size_t unquoted = 0;  // of them without their double quotes
  bool binary = false;       // a NUL byte or an over-long line
};

// Reads up to kRecordBlockLines lines; a file that ends early leaves the
// remaining values empty, and nothing is read past the end.
[[nodiscard]] BlockValues ReadBlockValues(ValueLineReader& reader, BlockReadStats& stats);
// Whether what was read can be a record block: no binary bytes, at least
// one line, and most lines quoted values.
[[nodiscard]] bool IsUsableBlock(const BlockReadStats& stats);

// Fills the month record, annual block and booking table from the stored
// values: code pages back to UTF-8, cents back to the comma form, slot 4
// with ",", an annual slot 0 of numeric value 0 empty. Mask fields, the
// saved copy and `modified` are left to the caller.
void DecodeBlock(const BlockValues& values, EmployeeRecord& record);

// Longest value line that is taken as a value; longer lines mark the file
// as binary rather than being loaded into a field.
inline constexpr std::size_t kMaxValueLineLength = 4096;

}  // namespace pekto
