// The calculation of the main mask (button 1 and RETURN) without the
// screen: the input checks with their messages and warnings, the year
// figures formed first for a one-off payment that has none, the copy of
// the mask into the record, the calculation run, the amounts written back
// into the mask in comma form and the March-clause question. Every
// message and question goes through MessageBoxes.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "record/employee_record.h"
#include "app/checks/input_checks.h"
#include "calc/payroll_result.h"
#include "calc/year_parameters.h"
#include "ui/message_box.h"

namespace pekto {

struct CalculationSettings {
  ProgramIdentity program{};
  // The booked lines of the month when it is calculated after the booking
  // mask (they feed the warnings about booked wage types).
  std::optional<std::vector<BookedWageType>> bookings{};
};

struct MaskCalculation {
  bool calculated = false;
  // Where the focus goes when a check or a warning stopped the run;
  // nothing keeps it in the current field.
  std::optional<MaskField> focus;
  std::optional<PayrollResult> result;
  // The warning whose answer stopped the run.
  std::optional<InputWarningId> stopped_by;
  // False when the user answered No to the March-clause question.
  bool show_overview = false;
};

// `record.mask_fields` holds the 60 texts as on the screen; afterwards it
// holds the texts the mask shows (year figures and written-back amounts).
[[nodiscard]] MaskCalculation CalculateMask(EmployeeRecord& record, MessageBoxes& boxes,
                                            const CalculationSettings& settings = {});

// A one-off payment (SV or taxable above 0) while the accumulated fields
// 43 to 50 and the expected annual income 51 are all empty.
[[nodiscard]] bool NeedsYearFigures(const MaskFields& mask);

// The year figures as the command "Berechnungsbasis für sonstige Bezüge
// ausweisen" forms them: the introduction (No ends), a refusal, the
// question for a closed period (No ends), then the figures. True when
// they were formed.
bool AskAndFormYearFigures(MaskFields& mask, const AnnualBlock& annual, const YearParameters& params,
                           MessageBoxes& boxes);

// The amount fields that show the record's values again after a run.
inline constexpr std::array<MaskField, 12> kWrittenBackAmounts = {
    MaskField::GrossTotal,      MaskField::TaxableGross,
    MaskField::SvGross,         MaskField::SvOneOff,
    MaskField::TaxableOther,    MaskField::KvAccumAmount,
    MaskField::RvAccumAmount,   MaskField::AvAccumAmount,
    MaskField::LevyAccumAmount, MaskField::ExpectedAnnualIncome,
    MaskField::GarnishIncome,   MaskField::MidiOtherEmployerPay};

// Each of those fields gets its slot's amount with a decimal comma and two
// decimals; zero stays empty (a typed 0,00 is refused by the checks).
void WriteBackAmounts(EmployeeRecord& record);

}  // namespace pekto
