// Amounts in the month record are typed with a decimal comma ("1234,56")
// and stored as whole cents ("123456"); slot 4 (child allowances) is stored
// with "." instead of ",".
#pragma once

#include <string>
#include <string_view>

#include "record/employee_record.h"

namespace pekto {

[[nodiscard]] bool IsAmountSlot(int slot);

// "1234,56" -> "123456", "0,05" -> "05", "0,50" -> "050", "-12,30" -> "-1230";
// empty stays empty, a text without comma is kept.
[[nodiscard]] std::string AmountTextToCents(std::string_view text);
// The inverse: "123456" -> "1234,56", "05" -> "0,05"; a text that already
// has a comma or is not a whole number is kept.
[[nodiscard]] std::string CentsTextToAmount(std::string_view text);

// Before writing: every amount slot to cents, slot 4 with ".".
void NormaliseForStorage(MonthRecord& record);
// After reading: amount slots back to the comma form, slot 4 with ",".
void RestoreForDisplay(MonthRecord& record);

}  // namespace pekto
