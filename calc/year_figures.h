// The year figures that the tax and the contributions on a one-off payment
// need, formed on the main mask from the employee's stored year totals and
// the current month: the expected taxable annual income and the accumulated
// contribution bases and days. The messages and questions of the command
// are returned as data; the dialog shows them in this order:
//   1. YearFiguresIntroduction (question; No cancels)
//   2. YearFiguresRefusal (information; ends the command)
//   3. ClosedPeriodQuestion (question; No cancels)
//   4. FormYearFigures
#pragma once

#include <optional>
#include <string>

#include "record/annual_block.h"
#include "record/dialog_message.h"
#include "record/employee_record.h"
#include "calc/year_parameters.h"

namespace pekto {

[[nodiscard]] DialogMessage YearFiguresIntroduction();
[[nodiscard]] std::optional<DialogMessage> YearFiguresRefusal(const MaskFields& mask);

// Whether the accounting period of the mask has already been summed into
// the annual figures.
[[nodiscard]] bool PeriodAlreadyClosed(const MaskFields& mask, const AnnualBlock& annual);
[[nodiscard]] std::optional<DialogMessage> ClosedPeriodQuestion(const MaskFields& mask, const AnnualBlock& annual);

// Writes the expected annual income and the accumulated bases and days
// into the mask fields.
void FormYearFigures(MaskFields& mask, const AnnualBlock& annual, const YearParameters& params);

// The second command: asks when the period was closed, then clears the
// year-figure fields.
[[nodiscard]] std::optional<DialogMessage> RemovalClosedPeriodQuestion(const MaskFields& mask,
                                                                       const AnnualBlock& annual);
void RemoveYearFigures(MaskFields& mask);

// A stored annual value: whole cents (or days) as text; a text with a comma
// is read as a typed amount; empty or not a number is 0.
[[nodiscard]] std::int64_t AnnualValue(const AnnualBlock& annual, int slot);

// The period "MMJJ" of the last summation (slot 49: its first two and its
// last two characters); empty when none is stored.
[[nodiscard]] std::string LastSummationPeriod(const AnnualBlock& annual);

// The days of the year before the date of entry (TTMMJJ) when the employee
// entered in the accounting year, else 0.
[[nodiscard]] int DaysBeforeEntry(std::string_view entry_date, int accounting_year);

}  // namespace pekto
