// The main mask's output commands: "Aktuelle Lohn&abrechnung" (288, also
// after the payslip question of a save), "&Aktuelles Lohnkonto" (279), and the two history lists under
// "His&torie" (5661 payslips, 5662 payroll accounts), which show a chosen
// archived document in the viewer "Vordruck", from where it can be
// printed again.
#pragma once

#include "app/dialogs/app_context.h"
#include "bookings/output_pages.h"

class QWidget;

namespace pekto {

// The payslip of the open record in the viewer; printing it archives it
// in the user's history folder.
void ShowCurrentPayslip(AppContext& context, QWidget* parent);

// "&Aktuelles Lohnkonto": after the warning and the question, the payroll
// account of the open employee's year in the viewer; printing it archives
// it with the letter "K".
void ShowCurrentAccount(AppContext& context, QWidget* parent);

// "Bestand zurückliegender Lohnabrechnungen" / "... Lohnkonten" over the
// history folder; the chosen file in the viewer.
void ShowPastDocuments(AppContext& context, DocumentKind kind, QWidget* parent);

}  // namespace pekto
