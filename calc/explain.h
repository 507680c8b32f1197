// Collects the working values of a calculation run as German text lines
// for the payroll clerk ("Jahresarbeitslohn: 36000,00 EUR"). Costs nothing
// when no one asked for an explanation.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/decimal.h"
#include "calc/money.h"

namespace pekto {

struct MonthlyWageTax;
struct MonthlyWageTaxInput;

class Explainer {
 public:
  explicit Explainer(std::vector<std::string>* lines) : lines_(lines) {}

  [[nodiscard]] bool Active() const { return lines_ != nullptr; }
  void Section(std::string_view title);
  void Note(std::string_view text);
  void Amount(std::string_view label, Cents amount);
  void Euros(std::string_view label, const Decimal& euros);
  void Value(std::string_view label, std::string_view value);

 private:
  std::vector<std::string>* lines_;
};

// A euro value with a decimal comma and two decimals, cut toward zero.
[[nodiscard]] std::string EuroText(const Decimal& euros);

void ExplainWageTax(Explainer& explain, const MonthlyWageTax& tax, const MonthlyWageTaxInput& input);

}  // namespace pekto
