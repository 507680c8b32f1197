// The demo installation that ./run prepares: C:\PEKTO under a drives root
// with the system file (password query off), the shipped wage types and
// the demo employees in the first user's data directory.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/employee_record.h"

namespace pekto {

class DosFileSystem;

// "name=value" lines of main-mask fields by their record names; "#" starts
// a comment line. nullopt (with the line in `error`) for an unknown field.
[[nodiscard]] std::optional<EmployeeRecord> ReadFieldsFile(std::string_view text, std::string& error);

// file_name "." and the first three characters of the birth date.
[[nodiscard]] std::string EmployeeFileName(const EmployeeRecord& record);
// One record block: 101 month-record slots, 51 annual values and the
// booking table, 1465 quoted lines with the amounts in cents and the file
// name and employer texts in the DOS umlauts; slot 35 holds `path`.
[[nodiscard]] std::string EmployeeFileBytes(EmployeeRecord record, const std::string& path);

struct DemoReport {
  bool ok = true;
  std::vector<std::string> written;  // DOS paths
  std::vector<std::string> problems;
};

// Writes what is missing; an existing file is left as the user has it.
DemoReport PrepareDemoInstallation(const DosFileSystem& files, const std::filesystem::path& resource_dir);

// Links the accessories built beside `program_dir` (dorvel, fimrel) into
// C:\PEKTO, where the payroll program starts DORVEL.EXE and FIMREL.EXE;
// an accessory not built, or already there, is left alone.
void LinkDemoAccessories(const DosFileSystem& files, const std::filesystem::path& program_dir, DemoReport& report);

// Copies the PDF explanations the menus open ("Wesentl_Neuerun2024.pdf",
// ...) from the first of the folders that holds them into C:\PEKTO, where
// they are missing.
void CopyDemoDocuments(const DosFileSystem& files, const std::vector<std::filesystem::path>& folders,
                       DemoReport& report);

}  // namespace pekto
