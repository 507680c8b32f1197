// Rules of the main mask's commands that need no screen: the question
// before unsaved entries are given up, the two checks before the booking
// mask, the change of the calculation mode with its system-file rewrite,
// and what the mask shows after a change of mode.
#pragma once

#include <optional>
#include <string_view>

#include "record/dialog_message.h"
#include "record/employee_record.h"

namespace pekto {

class DosFileSystem;
struct ProgramState;

// Whether the mask holds entries that were not saved: the flag, or a text
// that differs from the saved copy (a field changed and never left counts).
[[nodiscard]] bool HasUnsavedEntries(const EmployeeRecord& record);
[[nodiscard]] DialogMessage UnsavedEntriesQuestion();

// Before the booking mask: the personal data count as entered when one of
// the fields 1..28 is filled and birth date, file name and period are.
[[nodiscard]] bool PersonalDataEntered(const MaskFields& mask);
[[nodiscard]] DialogMessage PersonalDataMissingQuestion();
// The payroll account's personal data (its "Allgemein" group, held in the
// annual block) are all empty.
[[nodiscard]] bool PayrollAccountPersonalDataEmpty(const AnnualBlock& annual);
[[nodiscard]] DialogMessage PayrollAccountQuestion();

// "Art der Berechnung": "1" without, "0" after evaluating the booking mask.
inline constexpr std::string_view kCalcWithoutBookingMask = "1";
inline constexpr std::string_view kCalcAfterBookingMask = "0";
// The mode of the system file; anything but "0" is the calculation without
// the booking mask.
[[nodiscard]] std::string_view CalcModeOf(const ProgramState& state);

// Stores the mode as the first value of the system file's settings block
// and rewrites the file of the installation. When the file cannot be
// written, the state stays as it was and the message says so.
[[nodiscard]] std::optional<DialogMessage> ChangeCalcMode(ProgramState& state, const DosFileSystem& files,
                                                          std::string_view mode);

// The mask after a change of mode: the texts on the screen are kept in the
// record, and no typed amount is lost by a change of mode. After the
// booking mask the booked income fields are shown read-only (the
// evaluation fills them); switching back makes them editable with their
// texts. The bookings and the saved copy are not touched.
void FillMaskForCalcMode(EmployeeRecord& record, std::string_view mode);
// The fields the booking evaluation fills from the booking lines.
[[nodiscard]] bool IsBookedIncomeField(MaskField field);

}  // namespace pekto
