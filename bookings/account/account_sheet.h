// The printed payroll account "L O H N K O N T O" of one employee and
// calendar year, as text sheets in code page 437 like the payslip:
//
//   row 1      the title with the year, the sheet number and " Stand: " date
//   row 2      a rule
//   rows 3-9   the master data in two columns
//   rows 10-13 the box "Fehlzeiten:" / "Abgegebene Meldungen:"
//   rows 14-63 the month table "Abrechnung vom . . . . bis . . . .": two
//              months and the year's "Summen" up to the second of them,
//              one row per item (48 rows)
//   rows 64-70 for an employee in the Übergangsbereich the pension and
//              unemployment rows once more, below
//              "RV Zusätzlich meldepfl. (Midijob):"
//
// Twelve months (and a carry-forward column) take up to seven sheets; the
// annual-sums page "J A H R E S S U M M E N" follows as the last sheet.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "bookings/account/account_months.h"
#include "bookings/account/annual_sums_page.h"
#include "bookings/output_pages.h"
#include "record/dialog_message.h"

namespace pekto {

// Rows of the sheet.
namespace account_row {
inline constexpr int kTitle = 1;
inline constexpr int kFirstMasterRow = 3;
inline constexpr int kBoxTop = 10;
inline constexpr int kAbsence = 11;
inline constexpr int kNotifications = 12;
inline constexpr int kTableTop = 13;
inline constexpr int kTableHead = 14;
inline constexpr int kFirstItemRow = 16;
inline constexpr int kItemRows = 48;
inline constexpr int kTransitionHeading = kFirstItemRow + kItemRows;  // 64
}  // namespace account_row

// Character positions (1-based) of the month table's cells.
namespace account_column {
inline constexpr int kLabel = 2;
inline constexpr int kLabelWidth = 35;
inline constexpr int kFirstMonth = 38;
inline constexpr int kSecondMonth = 51;
inline constexpr int kMonthWidth = 12;
inline constexpr int kSums = 64;
inline constexpr int kSumsWidth = 14;
}  // namespace account_column

struct AccountSheetInputs {
  const EmployeeRecord& current;  // master data: the open record
  const AccountYear& year;
  std::string today;              // "08.12.2026"
  // The garnishments of the year's months for the annual-sums page; the
  // annual figures keep no such sum.
  std::optional<std::int64_t> garnishment_cents;
};

[[nodiscard]] OutputPages BuildAccountSheet(const AccountSheetInputs& inputs);

// The garnished amounts of the columns' months (month slot of "Lohnpfändung").
[[nodiscard]] std::optional<std::int64_t> YearGarnishments(const AccountYear& year);

// "Aktuelles Lohnkonto" asks first whether the month was calculated and
// closed ("Kontrolle", Yes/No), then, before the sheet is shown, points
// out that only printed accounts are archived ("Kontrolle", Yes/No).
[[nodiscard]] DialogMessage CurrentAccountWarning();
[[nodiscard]] DialogMessage ShowAccountQuestion();

}  // namespace pekto
