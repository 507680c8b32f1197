// Main-mask fields given by name on the command line or in JSON, held to
// what the mask's input filter lets through (characters and length) before
// they reach the record; the input checks judge the rest.
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
