// UTF-8 decoding and encoding of single code points; the in-memory texts of
// the program are UTF-8, the files are single-byte code pages.
#pragma once

#include <string>
#include <string_view>

namespace pekto {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the code point at `pos` and advances `pos`; an invalid sequence
// yields U+FFFD and consumes one byte.
[[nodiscard]] char32_t NextCodePoint(std::string_view text, std::size_t& pos);
[[nodiscard]] std::u32string DecodeUtf8(std::string_view text);
void AppendUtf8(std::string& out, char32_t code_point);
[[nodiscard]] std::string EncodeUtf8(std::u32string_view text);
// Well-formed UTF-8 (RFC 3629): no overlong forms, no surrogates, nothing
// above U+10FFFF.
[[nodiscard]] bool IsValidUtf8(std::string_view text);

// Number of code points (what a user counts as characters).
[[nodiscard]] std::size_t CodePointCount(std::string_view text);

// Upper case as the German keyboard's texts need it: a-z, the umlauts and
// the other Latin-1 letters; "ß" stays as it is.
[[nodiscard]] char32_t ToUpperGerman(char32_t c);
[[nodiscard]] std::string ToUpperGerman(std::string_view text);
// Folding for case-insensitive comparison of names (lower case).
[[nodiscard]] char32_t FoldCase(char32_t c);
[[nodiscard]] std::string FoldCase(std::string_view text);

}  // namespace pekto
