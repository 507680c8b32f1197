// Whole cents as one value type, the named roundings of the payroll rules
// and the amount texts of the mask ("1234,56").
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/decimal.h"

namespace pekto {

class Cents {
 public:
  constexpr Cents() = default;
  constexpr explicit Cents(std::int64_t value) : value_(value) {}

  [[nodiscard]] constexpr std::int64_t Value() const { return value_; }
  [[nodiscard]] constexpr bool IsZero() const { return value_ == 0; }
  [[nodiscard]] Decimal ToDecimal() const { return Decimal::FromInt(value_); }
  [[nodiscard]] Decimal ToEuros() const { return Decimal::FromCents(value_); }

  constexpr Cents operator+(Cents other) const { return Cents(value_ + other.value_); }
  constexpr Cents operator-(Cents other) const { return Cents(value_ - other.value_); }
  constexpr Cents operator-() const { return Cents(-value_); }
  constexpr Cents& operator+=(Cents other) {
    value_ += other.value_;
    return *this;
  }
  constexpr Cents& operator-=(Cents other) {
    value_ -= other.value_;
    return *this;
  }
  constexpr auto operator<=>(const Cents&) const = default;

 private:
  std::int64_t value_ = 0;
};

inline void PrintTo(const Cents& value, std::ostream* os) { *os << value.Value() << " ct"; }

[[nodiscard]] constexpr Cents Max(Cents a, Cents b) { return a < b ? b : a; }
[[nodiscard]] constexpr Cents Min(Cents a, Cents b) { return b < a ? b : a; }

// Contributions and capped bases: a cent value with fractions, halves away
// from zero.
[[nodiscard]] Cents RoundHalfAwayFromZero(const Decimal& cents);
// Levies: halves to the even cent.
[[nodiscard]] Cents RoundHalfToEven(const Decimal& cents);
// Cuts a cent value with fractions toward zero.
[[nodiscard]] Cents TruncateCents(const Decimal& cents);
// Tax amounts: euros to cents by multiplying by 100, adding 0.00005 and
// rounding down.
[[nodiscard]] Cents ToCentsTruncating(const Decimal& euros);
// Cuts a euro amount after the second decimal, toward zero.
[[nodiscard]] Decimal TruncateToTwoDecimals(const Decimal& euros);
// Tax-card amounts: away from zero to the next multiple of 5 cents.
[[nodiscard]] Cents RoundUpToFive(const Decimal& cents);

// Parses a typed amount: optional "-", digits, optionally "," and one or
// two decimals ("1234,56", "-12,3", "500"). Empty text is 0. Anything else
// is not an amount.
[[nodiscard]] std::optional<Cents> ParseAmount(std::string_view text);
// The engine's reading of an amount text: what is not an amount counts 0.
[[nodiscard]] Cents AmountOrZero(std::string_view text);
// Whole number from a text of digits (days, keys, years), leading blanks
// skipped (" 30", as the booking evaluation writes day counts); else 0.
[[nodiscard]] std::int64_t IntegerOrZero(std::string_view text);

// "1234,56", "-0,05"; always two decimals.
[[nodiscard]] std::string FormatAmount(Cents amount);

}  // namespace pekto
