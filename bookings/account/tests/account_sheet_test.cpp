// The printed payroll account of whole years closed month by month through
// the file commands, read back from the saved year file, compared with
// checked-in expected sheets; and what every account sheet must hold.
#include "bookings/account/account_sheet.h"

#include <gtest/gtest.h>

#include "app/files/tests/file_command_support.h"
#include "bookings/tests/expected_sheets.h"
#include "calc/year_figures.h"
#include "platform/code_page.h"
#include "record/annual_block.h"
#include "record/booking_slots.h"

namespace pekto {
namespace {

using testing_support::FileCommandTest;
using testing_support::kMaier;
using testing_support::MaskEntries;
using F = MaskField;
namespace s = annual_slot;

std::string Two(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

std::string ExpectedPath(const std::string& name) {
  return std::string(PEKTO_SOURCE_DIR) + "/bookings/account/tests/data/" + name + ".txt";
}

// The sheet's line `row` (1-based) as UTF-8.
std::string Row(const OutputPages& pages, int sheet, int row) { return Cp437ToUtf8(pages.Line(sheet, row)); }

// The cells of a table row: label, first month, second month, sums.
std::vector<std::string> Cells(const std::string& line) {
  std::vector<std::string> cells;
  std::string cell;
  for (std::size_t i = 0; i < line.size();) {
    if (line.compare(i, 3, "│") == 0) {
      cells.push_back(cell);
      cell.clear();
      i += 3;
      continue;
    }
    cell += line[i++];
  }
  std::vector<std::string> trimmed;
  if (cells.empty()) return trimmed;
  for (std::string& c : std::vector<std::string>(cells.begin() + 1, cells.end())) {
    const auto first = c.find_first_not_of(' ');
    const auto last = c.find_last_not_of(' ');
    trimmed.push_back(first == std::string::npos ? "" : c.substr(first, last - first + 1));
  }
  return trimmed;
}

// The row of the first sheet whose label starts with `label`.
int RowOf(const OutputPages& pages, int sheet, std::string_view label, int from = account_row::kFirstItemRow) {
  for (int row = from; row <= kSheetLines; ++row) {
    const auto cells = Cells(Row(pages, sheet, row));
    if (!cells.empty() && cells[0].starts_with(label)) return row;
  }
  return 0;
}

class AccountSheetTest : public FileCommandTest {
 protected:
  AccountSheetTest() : FileCommandTest("account") {}

  // The first month of the employee: master data on the mask, in the
  // payroll account and in the booking mask's address slots.
  void Start(const MaskEntries& entries, const std::string& period) {
    Enter(entries);
    Enter({{F::Period, period.c_str()}});
    namespace b = booking_slot;
    record_->month_record[b::kEmployeeName] = "Maier";
    record_->month_record[b::kEmployeeFirstName] = "Jörg";
    record_->month_record[b::kEmployeeStreet] = "Lindenstraße 4";
    record_->month_record[b::kEmployeePostcode] = "50667";
    record_->month_record[b::kEmployeePlace] = "Köln";
    record_->annual_block[s::kEntryDate] = "150320";
    record_->annual_block[s::kSvNumber] = "12050680M015";
    record_->annual_block[s::kHealthFund] = "AOK";
  }
  // Calculates and saves with the summation confirmed.
  void Close(const std::string& period) {
    (void)Calculate();
    context_.today = "28" + period.substr(0, 2) + period.substr(2);
    ASSERT_EQ(Save().result, FileCommandResult::Done) << period;
  }
  void CloseMonths(const MaskEntries& entries, int from, int to, const std::string& yy) {
    for (int m = from; m <= to; ++m) {
      const std::string period = Two(m) + yy;
      if (m == from && !folder_.Has("MAIER.050")) {
        Start(entries, period);
      } else {
        NextMonth("MAIER.050", period.c_str());
      }
      Close(period);
    }
  }
  OutputPages Sheet() {
    const AccountYear year = AccountMonthsFromFolder(*record_, folder_.files, folder_.paths.UserDataDir());
    return BuildAccountSheet({*record_, year, "08.12.2026", YearGarnishments(year)});
  }
  AccountYear Year() { return AccountMonthsFromFolder(*record_, folder_.files, folder_.paths.UserDataDir()); }
};

TEST_F(AccountSheetTest, AFullYearClosedMonthByMonth) {
  CloseMonths(kMaier, 1, 12, "24");
  const AccountYear year = Year();
  ASSERT_EQ(year.year, 2024);
  ASSERT_EQ(year.columns.size(), 12u) << "no carry-forward column: every month is in the year file";
  const OutputPages pages = Sheet();
  ASSERT_EQ(pages.SheetCount(), 7);  // six of two months, then the annual sums
  testing_support::ExpectSheetsAt(ExpectedPath("full_year"), "full_year", pages);

  // The sums column of each sheet is the year so far; the twelve month
  // cells of a row add up to December's sums.
  for (const std::string_view label : {"Lohnsteuer laufende Bezüge:", "AN Beitrag KV:", "Brutto gesamt:"}) {
    std::int64_t months = 0;
    for (int sheet = 1; sheet <= 6; ++sheet) {
      const auto cells = Cells(Row(pages, sheet, RowOf(pages, sheet, label)));
      ASSERT_EQ(cells.size(), 4u);
      months += AmountOrZero(cells[1]).Value() + AmountOrZero(cells[2]).Value();
    }
    const auto december = Cells(Row(pages, 6, RowOf(pages, 6, label)));
    EXPECT_EQ(AmountOrZero(december[3]).Value(), months) << label;
  }
  EXPECT_EQ(Cells(Row(pages, 6, RowOf(pages, 6, "Brutto gesamt:")))[3], "39000,00");
  EXPECT_EQ(Cells(Row(pages, 1, RowOf(pages, 1, "Brutto gesamt:")))[3], "6500,00");
  EXPECT_EQ(Cells(Row(pages, 6, RowOf(pages, 6, "KV/PV-Tage:")))[3], "360");
  EXPECT_EQ(Cells(Row(pages, 1, account_row::kTableHead)), (std::vector<std::string>{
                "Abrechnung vom . . . . bis . . . .", "Jan. 2024", "Feb. 2024", "Summen"}));
  EXPECT_EQ(RowOf(pages, 1, "RV Zusätzlich meldepfl."), 0) << "not in the Übergangsbereich";
}

TEST_F(AccountSheetTest, AMidiJobYearShowsTheTransitionZoneRows) {
  MaskEntries midi = kMaier;
  for (auto& [field, value] : midi) {
    if (field == F::GrossTotal || field == F::TaxableGross || field == F::SvGross) value = "1500,00";
  }
  midi.push_back({F::SvAttributeKey, "3"});  // Übergangsbereich
  CloseMonths(midi, 1, 3, "24");
  const OutputPages pages = Sheet();
  ASSERT_EQ(pages.SheetCount(), 3);
  testing_support::ExpectSheetsAt(ExpectedPath("midi_job"), "midi_job", pages);

  const int heading = RowOf(pages, 1, "RV Zusätzlich meldepfl. (Midijob):");
  ASSERT_EQ(heading, account_row::kTransitionHeading);
  const AnnualBlock& annual = record_->annual_block;
  const std::int64_t reduced = AnnualValue(annual, s::kRvPay) - AnnualValue(annual, s::kTransitionReduction);
  ASSERT_GT(AnnualValue(annual, s::kTransitionReduction), 0);
  const auto upper = Cells(Row(pages, 2, RowOf(pages, 2, "RV-Pflichtige Bezüge:")));
  const auto lower = Cells(Row(pages, 2, RowOf(pages, 2, "RV-Pflichtige Bezüge:", heading)));
  EXPECT_EQ(upper[3], "4500,00") << "the actual pay of the three months";
  EXPECT_EQ(AmountOrZero(lower[3]).Value(), reduced) << "the reduced base";
  EXPECT_EQ(Cells(Row(pages, 2, RowOf(pages, 2, "AN Beitrag RV:", heading)))[3],
            Cells(Row(pages, 2, RowOf(pages, 2, "AN Beitrag RV:")))[3]);
  EXPECT_EQ(Cp437ToUtf8(pages.Line(1, kSheetLines)).substr(0, 3), "└");
}

TEST_F(AccountSheetTest, ACarryForwardFromMidYearHasAColumnOfItsOwn) {
  // First accounted in July; January to June typed into the account.
  Start(kMaier, "0724");
  AnnualBlock& annual = record_->annual_block;
  annual[s::kLastSummation] = "0624";
  annual[s::kGrossTotal] = "1950000";
  annual[s::kTaxablePay] = "1950000";
  annual[s::kTaxableTotal] = "1950000";
  annual[s::kWageTaxCurrent] = "240000";
  annual[s::kKvPay] = "1950000";
  annual[s::kKvDays] = "180";
  annual[s::kKvEmployee] = "159000";
  Close("0724");
  NextMonth("MAIER.050", "0824");
  Close("0824");

  const AccountYear year = Year();
  ASSERT_EQ(year.columns.size(), 3u);
  EXPECT_EQ(year.columns[0].month, 0);
  EXPECT_EQ(year.columns[0].added[s::kGrossTotal], 1950000) << "the carry-forward, not July's pay";
  const OutputPages pages = Sheet();
  ASSERT_EQ(pages.SheetCount(), 3);
  testing_support::ExpectSheetsAt(ExpectedPath("carry_forward"), "carry_forward", pages);
  EXPECT_EQ(Cells(Row(pages, 1, account_row::kTableHead))[1], "Vortrag");
  const auto gross = Cells(Row(pages, 1, RowOf(pages, 1, "Brutto gesamt:")));
  EXPECT_EQ(gross[1], "19500,00");
  EXPECT_EQ(gross[2], "3250,00");
  EXPECT_EQ(gross[3], "22750,00");
  EXPECT_EQ(Cells(Row(pages, 2, RowOf(pages, 2, "Brutto gesamt:")))[3], "26000,00");
  EXPECT_EQ(Cells(Row(pages, 2, RowOf(pages, 2, "KV/PV-Tage:")))[3], "240");
}

TEST_F(AccountSheetTest, ACarryForwardBeforeTheFirstClosedMonthIsPrintedToo) {
  Start(kMaier, "0724");
  record_->annual_block[s::kLastSummation] = "0624";
  record_->annual_block[s::kGrossTotal] = "1950000";
  const AccountYear year = AccountMonthsOf(*record_, nullptr, AccountYearOf(*record_));
  ASSERT_EQ(year.columns.size(), 1u);
  const OutputPages pages = BuildAccountSheet({*record_, year, "08.12.2026", std::nullopt});
  const auto gross = Cells(Row(pages, 1, RowOf(pages, 1, "Brutto gesamt:")));
  EXPECT_EQ(gross[1], "19500,00");
  EXPECT_EQ(gross[3], "19500,00");
}

TEST_F(AccountSheetTest, EveryLineFitsTheSheetAndTheMasterDataAreThere) {
  MaskEntries entries = kMaier;
  entries.push_back({F::FlatTaxKind, ""});
  entries.push_back({F::SvAttributeKey, "1"});
  entries.push_back({F::AnnualAllowance, "1200,00"});
  entries.push_back({F::TaxClass, "4"});
  entries.push_back({F::TaxFactor, "950"});
  CloseMonths(entries, 1, 1, "25");
  const OutputPages pages = Sheet();
  for (const std::string& line : pages.Lines()) EXPECT_LE(line.size(), static_cast<std::size_t>(kSheetWidth));
  ASSERT_EQ(pages.SheetCount(), 2);
  EXPECT_TRUE(IsTitleLine(pages.Line(1, 1)));
  EXPECT_NE(Row(pages, 1, 1).find("Stand: 08.12.2026"), std::string::npos);
  EXPECT_TRUE(IsTitleLine(pages.Line(2, 1))) << "the annual sums";
  EXPECT_NE(Row(pages, 2, 1).find("J A H R E S S U M M E N"), std::string::npos);
  const std::string master = Row(pages, 1, 3) + Row(pages, 1, 4) + Row(pages, 1, 5) + Row(pages, 1, 6) +
                             Row(pages, 1, 7) + Row(pages, 1, 8) + Row(pages, 1, 9);
  for (const std::string_view part :
       {" Name: . . . . . Maier", " Vorname:. . . . Jörg", "50667 Köln", "Lindenstraße 4", "05.06.1980",
        " Eintrittsdatum: 15.03.20", "Versicherungs-Nr: 12050680M015", "Geringverdiener:. J", "Pauschalierung:.. Nein",
        "Freibetr. jährl.: 1200,00", "Freibetr. mtl.:.. 100,00"}) {
    EXPECT_NE(master.find(part), std::string::npos) << part;
  }
  EXPECT_EQ(Cells(Row(pages, 1, RowOf(pages, 1, "Lohnsteuerklasse/Faktor:")))[1], "4/0,950");
  EXPECT_EQ(Cells(Row(pages, 1, RowOf(pages, 1, "SV-Gruppe:")))[1], "1111");
  EXPECT_EQ(Cells(Row(pages, 1, RowOf(pages, 1, "Besonder Tabelle:")))[1], "N");
  EXPECT_EQ(Cells(Row(pages, 1, RowOf(pages, 1, "Krankenkasse:")))[1], "AOK");
  // KV rate 16,30 % in 2025: 2,70 % of it is the fund's supplement (general rate 14,6 %).
  const auto kv = Cells(Row(pages, 1, RowOf(pages, 1, "AG Beitrag KV:")));
  const auto kv_an = Cells(Row(pages, 1, RowOf(pages, 1, "AN Beitrag KV:")));
  const std::int64_t total = AmountOrZero(kv[1]).Value() + AmountOrZero(kv_an[1]).Value();
  const auto supplement = Cells(Row(pages, 1, RowOf(pages, 1, "Zusatzbeitrag KV-Pflichtig:")));
  EXPECT_EQ(AmountOrZero(supplement[1]).Value(), (total * 170 + 815) / 1630);
}

TEST(AccountSheetFlatTax, TheKindsPrintAsGKAndL) {
  for (const auto& [kind, shown] : std::vector<std::pair<std::string, std::string>>{
           {"1", " G"}, {"2", " K"}, {"3", " L"}, {"", "Nein"}}) {
    auto record = std::make_unique<EmployeeRecord>();
    record->mask_fields[F::FlatTaxKind] = kind;
    const AccountYear year;
    const OutputPages pages = BuildAccountSheet({*record, year, "08.12.2026", std::nullopt});
    EXPECT_NE(Row(pages, 1, 5).find("Pauschalierung:.. " + shown), std::string::npos) << kind;
    EXPECT_EQ(pages.SheetCount(), 2) << "an empty table and the annual sums";
  }
}

}  // namespace
}  // namespace pekto
