#include "app/mask/mask_calculation.h"

#include "app/mask/message_dialogue.h"
#include "calc/march_clause.h"
#include "calc/money.h"
#include "calc/payroll_input.h"
#include "calc/payroll_run.h"
#include "calc/year_figures.h"

namespace pekto {
namespace {

using F = MaskField;

constexpr std::array<MaskField, 9> kYearFigureFields = {F::KvAccumAmount,   F::KvAccumDays,   F::RvAccumAmount,
                                                        F::RvAccumDays,     F::AvAccumAmount, F::AvAccumDays,
                                                        F::LevyAccumAmount, F::LevyAccumDays, F::ExpectedAnnualIncome};

bool Positive(std::string_view amount) { return AmountOrZero(amount) > Cents(0); }

// A warning's box: a question is answered, a plain message only shown.
bool AnswerWarning(MessageBoxes& boxes, const InputWarning& warning) {
  const bool yes = ShowDialogMessage(boxes, warning.message);
  return warning.IsQuestion() ? yes : true;
}

}  // namespace

bool NeedsYearFigures(const MaskFields& mask) {
  if (!Positive(mask[F::SvOneOff]) && !Positive(mask[F::TaxableOther])) return false;
  for (const MaskField field : kYearFigureFields) {
    if (!mask[field].empty()) return false;
  }
  return true;
}

bool AskAndFormYearFigures(MaskFields& mask, const AnnualBlock& annual, const YearParameters& params,
                           MessageBoxes& boxes) {
  if (!ShowDialogMessage(boxes, YearFiguresIntroduction())) return false;
  if (const auto refusal = YearFiguresRefusal(mask)) {
    ShowDialogMessage(boxes, *refusal);
    return false;
  }
  if (const auto question = ClosedPeriodQuestion(mask, annual); question && !ShowDialogMessage(boxes, *question)) {
    return false;
  }
  FormYearFigures(mask, annual, params);
  return true;
}

void WriteBackAmounts(EmployeeRecord& record) {
  for (const MaskField field : kWrittenBackAmounts) {
    const Cents amount = AmountOrZero(record.Slot(field));
    record.mask_fields[field] = amount.IsZero() ? std::string() : FormatAmount(amount);
  }
}

MaskCalculation CalculateMask(EmployeeRecord& record, MessageBoxes& boxes, const CalculationSettings& settings) {
  MaskCalculation outcome;
  const YearParameters params = LoadYearParameters(YearParameterInputsOf(record.mask_fields));
  const CheckInputs inputs{record.mask_fields, params, settings.bookings, settings.program};
  const CheckOutcome checked =
      RunInputChecks(inputs, [&boxes](const InputWarning& warning) { return AnswerWarning(boxes, warning); });
  if (checked.failure) {
    ShowDialogMessage(boxes, checked.failure->message);
    outcome.focus = checked.failure->focus;
    return outcome;
  }
  if (checked.stopped_by) {
    outcome.focus = checked.stopped_by->focus;
    outcome.stopped_by = checked.stopped_by->id;
    return outcome;
  }
  if (NeedsYearFigures(record.mask_fields)) {
    AskAndFormYearFigures(record.mask_fields, record.annual_block, params, boxes);
  }
  CopyMaskToRecord(record);
  PayrollResult result = RunPayroll(record, LoadYearParameters(record.month_record));
  WriteBackAmounts(record);
  outcome.calculated = true;
  outcome.show_overview =
      !result.march_clause || ShowDialogMessage(boxes, MarchClauseWarning(result.march_clause_branches));
  outcome.result = std::move(result);
  return outcome;
}

}  // namespace pekto
