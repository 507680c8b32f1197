// The history of printed documents: every payslip and payroll account
// that was printed (or saved as PDF) is kept as a file in the user's
// history folder (C:\PEKTO\HIS01), so that it can be shown and printed
// again. A history file holds the document's lines up to the first empty
// one, at most 1000, each enclosed in double quotes and ended by CR LF,
// in code page 437 as printed.
//
// File name: the employee's file name, a point, the first three
// characters of the birth date, "_", the period as YYYYMM and the letter
// "A" (payslip) or "K" (payroll account): "MAIER.150_202401A". The name is
// unique per employee (the employee file is named by the same two parts),
// month and kind, and sorts by employee and period.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bookings/output_pages.h"
#include "record/dialog_message.h"
#include "record/employee_record.h"

namespace pekto {

class DosFileSystem;

inline constexpr int kMaxHistoryLines = 1000;

// The history file's name for the record's employee and month; nothing
// when the file name or the period is missing or not a period.
[[nodiscard]] std::optional<std::string> HistoryFileName(const EmployeeRecord& record, DocumentKind kind);

// The bytes of a history file.
[[nodiscard]] std::string HistoryFileBytes(const OutputPages& pages);
// The lines of a history file (damaged quotes, LF-only lines, a missing
// last line end are read as well as they can be); at most 1000.
[[nodiscard]] OutputPages ParseHistoryFile(std::string_view bytes);

enum class ArchiveOutcome { Archived, Skipped, Failed };

struct ArchiveResult {
  ArchiveOutcome outcome = ArchiveOutcome::Skipped;
  std::string path;                      // the DOS path written
  std::optional<DialogMessage> message;  // shown when the archive could not be written
};

// Writes the document into `history_dir` (created when missing), replacing
// a file of the same name atomically. Does nothing when the employee's file
// name, the period or the history folder is missing.
[[nodiscard]] ArchiveResult ArchiveDocument(const DosFileSystem& files, std::string_view history_dir,
                                            const EmployeeRecord& record, DocumentKind kind,
                                            const OutputPages& pages);

// The file names of the history folder whose last letter is that of the
// kind, sorted; an empty or missing folder gives an empty list.
[[nodiscard]] std::vector<std::string> HistoryEntries(const DosFileSystem& files, std::string_view history_dir,
                                                      DocumentKind kind);

// Reads one history file; nothing when it cannot be read.
[[nodiscard]] std::optional<OutputPages> ReadHistoryFile(const DosFileSystem& files, std::string_view path);

}  // namespace pekto
