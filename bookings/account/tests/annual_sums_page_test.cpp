// The annual-sums page: the expected page of a midi-job year, every annual
// figure of the record found on it, and the width of its lines.
#include "bookings/account/annual_sums_page.h"

#include <gtest/gtest.h>

#include "record/annual_block.h"

namespace pekto {
namespace {

namespace s = annual_slot;

std::size_t Columns(const std::string& text) {
  std::size_t n = 0;
  for (const char c : text) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return n;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

// May 2024 closed for an employee in the Übergangsbereich: 5 x 1.500,00.
AnnualBlock MidiJobUntilMay() {
  AnnualBlock a{};
  a[s::kEntryDate] = "010124";
  a[s::kGrossTotal] = "750000";
  a[s::kTaxablePay] = "750000";
  a[s::kTaxableTotal] = "750000";
  a[s::kKvPay] = "705610";
  a[s::kKvDays] = "150";
  a[s::kKvEmployer] = "61049";
  a[s::kKvEmployee] = "51918";
  a[s::kRvPay] = "750000";
  a[s::kRvDays] = "150";
  a[s::kRvEmployer] = "69750";
  a[s::kRvEmployee] = "61477";
  a[s::kAvPay] = "705610";
  a[s::kAvDays] = "150";
  a[s::kAvEmployer] = "9750";
  a[s::kAvEmployee] = "8592";
  a[s::kPvEmployer] = "12750";
  a[s::kPvEmployee] = "15470";
  a[s::kSvEmployeeTotal] = "137457";
  a[s::kU1] = "12000";
  a[s::kU2] = "3300";
  a[s::kInsolvencyLevy] = "450";
  a[s::kU1U2Pay] = "750000";
  a[s::kTransitionReduction] = "44390";
  a[s::kLevyPay] = "750000";
  a[s::kLevyDays] = "150";
  a[s::kSummationDate] = "030624";
  a[s::kLastSummation] = "052024";
  return a;
}

TEST(AnnualSumsPage, AMidiJobYearUntilMay) {
  const auto lines = AnnualSumsPageLines(MidiJobUntilMay(), {"08.12.2026", "Müller, Anna"}, 0);
  const std::string expected =
      "                          J A H R E S S U M M E N\n"
      " Müller, Anna                                              Stand: 08.12.2026\n"
      " Abgerechnet bis: 05/2024   Letzte Summenbildung: 03.06.2024\n"
      "----------------------------------------------------------------------------\n"
      " Steuer\n"
      " Bruttolohn gesamt..........................       7500,00\n"
      " Laufende Bezüge............................       7500,00\n"
      " Sonstige Bezüge............................\n"
      " Enthaltene Versorgungsbezüge...............\n"
      " Steuerpflichtig gesamt.....................       7500,00\n"
      " Lohnsteuer laufende Bezüge.................\n"
      " Lohnsteuer sonstige Bezüge.................\n"
      " Kirchensteuer..............................\n"
      " Solidaritätszuschlag.......................\n"
      " Kammerbeitrag..............................\n"
      " Anzahl der Unterbrechungen.................\n"
      "----------------------------------------------------------------------------\n"
      " Sozialversicherung\n"
      "                               Pflichtig  Tage  AG-Beitrag  AN-Beitrag\n"
      " Krankenversicherung             7056,10   150      610,49      519,18\n"
      " Rentenversicherung              7500,00   150      697,50      614,77\n"
      " Arbeitslosenversicherung        7056,10   150       97,50       85,92\n"
      " Pflegeversicherung                                 127,50      154,70\n"
      " Umlagen/Kammer/Insolvenzg.      7500,00   150\n"
      " AN SV-Beitrag gesamt.......................       1374,57\n"
      " AG-Anteil Rentenversicherung (Minijob).....\n"
      " Freiwilliger AG-KV-Zuschuß.................\n"
      " Freiwilliger AG-PV-Zuschuß.................\n"
      " Beitrag zur Umlageversicherung 1...........        120,00\n"
      " Beitrag zur Umlageversicherung 2...........         33,00\n"
      " Beitrag zur Insolvenzgeldumlage............          4,50\n"
      " Umlageversicherungspflichtiges Entgelt.....       7500,00\n"
      " Minderungsbetrag im Übergangsbereich.......        443,90\n"
      "----------------------------------------------------------------------------\n"
      " Pauschalierung\n"
      " Pauschalbesteuerte Bezüge..................\n"
      " Pauschale Lohnsteuer.......................\n"
      " Pauschale Kirchensteuer....................\n"
      " Pauschaler Solidaritätszuschlag............\n"
      " Einheitliche Pauschsteuer..................\n"
      "----------------------------------------------------------------------------\n"
      " Lohnpfändungen.............................\n"
      "----------------------------------------------------------------------------\n";
  EXPECT_EQ(Joined(lines), expected);
}

// Every summed figure, the count and the closing marks of the block appear
// on the page: each slot gets a value no other slot has.
TEST(AnnualSumsPage, EveryAnnualFigureOfTheRecordIsOnThePage) {
  AnnualBlock annual{};
  std::vector<std::string> shown;
  for (const AnnualSlotSpec& spec : kAnnualBlockTable) {
    const std::int64_t value = 100000 + spec.slot * 1013;
    if (spec.kind == AnnualSlotKind::Amount) {
      annual[static_cast<std::size_t>(spec.slot)] = std::to_string(value);
      shown.push_back(SheetAmount(value));
    } else if (spec.kind == AnnualSlotKind::Days || spec.kind == AnnualSlotKind::Count) {
      annual[static_cast<std::size_t>(spec.slot)] = std::to_string(100 + spec.slot);
      shown.push_back(" " + std::to_string(100 + spec.slot));
    }
  }
  annual[s::kLastSummation] = "112024";
  annual[s::kSummationDate] = "051224";
  shown.push_back("11/2024");
  shown.push_back("05.12.2024");
  const std::string page = Joined(AnnualSumsPageLines(annual, {"08.12.2026", "Müller, Anna"}, 123456));
  shown.push_back("1234,56");
  for (const std::string& value : shown) EXPECT_NE(page.find(value), std::string::npos) << value;
}

TEST(AnnualSumsPage, LinesFitTheSheetAndDamagedTextsShowAsTheyAre) {
  AnnualBlock annual = MidiJobUntilMay();
  annual[s::kChurchTax] = "12x";
  annual[s::kGrossTotal] = "-5000";
  const auto lines = AnnualSumsPageLines(annual, {"08.12.2026", "Müller-Lüdenscheidt, Anna-Lena"}, std::nullopt);
  for (const std::string& line : lines) EXPECT_LE(Columns(line), kAnnualSumsWidth) << line;
  const std::string page = Joined(lines);
  EXPECT_NE(page.find(" Kirchensteuer..............................           12x\n"), std::string::npos);
  EXPECT_NE(page.find("gesamt..........................        -50,00\n"), std::string::npos);
}

TEST(AnnualSumsPage, SheetAmounts) {
  EXPECT_EQ(SheetAmount(0), "");
  EXPECT_EQ(SheetAmount(5), "0,05");
  EXPECT_EQ(SheetAmount(123456), "1234,56");
  EXPECT_EQ(SheetAmount(-1230), "-12,30");
  EXPECT_EQ(SheetAmount(INT64_MIN), "-92233720368547758,08");
}

}  // namespace
}  // namespace pekto
