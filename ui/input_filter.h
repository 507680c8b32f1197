// The input filter of the message loop: every key typed into a field is
// classified before the field sees it. Control keys (codes 0 to 32, among
// them the blank, and the comma key) always pass; any other character only
// when the field allows it; a printable character is refused when the field
// is full.
#pragma once

#include <string>
#include <string_view>

namespace pekto {

struct FieldInputRule {
  std::u32string allowed;  // empty: every character
  int max_length = 0;      // 0: no limit
  bool operator==(const FieldInputRule&) const = default;
};

enum class KeyVerdict { Pass, Refuse };

// The character classes the masks are made of.
inline constexpr std::u32string_view kDigitKeys = U"0123456789";
inline constexpr std::u32string_view kLetterKeys = U"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyzÄÖÜäöüß";

[[nodiscard]] bool IsControlKey(char32_t c);
[[nodiscard]] bool IsAlwaysPassing(char32_t c);  // control keys, blank, comma

// `typed` is the character a key produces (0 for keys without one, such as
// the arrows); the numeric keypad produces the same digits as the main keys.
[[nodiscard]] KeyVerdict FilterKey(const FieldInputRule& rule, char32_t typed, int text_length, int selected_length);

// Whether a whole text (pasted, or set by the program) obeys the rule.
[[nodiscard]] bool TextObeysRule(const FieldInputRule& rule, std::string_view text);

}  // namespace pekto
