#include "app/checks/amount_format.h"

namespace pekto {
namespace {

// More digits than any mask field holds; longer texts (from a damaged file
// or the command line) are refused instead of overflowing.
constexpr int kMaxWholeDigits = 13;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int DecimalsOf(MaskField field) {
  return field == MaskField::ChildAllowances ? kChildAllowanceDecimals : kAmountDecimals;
}

std::optional<std::int64_t> ParseMaskAmount(std::string_view text, int decimals) {
  if (text.empty()) return 0;
  const bool negative = text.front() == '-';
  if (negative) text.remove_prefix(1);

  const auto comma = text.find(',');
  if (comma == std::string_view::npos || comma == 0 || comma > static_cast<std::size_t>(kMaxWholeDigits)) {
    return std::nullopt;
  }
  const std::string_view whole = text.substr(0, comma);
  const std::string_view fraction = text.substr(comma + 1);
  if (fraction.size() != static_cast<std::size_t>(decimals)) return std::nullopt;

  std::int64_t value = 0;
  for (const std::string_view part : {whole, fraction}) {
    for (const char c : part) {
      if (!IsDigit(c)) return std::nullopt;  // also a second "-" or ","
      value = value * 10 + (c - '0');
    }
  }
  if (value == 0) return std::nullopt;
  return negative ? -value : value;
}

}  // namespace pekto
