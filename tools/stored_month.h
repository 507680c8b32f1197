// The month stored in an employee file, for pekto-calc --file and --all:
// the file is read as the main mask's complete load reads it, from a DOS
// path through the drives root or from a host path.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/employee_record.h"
#include "platform/dos_file_system.h"

namespace pekto {

// "C:\PEKTO\01\MAIER.050", "c:/pekto": a drive letter and a colon.
[[nodiscard]] bool LooksLikeDosPath(std::string_view text);
// The host path of a command-line argument: a DOS path through the drives
// root, anything else as the host path it is; nullopt for a DOS path the
// drives root cannot hold.
[[nodiscard]] std::optional<std::filesystem::path> HostPathOfArgument(const DosFileSystem& files,
                                                                      std::string_view argument);

// Fills the record from the bytes of an employee file (complete load);
// the German reason when the file is no employee file.
[[nodiscard]] std::optional<std::string> LoadStoredMonth(std::string_view bytes, EmployeeRecord& record);
// Reads the file first; a missing or unreadable file is named.
[[nodiscard]] std::optional<std::string> LoadStoredMonthFile(const std::filesystem::path& path, EmployeeRecord& record);

struct StoredFileEntry {
  std::string name;  // as the program shows it (UTF-8, older code pages decoded)
  std::filesystem::path host;
  bool regular_file = false;  // false: a folder or FIFO named like an employee file
};

// The entries of a folder named like employee files (not security copies,
// year files or AG.DAT), sorted by name; those that are no file are
// listed too, so that they are reported rather than skipped.
[[nodiscard]] std::vector<StoredFileEntry> EmployeeFilesIn(const std::filesystem::path& folder);

}  // namespace pekto
