#include "calc/money.h"

#include <cstdlib>

namespace pekto {

Cents RoundHalfAwayFromZero(const Decimal& cents) {
  return Cents(cents.ToInt64(Rounding::HalfAwayFromZero));
}

Cents RoundHalfToEven(const Decimal& cents) { return Cents(cents.ToInt64(Rounding::HalfEven)); }

Cents TruncateCents(const Decimal& cents) { return Cents(cents.ToInt64(Rounding::Down)); }

Cents ToCentsTruncating(const Decimal& euros) {
  static const Decimal kEpsilon = Decimal::FromScaled(5, 5);
  return Cents((euros * Decimal::FromInt(100) + kEpsilon).ToInt64(Rounding::Floor));
}

Decimal TruncateToTwoDecimals(const Decimal& euros) { return euros.SetScale(2, Rounding::Down); }

Cents RoundUpToFive(const Decimal& cents) {
  const Decimal fives = cents.Divide(Decimal::FromInt(5), 0, Rounding::Up);
  return Cents(fives.ToInt64(Rounding::Down) * 5);
}

std::optional<Cents> ParseAmount(std::string_view text) {
  if (text.empty()) return Cents(0);
  bool negative = false;
  std::size_t i = 0;
  if (text[0] == '-') {
    negative = true;
    i = 1;
  }
  std::int64_t euros = 0;
  int euro_digits = 0;
  for (; i < text.size() && text[i] != ','; ++i) {
    if (text[i] < '0' || text[i] > '9' || euro_digits >= 13) return std::nullopt;
    euros = euros * 10 + (text[i] - '0');
    ++euro_digits;
  }
  std::int64_t cents = 0;
  if (i < text.size()) {  // at the comma
    ++i;
    const std::size_t decimals = text.size() - i;
    if (decimals < 1 || decimals > 2) return std::nullopt;
    for (std::size_t k = 0; k < 2; ++k) {
      int digit = 0;
      if (k < decimals) {
        const char c = text[i + k];
        if (c < '0' || c > '9') return std::nullopt;
        digit = c - '0';
      }
      cents = cents * 10 + digit;
    }
  } else if (euro_digits == 0) {
    return std::nullopt;  // a lone "-"
  }
  const std::int64_t total = euros * 100 + cents;
  return Cents(negative ? -total : total);
}

Cents AmountOrZero(std::string_view text) { return ParseAmount(text).value_or(Cents(0)); }

std::int64_t IntegerOrZero(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);  // right-aligned day counts (" 30")
  if (text.empty() || text.size() > 15) return 0;
  std::int64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return 0;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string FormatAmount(Cents amount) {
  const std::int64_t value = amount.Value();
  const std::uint64_t magnitude =
      value < 0 ? static_cast<std::uint64_t>(-(value + 1)) + 1 : static_cast<std::uint64_t>(value);
  std::string text = std::to_string(magnitude / 100) + ",";
  const auto cents = magnitude % 100;
  text += static_cast<char>('0' + cents / 10);
  text += static_cast<char>('0' + cents % 10);
  return value < 0 ? "-" + text : text;
}

}  // namespace pekto
