// The payslip "L O H N - / G E H A L T S A B R E C H N U N G" of the open
// employee and month as text sheets: the preset form (header box, line
// table, summary box, the data-protection note), the lines in their fixed
// order, the receipt lines and the year-to-date summary.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "bookings/output_pages.h"
#include "bookings/wage_type_file.h"
#include "calc/payroll_result.h"
#include "record/dialog_message.h"
#include "record/booking_slots.h"
#include "record/employee_record.h"

namespace pekto {

// Rows of the line table on every sheet.
inline constexpr int kFirstPayslipRow = 24;
inline constexpr int kLastPayslipRow = 46;
inline constexpr int kContinuationRow = 47;  // "Weiter Blatt Nr." or the receipt line
inline constexpr int kStatementRow = 48;     // "Weitere Beschäftigungsverhältnisse ..."

// Character positions (1-based) of the line table's columns.
namespace payslip_column {
inline constexpr int kPeriod = 2;
inline constexpr int kWageType = 10;
inline constexpr int kText = 15;
inline constexpr int kTaxKey = 42;
inline constexpr int kSvKey = 44;
inline constexpr int kBase = 46;
inline constexpr int kQuantity = 57;
inline constexpr int kAmount = 68;
inline constexpr int kTextWidth = 26;
inline constexpr int kNumberWidth = 10;  // with the column's leading blank
}  // namespace payslip_column

// Where the booking mask keeps the employee's and the employer's name and
// address in the month record (record/booking_slots.h).
namespace address_slot {
using booking_slot::kEmployeeFirstName;
using booking_slot::kEmployeeName;
using booking_slot::kEmployeePlace;
using booking_slot::kEmployeePostcode;
using booking_slot::kEmployeeStreet;
using booking_slot::kEmployerName;
using booking_slot::kEmployerPlace;
using booking_slot::kEmployerPostcode;
using booking_slot::kEmployerStreet;
}  // namespace address_slot

// One line of the line table.
struct PayslipLine {
  std::string text;           // UTF-8
  std::string wage_type;      // two digits or empty
  std::string tax_key;        // "L", "S" or empty
  std::string sv_key;
  std::optional<Cents> base;  // the base column, when printed
  std::string quantity;       // as booked ("160,5"), or empty
  Cents amount;
  std::string period;         // MMJJ of a correction, or empty
  bool always = false;        // printed also when the amount is 0
};

// The sheets under construction: the form of every sheet, the current row
// and the nine-sheet limit.
class PayslipWriter {
 public:
  PayslipWriter(const EmployeeRecord& record, OutputPages& pages);

  // Writes the line at the current row and advances, unless the amount is
  // 0 and the line is not always printed. Past row 46 the sheet is closed
  // with "Weiter Blatt Nr." and the next sheet is preset; a tenth sheet is
  // refused: the limit message is kept and no further line is written.
  void AddPayslipLine(const PayslipLine& line);

  [[nodiscard]] bool LimitReached() const { return limit_message_.has_value(); }
  [[nodiscard]] const std::optional<DialogMessage>& LimitMessage() const { return limit_message_; }
  [[nodiscard]] int CurrentSheet() const { return sheet_; }
  [[nodiscard]] int CurrentRow() const { return row_; }

  // The receipt lines below the last line and the summary box of every
  // sheet.
  void Finish();

 private:
  void PresetSheet();

  const EmployeeRecord& record_;
  OutputPages& pages_;
  int sheet_ = 0;
  int row_ = kFirstPayslipRow;
  std::optional<DialogMessage> limit_message_;
};

// "Kontrolle": "Es können maximal 9 Abrech-" ...
[[nodiscard]] DialogMessage NineSheetLimitMessage();

struct PayslipInputs {
  const EmployeeRecord& record;
  const PayrollResult& result;     // the calculation run over the record
  const WageTypeTable& wage_types;
  bool from_booking_mask = false;  // the month was evaluated from the booking mask
};

struct PayslipBuild {
  OutputPages pages;
  std::optional<DialogMessage> limit_message;  // shown when a tenth sheet was needed
};

[[nodiscard]] PayslipBuild BuildPayslip(const PayslipInputs& inputs);

// The calculation run behind the payslip: over a copy of the record, from
// the mask texts, so that the open record stays as it is.
[[nodiscard]] PayrollResult PayslipResult(const EmployeeRecord& record);
// The payslip of the record's month as the viewer, the printer, the PDF
// and pekto-calc show it.
[[nodiscard]] PayslipBuild BuildPayslipOf(const EmployeeRecord& record, const WageTypeTable& wage_types,
                                          bool from_booking_mask);

// The booked days of one category of the booking table (5 attendance,
// 6 holidays, 7 sickness with continued pay, 8 other absence), in
// hundredths of a day.
[[nodiscard]] Cents BookedDays(const BookingTable& table, std::string_view category);
// Day counts with up to two decimals: "30", "2,5"; empty for 0.
[[nodiscard]] std::string DaysText(Cents hundredths);

// The payslip's lines in their order, before paging (for the sheets and the
// tests).
[[nodiscard]] std::vector<PayslipLine> PayslipLines(const PayslipInputs& inputs);

}  // namespace pekto
