#include "tools/mask_input.h"

#include <algorithm>

#include "calc/money.h"

namespace pekto {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length in characters of a UTF-8 text.
std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool IsNameText(std::string_view text) {
  static constexpr std::string_view kUmlauts[] = {"ä", "ö", "ü", "Ä", "Ö", "Ü"};
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    if (IsDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
      ++i;
      continue;
    }
    bool umlaut = false;
    for (const auto u : kUmlauts) {
      if (text.substr(i, u.size()) == u) {
        i += u.size();
        umlaut = true;
        break;
      }
    }
    if (!umlaut) return false;
  }
  return true;
}

std::optional<std::string> CheckValue(const MaskFieldSpec& spec, std::string_view value) {
  if (value.empty()) return std::nullopt;
  if (CharacterCount(value) > static_cast<std::size_t>(spec.max_length)) {
    return "höchstens " + std::to_string(spec.max_length) + " Zeichen erlaubt";
  }
  switch (spec.allowed) {
    case AllowedKeys::Digits:
      if (!std::all_of(value.begin(), value.end(), IsDigit)) return std::string("nur Ziffern erlaubt");
      return std::nullopt;
    case AllowedKeys::LettersAndDigits:
      if (!IsNameText(value)) return std::string("nur Buchstaben und Ziffern erlaubt");
      return std::nullopt;
    case AllowedKeys::DigitsComma:
      if (value.front() == '-' || !ParseAmount(value)) return std::string("kein gültiger Betrag (Format xxx,xx)");
      return std::nullopt;
    case AllowedKeys::DigitsCommaMinus:
      if (!ParseAmount(value)) return std::string("kein gültiger Betrag (Format xxx,xx)");
      return std::nullopt;
    case AllowedKeys::KeyList:
      if (value.size() != 1 || spec.key_digits.find(value.front()) == std::string_view::npos) {
        std::string keys;
        for (const char k : spec.key_digits) keys += std::string(keys.empty() ? "" : ", ") + k;
        return "nur einer der Schlüssel " + keys + " erlaubt";
      }
      return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

std::optional<FieldError> SetMaskField(EmployeeRecord& record, std::string_view name, std::string_view value) {
  const auto field = FieldByName(name);
  if (!field) return FieldError{std::string(name), "Unbekanntes Feld \"" + std::string(name) + "\""};
  const MaskFieldSpec& spec = SpecOf(*field);
  if (auto problem = CheckValue(spec, value)) {
    return FieldError{std::string(name), "Feld " + std::string(name) + " (" + std::string(spec.label) +
                                             "): \"" + std::string(value) + "\" - " + *problem};
  }
  record.mask_fields[*field] = std::string(value);
  return std::nullopt;
}

}  // namespace pekto
