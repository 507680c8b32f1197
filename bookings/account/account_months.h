// The months of a payroll account: the closed months of one calendar year
// as the year file keeps them (the open record in place of its month when
// that month is closed), each with what it added into the annual figures,
// and the figures carried forward from before the first of them.
//
// What a month added is worked out again from the stored month by the
// same calculation and the same summation rule that closed it, so that a
// carry-forward typed into the payroll account never shows up as the pay
// of the first month.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/files/employee_files.h"
#include "record/employee_record.h"

namespace pekto {

using SlotValues = std::array<std::int64_t, kAnnualBlockSlots>;

// One column of the account's month table.
struct AccountColumn {
  int month = 0;                           // 1..12; 0 for the carry-forward
  std::shared_ptr<const EmployeeRecord> record;  // the stored month; none for the carry-forward
  SlotValues added{};                      // per summed annual slot: cents or days
  AnnualBlock annual_after{};              // the annual figures once this column is counted
  // Figures that have no annual slot, in cents.
  std::int64_t supplement_compulsory = 0;  // KV supplement in the contributions of a compulsory member
  std::int64_t supplement_voluntary = 0;   // likewise for a voluntary member
  std::int64_t private_premium = 0;        // private KV/PV basic premium for the tax certificate
  std::int64_t garnishment = 0;            // the garnished amount of the month
};

struct AccountYear {
  int year = 0;  // 2024
  std::vector<AccountColumn> columns;  // the carry-forward first, then the months in order
};

// The calendar year an account is printed for: that of the last summation,
// else that of the record's period; 0 when neither is a period.
[[nodiscard]] int AccountYearOf(const EmployeeRecord& current);

// The columns of `year`: every month of the year file that was closed in
// that year, the open record replacing its month when the record's month is
// the one last closed; a carry-forward column when the first month's annual
// figures hold more than that month added.
[[nodiscard]] AccountYear AccountMonthsOf(const EmployeeRecord& current, const YearFile* year_file, int year);

// The same from the year file beside the employee file in the user's data
// directory (a missing or damaged year file gives the open record's month
// alone).
[[nodiscard]] AccountYear AccountMonthsFromFolder(const EmployeeRecord& current, const DosFileSystem& files,
                                                  std::string_view data_dir);

// The year file's name for the employee of `current` and `year`.
[[nodiscard]] std::string AccountYearFileName(const EmployeeRecord& current, int year);

}  // namespace pekto
