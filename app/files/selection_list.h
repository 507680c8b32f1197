// The modes of the selection dialog "Bestand": each lists something to
// load and carries its own title.
#pragma once

#include <string_view>

namespace pekto {

enum class SelectionMode {
  WageTypes,
  Employers,
  SecurityCopies,
  DataWithIncome,
  DataWithoutIncome,
  PayslipHistory,
  AccountHistory,
};

[[nodiscard]] constexpr std::string_view SelectionTitle(SelectionMode mode) {
  switch (mode) {
    case SelectionMode::WageTypes:
      return "Vorhandene Lohnarten laden";
    case SelectionMode::Employers:
      return "Vorhandene Arbeitgeber laden";
    case SelectionMode::SecurityCopies:
      return "Sicherheitskopien laden";
    case SelectionMode::DataWithIncome:
      return "Daten mit Einkommensdaten laden";
    case SelectionMode::DataWithoutIncome:
      return "Daten ohne Einkommensdaten laden";
    case SelectionMode::PayslipHistory:
      return "Bestand zurückliegender Lohnabrechnungen";
    case SelectionMode::AccountHistory:
      return "Bestand zurückliegender Lohnkonten";
  }
  return "Bestand";
}

}  // namespace pekto
