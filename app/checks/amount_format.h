// The amount rule of the main mask's input checks: an amount field is
// empty, or an optional leading "-", at least one digit, one "," and
// exactly D decimals (D = 2 for amounts and rates, D = 1 for the child
// allowances "x,x"). A zero amount is left empty, so "0,00" is an error.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "record/mask_fields.h"

namespace pekto {

inline constexpr int kAmountDecimals = 2;
inline constexpr int kChildAllowanceDecimals = 1;

// D of the field: 1 for `child_allowances`, 2 for every other amount or rate.
[[nodiscard]] int DecimalsOf(MaskField field);

// The value in units of the last decimal (cents for D = 2, tenths for
// D = 1); 0 for an empty text; nothing when the text breaks the rule.
[[nodiscard]] std::optional<std::int64_t> ParseMaskAmount(std::string_view text, int decimals);

[[nodiscard]] inline bool IsValidMaskAmount(std::string_view text, int decimals) {
  return ParseMaskAmount(text, decimals).has_value();
}

}  // namespace pekto
