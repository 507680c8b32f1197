#include "bookings/payslip.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "bookings/tests/expected_sheets.h"
#include "bookings/tests/payslip_fixtures.h"
#include "platform/atomic_file.h"
#include "platform/code_page.h"

namespace pekto {
namespace {

using testing_support::PayslipCase;

void ExpectSheets(const std::string& name, const OutputPages& pages) {
  testing_support::ExpectSheetsAt(testing_support::ExpectedSheetPath(name), name, pages);
}

class ExpectedSheets : public ::testing::TestWithParam<PayslipCase> {};

TEST_P(ExpectedSheets, PayslipMatchesTheExpectedSheet) {
  const PayslipCase& c = GetParam();
  const PayslipBuild build = BuildPayslipOf(*c.record, testing_support::FixtureWageTypes(), c.from_booking_mask);
  EXPECT_FALSE(build.limit_message.has_value());
  ExpectSheets(c.name, build.pages);
}

// The lines add up as the calculation does: gross less the deductions
// before net is the net pay, net less the deductions after net is the
// payout.
TEST_P(ExpectedSheets, LinesAddUpToNetPayAndPayout) {
  const PayslipCase& c = GetParam();
  const PayrollResult result = PayslipResult(*c.record);
  const auto lines = PayslipLines({*c.record, result, testing_support::FixtureWageTypes(), c.from_booking_mask});
  Cents running;
  bool after_gross = false;
  for (const PayslipLine& line : lines) {
    if (line.text == "Bruttolohn") {
      running = line.amount;
      after_gross = true;
    } else if (line.text == "Nettolohn") {
      EXPECT_EQ(running, line.amount) << "net pay";
    } else if (line.text == "Auszahlung") {
      EXPECT_EQ(running, line.amount) << "payout";
    } else if (after_gross) {
      running += line.amount;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Payslip, ExpectedSheets, ::testing::ValuesIn(testing_support::PayslipCases()),
                         [](const auto& info) { return info.param.name; });

PayslipLine NumberedLine(int i) {
  PayslipLine line;
  line.text = "Zeile " + std::to_string(i);
  line.amount = Cents(100 * i);
  return line;
}

TEST(PayslipPaging, TwentyThreeLinesFitOnTheFirstSheetTheTwentyFourthStartsTheSecond) {
  const auto record = testing_support::OrdinaryMonth();
  OutputPages pages;
  PayslipWriter writer(*record, pages);
  for (int i = 1; i <= 23; ++i) writer.AddPayslipLine(NumberedLine(i));
  EXPECT_EQ(pages.SheetCount(), 1);
  EXPECT_EQ(writer.CurrentRow(), kLastPayslipRow + 1);
  writer.AddPayslipLine(NumberedLine(24));
  ASSERT_EQ(pages.SheetCount(), 2);
  EXPECT_EQ(Cp437ToUtf8(pages.Line(1, kContinuationRow).substr(14, 18)), "Weiter Blatt Nr. 2");
  EXPECT_EQ(pages.Line(2, kFirstPayslipRow).substr(14, 8), "Zeile 24");
  EXPECT_EQ(writer.CurrentRow(), kFirstPayslipRow + 1);
  // The second sheet carries the same header with its own number.
  EXPECT_EQ(pages.Line(2, 6).substr(12, 1), "2");
  EXPECT_EQ(pages.Line(2, 10), pages.Line(1, 10));
}

TEST(PayslipPaging, ATenthSheetIsRefusedWithTheNineSheetMessage) {
  const auto record = testing_support::OrdinaryMonth();
  OutputPages pages;
  PayslipWriter writer(*record, pages);
  for (int i = 1; i <= 23 * 9; ++i) writer.AddPayslipLine(NumberedLine(i));
  EXPECT_FALSE(writer.LimitReached());
  writer.AddPayslipLine(NumberedLine(23 * 9 + 1));
  writer.AddPayslipLine(NumberedLine(23 * 9 + 2));
  ASSERT_TRUE(writer.LimitReached());
  EXPECT_EQ(pages.SheetCount(), 9);
  EXPECT_EQ(writer.LimitMessage()->caption, "Kontrolle");
  EXPECT_EQ(writer.LimitMessage()->Text(),
            "Es können maximal 9 Abrech-\r\nnungsseiten erstellt werden.\r\nBuchungen ggf. zusammenfas-\r\nsen.");
  writer.Finish();
  ExpectSheets("nine_sheet_limit", pages);
}

struct AmountCase {
  const char* name;
  std::int64_t cents;
  const char* text;
};
void PrintTo(const AmountCase& c, std::ostream* os) { *os << c.name; }

class SheetAmounts : public ::testing::TestWithParam<AmountCase> {};

TEST_P(SheetAmounts, AreWrittenWithCommaAndTwoDecimals) {
  EXPECT_EQ(SheetAmount(Cents(GetParam().cents)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Payslip, SheetAmounts,
                         ::testing::Values(AmountCase{"Zero", 0, "0,00"}, AmountCase{"MinusTwelveFifty", -1250, "-12,50"},
                                           AmountCase{"FiveCentsNegative", -5, "-0,05"},
                                           AmountCase{"Thousands", 123456, "1234,56"},
                                           AmountCase{"Million", 100000000, "1000000,00"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PayslipLines, ZeroAmountsAreLeftOutExceptTheAlwaysPrintedLines) {
  const auto record = testing_support::OrdinaryMonth();
  OutputPages pages;
  PayslipWriter writer(*record, pages);
  PayslipLine skipped{"KiSt EHEG lfd. Bez.", "", "", "", std::nullopt, "", Cents(), "", false};
  PayslipLine always{"Auszahlung", "", "", "", std::nullopt, "", Cents(), "", true};
  writer.AddPayslipLine(skipped);
  EXPECT_EQ(writer.CurrentRow(), kFirstPayslipRow);
  writer.AddPayslipLine(always);
  const std::string& row = pages.Line(1, kFirstPayslipRow);
  // The amount field starts at column 68 with the column's blank.
  EXPECT_EQ(row.substr(67, 10), "      0,00");
}

TEST(PayslipLines, ANameOutsideCodePage437KeepsEveryColumn) {
  const auto record = testing_support::OrdinaryMonth();
  OutputPages pages;
  PayslipWriter writer(*record, pages);
  PayslipLine line{"Zulage 😀 Łódź", "07", "L", "S", Cents(1000), "2", Cents(2000), "1124", false};
  writer.AddPayslipLine(line);
  const std::string& row = pages.Line(1, kFirstPayslipRow);
  EXPECT_EQ(row.size(), static_cast<std::size_t>(kSheetWidth));
  EXPECT_EQ(row.substr(1, 5), "11.24");
  EXPECT_EQ(row.substr(9, 2), "07");
  EXPECT_EQ(row.substr(14, 13), "Zulage ? ?\xA2" "d?");
  EXPECT_EQ(row.substr(41, 1), "L");
  EXPECT_EQ(row.substr(43, 1), "S");
  EXPECT_EQ(row.substr(45, 10), "     10,00");
  EXPECT_EQ(row.substr(56, 10), "         2");
  EXPECT_EQ(row.substr(67, 10), "     20,00");
  EXPECT_EQ(static_cast<unsigned char>(row[77]), 0xB3) << "the right frame stays";
}

TEST(PayslipForm, EverySheetLineIsSeventyEightColumnsAndNoneIsEmpty) {
  const PayslipBuild build = BuildPayslipOf(*testing_support::OrdinaryMonth(), testing_support::FixtureWageTypes(), false);
  ASSERT_EQ(build.pages.SheetCount(), 1);
  for (int row = 4; row <= 62; ++row) EXPECT_EQ(build.pages.Line(1, row).size(), 78u) << "row " << row;
  for (const std::string& line : build.pages.Lines()) EXPECT_FALSE(line.empty());
  EXPECT_TRUE(IsTitleLine(build.pages.Line(1, 1)));
  EXPECT_FALSE(IsTitleLine(build.pages.Line(1, 2)));
}

TEST(PayslipSummary, WithoutAnnualTotalsTheNoteStandsInTheirPlace) {
  auto record = testing_support::OrdinaryMonth();
  record->annual_block.fill({});
  const PayslipBuild build = BuildPayslipOf(*record, testing_support::FixtureWageTypes(), false);
  const std::string text = DocumentText(build.pages);
  EXPECT_NE(text.find("Jahressummen werden erst nach Bildung der der Jahressummen ausgewiesen !!"), std::string::npos);
}

}  // namespace
}  // namespace pekto
