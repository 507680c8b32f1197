// The single-byte code pages of the program's files: Windows-1252 for
// ordinary texts, DOS code page 437 for the printed sheets (with their
// box-drawing frames), and the mixed form of names stored in files, which
// are Windows-1252 except for the six German umlauts at their code page 437
// positions. In memory every text is UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace pekto {

// Every byte has a code point; the five bytes that Windows-1252 leaves
// undefined map to the C1 controls of the same value, so that any file
// round-trips byte for byte.
[[nodiscard]] std::string Cp1252ToUtf8(std::string_view bytes);
[[nodiscard]] std::string Cp437ToUtf8(std::string_view bytes);

// Characters the code page lacks become "?".
[[nodiscard]] std::string Utf8ToCp1252(std::string_view text);
[[nodiscard]] std::string Utf8ToCp437(std::string_view text);
[[nodiscard]] bool IsRepresentableInCp1252(std::string_view text);

// Names in files: ä 0x84, ö 0x94, ü 0x81, Ä 0x8E, Ö 0x99, Ü 0x9A; "ß" and
// every other character as in Windows-1252.
[[nodiscard]] std::string DosUmlautsToUtf8(std::string_view bytes);
[[nodiscard]] std::string Utf8ToDosUmlauts(std::string_view text);

}  // namespace pekto
