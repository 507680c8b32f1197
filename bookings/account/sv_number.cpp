#include "bookings/account/sv_number.h"

#include <array>

namespace pekto {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }

int TwoDigits(std::string_view text, std::size_t at) { return (text[at] - '0') * 10 + (text[at + 1] - '0'); }

bool AllDigits(std::string_view text) {
  for (const char c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

// The two-digit year leaves the century open: 29 February is accepted in
// every year divisible by four, 00 included.
int DaysInMonth(int month, int year) {
  constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && year % 4 == 0) return 29;
  return kDays[static_cast<std::size_t>(month - 1)];
}

bool IsBirthDatePart(std::string_view ttmmjj) {
  int day = TwoDigits(ttmmjj, 0);
  const int month = TwoDigits(ttmmjj, 2);
  const int year = TwoDigits(ttmmjj, 4);
  if (month > 12) return false;
  if (day == 97) day = 1;  // only the first of a month is raised by 96
  for (int raised = 0; raised < 2 && day > 31; ++raised) day -= 32;
  if (day < 0 || day > 31) return false;
  if (day == 0 || month == 0) return true;  // not known when the number was given
  return day <= DaysInMonth(month, year);
}

int DigitSum(int value) { return value / 10 + value % 10; }

}  // namespace

std::string CompactSvNumber(std::string_view text) {
  std::string compact;
  for (const char c : text) {
    if (c == ' ') continue;
    compact += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return compact;
}

std::optional<int> SvNumberCheckDigit(std::string_view compact) {
  if (compact.size() < 11 || !AllDigits(compact.substr(0, 8)) || !IsUpper(compact[8]) ||
      !AllDigits(compact.substr(9, 2))) {
    return std::nullopt;
  }
  const int letter = compact[8] - 'A' + 1;
  std::array<int, 12> digits{};
  for (std::size_t i = 0; i < 8; ++i) digits[i] = compact[i] - '0';
  digits[8] = letter / 10;
  digits[9] = letter % 10;
  digits[10] = compact[9] - '0';
  digits[11] = compact[10] - '0';
  constexpr std::array<int, 12> kWeights = {2, 1, 2, 5, 7, 1, 2, 1, 2, 1, 2, 1};
  int sum = 0;
  for (std::size_t i = 0; i < digits.size(); ++i) sum += DigitSum(digits[i] * kWeights[i]);
  return sum % 10;
}

SvNumberFault CheckSvNumber(std::string_view text) {
  const std::string number = CompactSvNumber(text);
  if (number.size() != 12) return SvNumberFault::Length;
  const std::string_view n = number;
  if (!AllDigits(n.substr(0, 2))) return SvNumberFault::AreaNumber;
  const int area = TwoDigits(n, 0);
  if (area < 2 || area > 89) return SvNumberFault::AreaNumber;
  if (!AllDigits(n.substr(2, 6)) || !IsBirthDatePart(n.substr(2, 6))) return SvNumberFault::BirthDate;
  if (!IsUpper(n[8])) return SvNumberFault::Initial;
  if (!AllDigits(n.substr(9, 2))) return SvNumberFault::SerialNumber;
  if (!IsDigit(n[11]) || SvNumberCheckDigit(n) != n[11] - '0') return SvNumberFault::CheckDigit;
  return SvNumberFault::None;
}

}  // namespace pekto
