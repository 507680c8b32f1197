// Main-mask fields given by name on the command line or in JSON, checked
// against the field's character set and length before they reach the
// record.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "record/employee_record.h"

namespace pekto {

struct FieldError {
  std::string field;
  std::string message;  // German, names the field
};

// Sets one mask field of the record; nothing is changed on error.
[[nodiscard]] std::optional<FieldError> SetMaskField(EmployeeRecord& record, std::string_view name,
                                                     std::string_view value);

}  // namespace pekto
