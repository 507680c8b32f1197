// Exact decimal working values of the wage-tax flow chart: a 128-bit
// mantissa with a decimal scale, rounded only where a step says so.
#pragma once

#include <array>
#include <compare>
#include <ostream>
#include <cstdint>
#include <string>
#include <string_view>

namespace pekto {

// 128-bit integers are a GCC/Clang extension; __extension__ keeps
// -Wpedantic quiet about them.
__extension__ typedef __int128 Int128;

// How a value is brought to fewer decimals. The names follow the flow
// chart's wording: Down cuts toward zero, Up rounds away from zero.
enum class Rounding {
  Down,          // toward zero (the chart's ROUND_DOWN)
  Up,            // away from zero (the chart's ROUND_UP)
  Floor,         // toward minus infinity
  HalfAwayFromZero,
  HalfEven,
};

namespace detail {
constexpr std::array<Int128, 39> MakePowersOfTen() {
  std::array<Int128, 39> powers{};
  powers[0] = 1;
  for (std::size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 10;
  return powers;
}
inline constexpr std::array<Int128, 39> kPow10 = MakePowersOfTen();
}  // namespace detail

class Decimal {
 public:
  constexpr Decimal() = default;

  [[nodiscard]] static constexpr Decimal FromInt(std::int64_t value) { return Decimal(value, 0); }
  [[nodiscard]] static constexpr Decimal FromCents(std::int64_t cents) { return Decimal(cents, 2); }
  [[nodiscard]] static constexpr Decimal FromScaled(std::int64_t mantissa, int scale) {
    return Decimal(mantissa, scale);
  }
  // Parses "123", "-0.0755", "0.07550000000000001". Returns 0 for text that
  // is not a plain decimal number.
  [[nodiscard]] static Decimal Parse(std::string_view text);

  [[nodiscard]] Decimal SetScale(int scale, Rounding rounding) const;
  // Quotient with the given number of decimals, like the chart's
  // divide(divisor, scale, mode). Division by zero yields 0.
  [[nodiscard]] Decimal Divide(const Decimal& divisor, int scale, Rounding rounding) const;
  // Quotient of a division that terminates (by 2, 12, 100, ...); inexact
  // quotients are cut after 18 further decimals.
  [[nodiscard]] Decimal DivideExact(const Decimal& divisor) const;

  [[nodiscard]] Decimal operator+(const Decimal& other) const {
    if (scale_ == other.scale_) return Decimal(mantissa_ + other.mantissa_, scale_);
    const int scale = scale_ > other.scale_ ? scale_ : other.scale_;
    return Decimal(Widen(mantissa_, scale_, scale) + Widen(other.mantissa_, other.scale_, scale), scale);
  }
  [[nodiscard]] Decimal operator-(const Decimal& other) const { return *this + (-other); }
  [[nodiscard]] Decimal operator*(const Decimal& other) const {
    Int128 product = 0;
    if (!__builtin_mul_overflow(mantissa_, other.mantissa_, &product)) {
      return Decimal(product, scale_ + other.scale_);
    }
    return MultiplyWide(other);
  }
  [[nodiscard]] Decimal operator-() const { return Decimal(-mantissa_, scale_); }

  [[nodiscard]] std::strong_ordering operator<=>(const Decimal& other) const {
    const int scale = scale_ > other.scale_ ? scale_ : other.scale_;
    const Int128 a = Widen(mantissa_, scale_, scale);
    const Int128 b = Widen(other.mantissa_, other.scale_, scale);
    if (a < b) return std::strong_ordering::less;
    if (a > b) return std::strong_ordering::greater;
    return std::strong_ordering::equal;
  }
  [[nodiscard]] bool operator==(const Decimal& other) const {
    return (*this <=> other) == std::strong_ordering::equal;
  }

  [[nodiscard]] bool IsZero() const { return mantissa_ == 0; }
  [[nodiscard]] bool IsNegative() const { return mantissa_ < 0; }
  [[nodiscard]] bool IsPositive() const { return mantissa_ > 0; }
  [[nodiscard]] int Scale() const { return scale_; }

  // The value rounded to whole units / whole cents.
  [[nodiscard]] std::int64_t ToInt64(Rounding rounding) const;
  [[nodiscard]] std::int64_t ToCents(Rounding rounding) const;

  // Plain text with a decimal point, all stored decimals ("12.50").
  [[nodiscard]] std::string ToString() const;
  // The value with exactly `decimals` decimals, cut toward zero, and a
  // decimal point ("1234.56") - for explanations of working values.
  [[nodiscard]] std::string ToFixed(int decimals) const;

 private:
  constexpr Decimal(Int128 mantissa, int scale) : mantissa_(mantissa), scale_(scale) {}
  static Int128 Widen(Int128 mantissa, int from, int to) {
    return from == to ? mantissa : mantissa * detail::kPow10[static_cast<std::size_t>(to - from)];
  }
  [[nodiscard]] Decimal MultiplyWide(const Decimal& other) const;

  Int128 mantissa_ = 0;
  int scale_ = 0;
};

// Readable values in test failures.
inline void PrintTo(const Decimal& value, std::ostream* os) { *os << value.ToString(); }

[[nodiscard]] inline Decimal Max(const Decimal& a, const Decimal& b) { return a < b ? b : a; }
[[nodiscard]] inline Decimal Min(const Decimal& a, const Decimal& b) { return b < a ? b : a; }

}  // namespace pekto
