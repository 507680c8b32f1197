#include "calc/year_figures.h"

#include <gtest/gtest.h>

#include "calc/march_clause.h"

namespace pekto {
namespace {

using F = MaskField;

YearParameters Params() {
  YearParameterInputs in;
  in.period = "0524";
  return LoadYearParameters(in);
}

MaskFields May2024() {
  MaskFields m;
  m[F::Period] = "0524";
  m[F::TaxableGross] = "3000,00";
  m[F::SvGross] = "3000,00";
  m[F::SvDays] = "30";
  m[F::TaxableOther] = "1000,00";
  m[F::SvOneOff] = "1000,00";
  m[F::KvKey] = "1";
  m[F::RvKey] = "1";
  m[F::AvKey] = "1";
  m[F::LevyKey] = "3";
  m[F::OtherYears] = "1";
  return m;
}

AnnualBlock FourMonths() {
  AnnualBlock a{};
  a[annual_slot::kTaxablePay] = "1200000";  // 12,000.00 so far
  a[annual_slot::kTaxableOneOff] = "50000";
  a[annual_slot::kKvPay] = "1200000";
  a[annual_slot::kKvDays] = "120";
  a[annual_slot::kRvPay] = "1200000";
  a[annual_slot::kRvDays] = "120";
  a[annual_slot::kAvPay] = "1200000";
  a[annual_slot::kAvDays] = "120";
  a[annual_slot::kLevyPay] = "1200000";
  a[annual_slot::kLevyDays] = "120";
  return a;
}

TEST(FormYearFigures, ExpectedIncomeAndAccumulatedBases) {
  MaskFields m = May2024();
  FormYearFigures(m, FourMonths(), Params());
  // 12,000 + 3,000 + (360 - 150) x 3,000 / 30 = 21,000 + 500 one-off so far
  EXPECT_EQ(m[F::ExpectedAnnualIncome], "36500,00");
  EXPECT_EQ(m[F::KvAccumAmount], "15000,00");
  EXPECT_EQ(m[F::KvAccumDays], "150");
  EXPECT_EQ(m[F::RvAccumDays], "150");
  EXPECT_EQ(m[F::AvAccumAmount], "15000,00");
  EXPECT_EQ(m[F::LevyAccumDays], "150");
  EXPECT_EQ(m[F::OtherYears], "1");
}

TEST(FormYearFigures, DecemberHasNoProjection) {
  MaskFields m = May2024();
  m[F::Period] = "1224";
  FormYearFigures(m, FourMonths(), Params());
  EXPECT_EQ(m[F::ExpectedAnnualIncome], "15500,00");  // 12,000 + 3,000 + 500
}

TEST(FormYearFigures, EntryInTheYearOnlyGatesTheProjection) {
  AnnualBlock a{};
  a[annual_slot::kEntryDate] = "150324";  // 15 March 2024: 74 days before entry
  MaskFields m = May2024();
  FormYearFigures(m, a, Params());
  // employed 150 - 74 = 76 days > 0: the seven months after May are projected
  EXPECT_EQ(m[F::ExpectedAnnualIncome], "24000,00");  // 3,000 + 7 x 3,000
  a[annual_slot::kEntryDate] = "010624";  // entry after the accounting month
  m = May2024();
  FormYearFigures(m, a, Params());
  EXPECT_EQ(m[F::ExpectedAnnualIncome], "3000,00");
}

TEST(FormYearFigures, BranchesWithoutKeyStayEmptyAndFlatRateClearsTheIncome) {
  MaskFields m = May2024();
  m[F::AvKey] = "0";
  m[F::LevyKey] = "";
  m[F::FlatTaxKind] = "1";
  m[F::LevyAccumAmount] = "99,00";
  FormYearFigures(m, FourMonths(), Params());
  EXPECT_EQ(m[F::AvAccumAmount], "");
  EXPECT_EQ(m[F::LevyAccumAmount], "");
  EXPECT_EQ(m[F::ExpectedAnnualIncome], "");
  EXPECT_EQ(m[F::OtherYears], "");
  EXPECT_EQ(m[F::KvAccumAmount], "15000,00");
}

TEST(FormYearFigures, WithoutSvOneOffTheBasesAreCleared) {
  MaskFields m = May2024();
  m[F::SvOneOff] = "";
  m[F::KvAccumAmount] = "1,00";
  FormYearFigures(m, FourMonths(), Params());
  EXPECT_EQ(m[F::KvAccumAmount], "");
  EXPECT_EQ(m[F::ExpectedAnnualIncome], "36500,00");
}

struct EntryCase {
  const char* name;
  const char* entry;
  int year;
  int days;
};
void PrintTo(const EntryCase& c, std::ostream* os) { *os << c.name; }

class DaysBeforeEntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(DaysBeforeEntryTest, ThirtyDaysAMonth) {
  EXPECT_EQ(DaysBeforeEntry(GetParam().entry, GetParam().year), GetParam().days);
}

INSTANTIATE_TEST_SUITE_P(Dates, DaysBeforeEntryTest,
                         ::testing::Values(EntryCase{"FirstOfJanuary", "010124", 2024, 0},
                                           EntryCase{"FifteenthOfMarch", "150324", 2024, 74},
                                           EntryCase{"ThirtyFirstCountsAsThirty", "310524", 2024, 149},
                                           EntryCase{"LateFebruaryCountsAsThirty", "280224", 2024, 59},
                                           EntryCase{"EnteredInAnEarlierYear", "150323", 2024, 0},
                                           EntryCase{"NoEntryDate", "", 2024, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(YearFiguresMessages, RefusalsAndQuestions) {
  MaskFields m = May2024();
  EXPECT_FALSE(YearFiguresRefusal(m).has_value());
  m[F::SvGross] = "-5,00";
  ASSERT_TRUE(YearFiguresRefusal(m).has_value());
  EXPECT_EQ(YearFiguresRefusal(m)->lines.back(), "gelt negativ ist.");
  m = May2024();
  m[F::TaxableOther] = "";
  m[F::SvOneOff] = "";
  EXPECT_EQ(YearFiguresRefusal(m)->lines.back(), "wurde.");
  EXPECT_EQ(YearFiguresIntroduction().lines.back(), "Jahreszahlen ausweisen ?");
  EXPECT_EQ(YearFiguresIntroduction().kind, MessageKind::Question);
}

TEST(YearFiguresMessages, ClosedPeriodIsAskedAbout) {
  MaskFields m = May2024();
  AnnualBlock a{};
  EXPECT_FALSE(ClosedPeriodQuestion(m, a).has_value());
  a[annual_slot::kLastSummation] = "042024";
  EXPECT_FALSE(ClosedPeriodQuestion(m, a).has_value());
  a[annual_slot::kLastSummation] = "052024";
  const auto question = ClosedPeriodQuestion(m, a);
  ASSERT_TRUE(question.has_value());
  EXPECT_EQ(question->Text().substr(0, 38), "Der Abrechnungszeitraum 0524 wurde ber");
  EXPECT_EQ(question->lines.back(), "Jahreszahlen trotzdem bilden ?");
  EXPECT_EQ(RemovalClosedPeriodQuestion(m, a)->lines.back(), "Jahreszahlen trotzdem entfernen ?");
}

TEST(YearFigures, RemovalClearsTheFigures) {
  MaskFields m = May2024();
  FormYearFigures(m, FourMonths(), Params());
  RemoveYearFigures(m);
  EXPECT_EQ(m[F::ExpectedAnnualIncome], "");
  EXPECT_EQ(m[F::KvAccumDays], "");
  EXPECT_EQ(m[F::TaxableOther], "1000,00");
}

TEST(MarchClause, NamesTheAffectedBranches) {
  const DialogMessage m = MarchClauseWarning({true, false, true});
  EXPECT_EQ(m.caption, "Die Märzklausel ist zu beachten !");
  EXPECT_EQ(m.kind, MessageKind::Warning);
  const std::string text = m.Text();
  EXPECT_NE(text.find("Der Krankenversicherung\r\nDer Arbeitslosenversicherung\r\n\r\nAbrechnung trotzdem zeigen...."),
            std::string::npos);
  EXPECT_EQ(text.find("Rentenversicherung"), std::string::npos);
}

}  // namespace
}  // namespace pekto
