#include "tools/mask_input.h"

#include <algorithm>

#include "app/mask/main_mask_input.h"
#include "ui/input_filter.h"

namespace pekto {
namespace {

// Length in characters of a UTF-8 text.
std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string AllowedCharactersText(const MaskFieldSpec& spec) {
  switch (spec.allowed) {
    case AllowedKeys::Digits:
      return "nur Ziffern erlaubt";
    case AllowedKeys::LettersAndDigits:
      return "nur Buchstaben und Ziffern erlaubt";
    case AllowedKeys::DigitsComma:
      return "nur Ziffern und Komma erlaubt";
    case AllowedKeys::DigitsCommaMinus:
      return "nur Ziffern, Komma und Minus erlaubt";
    case AllowedKeys::KeyList: {
      std::string keys;
      for (const char k : spec.key_digits) keys += std::string(keys.empty() ? "" : ", ") + k;
      return "nur die Schlüssel " + keys + " erlaubt";
    }
  }
  return "Zeichen nicht erlaubt";
}

// Refuses only what the mask's input filter would never let into the field:
// a character outside its set, or more characters than the field holds.
// Everything else is the input checks' to judge, with their own messages.
std::optional<std::string> CheckValue(MaskField field, std::string_view value) {
  if (value.empty()) return std::nullopt;
  const MaskFieldSpec& spec = SpecOf(field);
  const FieldInputRule rule = FieldInputRuleOf(field);
  if (CharacterCount(value) > static_cast<std::size_t>(spec.max_length)) {
    return "höchstens " + std::to_string(spec.max_length) + " Zeichen erlaubt";
  }
  if (!TextObeysRule(rule, value)) return AllowedCharactersText(spec);
  return std::nullopt;
}

}  // namespace

std::optional<FieldError> SetMaskField(EmployeeRecord& record, std::string_view name, std::string_view value) {
  const auto field = FieldByName(name);
  if (!field) return FieldError{std::string(name), "Unbekanntes Feld \"" + std::string(name) + "\""};
  const MaskFieldSpec& spec = SpecOf(*field);
  if (auto problem = CheckValue(*field, value)) {
    return FieldError{std::string(name), "Feld " + std::string(name) + " (" + std::string(spec.label) +
                                             "): \"" + std::string(value) + "\" - " + *problem};
  }
  record.mask_fields[*field] = std::string(value);
  return std::nullopt;
}

}  // namespace pekto
