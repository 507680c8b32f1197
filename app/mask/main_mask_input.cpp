#include "app/mask/main_mask_input.h"

namespace pekto {
namespace {

constexpr const char* kEmptyFieldText = "&Eintrag entfernen";

std::u32string DigitsOf(std::string_view digits) { return std::u32string(digits.begin(), digits.end()); }

void AddLines(std::vector<PopupEntry>& entries, const std::vector<std::string_view>& lines) {
  for (const std::string_view line : lines) entries.push_back({std::string(line), 0, false, false, true});
}

}  // namespace

FieldInputRule FieldInputRuleOf(MaskField field) {
  const MaskFieldSpec& spec = SpecOf(field);
  const std::u32string digits(kDigitKeys);
  switch (spec.allowed) {
    case AllowedKeys::Digits:
      return {digits, spec.max_length};
    case AllowedKeys::LettersAndDigits:
      return {std::u32string(kLetterKeys) + digits, spec.max_length};
    case AllowedKeys::DigitsComma:
      return {digits + U",", spec.max_length};
    case AllowedKeys::DigitsCommaMinus:
      return {digits + U",-", spec.max_length};
    case AllowedKeys::KeyList:
      return {DigitsOf(spec.key_digits), spec.max_length};
  }
  return {digits, spec.max_length};
}

bool HasKeyDirectory(MaskField field) { return KeyDirectoryOf(field, MaskFields{}).has_value(); }

std::vector<PopupEntry> KeyFieldHelpChoice() {
  return {{"&Schlüsselverzeichnis zum Eingabefeld anzeigen", kShowKeyDirectoryCommand},
          {"&Erläuterung zum Eingabefeld anzeigen", kShowFieldExplanationCommand}};
}

std::vector<PopupEntry> KeyDirectoryEntries(const KeyDirectory& directory) {
  std::vector<PopupEntry> entries;
  AddLines(entries, directory.heading);
  if (!directory.heading.empty() && !directory.entries.empty()) entries.push_back({"", 0, true, true});
  for (const KeyEntry& entry : directory.entries) {
    const auto command = CommandOfEntry(directory.field, entry.key);
    entries.push_back({std::string(entry.text), command.value_or(0), command.has_value(), false});
  }
  AddLines(entries, directory.notes);
  if (!directory.entries.empty()) {
    entries.push_back({"", 0, true, true});
    entries.push_back({kEmptyFieldText, kEmptyFieldCommand, true, false});
  }
  return entries;
}

}  // namespace pekto
