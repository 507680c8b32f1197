#include "app/checks/field_text.h"

#include "platform/utf8.h"

namespace pekto {
namespace {

constexpr std::u32string_view kLetters = U"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyzÄÖÜäöüß";

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

}  // namespace

bool FieldAcceptsCharacter(MaskField field, char32_t c) {
  const MaskFieldSpec& spec = SpecOf(field);
  // The mask's input filter lets the blank and the comma into every field
  // (the booking evaluation writes day counts right-aligned, " 30"), and
  // each field's own check judges them; only the name, which becomes part
  // of a file name, is held to letters and digits.
  if ((c == U' ' || c == U',') && spec.allowed != AllowedKeys::LettersAndDigits) return true;
  switch (spec.allowed) {
    case AllowedKeys::Digits:
      return IsDigit(c);
    case AllowedKeys::LettersAndDigits:
      return IsDigit(c) || kLetters.find(c) != std::u32string_view::npos;
    case AllowedKeys::DigitsComma:
      return IsDigit(c) || c == U',';
    case AllowedKeys::DigitsCommaMinus:
      return IsDigit(c) || c == U',' || c == U'-';
    case AllowedKeys::KeyList:
      // Any digit: a key of an older year (Gleitzone key 5 before 2013)
      // comes from files, and each key field's own check judges the key.
      return IsDigit(c);
  }
  return false;
}

bool IsTypeableText(MaskField field, std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t start = pos;
    const char32_t c = NextCodePoint(text, pos);
    // U+FFFD stands for a broken sequence; no filter lets it through anyway.
    if (c == kReplacementCharacter || pos == start || !FieldAcceptsCharacter(field, c)) return false;
    if (++count > static_cast<std::size_t>(SpecOf(field).max_length)) return false;
  }
  return true;
}

std::optional<MaskField> FirstUntypeableField(const MaskFields& mask) {
  for (const MaskFieldSpec& spec : kMaskFieldTable) {
    const auto field = static_cast<MaskField>(spec.number);
    if (!IsTypeableText(field, mask[field])) return field;
  }
  return std::nullopt;
}

}  // namespace pekto
