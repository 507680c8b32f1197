// The table of the input checks: number, field, condition and message of
// each check in the order they run. Conditions are small named functions
// (app/checks/check_conditions.h); messages are the program's texts with CR LF
// between their lines and a few placeholders filled when a check fails.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "record/employee_record.h"
#include "record/mask_fields.h"
#include "calc/year_parameters.h"

namespace pekto {

// What the conditions read: the mask texts, the year parameters of the
// period and the period, derived once.
struct CheckContext {
  CheckContext(const MaskFields& mask_fields, const YearParameters& year_parameters);

  const MaskFields& mask;
  const YearParameters& params;
  int period_yyyymm = 0;  // 0 unless the period is "MMJJ" with a month 01..12
  int year = 0;           // 20JJ of a valid period, else 0

  [[nodiscard]] const std::string& operator[](MaskField field) const { return mask[field]; }
  // Whether the period is valid and earlier than YYYYMM.
  [[nodiscard]] bool PeriodBefore(int yyyymm) const { return period_yyyymm != 0 && period_yyyymm < yyyymm; }
};

// A condition gets the check's own field, so that one function serves
// every check of the same kind (the amount formats, the key lists).
using CheckCondition = bool (*)(const CheckContext&, MaskField);

struct InputCheck {
  int number;
  MaskField field;
  CheckCondition fails;
  std::string_view message;
};

// Placeholders in the messages.
inline constexpr std::string_view kYearPlaceholder = "{Jahr}";
inline constexpr std::string_view kYearRangePlaceholder = "{Jahre}";
inline constexpr std::string_view kTelephonePlaceholder = "{Telefon}";
inline constexpr std::string_view kKeyPlaceholder = "{Schluessel}";
inline constexpr std::string_view kOtherPayLimitPlaceholder = "{Grenze}";

[[nodiscard]] std::span<const InputCheck> InputCheckTable();

}  // namespace pekto
