#include "platform/code_page.h"

#include <array>
#include <optional>

#include "platform/utf8.h"

namespace pekto {

namespace {

using HighHalf = std::array<char16_t, 128>;

// Windows-1252, bytes 0x80..0xFF.
constexpr HighHalf kCp1252 = [] {
  HighHalf table{};
  constexpr char16_t k80[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  for (int i = 0; i < 32; ++i) table[static_cast<std::size_t>(i)] = k80[i];
  for (int i = 32; i < 128; ++i) table[static_cast<std::size_t>(i)] = static_cast<char16_t>(0x80 + i);
  return table;
}();

// DOS code page 437, bytes 0x80..0xFF, with the box-drawing characters.
constexpr HighHalf kCp437 = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C,
    0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320,
    0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0};

struct UmlautByte {
  char32_t character;
  unsigned char dos_byte;
};
constexpr std::array<UmlautByte, 6> kDosUmlauts = {{
    {U'ä', 0x84},
    {U'ö', 0x94},
    {U'ü', 0x81},
    {U'Ä', 0x8E},
    {U'Ö', 0x99},
    {U'Ü', 0x9A},
}};

std::string Decode(std::string_view bytes, const HighHalf& table) {
  std::string out;
  out.reserve(bytes.size());
  for (char ch : bytes) {
    const auto byte = static_cast<unsigned char>(ch);
    AppendUtf8(out, byte < 0x80 ? char32_t{byte} : char32_t{table[byte - 0x80u]});
  }
  return out;
}

std::optional<unsigned char> EncodeOne(char32_t c, const HighHalf& table) {
  if (c < 0x80) return static_cast<unsigned char>(c);
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i] == c) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

std::string Encode(std::string_view text, const HighHalf& table) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    const auto byte = EncodeOne(NextCodePoint(text, pos), table);
    out.push_back(byte ? static_cast<char>(*byte) : '?');
  }
  return out;
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) { return Decode(bytes, kCp1252); }
std::string Cp437ToUtf8(std::string_view bytes) { return Decode(bytes, kCp437); }
std::string Utf8ToCp1252(std::string_view text) { return Encode(text, kCp1252); }
std::string Utf8ToCp437(std::string_view text) { return Encode(text, kCp437); }

bool IsRepresentableInCp1252(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    if (!EncodeOne(NextCodePoint(text, pos), kCp1252)) return false;
  }
  return true;
}

std::string DosUmlautsToUtf8(std::string_view bytes) {
  std::string out;
  for (char ch : bytes) {
    const auto byte = static_cast<unsigned char>(ch);
    char32_t c = byte < 0x80 ? char32_t{byte} : char32_t{kCp1252[byte - 0x80u]};
    for (const auto& umlaut : kDosUmlauts) {
      if (umlaut.dos_byte == byte) c = umlaut.character;
    }
    AppendUtf8(out, c);
  }
  return out;
}

std::string Utf8ToDosUmlauts(std::string_view text) {
  std::string out;
  for (std::size_t pos = 0; pos < text.size();) {
    const char32_t c = NextCodePoint(text, pos);
    std::optional<unsigned char> byte;
    for (const auto& umlaut : kDosUmlauts) {
      if (umlaut.character == c) byte = umlaut.dos_byte;
    }
    if (!byte) byte = EncodeOne(c, kCp1252);
    out.push_back(byte ? static_cast<char>(*byte) : '?');
  }
  return out;
}

}  // namespace pekto
