// Closing a month into the annual figures: the month's values, taken from
// a calculation run over the saved record, are added into the summed slots
// of the AnnualBlock (record/annual_block.h says what each slot holds), and
// the block remembers the closed period and the date.
#pragma once

#include "calc/year_figures.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "record/annual_block.h"
#include "record/employee_record.h"
#include "calc/payroll_input.h"
#include "calc/payroll_result.h"
#include "calc/year_parameters.h"

namespace pekto {

// What one month adds per annual slot: cents for amounts, whole days for
// days; zero for every slot that is not summed.
struct MonthFigures {
  std::array<std::int64_t, kAnnualBlockSlots> add{};
  [[nodiscard]] std::int64_t operator[](int slot) const { return add[static_cast<std::size_t>(slot)]; }
};

[[nodiscard]] MonthFigures MonthFiguresOf(const PayrollInput& input, const PayrollResult& result,
                                          const YearParameters& params);

// Adds the month into the summed slots (cents or days as text, empty for
// zero); every other slot is left as it is.
void AddMonthFigures(AnnualBlock& annual, const MonthFigures& month);


// The slot-49 text of a closed mask period: "0524" -> "052024".
[[nodiscard]] std::string SummationPeriodText(std::string_view period_mmjj);

// A month of another calendar year than the last summation starts the
// summed slots again from 0 (entered master data stay).
[[nodiscard]] bool StartsNewYear(const AnnualBlock& annual, std::string_view period_mmjj);
void ResetSummedSlots(AnnualBlock& annual);

// Whether saving asks to close the month: the record was calculated since
// the last summation and its period differs from the last summation's.
// A period that is no valid MMJJ of a year with parameters is never closed.
[[nodiscard]] bool SummationDue(const EmployeeRecord& record);

// Closes the record's month (display form): runs the calculation over the
// record, writes its result slots, starts a new year when needed, adds the
// month, sets slot 49 to the period and slot 18 to `today` (TTMMJJ), and
// clears the calculation mark (slot 48) so that only a month calculated
// again can be closed again.
PayrollResult CloseMonth(EmployeeRecord& record, std::string_view today);

}  // namespace pekto
