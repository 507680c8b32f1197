#include "calc/decimal.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace pekto {
namespace {

constexpr int kMaxScale = 38;
constexpr const auto& kPow10 = detail::kPow10;

Int128 Abs(Int128 v) { return v < 0 ? -v : v; }

bool FitsInt64(Int128 v) { return v >= INT64_MIN && v <= INT64_MAX; }

// Divides numerator by a positive divisor and rounds the quotient. Most
// working values fit 64 bits, where division is much cheaper.
Int128 DivideRounded(Int128 numerator, Int128 divisor, Rounding rounding) {
  if (divisor < 0) {
    numerator = -numerator;
    divisor = -divisor;
  }
  Int128 quotient = 0;
  Int128 remainder = 0;
  if (FitsInt64(numerator) && FitsInt64(divisor)) {
    const auto n = static_cast<std::int64_t>(numerator);
    const auto d = static_cast<std::int64_t>(divisor);
    quotient = n / d;  // truncates toward zero
    remainder = n % d;
  } else {
    quotient = numerator / divisor;
    remainder = numerator % divisor;
  }
  if (remainder == 0) return quotient;
  const int sign = numerator < 0 ? -1 : 1;
  const Int128 twice = Abs(remainder) * 2;
  switch (rounding) {
    case Rounding::Down:
      return quotient;
    case Rounding::Up:
      return quotient + sign;
    case Rounding::Floor:
      return sign < 0 ? quotient - 1 : quotient;
    case Rounding::HalfAwayFromZero:
      return twice >= divisor ? quotient + sign : quotient;
    case Rounding::HalfEven:
      if (twice > divisor) return quotient + sign;
      if (twice < divisor) return quotient;
      return (quotient % 2 == 0) ? quotient : quotient + sign;
  }
  return quotient;
}

// Counts the factors 2 and 5 of a positive number and returns the rest.
Int128 SplitTwosAndFives(Int128 d, int& twos, int& fives) {
  if (FitsInt64(d)) {
    auto v = static_cast<std::int64_t>(d);
    while (v % 2 == 0) {
      v /= 2;
      ++twos;
    }
    while (v % 5 == 0) {
      v /= 5;
      ++fives;
    }
    return v;
  }
  while (d % 2 == 0) {
    d /= 2;
    ++twos;
  }
  while (d % 5 == 0) {
    d /= 5;
    ++fives;
  }
  return d;
}

}  // namespace

Decimal Decimal::Parse(std::string_view text) {
  Int128 mantissa = 0;
  int scale = 0;
  bool negative = false;
  bool seen_point = false;
  bool seen_digit = false;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.' && !seen_point) {
      seen_point = true;
      continue;
    }
    if (c < '0' || c > '9') return Decimal();
    seen_digit = true;
    if (scale >= kMaxScale - 1 || mantissa > kPow10[36]) continue;  // ignore excess digits
    mantissa = mantissa * 10 + (c - '0');
    if (seen_point) ++scale;
  }
  if (!seen_digit) return Decimal();
  return Decimal(negative ? -mantissa : mantissa, scale);
}

Decimal Decimal::SetScale(int scale, Rounding rounding) const {
  scale = std::clamp(scale, 0, kMaxScale);
  if (scale >= scale_) return Decimal(Widen(mantissa_, scale_, scale), scale);
  return Decimal(DivideRounded(mantissa_, kPow10[scale_ - scale], rounding), scale);
}

Decimal Decimal::Divide(const Decimal& divisor, int scale, Rounding rounding) const {
  if (divisor.mantissa_ == 0) return Decimal(0, scale);
  // this / divisor = (m1 / 10^s1) / (m2 / 10^s2); scaled by 10^scale:
  // m1 * 10^(scale + s2 - s1) / m2.
  int shift = scale + divisor.scale_ - scale_;
  Int128 numerator = mantissa_;
  Int128 denominator = divisor.mantissa_;
  if (shift >= 0) {
    numerator *= kPow10[std::min(shift, kMaxScale)];
  } else {
    denominator *= kPow10[std::min(-shift, kMaxScale)];
  }
  return Decimal(DivideRounded(numerator, denominator, rounding), scale);
}

Decimal Decimal::DivideExact(const Decimal& divisor) const {
  Int128 d = divisor.mantissa_;
  if (d == 0) return Decimal();
  const bool negative = d < 0;
  if (negative) d = -d;
  // A divisor of the form 2^a * 5^b divides a power of ten: the quotient is
  // the mantissa times 2^(c-a) * 5^(c-b) with c = max(a, b) more decimals.
  int twos = 0;
  int fives = 0;
  const Int128 rest = SplitTwosAndFives(d, twos, fives);
  if (rest == 1 && std::max(twos, fives) <= 18) {
    const int c = std::max(twos, fives);
    Int128 m = mantissa_;
    for (int i = twos; i < c; ++i) m *= 2;
    for (int i = fives; i < c; ++i) m *= 5;
    int scale = scale_ - divisor.scale_ + c;
    if (scale < 0) {
      m *= kPow10[-scale];
      scale = 0;
    }
    return Decimal(negative ? -m : m, scale);
  }
  const int scale = std::min(std::max(scale_, divisor.scale_) + 18, 30);
  Decimal q = Divide(divisor, scale, Rounding::Down);
  // Drop trailing zeros so that later products keep small scales.
  while (q.scale_ > 0 && q.mantissa_ % 10 == 0) {
    q.mantissa_ /= 10;
    --q.scale_;
  }
  return q;
}

Decimal Decimal::MultiplyWide(const Decimal& other) const {
  Int128 product = 0;
  // Only reachable with absurd inputs: trade far decimals for range.
  const Decimal a = SetScale(std::min(scale_, 6), Rounding::Down);
  const Decimal b = other.SetScale(std::min(other.scale_, 6), Rounding::Down);
  if (__builtin_mul_overflow(a.mantissa_, b.mantissa_, &product)) {
    const bool negative = (mantissa_ < 0) != (other.mantissa_ < 0);
    const Int128 limit = kPow10[36];
    return Decimal(negative ? -limit : limit, 0);
  }
  return Decimal(product, a.scale_ + b.scale_);
}

std::int64_t Decimal::ToInt64(Rounding rounding) const {
  return static_cast<std::int64_t>(SetScale(0, rounding).mantissa_);
}

std::int64_t Decimal::ToCents(Rounding rounding) const {
  return static_cast<std::int64_t>(SetScale(2, rounding).mantissa_);
}

std::string Decimal::ToString() const {
  const bool negative = mantissa_ < 0;
  Int128 value = Abs(mantissa_);
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
    value /= 10;
  } while (value != 0);
  if (scale_ > 0) {
    if (static_cast<int>(digits.size()) <= scale_) {
      digits.insert(0, static_cast<std::size_t>(scale_ - static_cast<int>(digits.size()) + 1), '0');
    }
    digits.insert(digits.size() - static_cast<std::size_t>(scale_), 1, '.');
  }
  return negative ? "-" + digits : digits;
}

std::string Decimal::ToFixed(int decimals) const { return SetScale(decimals, Rounding::Down).ToString(); }

}  // namespace pekto
