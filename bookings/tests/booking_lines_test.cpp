#include "bookings/booking_lines.h"

#include <gtest/gtest.h>

#include <ostream>

namespace pekto {
namespace {

namespace col = booking_column;
using B = BookingField;

WageTypeTable Types() {
  WageTypeTable t;
  t.rows[0] = {"01", "1", "Gehalt", "1", "1", "1", "1", "", "", ""};
  t.rows[1] = {"02", "2", "Stundenlohn", "1", "1", "1", "1", "", "", ""};
  t.rows[2] = {"03", "20", "Vorschuss", "2", "", "", "", "", "", ""};
  t.rows[3] = {"04", "44", "Steuertage", "9", "", "", "", "", "", ""};
  t.rows[4] = {"05", "40", "Anwesenheitstage", "5", "", "", "", "", "", ""};
  t.rows[5] = {"06", "7", "Sachbezug ohne Schlüssel", "1", "", "", "", "", "", ""};
  t.count = 6;
  return t;
}

const BookingPeriod kMay{"0524", "042024"};

// Edit line: running number, wage type, category, period, quantity,
// amount, total, tax, SV, SV-liable, taxable, garnishable, base.
BookingRow Line(std::string number, std::string category, std::string quantity, std::string amount,
                std::string tax = "", std::string sv = "") {
  BookingRow row{};
  row[col::kWageType] = std::move(number);
  row[col::kCategory] = std::move(category);
  row[col::kQuantity] = std::move(quantity);
  row[col::kAmount] = std::move(amount);
  row[col::kTaxKey] = std::move(tax);
  row[col::kSvKey] = std::move(sv);
  return row;
}

struct CheckCase {
  const char* name;
  BookingRow line;
  BookingPeriod period;
  B focus;
  const char* first_line;  // of the message
};
void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

BookingRow With(BookingRow row, int column, std::string text) {
  row[static_cast<std::size_t>(column)] = std::move(text);
  return row;
}

const BookingRow kSalary = Line("1", "1", "1", "2500,00", "1", "1");
const BookingRow kDays = Line("44", "9", "30", "");

class LineChecks : public testing::TestWithParam<CheckCase> {};

TEST_P(LineChecks, TheFirstFailingCheckSpeaks) {
  const CheckCase& c = GetParam();
  BookingTable table{};
  BookingRow edit = c.line;
  const BookingConfirmation result = ConfirmBookingLine(table, edit, c.period, Types());
  ASSERT_EQ(result.outcome, EditLineOutcome::Refused);
  ASSERT_TRUE(result.message);
  EXPECT_EQ(result.focus, c.focus);
  EXPECT_EQ(result.message->lines.front(), c.first_line);
  EXPECT_EQ(result.message->kind, MessageKind::Exclamation);
  EXPECT_EQ(edit, c.line) << "the edit line stays as it was";
  EXPECT_EQ(BookingLineCount(table), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Checks, LineChecks,
    testing::Values(
        CheckCase{"NoPeriod", kSalary, {"", ""}, B::WageType, "Buchungen sind nicht möglich, da kein"},
        CheckCase{"ClosedPeriod", kSalary, {"0524", "052024"}, B::WageType, "Buchungen sind nicht möglich,"},
        CheckCase{"NoWageType", Line("", "1", "1", "1,00", "1", "1"), kMay, B::WageType, "Die Lohnartennummer ist"},
        CheckCase{"UnknownWageType", Line("99", "1", "1", "1,00", "1", "1"), kMay, B::WageType,
                  "Die angegebene Lohnart ist nicht"},
        CheckCase{"NoCategory", Line("1", "", "1", "1,00", "1", "1"), kMay, B::WageType,
                  "Der Eigenschaftenschlüssel für die Lohnart"},
        CheckCase{"DaysWithAnAmount", With(kDays, col::kAmount, "1,00"), kMay, B::Amount,
                  "Handelt es sich um Tagesangaben, so ist kein Eintrag in den"},
        CheckCase{"TaxDaysWithAComma", Line("44", "9", "30,0", ""), kMay, B::Quantity,
                  "Bitte die Tagesanzahl ohne Komma"},
        CheckCase{"AttendanceDaysWithTwoDecimals", Line("40", "5", "2,25", ""), kMay, B::Quantity,
                  "Bitte die Tage mit korrekter"},
        CheckCase{"QuantityWithThreeDecimals", Line("2", "1", "1,255", "12,00", "1", "1"), kMay, B::Quantity,
                  "Bitte die Menge mit korrekter"},
        CheckCase{"QuantityWithTwoCommas", Line("2", "1", "1,2,5", "12,00", "1", "1"), kMay, B::Quantity,
                  "Bitte die Menge mit korrekter"},
        CheckCase{"AmountWithOneDecimal", Line("2", "1", "1", "12,5", "1", "1"), kMay, B::Amount,
                  "Bitte den EURO Betrag je Mengenein-"},
        CheckCase{"AmountWithMinusInside", Line("2", "1", "1", "12-,50", "1", "1"), kMay, B::Amount,
                  "Bitte den EURO Betrag je Mengenein-"},
        CheckCase{"SvLiableBadlyFormed", With(kSalary, col::kSvLiable, "1,5"), kMay, B::SvLiable,
                  "Bitte den sozialversicherungspflichtigen"},
        CheckCase{"TaxableBadlyFormed", With(kSalary, col::kTaxable, ",50"), kMay, B::Taxable,
                  "Bitte den steuerpflichtigen Betrag mit"},
        CheckCase{"GarnishableBadlyFormed", With(kSalary, col::kGarnishable, "x"), kMay, B::Garnishable,
                  "Bitte den pfändbaren Betrag mit"},
        CheckCase{"BaseBadlyFormed", With(kSalary, col::kBase, "1,"), kMay, B::Base, "Bitte den Basisbetrag mit kor-"},
        CheckCase{"CorrectionPeriodNotMmjj", With(kSalary, col::kPeriod, "1324"), kMay, B::Period,
                  "Bitte den Berichtigungszeitraum"},
        CheckCase{"CorrectionPeriodAfterThePeriod", With(kSalary, col::kPeriod, "0624"), kMay, B::Period,
                  "Der Berichtigungszeitraum muss kleiner"},
        CheckCase{"CorrectionPeriodEqualToThePeriod", With(kSalary, col::kPeriod, "0524"), kMay, B::Period,
                  "Der Berichtigungszeitraum muss kleiner"},
        CheckCase{"NoAmountPerUnit", Line("1", "1", "1", "", "1", "1"), kMay, B::Amount, "Bitte den Euro Betrag je"},
        CheckCase{"NoTaxKey", Line("7", "1", "1", "5,00", "", "1"), kMay, B::TaxKey, "Der Steuerschlüssel ist"},
        CheckCase{"NoSvKey", Line("7", "1", "1", "5,00", "1", ""), kMay, B::SvKey, "Der Sozialversicherungs-"},
        CheckCase{"NoQuantity", Line("1", "1", "", "5,00", "1", "1"), kMay, B::Quantity, "Bitte die Menge angeben."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ConfirmBookingLine, AppendsWithTheTotalAndRunningNumber) {
  BookingTable table{};
  BookingRow edit = Line("2", "1", "0,01", "9999,99", "1", "1");
  const auto result = ConfirmBookingLine(table, edit, kMay, Types());
  ASSERT_EQ(result.outcome, EditLineOutcome::Appended);
  EXPECT_EQ(table[0][col::kRunningNumber], "01");
  EXPECT_EQ(table[0][col::kTotal], "100,00");
  EXPECT_EQ(table[0][col::kAmount], "9999,99");
  EXPECT_EQ(edit, BookingRow{});
  BookingRow whole = Line("1", "1", "1", "2500", "1", "1");
  ConfirmBookingLine(table, whole, kMay, Types());
  EXPECT_EQ(table[1][col::kRunningNumber], "02");
  EXPECT_EQ(table[1][col::kAmount], "2500,00") << "amounts are stored with two decimals";
  EXPECT_EQ(table[1][col::kTotal], "2500,00");
  BookingRow negative = Line("20", "2", "-2", "50,00");
  ConfirmBookingLine(table, negative, kMay, Types());
  EXPECT_EQ(table[2][col::kTotal], "-100,00");
}

TEST(ConfirmBookingLine, TakesChangesAndDeletesByRunningNumber) {
  BookingTable table{};
  for (const char* number : {"1", "2", "44"}) {
    BookingRow edit = std::string(number) == "44" ? kDays : Line(number, "1", "10", "15,00", "1", "1");
    ASSERT_NE(ConfirmBookingLine(table, edit, kMay, Types()).outcome, EditLineOutcome::Refused);
  }
  BookingRow edit{};
  edit[col::kRunningNumber] = "2";
  ASSERT_EQ(ConfirmBookingLine(table, edit, kMay, Types()).outcome, EditLineOutcome::TakenIntoEditLine);
  EXPECT_EQ(edit[col::kWageType], "2");
  edit[col::kQuantity] = "12";
  ASSERT_EQ(ConfirmBookingLine(table, edit, kMay, Types()).outcome, EditLineOutcome::Replaced);
  EXPECT_EQ(table[1][col::kTotal], "180,00");
  EXPECT_EQ(BookingLineCount(table), 3);

  edit = {};
  edit[col::kRunningNumber] = "01";
  ConfirmBookingLine(table, edit, kMay, Types());
  edit[col::kWageType].clear();
  ASSERT_EQ(ConfirmBookingLine(table, edit, kMay, Types()).outcome, EditLineOutcome::Deleted);
  ASSERT_EQ(BookingLineCount(table), 2);
  EXPECT_EQ(table[0][col::kRunningNumber], "01");
  EXPECT_EQ(table[0][col::kWageType], "2");
  EXPECT_EQ(table[1][col::kRunningNumber], "02");
  EXPECT_EQ(table[2], BookingRow{});
}

TEST(ConfirmBookingLine, AnUnknownRunningNumberIsNotFound) {
  BookingTable table{};
  BookingRow edit{};
  edit[col::kRunningNumber] = "05";
  const auto result = ConfirmBookingLine(table, edit, kMay, Types());
  ASSERT_EQ(result.outcome, EditLineOutcome::Refused);
  EXPECT_EQ(result.message->caption, "Eingabe Fehler !");
  EXPECT_EQ(result.message->lines.front(), "Der angegebene Datensatz wurde nicht gefunden.");
  EXPECT_EQ(result.focus, B::RunningNumber);
}

TEST(ConfirmBookingLine, AThirtyFirstLineIsRefused) {
  BookingTable table{};
  for (int i = 0; i < kMaxBookingLines; ++i) {
    BookingRow edit = kSalary;
    ASSERT_EQ(ConfirmBookingLine(table, edit, kMay, Types()).outcome, EditLineOutcome::Appended);
  }
  EXPECT_EQ(table[29][col::kRunningNumber], "30");
  BookingRow edit = kSalary;
  const auto result = ConfirmBookingLine(table, edit, kMay, Types());
  ASSERT_EQ(result.outcome, EditLineOutcome::Refused);
  EXPECT_EQ(result.message->caption, "Kontrolle !");
  EXPECT_EQ(result.message->Text(), "Mehr als 30 Buchungen können nicht erfaßt\r\nwerden.");
  EXPECT_EQ(table[30], BookingRow{});
  EXPECT_EQ(edit, kSalary);
}

TEST(WageTypeTakeOver, CopiesTheKeysButNotTheGarnishmentKey) {
  const WageTypeTable types = Types();
  const WageTypeRow* salary = LookUpWageType(types, "01");
  ASSERT_NE(salary, nullptr);
  EXPECT_EQ((*salary)[wage_column::kName], "Gehalt");
  EXPECT_EQ(LookUpWageType(types, "3"), nullptr);
  EXPECT_EQ(LookUpWageType(types, ""), nullptr);
  BookingRow edit{};
  edit[col::kWageType] = "1";
  EXPECT_FALSE(TakeOverReplacesEntries(edit, *salary));
  TakeOverWageType(edit, *salary);
  EXPECT_EQ(edit[col::kCategory], "1");
  EXPECT_EQ(edit[col::kTaxKey], "1");
  EXPECT_EQ(edit[col::kSvKey], "1");
  EXPECT_EQ(edit[col::kGarnishable], "");
  EXPECT_FALSE(TakeOverReplacesEntries(edit, *salary)) << "the same keys replace nothing";
  EXPECT_TRUE(TakeOverReplacesEntries(edit, *LookUpWageType(types, "20")));
}

TEST(DecimalTexts, FollowTheirDecimals) {
  EXPECT_EQ(ParseDecimalText("12,5", 2), 1250);
  EXPECT_EQ(ParseDecimalText("-3", 1), -30);
  EXPECT_EQ(ParseDecimalText("", 2), 0);
  EXPECT_FALSE(ParseDecimalText("-", 2));
  EXPECT_FALSE(ParseDecimalText("1,", 2));
  EXPECT_FALSE(ParseDecimalText("1,0", 0));
  EXPECT_EQ(ParseBookingAmount("-0,05"), Cents(-5));
  EXPECT_FALSE(ParseBookingAmount("0,5"));
  EXPECT_EQ(NormaliseBookingAmount("7"), "7,00");
  EXPECT_EQ(NormaliseBookingAmount(""), "");
}

}  // namespace
}  // namespace pekto
