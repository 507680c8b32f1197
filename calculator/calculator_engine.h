// The pocket calculator's arithmetic: immediate execution in 64-bit binary
// floating point, one accumulator and one pending operator, driven by the
// keys "+", "-", "*", "/", "%", "=" and "C" together with the text of the
// input field at the moment the key is pressed. No Qt.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pekto::calculator {

// The input field read as a number, "," as the decimal separator, as far
// as it reads as one ("12,5x" is 12.5); nullopt when it holds no number
// (empty, or only letters): then the key applies nothing.
[[nodiscard]] std::optional<double> ReadEntry(std::string_view text);

// The display text: at most 15 significant digits, a decimal comma, no
// blank before a non-negative value ("0,3" for 0.1 + 0.2, "-6", "1e+20").
[[nodiscard]] std::string DisplayText(double value);

inline constexpr std::string_view kDivisionByZero = "Division durch 0";
inline constexpr std::string_view kOverflow = "Überlauf";

class CalculatorEngine {
 public:
  // Runs key `key` ('+', '-', '*', '/', '%', '=', 'C' or 'c') with the
  // input field's text; returns the new display text.
  std::string Press(char key, std::string_view input);

  [[nodiscard]] double Accumulator() const { return accumulator_; }
  [[nodiscard]] const std::string& Display() const { return display_; }

 private:
  void Apply(double entry);
  void Clear();

  double accumulator_ = 0.0;
  char pending_ = 0;   // the operator the next entry is applied with
  bool fresh_ = true;  // at start, after "C" and "=": an entry starts anew
  std::string display_ = "0";
};

}  // namespace pekto::calculator
