#include <gtest/gtest.h>

#include "app/checks/input_checks.h"
#include "app/checks/tests/check_test_support.h"

namespace pekto {
namespace {

using F = MaskField;
using Id = InputWarningId;
using testing::Change;
using testing::CheckedMonth;
using testing::ValidMask;

// A mini-job taxed at the flat rate of § 40a Abs. 2 EStG.
MaskFields MiniJob(std::initializer_list<Change> changes) {
  MaskFields mask = ValidMask({{F::FlatTaxKind, "1"},
                               {F::TaxClass, ""},
                               {F::SvAttributeKey, "2"},
                               {F::KvKey, "6"},
                               {F::KvRate, ""},
                               {F::RvKey, "5"},
                               {F::AvKey, "0"},
                               {F::PvKey, "0"},
                               {F::TaxableGross, "500,00"},
                               {F::SvGross, "500,00"},
                               {F::GrossTotal, "500,00"}});
  for (const auto& [field, text] : changes) mask[field] = std::string(text);
  return mask;
}

std::vector<Id> WarningIds(const CheckedMonth& month) {
  std::vector<Id> ids;
  for (const InputWarning& w : ApplicableWarnings(month.Inputs())) ids.push_back(w.id);
  return ids;
}

struct LimitCase {
  const char* name;
  std::string_view period;
  std::string_view pay;
  bool warned;
};
void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.name; }

class FlatTaxLimit : public ::testing::TestWithParam<LimitCase> {};

TEST_P(FlatTaxLimit, FollowsTheMiniJobLimitOfThePeriod) {
  const LimitCase& c = GetParam();
  const CheckedMonth month(MiniJob({{F::Period, c.period}, {F::TaxableGross, c.pay}}));
  ASSERT_FALSE(FirstFailingCheck(month.Inputs()).has_value());
  EXPECT_EQ(WarningIds(month), c.warned ? std::vector<Id>{Id::FlatTaxLimitExceeded} : std::vector<Id>{});
}

INSTANTIATE_TEST_SUITE_P(Periods, FlatTaxLimit,
                         ::testing::Values(LimitCase{"September2022At450", "0922", "450,00", false},
                                           LimitCase{"September2022At500", "0922", "500,00", true},
                                           LimitCase{"October2022At520", "1022", "520,00", false},
                                           LimitCase{"October2022At521", "1022", "521,00", true},
                                           LimitCase{"March2024At538", "0324", "538,00", false},
                                           LimitCase{"March2024At538And1Cent", "0324", "538,01", true},
                                           LimitCase{"May2025At556", "0525", "556,00", false},
                                           LimitCase{"May2025At556And1Cent", "0525", "556,01", true},
                                           LimitCase{"December2026At603", "1226", "603,00", false},
                                           LimitCase{"December2026At603And1Cent", "1226", "603,01", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InputWarnings, TheLimitQuestionStopsOnNoWithTheFocusOnTheFlatTaxKind) {
  const CheckedMonth month(MiniJob({{F::TaxableGross, "600,00"}}));
  const auto warnings = ApplicableWarnings(month.Inputs());
  ASSERT_EQ(warnings.size(), 1u);
  const InputWarning& w = warnings.front();
  EXPECT_EQ(w.message.caption, "Kontrolle");
  EXPECT_EQ(w.message.kind, MessageKind::Question);
  EXPECT_EQ(w.message.Text(),
            "Die Pauschalierungsgrenze für\r\ngeringfügig Beschäftigte wur-\r\nde überschritten.\r\n\r\n"
            "Sind Sie sicher, daß es sich\r\nhier um einen geringfügig\r\nBeschäftigten handelt....");
  EXPECT_EQ(w.focus, F::FlatTaxKind);

  const CheckOutcome no = RunInputChecks(month.Inputs(), [](const InputWarning&) { return false; });
  EXPECT_FALSE(no.MayCalculate());
  ASSERT_TRUE(no.stopped_by.has_value());
  EXPECT_EQ(no.stopped_by->id, Id::FlatTaxLimitExceeded);

  const CheckOutcome yes = RunInputChecks(month.Inputs(), [](const InputWarning&) { return true; });
  EXPECT_TRUE(yes.MayCalculate());
  ASSERT_EQ(yes.passed.size(), 1u);
}

TEST(InputWarnings, FlatTaxWithAnEmployeeShareAsks) {
  const CheckedMonth liable(ValidMask({{F::FlatTaxKind, "2"}, {F::TaxClass, ""}}));
  EXPECT_EQ(WarningIds(liable), std::vector<Id>{Id::FlatTaxWithSocialInsurance});
  const CheckedMonth mini_job(MiniJob({{F::RvKey, "1"}}));
  EXPECT_EQ(WarningIds(mini_job), std::vector<Id>{});
}

TEST(InputWarnings, AreAskedOneByOneUntilAnAnswerStops) {
  const CheckedMonth month(MiniJob({{F::TaxableGross, "600,00"}, {F::KvKey, "0"}, {F::PvKey, "1"}}));
  std::vector<Id> asked;
  const CheckOutcome outcome = RunInputChecks(month.Inputs(), [&](const InputWarning& w) {
    asked.push_back(w.id);
    return w.id == Id::FlatTaxLimitExceeded;
  });
  EXPECT_EQ(asked, (std::vector<Id>{Id::FlatTaxLimitExceeded, Id::FlatTaxWithSocialInsurance}));
  ASSERT_TRUE(outcome.stopped_by.has_value());
  EXPECT_EQ(outcome.stopped_by->id, Id::FlatTaxWithSocialInsurance);
  EXPECT_EQ(outcome.passed.size(), 1u);
}

TEST(InputWarnings, AreNotAskedWhenACheckFails) {
  const CheckedMonth month(MiniJob({{F::TaxableGross, "600,00"}, {F::StateCode, ""}}));
  bool asked = false;
  const CheckOutcome outcome = RunInputChecks(month.Inputs(), [&](const InputWarning&) { return asked = true; });
  EXPECT_FALSE(asked);
  ASSERT_TRUE(outcome.failure.has_value());
  EXPECT_EQ(outcome.failure->number, 12);
}

struct BookingCase {
  const char* name;
  std::vector<Change> changes;
  std::vector<BookedWageType> bookings;
  std::vector<Id> expected;
};
void PrintTo(const BookingCase& c, std::ostream* os) { *os << c.name; }

class BookedEnergyAllowance : public ::testing::TestWithParam<BookingCase> {};

TEST_P(BookedEnergyAllowance, Warns) {
  const BookingCase& c = GetParam();
  MaskFields mask = ValidMask({{F::Period, "0922"}});
  for (const auto& [field, text] : c.changes) mask[field] = std::string(text);
  CheckedMonth month(mask);
  month.bookings = c.bookings;
  ASSERT_FALSE(FirstFailingCheck(month.Inputs()).has_value());
  EXPECT_EQ(WarningIds(month), c.expected);
}

const BookedWageType kTaxClassAllowance{"EG-Pauschale (Steuerklasse)", Cents(30000)};
const BookedWageType kFlatTaxAllowance{"EG-Pauschale (Pauschsteuer)", Cents(30000)};

INSTANTIATE_TEST_SUITE_P(
    Cases, BookedEnergyAllowance,
    ::testing::Values(
        BookingCase{"BookedInSeptember2022", {}, {kTaxClassAllowance}, {}},
        BookingCase{"BookedInOctober2022", {{F::Period, "1022"}}, {kTaxClassAllowance}, {}},
        BookingCase{"NotBookedInSeptember2022", {}, {}, {Id::EnergyAllowanceNotBooked}},
        BookingCase{"NotBookedForClassSix", {{F::TaxClass, "6"}}, {}, {}},
        BookingCase{
            "BookedInNovember2022", {{F::Period, "1122"}}, {kTaxClassAllowance}, {Id::EnergyAllowanceOutsidePeriod}},
        BookingCase{
            "ClassSix", {{F::TaxClass, "6"}}, {kTaxClassAllowance}, {Id::EnergyAllowanceTaxClassWithoutTaxClass}},
        BookingCase{"NotThreeHundred",
                    {},
                    {{"EG-Pauschale (Steuerklasse)", Cents(25000)}},
                    {Id::EnergyAllowanceTaxClassAmount}},
        BookingCase{"TwoLinesMakeThreeHundred",
                    {},
                    {{"EG-Pauschale (Steuerklasse)", Cents(20000)}, {"EG-Pauschale (Steuerklasse)", Cents(10000)}},
                    {}},
        BookingCase{
            "FlatTaxAllowanceWithoutFlatTax", {}, {kFlatTaxAllowance}, {Id::EnergyAllowanceFlatTaxWithoutFlatTax}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InputWarnings, WithoutBookingsNoBookingWarning) {
  const CheckedMonth month(ValidMask({{F::Period, "0922"}}));
  EXPECT_EQ(WarningIds(month), std::vector<Id>{});
}

TEST(InputWarnings, YesToBookingTheAllowanceStopsSoThatTheUserCanBookIt) {
  CheckedMonth month(ValidMask({{F::Period, "0922"}}));
  month.bookings = std::vector<BookedWageType>{};
  const auto warnings = ApplicableWarnings(month.Inputs());
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_TRUE(warnings.front().IsQuestion());
  EXPECT_TRUE(warnings.front().StopsAfter(true));
  EXPECT_FALSE(warnings.front().StopsAfter(false));
  EXPECT_FALSE(ContinuingAnswer(warnings.front()));
  EXPECT_TRUE(RunInputChecks(month.Inputs(), &ContinuingAnswer).MayCalculate());
}

TEST(InputWarnings, ABoxWithoutAQuestionStopsWhateverTheAnswer) {
  CheckedMonth month(ValidMask({{F::Period, "1122"}}));
  month.bookings = std::vector<BookedWageType>{kTaxClassAllowance};
  const CheckOutcome outcome = RunInputChecks(month.Inputs(), &ContinuingAnswer);
  ASSERT_TRUE(outcome.stopped_by.has_value());
  EXPECT_FALSE(outcome.stopped_by->IsQuestion());
  EXPECT_EQ(outcome.stopped_by->message.kind, MessageKind::Exclamation);
  EXPECT_EQ(outcome.stopped_by->focus, F::Period);
  EXPECT_EQ(outcome.stopped_by->message.lines.back(), "Bitte entfernen Sie die entsprechende Buchung.");
}

TEST(InputWarnings, WithoutAUserTheQuestionsAreAnsweredToGoOn) {
  const CheckedMonth month(MiniJob({{F::TaxableGross, "600,00"}, {F::PvKey, "1"}}));
  const CheckOutcome outcome = RunInputChecks(month.Inputs(), &ContinuingAnswer);
  EXPECT_TRUE(outcome.MayCalculate());
  EXPECT_EQ(outcome.passed.size(), 2u);
}

}  // namespace
}  // namespace pekto
