// The messages and questions of the file commands of the main mask (load,
// save, delete), as data; and the checks that refuse a save.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "record/dialog_message.h"
#include "record/employee_record.h"

namespace pekto {

struct SaveRefusal {
  DialogMessage message;
  MaskField focus;
};

// Name and birth date must be given, the birth date as TTMMJHJJ of a real
// date, and the name may hold only letters and digits (it becomes a file
// name); nullopt when the record can be stored.
[[nodiscard]] std::optional<SaveRefusal> CheckSaveFields(const MaskFields& mask);
// Day, month and four-digit year of "TTMMJHJJ" form a date of the calendar.
[[nodiscard]] bool IsPlausibleBirthDate(std::string_view birth_date);
// Letters (umlauts included) and digits only, 1 to 7 of them.
[[nodiscard]] bool IsSafeFileName(std::string_view file_name);

[[nodiscard]] DialogMessage UnsavedChangesQuestion();
[[nodiscard]] DialogMessage FileNotFoundMessage(std::string_view path);
// Something named like a data file that is a folder, a FIFO or a device.
[[nodiscard]] DialogMessage NotAFileMessage(std::string_view path);
[[nodiscard]] DialogMessage DeleteQuestion(std::string_view path);
[[nodiscard]] DialogMessage PayslipQuestion();
// A month whose entries fail an input check is not closed: the save writes
// the employee file only and says so after the check's own message.
[[nodiscard]] DialogMessage MonthNotClosedMessage(std::string_view period);

// A damaged file, a failed write or delete: each is reported, never passed
// over as success.
[[nodiscard]] DialogMessage FileDamagedMessage(std::string_view path);
[[nodiscard]] DialogMessage YearFileDamagedMessage(std::string_view path);
[[nodiscard]] DialogMessage EmployerListDamagedMessage(std::string_view path);
// `error_number` is the errno of the failed step: a full disk and a missing
// permission are named.
[[nodiscard]] DialogMessage WriteFailedMessage(std::string_view path, int error_number);
[[nodiscard]] DialogMessage DeleteFailedMessage(std::string_view path);

}  // namespace pekto
