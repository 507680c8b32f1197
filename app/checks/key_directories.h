// The key directories of the main mask: for each key field the entries a
// user can pick from the "S" button or the F1 popup (the display text with
// "&" before its accelerator letter, and the key that choosing it writes
// into the field), with the lines shown above and below the entries. The
// church-tax entries depend on the Land and the accounting year.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/employee_record.h"
#include "record/mask_fields.h"

namespace pekto {

struct KeyEntry {
  std::string_view text;  // as shown, "&" before the accelerator letter
  std::string_view key;   // written into the field
  bool operator==(const KeyEntry&) const = default;
};

struct KeyDirectory {
  MaskField field = MaskField::BirthDate;
  std::vector<std::string_view> heading;  // lines above the entries, not selectable
  std::vector<KeyEntry> entries;
  std::vector<std::string_view> notes;  // lines below the entries, not selectable
};

// The directory of `field` for the Land and period on the mask; nothing
// for a field without a directory. `kv_rate` has an explanation and no
// entries; the church-tax fields without a valid Land and period show a
// note instead of entries.
[[nodiscard]] std::optional<KeyDirectory> KeyDirectoryOf(MaskField field, const MaskFields& mask);

// The field of an "S" button (controls 550..567).
[[nodiscard]] std::optional<MaskField> FieldOfKeyButton(int control_id);

// The menu command of an entry, and the key a command writes: the Land
// entries are 7220..7236 ("01".."17"), single digits 640 ("0") and
// 800..808 ("1".."9"), the two-digit church keys 608..616 ("01".."09")
// and 7229..7231 ("10".."12"); 4791 empties the field.
inline constexpr int kEmptyFieldCommand = 4791;
[[nodiscard]] std::optional<int> CommandOfEntry(MaskField field, std::string_view key);
[[nodiscard]] std::optional<std::string> KeyOfCommand(int command);

// Land key 1..17 of a "Bundesland" text ("8", "08", "17").
[[nodiscard]] std::optional<int> LandOf(std::string_view state_code);
// The four-digit year of a valid mask period "MMJJ" (month 01..12).
[[nodiscard]] std::optional<int> PeriodYearOf(std::string_view period);

// Whether `key` ("01", or "1" as typed) is an entry of the church-tax
// directory of the Land and the period.
[[nodiscard]] bool IsChurchTaxKey(std::string_view key, std::string_view state_code, std::string_view period);

}  // namespace pekto
