// The input checks that run before the monthly calculation: the 103 checks
// of the main mask's 60 texts in their fixed order (the first failing check
// stops the calculation and names the field that gets the focus), then the
// warnings, which ask Yes/No or show a message. Results are data; the main
// mask shows them as message boxes, pekto-calc prints them.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "record/dialog_message.h"
#include "record/employee_record.h"
#include "record/mask_fields.h"
#include "calc/money.h"
#include "calc/year_parameters.h"

namespace pekto {

inline constexpr std::string_view kProgramVersion = "4.03";

struct ProgramIdentity {
  std::string_view version = kProgramVersion;
  std::string_view vendor_telephone;  // ends the message about a missing year
};

// One booked line of the month by the name of its wage type, for the
// warnings about the energy-price allowance ("EG-Pauschale").
struct BookedWageType {
  std::string name;
  Cents total;
};

struct CheckInputs {
  const MaskFields& mask;
  // The parameters of the mask's period: LoadYearParameters of
  // YearParameterInputsOf(mask).
  const YearParameters& params;
  // The month's bookings when it is calculated after evaluating the booking
  // mask; without them the warnings about booked wage types are not asked.
  std::optional<std::vector<BookedWageType>> bookings{};
  ProgramIdentity program{};
};

// The fields of the mask that the year parameters depend on.
[[nodiscard]] YearParameterInputs YearParameterInputsOf(const MaskFields& mask);

// After the 103 checks: a text that no typing could have put into its field
// (characters outside the field's input filter, or too long), as a value
// from a file can be.
inline constexpr int kUntypeableFieldCheck = 104;

[[nodiscard]] DialogMessage UntypeableFieldMessage(MaskField field);

struct CheckFailure {
  int number = 0;  // 1..103, or kUntypeableFieldCheck
  MaskField focus = MaskField::BirthDate;
  DialogMessage message;  // "Eingabe Fehler !", exclamation icon
};

enum class InputWarningId {
  FlatTaxLimitExceeded,
  FlatTaxWithSocialInsurance,
  EnergyAllowanceFlatTaxWithoutFlatTax,
  EnergyAllowanceTaxClassWithoutTaxClass,
  EnergyAllowanceTaxClassAmount,
  EnergyAllowanceNotBooked,
  EnergyAllowanceOutsidePeriod,
};

// Which answer stops the calculation. A box without a question (OK only)
// always stops it.
enum class WarningStop { OnNo, OnYes, Always };

struct InputWarning {
  InputWarningId id = InputWarningId::FlatTaxLimitExceeded;
  DialogMessage message;  // "Kontrolle"; question (Yes/No) or exclamation (OK)
  WarningStop stop = WarningStop::OnNo;
  std::optional<MaskField> focus;  // where the focus goes when the calculation stops

  [[nodiscard]] bool IsQuestion() const { return stop != WarningStop::Always; }
  // Whether the calculation stops after this answer (true = Yes).
  [[nodiscard]] bool StopsAfter(bool answered_yes) const;
};

// The answer that lets the calculation go on, for callers without a user
// (pekto-calc): Yes, except for a question whose Yes stops.
[[nodiscard]] bool ContinuingAnswer(const InputWarning& warning);

// The first failing check, or nothing when all 103 pass.
[[nodiscard]] std::optional<CheckFailure> FirstFailingCheck(const CheckInputs& inputs);
// The numbers of every check whose condition holds, in order.
[[nodiscard]] std::vector<int> FailingCheckNumbers(const CheckInputs& inputs);
// The warnings that apply, in the order they are asked. They are asked only
// when no check fails.
[[nodiscard]] std::vector<InputWarning> ApplicableWarnings(const CheckInputs& inputs);

struct CheckOutcome {
  std::optional<CheckFailure> failure;
  std::optional<InputWarning> stopped_by;  // the warning whose answer stopped
  std::vector<InputWarning> passed;        // warnings answered so that the run goes on

  [[nodiscard]] bool MayCalculate() const { return !failure && !stopped_by; }
};

// Answers a warning: true for Yes. Boxes without a question are passed too
// (their answer is ignored) so that the caller shows them.
using WarningResponder = std::function<bool(const InputWarning&)>;

// The checks, then the warnings one by one until an answer stops.
[[nodiscard]] CheckOutcome RunInputChecks(const CheckInputs& inputs, const WarningResponder& respond);

// "2020 - 2024" for version "4.01": the five accounting years a program
// version calculates ("3.98" 2017 - 2021 ... "4.17" 2036 - 2040), except
// this release "4.03", which calculates the seven years of its tables
// "2020 - 2026"; empty for a version outside that table.
[[nodiscard]] std::string SupportedYearsText(std::string_view version);

// The check table as the dialogs and tests see it.
struct InputCheckInfo {
  int number;
  MaskField field;
};
[[nodiscard]] std::vector<InputCheckInfo> InputCheckList();

}  // namespace pekto
