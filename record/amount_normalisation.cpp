#include "record/amount_normalisation.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace pekto {
namespace {

constexpr std::array<int, 26> kAmountSlots = {5,  9,  13, 15, 17, 19, 20, 22, 24, 28, 29, 31, 34,
                                              41, 44, 45, 46, 47, 52, 53, 54, 85, 87, 89, 90, 91};
constexpr int kChildAllowanceSlot = 4;

std::string Replace(std::string text, char from, char to) {
  std::replace(text.begin(), text.end(), from, to);
  return text;
}

}  // namespace

bool IsAmountSlot(int slot) {
  return std::find(kAmountSlots.begin(), kAmountSlots.end(), slot) != kAmountSlots.end();
}

std::string AmountTextToCents(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  text.remove_prefix(first);
  const auto comma = text.find(',');
  if (comma == std::string_view::npos) return std::string(text);
  // Two decimals: a single typed decimal is padded rather than letting the
  // comma itself slip into the stored digits.
  std::string decimals(text.substr(comma + 1, 2));
  decimals.resize(2, '0');
  std::string joined = std::string(text.substr(0, comma)) + decimals;
  if (joined.rfind("00", 0) == 0) joined.erase(0, 1);
  return joined;
}

std::string CentsTextToAmount(std::string_view text) {
  if (text.empty() || text.find(',') != std::string_view::npos) return std::string(text);
  const bool negative = text.front() == '-';
  const std::string_view digits = negative ? text.substr(1) : text;
  if (digits.empty() || digits.size() > 17 ||
      !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return std::string(text);
  }
  std::uint64_t cents = 0;
  for (const char c : digits) cents = cents * 10 + static_cast<std::uint64_t>(c - '0');
  std::string result = std::to_string(cents / 100) + ",";
  result += static_cast<char>('0' + cents % 100 / 10);
  result += static_cast<char>('0' + cents % 10);
  return negative ? "-" + result : result;
}

void NormaliseForStorage(MonthRecord& record) {
  for (const int slot : kAmountSlots) {
    auto& text = record[static_cast<std::size_t>(slot)];
    text = AmountTextToCents(text);
  }
  auto& children = record[kChildAllowanceSlot];
  children = Replace(children, ',', '.');
}

void RestoreForDisplay(MonthRecord& record) {
  for (const int slot : kAmountSlots) {
    auto& text = record[static_cast<std::size_t>(slot)];
    text = CentsTextToAmount(text);
  }
  auto& children = record[kChildAllowanceSlot];
  children = Replace(children, '.', ',');
}

}  // namespace pekto
