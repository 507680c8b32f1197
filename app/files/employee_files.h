// The files of an employee in the user's data directory: the employee file
// (the current month), the security copy (the state before the last annual
// summation), the year file (twelve months) and the employer list AG.DAT.
// Names and paths are DOS texts; reading never crashes on a short, long or
// damaged file, and writing replaces a file atomically.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/startup/install_paths.h"
#include "app/files/record_block.h"
#include "platform/dos_file_system.h"

namespace pekto {

// "050" for the birth date "05061980": day and the first digit of the month.
[[nodiscard]] std::string BirthDateKey(std::string_view birth_date);
// MAIER.050
[[nodiscard]] std::string EmployeeFileName(std::string_view file_name, std::string_view birth_date);
// MAIER~~~.050: the name padded with "~" to 8 characters.
[[nodiscard]] std::string SecurityCopyName(std::string_view file_name, std::string_view birth_date);
// MAIER@@@_050.24 for the accounting year 2024.
[[nodiscard]] std::string YearFileName(std::string_view file_name, std::string_view birth_date,
                                       std::string_view year_two_digits);
inline constexpr std::string_view kEmployerListName = "AG.DAT";

// The file of `name` in the user's data directory.
[[nodiscard]] std::string DataFilePath(const InstallPaths& paths, std::string_view name);

// Fills the record as a load does: clears it, decodes the block, empties
// the income data for a partial load, defaults a missing PV key ("1" with
// KV key 1, 2 or 3, else "0"), and fills the mask fields and their saved
// copy; `modified` is reset.
void ApplyLoadedBlock(const BlockValues& block, LoadVariant variant, EmployeeRecord& record);
// Slot 32 empty: "1" when the KV key (slot 6) is 1, 2 or 3, else "0".
void DefaultPvKey(MonthRecord& month);

enum class DataFileKind { EmployeeFile, SecurityCopy, YearFile, EmployerList, Other };
[[nodiscard]] DataFileKind ClassifyDataFile(std::string_view name);
// The names of one kind in a folder, sorted; names in older code pages
// decoded, and entries that are no file (a folder, a FIFO) listed too, so
// that loading them says what they are instead of hiding them.
[[nodiscard]] std::vector<std::string> ListDataFiles(const DosFileSystem& files, std::string_view dos_dir,
                                                     DataFileKind kind);

enum class ReadStatus { Ok, Missing, Damaged };

struct RecordFileRead {
  ReadStatus status = ReadStatus::Missing;
  BlockValues values;  // the block when Ok
};
// An employee file or a security copy: one block.
[[nodiscard]] RecordFileRead ReadRecordFile(const DosFileSystem& files, std::string_view path);
[[nodiscard]] RecordFileRead ParseRecordFile(std::string_view bytes);
[[nodiscard]] std::string SerializeRecordFile(const BlockValues& block);

inline constexpr int kYearFileMonths = 12;
struct YearFile {
  std::array<BlockValues, kYearFileMonths> months;  // January first
};
struct YearFileRead {
  ReadStatus status = ReadStatus::Missing;
  YearFile file;  // twelve empty blocks when Missing
};
// Months the file lacks stay empty; values after the twelfth block are
// ignored. Damaged when the first block is no record block.
[[nodiscard]] YearFileRead ReadYearFile(const DosFileSystem& files, std::string_view path);
[[nodiscard]] YearFileRead ParseYearFile(std::string_view bytes);
[[nodiscard]] std::string SerializeYearFile(const YearFile& file);

// One employer of AG.DAT: the texts of month slots 70-81, as stored (DOS
// code page bytes).
inline constexpr int kEmployerTexts = slot::kLastEmployerText - slot::kFirstEmployerText + 1;
using EmployerEntry = std::array<std::string, kEmployerTexts>;

struct EmployerListRead {
  ReadStatus status = ReadStatus::Missing;
  std::vector<EmployerEntry> entries;
};
[[nodiscard]] EmployerListRead ReadEmployerList(const DosFileSystem& files, std::string_view path);
[[nodiscard]] EmployerListRead ParseEmployerList(std::string_view bytes);
[[nodiscard]] std::string SerializeEmployerList(const std::vector<EmployerEntry>& entries);
// The employer texts of a stored block.
[[nodiscard]] EmployerEntry EmployerOf(const BlockValues& block);
// Adds the entry unless one with the same texts in slots 70, 71 and 72 is
// stored, or those three are all empty; true when added.
bool AddEmployer(std::vector<EmployerEntry>& entries, const EmployerEntry& entry);
// "Firma Beispiel, Hauptstraße 1, Musterstadt": slots 70-72 as the list shows them.
[[nodiscard]] std::string EmployerDisplayText(const EmployerEntry& entry);

}  // namespace pekto
