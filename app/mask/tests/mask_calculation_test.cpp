#include "app/mask/mask_calculation.h"

#include <gtest/gtest.h>

#include "app/checks/tests/check_test_support.h"

namespace pekto {
namespace {

using F = MaskField;
using testing::ValidMask;

EmployeeRecord RecordWith(const MaskFields& mask) {
  EmployeeRecord record;
  record.mask_fields = mask;
  return record;
}

class MaskCalculationTest : public ::testing::Test {
 protected:
  MaskCalculation Calculate(std::initializer_list<MessageResult> answers = {}) {
    boxes_.answers.assign(answers.begin(), answers.end());
    return CalculateMask(record_, boxes_);
  }
  EmployeeRecord record_ = RecordWith(ValidMask({{F::ChurchEmployee, "01"}}));
  RecordingMessageBoxes boxes_;
};

// A mini-job taxed at the flat rate above the mini-job limit.
MaskFields FlatTaxAboveTheLimit() {
  return ValidMask({{F::TaxClass, ""},
                    {F::FlatTaxKind, "1"},
                    {F::SvAttributeKey, "2"},
                    {F::KvKey, "6"},
                    {F::RvKey, "5"},
                    {F::AvKey, "0"},
                    {F::PvKey, "0"},
                    {F::KvRate, ""},
                    {F::TaxableGross, "900,00"},
                    {F::SvGross, "900,00"},
                    {F::GrossTotal, "900,00"}});
}

TEST_F(MaskCalculationTest, AWarningAnsweredNoStopsWithTheFocusInItsField) {
  record_ = RecordWith(FlatTaxAboveTheLimit());
  const MaskCalculation outcome = Calculate({MessageResult::No});
  EXPECT_FALSE(outcome.calculated);
  EXPECT_EQ(outcome.focus, F::FlatTaxKind);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "Kontrolle");
  EXPECT_EQ(boxes_.shown[0].buttons, MessageButtons::YesNo);
  EXPECT_TRUE(boxes_.shown[0].text.starts_with("Die Pauschalierungsgrenze für"));
}

TEST_F(MaskCalculationTest, AWarningAnsweredYesLetsTheCalculationGoOn) {
  record_ = RecordWith(FlatTaxAboveTheLimit());
  EXPECT_TRUE(Calculate({MessageResult::Yes}).calculated);
}

MaskFields OneOffPayment() {
  return ValidMask(
      {{F::TaxableOther, "2000,00"}, {F::SvOneOff, "2000,00"}, {F::OtherYears, "1"}, {F::GrossTotal, "5000,00"}});
}

TEST_F(MaskCalculationTest, AOneOffPaymentWithoutYearFiguresFormsThemFirst) {
  record_ = RecordWith(OneOffPayment());
  const MaskCalculation outcome = Calculate({MessageResult::Yes});
  ASSERT_TRUE(outcome.calculated);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "Kontrolle");
  EXPECT_TRUE(boxes_.shown[0].text.ends_with("Jahreszahlen ausweisen ?"));
  // March 2024: 2 x 3000 so far is not stored, 9 months still to come.
  EXPECT_EQ(record_.mask_fields[F::ExpectedAnnualIncome], "30000,00");
  EXPECT_EQ(record_.mask_fields[F::KvAccumAmount], "3000,00");
  EXPECT_EQ(record_.mask_fields[F::KvAccumDays], "30");
  EXPECT_GT(outcome.result->one_off_tax[0].wage_tax, Cents(0));
}

TEST_F(MaskCalculationTest, DecliningTheYearFiguresCalculatesWithoutThem) {
  record_ = RecordWith(OneOffPayment());
  const MaskCalculation outcome = Calculate({MessageResult::No});
  ASSERT_TRUE(outcome.calculated);
  EXPECT_EQ(record_.mask_fields[F::ExpectedAnnualIncome], "");
  EXPECT_EQ(outcome.result->one_off_tax[0].wage_tax, Cents(0));
}

TEST_F(MaskCalculationTest, EnteredYearFiguresAreNotFormedAgain) {
  record_ = RecordWith(OneOffPayment());
  record_.mask_fields[F::ExpectedAnnualIncome] = "40000,00";
  record_.mask_fields[F::OtherYears] = "1";
  ASSERT_TRUE(Calculate().calculated);
  EXPECT_TRUE(boxes_.shown.empty());
  EXPECT_EQ(record_.mask_fields[F::ExpectedAnnualIncome], "40000,00");
}

TEST_F(MaskCalculationTest, TheMarchClauseQuestionDecidesWhetherTheResultIsShown) {
  const MaskFields january = ValidMask({{F::Period, "0124"},
                                        {F::TaxableGross, "5000,00"},
                                        {F::SvGross, "5000,00"},
                                        {F::SvOneOff, "20000,00"},
                                        {F::GrossTotal, "25000,00"},
                                        {F::KvAccumAmount, "5000,00"},
                                        {F::KvAccumDays, "30"},
                                        {F::RvAccumAmount, "5000,00"},
                                        {F::RvAccumDays, "30"},
                                        {F::AvAccumAmount, "5000,00"},
                                        {F::AvAccumDays, "30"}});
  record_ = RecordWith(january);
  const MaskCalculation declined = Calculate({MessageResult::No});
  EXPECT_TRUE(declined.calculated);
  EXPECT_FALSE(declined.show_overview);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "Die Märzklausel ist zu beachten !");
  EXPECT_EQ(boxes_.shown[0].icon, MessageIcon::Exclamation);
  record_ = RecordWith(january);
  EXPECT_TRUE(Calculate({MessageResult::Yes}).show_overview);
}

struct NeedsRow {
  const char* name;
  const char* sv_one_off;
  const char* taxable_other;
  const char* accumulated_days;  // field 44
  bool needs;
};
void PrintTo(const NeedsRow& c, std::ostream* os) { *os << c.name; }

class NeedsYearFiguresTest : public ::testing::TestWithParam<NeedsRow> {};

TEST_P(NeedsYearFiguresTest, Decides) {
  const NeedsRow& row = GetParam();
  const MaskFields mask = ValidMask(
      {{F::SvOneOff, row.sv_one_off}, {F::TaxableOther, row.taxable_other}, {F::KvAccumDays, row.accumulated_days}});
  EXPECT_EQ(NeedsYearFigures(mask), row.needs);
}

INSTANTIATE_TEST_SUITE_P(Cases, NeedsYearFiguresTest,
                         ::testing::Values(NeedsRow{"NoOneOffPayment", "", "", "", false},
                                           NeedsRow{"SvOneOffOnly", "100,00", "", "", true},
                                           NeedsRow{"TaxableOneOffOnly", "", "100,00", "", true},
                                           NeedsRow{"NegativePaymentIsNoPayment", "", "-100,00", "", false},
                                           NeedsRow{"AnAccumulatedFieldIsFilled", "100,00", "100,00", "30", false}),
                         [](const ::testing::TestParamInfo<NeedsRow>& info) { return std::string(info.param.name); });

TEST(WriteBackAmounts, ShowsTheSlotsInCommaFormAndZeroAsNothing) {
  EmployeeRecord record;
  record.Slot(F::GrossTotal) = "-12,3";
  record.Slot(F::TaxableGross) = "3000,00";
  record.Slot(F::SvGross) = "0,00";
  record.Slot(F::GarnishIncome) = "1500";
  record.mask_fields[F::SvOneOff] = "stale";
  WriteBackAmounts(record);
  EXPECT_EQ(record.mask_fields[F::GrossTotal], "-12,30");
  EXPECT_EQ(record.mask_fields[F::TaxableGross], "3000,00");
  EXPECT_EQ(record.mask_fields[F::SvGross], "");
  EXPECT_EQ(record.mask_fields[F::GarnishIncome], "1500,00");
  EXPECT_EQ(record.mask_fields[F::SvOneOff], "");
}

}  // namespace
}  // namespace pekto
