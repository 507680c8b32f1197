// How the fields of the main mask take keys and explain themselves: the
// input filter of each field, which fields answer F1 with the choice
// between their key directory and their explanation, and a key directory
// as the entries of its popup menu.
#pragma once

#include <vector>

#include "app/checks/key_directories.h"
#include "record/mask_fields.h"
#include "ui/input_filter.h"
#include "ui/popup_entry.h"

namespace pekto {

// The characters the field accepts as typed, and its maximum length.
[[nodiscard]] FieldInputRule FieldInputRuleOf(MaskField field);

// The key fields: the fields with a key directory (the fields of the "S"
// buttons). F1 on them offers the directory or the explanation.
[[nodiscard]] bool HasKeyDirectory(MaskField field);

inline constexpr int kShowKeyDirectoryCommand = 28111;
inline constexpr int kShowFieldExplanationCommand = 15502;

// The two entries of the F1 popup on a key field.
[[nodiscard]] std::vector<PopupEntry> KeyFieldHelpChoice();

// The popup of a key directory: its heading lines, its entries (each
// sending the command that writes its key), its note lines, and the entry
// that empties the field.
[[nodiscard]] std::vector<PopupEntry> KeyDirectoryEntries(const KeyDirectory& directory);

}  // namespace pekto
