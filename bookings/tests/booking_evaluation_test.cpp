#include "bookings/booking_evaluation.h"

#include <gtest/gtest.h>

#include <ostream>

#include "record/annual_block.h"
#include "record/booking_slots.h"

namespace pekto {
namespace {

using F = MaskField;

// A booking line as the mask stores it: number, category, correction
// period, quantity, amount, total, tax and SV key, SV-liable, taxable and
// garnishable amount.
struct Line {
  const char *number, *category, *period, *quantity, *amount, *total, *tax, *sv;
  const char* sv_liable = "";
  const char* taxable = "";
  const char* garnishable = "";
};

void Put(BookingTable& table, const std::vector<Line>& lines) {
  int i = 0;
  for (const Line& l : lines) {
    BookingRow& row = table[static_cast<std::size_t>(i)];
    row = {std::to_string(i + 1), l.number, l.category, l.period, l.quantity, l.amount, l.total, l.tax, l.sv,
           l.sv_liable, l.taxable, l.garnishable, ""};
    ++i;
  }
}

struct EvaluationCase {
  const char* name;
  std::vector<Line> lines;
  const char* garnish_claims;
  std::vector<std::pair<F, const char*>> fields;  // expected mask texts
  std::vector<std::pair<int, const char*>> slots;  // expected month-record slots
  std::vector<std::pair<int, const char*>> days;   // expected day counters (booking_extra columns)
};

void PrintTo(const EvaluationCase& c, std::ostream* os) { *os << c.name; }

class Evaluation : public testing::TestWithParam<EvaluationCase> {};

TEST_P(Evaluation, WritesTheSumsIntoTheMonth) {
  const EvaluationCase& c = GetParam();
  auto record = std::make_unique<EmployeeRecord>();
  record->mask_fields[F::Period] = "0524";
  record->mask_fields[F::TaxClass] = "1";
  for (const F key : {F::KvKey, F::RvKey, F::AvKey, F::PvKey}) record->mask_fields[key] = "1";
  record->mask_fields[F::GarnishClaims] = c.garnish_claims;
  Put(record->booking_table, c.lines);
  EvaluateBookings(*record);
  for (const auto& [field, text] : c.fields) {
    EXPECT_EQ(record->mask_fields[field], text) << "field " << NumberOf(field);
    EXPECT_EQ(record->Slot(field), text) << "slot of field " << NumberOf(field);
  }
  for (const auto& [slot, text] : c.slots) EXPECT_EQ(record->month_record[static_cast<std::size_t>(slot)], text) << slot;
  for (const auto& [column, text] : c.days) EXPECT_EQ(BookingExtras(*record)[static_cast<std::size_t>(column)], text);
  EXPECT_TRUE(FilledFromBookings(*record));
}

namespace bs = booking_slot;
namespace be = booking_extra;

INSTANTIATE_TEST_SUITE_P(
    LineSets, Evaluation,
    testing::Values(
        EvaluationCase{"SalaryAndOneOff",
                       {{"1", "1", "", "1", "2500,00", "2500,00", "1", "1"},
                        {"3", "1", "", "1", "500,00", "500,00", "2", "2"}},
                       "",
                       {{F::GrossTotal, "3000,00"},
                        {F::TaxableGross, "2500,00"},
                        {F::TaxableOther, "500,00"},
                        {F::SvGross, "2500,00"},
                        {F::SvOneOff, "500,00"}},
                       {{bs::kCategory1Total, "3000,00"}},
                       {}},
        EvaluationCase{"TaxableAmountZeroUsesTheTotal",
                       {{"1", "1", "", "1", "800,00", "800,00", "1", "1", "", "0,00"}},
                       "",
                       {{F::TaxableGross, "800,00"}, {F::SvGross, "800,00"}},
                       {},
                       {}},
        EvaluationCase{"DeviatingAmountsReplaceTheTotal",
                       {{"1", "1", "", "1", "800,00", "800,00", "1", "1", "700,00", "650,00"}},
                       "",
                       {{F::GrossTotal, "800,00"}, {F::TaxableGross, "650,00"}, {F::SvGross, "700,00"}},
                       {},
                       {}},
        EvaluationCase{"NegativeTaxableAmountAddsNothingButCountsInGross",
                       {{"1", "1", "", "1", "2000,00", "2000,00", "1", "1"},
                        {"7", "1", "", "1", "300,00", "300,00", "1", "1", "", "-1,00"}},
                       "",
                       {{F::GrossTotal, "2300,00"}, {F::TaxableGross, "2000,00"}, {F::SvGross, "2300,00"}},
                       {},
                       {}},
        EvaluationCase{"TaxAndSvDays",
                       {{"44", "9", "", "30", "", "", "", ""}, {"45", "0", "", "30", "", "", "", ""}},
                       "",
                       {{F::TaxDays, " 30"}, {F::SvDays, " 30"}, {F::GrossTotal, ""}},
                       {},
                       {}},
        EvaluationCase{"NoDayLinesLeaveTheDaysEmpty",
                       {{"1", "1", "", "1", "100,00", "100,00", "1", "1"}},
                       "",
                       {{F::TaxDays, ""}, {F::SvDays, ""}},
                       {},
                       {}},
        EvaluationCase{"CounterDaysOfThePayrollAccount",
                       {{"40", "5", "", "20,5", "", "", "", ""},
                        {"41", "6", "", "2", "", "", "", ""},
                        {"42", "7", "", "1,5", "", "", "", ""},
                        {"43", "8", "", "1", "", "", "", ""},
                        {"40", "5", "0424", "1", "", "", "", ""}},
                       "",
                       {},
                       {},
                       {{be::kAttendanceDays, "21,5"}, {be::kHolidaysTaken, "2"}, {be::kSickDaysPaid, "1,5"},
                        {be::kOtherAbsence, "1"}}},
        EvaluationCase{"CategoriesTwoToFourAndTheirCorrections",
                       {{"20", "2", "", "1", "100,00", "100,00", "", ""},
                        {"30", "3", "", "1", "40,00", "40,00", "", ""},
                        {"35", "4", "", "1", "12,00", "12,00", "", ""},
                        {"20", "2", "0424", "1", "5,00", "5,00", "", ""},
                        {"30", "3", "0424", "1", "6,00", "6,00", "", ""},
                        {"35", "4", "0424", "1", "7,00", "7,00", "", ""}},
                       "",
                       {{F::GrossTotal, ""}},
                       {{bs::kCategory2Total, "-100,00"},
                        {bs::kCategory3Total, "40,00"},
                        {bs::kCategory4Total, "-12,00"},
                        {bs::kCorrectionCategory2, "-5,00"},
                        {bs::kCorrectionCategory3, "6,00"},
                        {bs::kCorrectionCategory4, "-7,00"},
                        {bs::kCategory1Total, ""}},
                       {}},
        EvaluationCase{"CategoryOneWithACorrectionPeriodIsNotEvaluated",
                       {{"1", "1", "0424", "1", "900,00", "900,00", "1", "1"}},
                       "",
                       {{F::GrossTotal, ""}, {F::TaxableGross, ""}},
                       {{bs::kCategory1Total, ""}},
                       {}},
        EvaluationCase{"PensionPaymentsUnderFiftyAndFiftyOne",
                       {{"50", "1", "", "1", "400,00", "400,00", "1", "3"},
                        {"51", "1", "", "1", "900,00", "900,00", "2", "4"},
                        {"50", "1", "", "1", "10,00", "10,00", "2", "3"}},
                       "",
                       {{F::PensionInCurrent, "400,00"},
                        {F::PensionInOther, "900,00"},
                        {F::TaxableOther, "910,00"},
                        {F::SvGross, ""}},
                       {},
                       {}},
        EvaluationCase{"GarnishableAmountsIgnoredWithoutClaims",
                       {{"1", "1", "", "1", "2000,00", "2000,00", "1", "1", "", "", "1500,00"}},
                       "",
                       {{F::GarnishIncome, ""}},
                       {},
                       {}},
        EvaluationCase{"GarnishableAmountsWithClaims",
                       {{"1", "1", "", "1", "2000,00", "2000,00", "1", "1", "", "", "1500,00"},
                        {"2", "1", "", "1", "100,00", "100,00", "1", "1", "", "", "50,00"}},
                       "5000,00",
                       {{F::GarnishIncome, "1550,00"}},
                       {},
                       {}},
        EvaluationCase{"TaxFreeLinesCountOnlyInGross",
                       {{"8", "1", "", "1", "50,00", "50,00", "3", "3"}},
                       "",
                       {{F::GrossTotal, "50,00"}, {F::TaxableGross, ""}, {F::SvGross, ""}},
                       {},
                       {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ClearingCase {
  const char* name;
  std::vector<std::pair<F, const char*>> keys;
  std::vector<F> cleared;
  std::vector<F> kept;
};
void PrintTo(const ClearingCase& c, std::ostream* os) { *os << c.name; }

class ClearingByKeys : public testing::TestWithParam<ClearingCase> {};

TEST_P(ClearingByKeys, ClearsWhatTheKeysExclude) {
  const ClearingCase& c = GetParam();
  auto record = std::make_unique<EmployeeRecord>();
  MaskFields& m = record->mask_fields;
  m[F::Period] = "0524";
  for (const auto& [field, text] : c.keys) m[field] = text;
  for (const F f : {F::KvAccumAmount, F::RvAccumAmount, F::AvAccumAmount, F::LevyAccumAmount,
                    F::ExpectedAnnualIncome})
    m[f] = "9000,00";
  for (const F f : {F::KvAccumDays, F::RvAccumDays, F::AvAccumDays, F::LevyAccumDays}) m[f] = "120";
  m[F::OtherYears] = "1";
  Put(record->booking_table, {{"1", "1", "", "1", "2000,00", "2000,00", "1", "1"},
                              {"3", "1", "", "1", "500,00", "500,00", "2", "2"},
                              {"45", "0", "", "30", "", "", "", ""}});
  EvaluateBookings(*record);
  for (const F f : c.cleared) EXPECT_EQ(m[f], "") << "field " << NumberOf(f);
  for (const F f : c.kept) EXPECT_NE(m[f], "") << "field " << NumberOf(f);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ClearingByKeys,
    testing::Values(
        ClearingCase{"AllInsured",
                     {{F::KvKey, "1"}, {F::RvKey, "1"}, {F::AvKey, "1"}, {F::LevyKey, "1"}, {F::TaxClass, "1"}},
                     {},
                     {F::SvDays, F::SvGross, F::SvOneOff, F::KvAccumAmount, F::RvAccumDays, F::AvAccumAmount,
                      F::LevyAccumAmount, F::ExpectedAnnualIncome, F::OtherYears}},
        ClearingCase{"NotInsuredAtAll",
                     {{F::KvKey, "0"}, {F::RvKey, "0"}, {F::AvKey, "0"}, {F::TaxClass, "1"}},
                     {F::SvDays, F::SvGross, F::SvOneOff, F::KvAccumAmount, F::KvAccumDays, F::RvAccumAmount,
                      F::AvAccumDays, F::LevyAccumAmount, F::LevyAccumDays},
                     {F::TaxableGross, F::ExpectedAnnualIncome}},
        ClearingCase{"PrivateHealthInsuranceKeepsTheOtherBranches",
                     {{F::KvKey, "9"}, {F::RvKey, "1"}, {F::AvKey, "1"}, {F::LevyKey, "1"}, {F::TaxClass, "1"}},
                     {F::KvAccumAmount, F::KvAccumDays},
                     {F::SvGross, F::RvAccumAmount, F::AvAccumAmount, F::LevyAccumAmount}},
        ClearingCase{"WithoutTaxClassNoExpectedIncome",
                     {{F::KvKey, "1"}, {F::RvKey, "1"}, {F::AvKey, "1"}, {F::LevyKey, "1"}},
                     {F::ExpectedAnnualIncome, F::OtherYears},
                     {F::TaxableOther, F::KvAccumAmount}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EvaluateBookings, WithoutOneOffPayTheYearFiguresAreCleared) {
  auto record = std::make_unique<EmployeeRecord>();
  MaskFields& m = record->mask_fields;
  m[F::Period] = "0524";
  m[F::TaxClass] = "1";
  m[F::KvKey] = "1";
  m[F::KvAccumAmount] = "9000,00";
  m[F::ExpectedAnnualIncome] = "30000,00";
  m[F::OtherYears] = "1";
  Put(record->booking_table, {{"1", "1", "", "1", "2000,00", "2000,00", "1", "1"}});
  EvaluateBookings(*record);
  EXPECT_EQ(m[F::KvAccumAmount], "");
  EXPECT_EQ(m[F::ExpectedAnnualIncome], "");
  EXPECT_EQ(m[F::OtherYears], "");
}

TEST(EvaluateBookings, AskToCheckTheExpectedIncomeWhenTheAnnualFiguresAreOfAnotherPeriod) {
  auto record = std::make_unique<EmployeeRecord>();
  record->mask_fields[F::Period] = "0724";
  record->mask_fields[F::TaxClass] = "1";
  Put(record->booking_table, {{"3", "1", "", "1", "500,00", "500,00", "2", "2"}});
  record->annual_block[annual_slot::kLastSummation] = "062024";
  EXPECT_FALSE(EvaluateBookings(*record).check_expected_income);
  record->annual_block[annual_slot::kLastSummation] = "042024";
  const auto evaluation = EvaluateBookings(*record);
  ASSERT_TRUE(evaluation.check_expected_income);
  EXPECT_EQ(evaluation.check_expected_income->lines.front(), "Überprüfen Sie, ob die Eintragung im");
}

TEST(EvaluateBookings, SumsAreExactToTheCent) {
  // 0,01 hours at 9.999,99 Euro is 99,9999 cents: 1,00 Euro, and a
  // thousand such lines are not a binary fraction off.
  EXPECT_EQ(LineTotal(1, Cents(999999)), Cents(10000));
  EXPECT_EQ(LineTotal(-1, Cents(999999)), Cents(-10000));
  EXPECT_EQ(LineTotal(50, Cents(1)), Cents(1));   // 0,5 cents rounds away from zero
  EXPECT_EQ(LineTotal(-50, Cents(1)), Cents(-1));
  EXPECT_EQ(LineTotal(12345, Cents(1999)), Cents(246777));  // 123,45 x 19,99 = 2467,7655
  auto record = std::make_unique<EmployeeRecord>();
  std::vector<Line> lines(30, Line{"1", "1", "", "0,10", "0,10", "0,01", "1", "1"});
  Put(record->booking_table, lines);
  EvaluateBookings(*record);
  EXPECT_EQ(record->mask_fields[F::GrossTotal], "0,30");
}

TEST(EvaluateBookings, RightAlignedDaysReadAsTheirNumber) {
  EXPECT_EQ(IntegerOrZero(" 30"), 30);
  EXPECT_EQ(IntegerOrZero("  7"), 7);
  EXPECT_EQ(IntegerOrZero("   "), 0);
}

TEST(BookedWageTypes, NamesTheLinesByTheirWageTypes) {
  WageTypeTable table;
  table.rows[0] = {"01", "12", "EG-Pauschale (Steuerklasse)", "1", "2", "4", "", "", "", ""};
  table.rows[1] = {"02", "1", "Gehalt", "1", "1", "1", "1", "", "", ""};
  table.count = 2;
  BookingTable bookings{};
  Put(bookings, {{"12", "1", "", "1", "300,00", "300,00", "2", "4"}, {"01", "1", "", "1", "10,00", "10,00", "1", "1"}});
  const auto booked = BookedWageTypes(bookings, table);
  ASSERT_EQ(booked.size(), 2U);
  EXPECT_EQ(booked[0].name, "EG-Pauschale (Steuerklasse)");
  EXPECT_EQ(booked[0].total, Cents(30000));
  EXPECT_EQ(booked[1].name, "Gehalt");
}

}  // namespace
}  // namespace pekto
