#include "app/mask/results_overview.h"

#include <array>

#include "calc/payroll_result.h"

namespace pekto {
namespace {

using namespace overview_control;

constexpr const char* kBriefNoteCaption = "Hinweis: Eine ausführliche Darstellung erfogt nicht!";
constexpr const char* kBriefNote =
    "Eine ausführliche Darstellung des Bruttolohnbereiches auf dem "
    "Lohnzettel erfolgt nicht, da die Abrechnung nicht über die Buchungsmaske (siehe obere Menüleiste unter "
    "Bearbeiten) aufgerufen "
    "und über den Schalter \"Programmausführung fortsetzen\" bestätigt wurde. "
    "Einzelne Positionen der Einkünfte (z.B. Gehalt, VWL oder Stundenlohn) werden auf dem Lohnzettel somit nicht "
    "ausgewiesen.";
constexpr const char* kDetailedNoteCaption = "Hinweis: Eine ausführliche Darstellung des Bruttolohnbereiches erfogt.";
constexpr const char* kDetailedNote =
    "Eine ausführliche Darstellung des Bruttolohnbereiches auf dem "
    "Lohnzettel erfolgt. Einzelne Positionen der Einkünfte (z.B. Gehalt, VWL oder Stundenlohn) werden auf dem "
    "Lohnzettel ausgewiesen. "
    "\r\n\r\n"
    "Denken Sie daran, die Steuer- und Sozialversicherungstage ebenfalls zu buchen.";

constexpr const char* kSeveralYearsNote =
    "\r\n\r\nAb 2025 gilt im Lohnsteuerabzug keine Fünftelregelung mehr: Der sonstige Bezug für mehrere Jahre "
    "wurde als gewöhnlicher sonstiger Bezug versteuert.";

void DeductionRow(std::map<int, std::string>& texts, int row, const EmployeeDeductions& d) {
  const std::array<Cents, 8> cells = {d.wage_tax, d.church_tax, d.church_spouse, d.soli, d.kv, d.rv, d.av, d.pv};
  for (int column = 0; column < 8; ++column) texts[Grid(row, column)] = OverviewCell(cells[column]);
}

void EmployerRow(std::map<int, std::string>& texts, int row, const EmployerContributions& c) {
  const std::array<Cents, 4> cells = {c.kv, c.rv, c.av, c.pv};
  for (int column = 4; column < 8; ++column) texts[Grid(row, column)] = OverviewCell(cells[column - 4]);
}

template <std::size_t N>
void Column(std::map<int, std::string>& texts, int first_id, const std::array<Cents, N>& cells) {
  for (std::size_t i = 0; i < N; ++i) texts[first_id + static_cast<int>(i)] = OverviewCell(cells[i]);
}

}  // namespace

std::string OverviewCell(Cents amount) { return amount.IsZero() ? std::string() : FormatAmount(amount); }

std::map<int, std::string> ResultsOverviewTexts(const PayrollResult& r, bool started_from_booking_mask) {
  std::map<int, std::string> texts;
  DeductionRow(texts, 0, r.current_employee);
  EmployerRow(texts, 1, r.current_employer);
  DeductionRow(texts, 2, OneOffRow(r));
  EmployerRow(texts, 3, r.one_off_employer);
  const EmployeeEvaluation& an = r.employee;
  Column<8>(texts, kFirstEmployeeCell,
            {an.gross, an.statutory_deductions, an.other_before_net, an.net, an.garnishment, an.chamber,
             an.other_after_net, an.payout});
  const EmployerEvaluation& ag = r.employer;
  Column<9>(texts, kFirstEmployerCell,
            {ag.gross, ag.social_insurance, ag.u1, ag.u2, ag.flat_wage_tax,
             ag.flat_church_tax[0] + ag.flat_church_tax[1], ag.flat_soli, ag.insolvency_levy, ag.total});
  const Corrections& c = r.corrections;
  Column<5>(texts, kFirstCorrectionCell, {c.gross, c.other_after_gross, c.other_after_net, c.payout, c.employer_total});
  // The 2 percent flat tax includes church tax and surcharge.
  texts[kFlatWageTaxCaption] = r.uniform_flat_tax ? "P-St." : "P.-LSt.";
  texts[kFlatChurchTaxCaption] = r.uniform_flat_tax ? "" : "P.-KiSt";
  texts[kFlatSoliCaption] = r.uniform_flat_tax ? "" : "P.-Soli.";
  texts[kNoteFrame] = started_from_booking_mask ? kDetailedNoteCaption : kBriefNoteCaption;
  texts[kNoteText] = started_from_booking_mask ? kDetailedNote : kBriefNote;
  if (r.several_years_taxed_as_ordinary) texts[kNoteText] += kSeveralYearsNote;
  return texts;
}

}  // namespace pekto
