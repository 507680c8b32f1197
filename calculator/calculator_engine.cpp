#include "calculator/calculator_engine.h"

#include <charconv>
#include <cmath>

namespace pekto::calculator {

std::optional<double> ReadEntry(std::string_view text) {
  std::string number;
  for (const char c : text) {
    if (c == ' ' && number.empty()) continue;
    number += c == ',' ? '.' : c;
  }
  double value = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (error == std::errc::result_out_of_range) return std::nullopt;
  if (error != std::errc() || end == number.data()) return std::nullopt;
  return value;
}

std::string DisplayText(double value) {
  if (value == 0.0) value = 0.0;  // no "-0"
  char buffer[64];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  std::string text = error == std::errc() ? std::string(buffer, end) : std::string("0");
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  return text;
}

// Each operator key applies the operator pending before it to the entry
// and becomes pending itself, so that "10 + 4 - 2 =" gives 12; "=" applies
// the pending operator and ends the chain: an entry after it starts a new
// calculation, an operator after it goes on with the result.
std::string CalculatorEngine::Press(char key, std::string_view input) {
  if (key == 'C' || key == 'c') {
    Clear();
    return display_;
  }
  const char applied = pending_;
  if (const auto entry = ReadEntry(input)) {
    if (fresh_ || pending_ == 0) {
      accumulator_ = *entry;
    } else {
      Apply(*entry);
    }
  }
  fresh_ = key == '=';
  if (key != '=') pending_ = key;
  if (!std::isfinite(accumulator_)) {
    const bool by_zero = applied == '/' || std::isnan(accumulator_);
    Clear();
    display_ = std::string(by_zero ? kDivisionByZero : kOverflow);
    return display_;
  }
  display_ = DisplayText(accumulator_);
  return display_;
}

void CalculatorEngine::Apply(double entry) {
  switch (pending_) {
    case '+':
      accumulator_ = entry + accumulator_;
      break;
    case '-':
      accumulator_ = accumulator_ - entry;
      break;
    case '*':
      accumulator_ = entry * accumulator_;
      break;
    case '/':
      accumulator_ = accumulator_ / entry;
      break;
    case '%':
      accumulator_ = accumulator_ / 100.0 * entry;
      break;
    default:
      accumulator_ = entry;
  }
}

void CalculatorEngine::Clear() {
  accumulator_ = 0.0;
  pending_ = 0;
  fresh_ = true;
  display_ = "0";
}

}  // namespace pekto::calculator
