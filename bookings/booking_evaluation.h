// The evaluation of the booking lines ("Programmausführung fortsetzen"):
// the lines are added up by their categories and keys into the month's
// income and day fields, the booking totals of the month record and the
// day counters of the payroll account; then the fields the insurance keys
// exclude are cleared. The whole result is formed first and written in
// one step, so that no field is ever left half-written.
#pragma once

#include <optional>
#include <vector>

#include "app/checks/input_checks.h"
#include "bookings/booking_lines.h"
#include "calc/money.h"
#include "record/dialog_message.h"
#include "record/employee_record.h"

namespace pekto {

// The sums of one evaluation, before they are written.
struct BookingSums {
  Cents category1, category2, category3, category4;  // 2 and 4 negated
  Cents correction2, correction3, correction4;       // lines with a correction period
  Cents gross_total, taxable_current, taxable_one_off, pension_current, pension_one_off;
  Cents sv_current, sv_one_off, garnishable;
  std::int64_t attendance_tenths = 0, holidays_tenths = 0, sick_tenths = 0, other_absence_tenths = 0;
  std::int64_t tax_days = 0, sv_days = 0;
  bool operator==(const BookingSums&) const = default;
};

// Adds the lines up; `garnish_claims` is the main mask's "Forderungen
// gesamt" (garnishable amounts count only while it is above 0).
[[nodiscard]] BookingSums SumBookings(const BookingTable& table, Cents garnish_claims);

struct BookingEvaluation {
  // The field texts the evaluation wrote (with the fields it cleared), in
  // field order; what the mask shows afterwards.
  std::vector<std::pair<MaskField, std::string>> written;
  // Set when the user should check the expected annual income before the
  // calculation (one-off pay in another year than the annual figures).
  std::optional<DialogMessage> check_expected_income;
};

// EvaluateBookings: writes the sums into `record.mask_fields` and the
// month record (slots of the fields, 65-69, 82, 83), the day counters,
// and the mark that the month was filled from the bookings; clears the
// fields the keys exclude.
BookingEvaluation EvaluateBookings(EmployeeRecord& record);

// The message of the evaluation's last step.
[[nodiscard]] DialogMessage ExpectedIncomeMessage();

// The booked lines by the names of their wage types, for the checks on
// booked fixed-name wage types before the calculation.
[[nodiscard]] std::vector<BookedWageType> BookedWageTypes(const BookingTable& table, const WageTypeTable& wage_types);

// "30,5" for 305 tenths, "30" for 300; empty for 0.
[[nodiscard]] std::string FormatTenths(std::int64_t tenths);

}  // namespace pekto
