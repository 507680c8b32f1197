// What typing can put into a field of the main mask: only the characters
// of the field's input filter and at most its maximum length. Values that
// come from a file (an older version, another machine, a damaged copy) are
// held to the same rule before they are calculated or closed into a month.
#pragma once

#include <optional>
#include <string_view>

#include "record/employee_record.h"
#include "record/mask_fields.h"

namespace pekto {

// Whether `c` passes the input filter of the field (a minus only where the
// filter allows it); a key field takes every digit, its key checks judge
// the key.
[[nodiscard]] bool FieldAcceptsCharacter(MaskField field, char32_t c);
// The text could have been typed into the field: valid UTF-8, every
// character accepted, no more characters than the field's maximum length.
[[nodiscard]] bool IsTypeableText(MaskField field, std::string_view text);
// The first field (in field-number order) whose text could not have been
// typed, if any.
[[nodiscard]] std::optional<MaskField> FirstUntypeableField(const MaskFields& mask);

}  // namespace pekto
