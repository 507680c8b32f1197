#include "ui/input_filter.h"

#include "platform/utf8.h"

namespace pekto {

namespace {

bool IsAllowed(const FieldInputRule& rule, char32_t c) {
  return rule.allowed.empty() || IsAlwaysPassing(c) || rule.allowed.find(c) != std::u32string::npos;
}

}  // namespace

bool IsControlKey(char32_t c) { return c < 0x20 || c == 0x7F; }
bool IsAlwaysPassing(char32_t c) { return c <= 0x20 || c == 0x7F || c == U','; }

KeyVerdict FilterKey(const FieldInputRule& rule, char32_t typed, int text_length, int selected_length) {
  if (IsControlKey(typed)) return KeyVerdict::Pass;
  if (!IsAllowed(rule, typed)) return KeyVerdict::Refuse;
  if (rule.max_length > 0 && text_length - selected_length >= rule.max_length) return KeyVerdict::Refuse;
  return KeyVerdict::Pass;
}

bool TextObeysRule(const FieldInputRule& rule, std::string_view text) {
  int length = 0;
  for (std::size_t pos = 0; pos < text.size(); ++length) {
    const char32_t c = NextCodePoint(text, pos);
    if (IsControlKey(c) || !IsAllowed(rule, c)) return false;
  }
  return rule.max_length == 0 || length <= rule.max_length;
}

}  // namespace pekto
