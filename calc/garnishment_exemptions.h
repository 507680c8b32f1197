// The amounts of § 850c ZPO that keep pay free from garnishment, for pay by
// the month, the week and the working day, per table period of the
// Pfändungsfreigrenzenbekanntmachungen.
#pragma once

#include <span>
#include <string_view>

#include "calc/money.h"

namespace pekto {

// The amounts of § 850c ZPO for one unit of pay.
struct ExemptAmounts {
  Cents base;               // the debtor alone
  Cents first_dependant;    // increase for the first dependant
  Cents further_dependant;  // increase for each of the second to fifth
  Cents upper_limit;        // pay above it is garnishable in full
};

struct GarnishmentExemptions {
  std::string_view valid_from;  // MMYYYY, as GarnishmentTable::ValidFrom
  ExemptAmounts monthly;
  ExemptAmounts weekly;
  ExemptAmounts daily;  // per working day, a fifth of the weekly amounts
};

[[nodiscard]] std::span<const GarnishmentExemptions> AllGarnishmentExemptions();
// The amounts of the table period that starts at `valid_from`; nullptr when
// none is known.
[[nodiscard]] const GarnishmentExemptions* FindGarnishmentExemptions(std::string_view valid_from);

// The exempt amount for a number of dependants; five or more count as five.
[[nodiscard]] Cents ExemptAmount(const ExemptAmounts& amounts, int dependants);

}  // namespace pekto
