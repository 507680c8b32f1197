// The contents of the results overview "Sec1Dialog" ("Ihre
// Abrechnungsergebnisse in der Übersicht") without the screen: the text of
// every cell by its control id (nothing for zero, euros with a decimal
// comma otherwise), the captions of the flat-rate taxes and the note by the
// way the calculation was started.
#pragma once

#include <map>
#include <string>

#include "calc/payroll_result.h"

namespace pekto {

namespace overview_control {
// The statutory deductions: rows "Laufende AN", "Laufende AG", "Sonstige
// AN", "Sonstige AG" (0..3), columns "Lohnsteuer" .. "PV-Beitr." (0..7).
// The employer rows have no tax columns.
[[nodiscard]] constexpr int Grid(int row, int column) { return 401 + 10 * row + column; }
inline constexpr int kFirstEmployeeCell = 441;    // "Bruttolohn" .. "Ausbezahlt", 8 cells
inline constexpr int kFirstEmployerCell = 451;    // "Bruttolohn" .. "Gesamt", 9 cells
inline constexpr int kFirstCorrectionCell = 461;  // 5 cells
inline constexpr int kFlatWageTaxCaption = 471;
inline constexpr int kFlatChurchTaxCaption = 472;
inline constexpr int kFlatSoliCaption = 473;
inline constexpr int kNoteFrame = 480;
inline constexpr int kNoteText = 481;
inline constexpr int kAccept = 1;    // "Die Abrechnung ist in Ordnung"
inline constexpr int kReject = 104;  // "Die Abrechnung ist nicht in Ordnung"
}  // namespace overview_control

// Nothing for zero, else "1234,56".
[[nodiscard]] std::string OverviewCell(Cents amount);

// Control id -> text for every cell, caption and note of the overview.
[[nodiscard]] std::map<int, std::string> ResultsOverviewTexts(const PayrollResult& result,
                                                              bool started_from_booking_mask);

}  // namespace pekto
