// A valid month of an ordinary employee in Hessen, March 2024, and the
// inputs of the checks built from it, for the input-check tests.
#pragma once

#include <initializer_list>
#include <memory>
#include <string_view>
#include <utility>

#include "app/checks/input_checks.h"

namespace pekto::testing {

using Change = std::pair<MaskField, std::string_view>;

inline MaskFields ValidMask(std::initializer_list<Change> changes = {}) {
  using F = MaskField;
  MaskFields mask;
  for (const auto& [field, text] : std::initializer_list<Change>{{F::BirthDate, "15061985"},
                                                                 {F::FileName, "MAIER"},
                                                                 {F::KvKey, "1"},
                                                                 {F::RvKey, "1"},
                                                                 {F::AvKey, "1"},
                                                                 {F::PvKey, "1"},
                                                                 {F::KvRate, "16,30"},
                                                                 {F::Period, "0324"},
                                                                 {F::StateCode, "08"},
                                                                 {F::TaxClass, "1"},
                                                                 {F::TaxDays, "30"},
                                                                 {F::TaxableGross, "3000,00"},
                                                                 {F::SvDays, "30"},
                                                                 {F::SvGross, "3000,00"},
                                                                 {F::GrossTotal, "3000,00"}}) {
    mask[field] = std::string(text);
  }
  for (const auto& [field, text] : changes) mask[field] = std::string(text);
  return mask;
}

// The mask with the year parameters of its own period, as the main mask
// passes them.
struct CheckedMonth {
  explicit CheckedMonth(MaskFields fields)
      : mask(std::move(fields)), params(LoadYearParameters(YearParameterInputsOf(mask))) {}

  [[nodiscard]] CheckInputs Inputs() const { return {mask, params, bookings, {kProgramVersion, "0000 000000"}}; }

  MaskFields mask;
  YearParameters params;
  std::optional<std::vector<BookedWageType>> bookings;
};

}  // namespace pekto::testing
