#include "app/mask/results_overview.h"

#include <gtest/gtest.h>

namespace pekto {
namespace {

using namespace overview_control;

PayrollResult CurrentPayOnly() {
  PayrollResult r;
  r.current_employee.wage_tax = Cents(31708);
  r.current_employee.church_tax = Cents(2853);
  r.current_employee.kv = Cents(24450);
  r.current_employer.kv = Cents(24450);
  r.employee.gross = Cents(300000);
  r.employee.net = Cents(202289);
  r.employer.total = Cents(361530);
  return r;
}

TEST(OverviewCell, NothingForZeroElseEurosWithAComma) {
  EXPECT_EQ(OverviewCell(Cents(0)), "");
  EXPECT_EQ(OverviewCell(Cents(123456)), "1234,56");
  EXPECT_EQ(OverviewCell(Cents(-5)), "-0,05");
  EXPECT_EQ(OverviewCell(Cents(100)), "1,00");
}

TEST(ResultsOverview, AMonthWithOnlyCurrentPayLeavesTheOneOffRowsEmpty) {
  const auto texts = ResultsOverviewTexts(CurrentPayOnly(), false);
  EXPECT_EQ(texts.at(Grid(0, 0)), "317,08");
  EXPECT_EQ(texts.at(Grid(0, 1)), "28,53");
  EXPECT_EQ(texts.at(Grid(0, 2)), "");
  EXPECT_EQ(texts.at(Grid(1, 4)), "244,50");
  EXPECT_FALSE(texts.contains(Grid(1, 0)));  // the employer has no tax columns
  for (int column = 0; column < 8; ++column) EXPECT_EQ(texts.at(Grid(2, column)), "") << column;
  for (int column = 4; column < 8; ++column) EXPECT_EQ(texts.at(Grid(3, column)), "") << column;
  EXPECT_EQ(texts.at(kFirstEmployeeCell), "3000,00");
  EXPECT_EQ(texts.at(kFirstEmployeeCell + 3), "2022,89");
  EXPECT_EQ(texts.at(kFirstEmployerCell + 8), "3615,30");
  EXPECT_EQ(texts.at(kFirstCorrectionCell), "");
}

TEST(ResultsOverview, TheOneOffTaxColumnsAddTheTwoParts) {
  PayrollResult r;
  r.one_off_tax[0] = {Cents(40000), Cents(3600), Cents(0), Cents(2200)};
  r.one_off_tax[1] = {Cents(1000), Cents(90), Cents(0), Cents(55)};
  r.one_off_employee.rv = Cents(18600);
  r.one_off_employer.rv = Cents(18600);
  const auto texts = ResultsOverviewTexts(r, false);
  EXPECT_EQ(texts.at(Grid(2, 0)), "410,00");
  EXPECT_EQ(texts.at(Grid(2, 1)), "36,90");
  EXPECT_EQ(texts.at(Grid(2, 3)), "22,55");
  EXPECT_EQ(texts.at(Grid(2, 5)), "186,00");
  EXPECT_EQ(texts.at(Grid(3, 5)), "186,00");
}

TEST(ResultsOverview, TheFlatChurchTaxIsTheSumOfItsTwoFields) {
  PayrollResult r;
  r.employer.flat_church_tax = {Cents(150), Cents(25)};
  EXPECT_EQ(ResultsOverviewTexts(r, false).at(kFirstEmployerCell + 5), "1,75");
}

TEST(ResultsOverview, TheTwoPercentFlatTaxChangesTheEmployerCaptions) {
  PayrollResult r;
  EXPECT_EQ(ResultsOverviewTexts(r, false).at(kFlatWageTaxCaption), "P.-LSt.");
  EXPECT_EQ(ResultsOverviewTexts(r, false).at(kFlatChurchTaxCaption), "P.-KiSt");
  EXPECT_EQ(ResultsOverviewTexts(r, false).at(kFlatSoliCaption), "P.-Soli.");
  r.uniform_flat_tax = true;
  const auto texts = ResultsOverviewTexts(r, false);
  EXPECT_EQ(texts.at(kFlatWageTaxCaption), "P-St.");
  EXPECT_EQ(texts.at(kFlatChurchTaxCaption), "");
  EXPECT_EQ(texts.at(kFlatSoliCaption), "");
}

TEST(ResultsOverview, TheNoteFollowsWhereTheCalculationWasStarted) {
  const auto brief = ResultsOverviewTexts(PayrollResult{}, false);
  EXPECT_EQ(brief.at(kNoteFrame), "Hinweis: Eine ausführliche Darstellung erfogt nicht!");
  EXPECT_EQ(brief.at(kNoteText),
            "Eine ausführliche Darstellung des Bruttolohnbereiches auf dem Lohnzettel erfolgt nicht, da die "
            "Abrechnung nicht über die Buchungsmaske (siehe obere Menüleiste unter Bearbeiten) aufgerufen und über "
            "den Schalter \"Programmausführung fortsetzen\" bestätigt wurde. Einzelne Positionen der Einkünfte (z.B. "
            "Gehalt, VWL oder Stundenlohn) werden auf dem Lohnzettel somit nicht ausgewiesen.");
  const auto detailed = ResultsOverviewTexts(PayrollResult{}, true);
  EXPECT_EQ(detailed.at(kNoteFrame), "Hinweis: Eine ausführliche Darstellung des Bruttolohnbereiches erfogt.");
  EXPECT_EQ(detailed.at(kNoteText),
            "Eine ausführliche Darstellung des Bruttolohnbereiches auf dem Lohnzettel erfolgt. Einzelne Positionen "
            "der Einkünfte (z.B. Gehalt, VWL oder Stundenlohn) werden auf dem Lohnzettel ausgewiesen. \r\n\r\n"
            "Denken Sie daran, die Steuer- und Sozialversicherungstage ebenfalls zu buchen.");
}

TEST(ResultsOverview, APaymentForSeveralYearsFrom2025IsNamedInTheNote) {
  PayrollResult result;
  result.several_years_taxed_as_ordinary = true;
  const std::string note = ResultsOverviewTexts(result, false).at(kNoteText);
  EXPECT_TRUE(note.starts_with("Eine ausführliche Darstellung des Bruttolohnbereiches"));
  EXPECT_TRUE(note.ends_with("\r\n\r\nAb 2025 gilt im Lohnsteuerabzug keine Fünftelregelung mehr: Der sonstige "
                             "Bezug für mehrere Jahre wurde als gewöhnlicher sonstiger Bezug versteuert."));
}

}  // namespace
}  // namespace pekto
