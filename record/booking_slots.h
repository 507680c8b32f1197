// Where the booking mask keeps what it holds besides the booking lines:
// the booking totals of the month record, the employer's and the
// employee's name and address (month slots 70 to 78, stored in code page
// 437 like every slot from 69 to 81), and in the last row of the booking
// table the four day counters of the payroll account and the mark that
// the month was filled from the bookings. That row lies beyond the 30
// lines the mask uses, so a partial load empties it with the bookings.
#pragma once

#include "record/employee_record.h"

namespace pekto {

namespace booking_slot {
// Totals written by the booking evaluation.
inline constexpr int kCorrectionCategory2 = 65;  // category 2 lines with a correction period, negated
inline constexpr int kCorrectionCategory3 = 66;  // category 3 lines with a correction period
inline constexpr int kCategory1Total = 67;
inline constexpr int kCategory2Total = 68;  // negated
inline constexpr int kCategory3Total = slot::kCategory3Total;
inline constexpr int kCorrectionCategory4 = 82;  // negated
inline constexpr int kCategory4Total = 83;       // negated

// The employer: AG.DAT keeps slots 70 to 81 per employer and tells them
// apart by 70, 71 and 72.
inline constexpr int kEmployerName = 70;  // "Name/Firma"
inline constexpr int kEmployerStreet = 71;
inline constexpr int kEmployerPlace = 72;
inline constexpr int kEmployerPostcode = 73;
// The employee.
inline constexpr int kEmployeeName = 74;
inline constexpr int kEmployeeFirstName = 75;
inline constexpr int kEmployeeStreet = 76;
inline constexpr int kEmployeePostcode = 77;
inline constexpr int kEmployeePlace = 78;
}  // namespace booking_slot

// The booking table's row 100: columns 0 to 3 the day counters, column
// 12 the mark "1" when the month was filled from the bookings.
namespace booking_extra {
inline constexpr int kRow = kBookingRows - 1;
inline constexpr int kAttendanceDays = 0;  // category 5
inline constexpr int kHolidaysTaken = 1;   // category 6
inline constexpr int kSickDaysPaid = 2;    // category 7, continued pay
inline constexpr int kOtherAbsence = 3;    // category 8
inline constexpr int kFilledFromBookings = 12;
}  // namespace booking_extra

[[nodiscard]] inline const BookingRow& BookingExtras(const EmployeeRecord& record) {
  return record.booking_table[static_cast<std::size_t>(booking_extra::kRow)];
}
[[nodiscard]] inline BookingRow& BookingExtras(EmployeeRecord& record) {
  return record.booking_table[static_cast<std::size_t>(booking_extra::kRow)];
}
[[nodiscard]] inline bool FilledFromBookings(const EmployeeRecord& record) {
  return BookingExtras(record)[booking_extra::kFilledFromBookings] == "1";
}

}  // namespace pekto
