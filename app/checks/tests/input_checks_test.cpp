#include "app/checks/input_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "app/checks/tests/check_test_support.h"

namespace pekto {
namespace {

using F = MaskField;
using testing::Change;
using testing::CheckedMonth;
using testing::ValidMask;

std::vector<int> Failing(std::initializer_list<Change> changes) {
  const CheckedMonth month(ValidMask(changes));
  return FailingCheckNumbers(month.Inputs());
}

std::optional<CheckFailure> First(std::initializer_list<Change> changes) {
  const CheckedMonth month(ValidMask(changes));
  return FirstFailingCheck(month.Inputs());
}

TEST(InputChecks, TheValidMonthPassesEveryCheck) {
  const CheckedMonth month(ValidMask());
  EXPECT_EQ(FailingCheckNumbers(month.Inputs()), std::vector<int>{});
  EXPECT_FALSE(FirstFailingCheck(month.Inputs()).has_value());
}

TEST(InputChecks, TheTableHoldsChecksOneTo103InOrder) {
  const auto list = InputCheckList();
  ASSERT_EQ(list.size(), 103u);
  for (std::size_t i = 0; i < list.size(); ++i) EXPECT_EQ(list[i].number, static_cast<int>(i) + 1);
}

// A month that trips the check `number`; `also` lists the checks that the
// same input necessarily trips as well (a year before 2020 always trips
// check 3, key 2 of RV and KV is also not in the key list).
struct TripCase {
  const char* name;
  int number;
  std::vector<Change> changes;
  std::set<int> also = {};
};
void PrintTo(const TripCase& c, std::ostream* os) { *os << c.name; }

const std::vector<Change> kVoluntary = {{F::KvKey, "9"},
                                        {F::KvEmployerAmount, "200,00"},
                                        {F::KvEmployeeAmount, "200,00"},
                                        {F::PvEmployerAmount, "30,00"},
                                        {F::PvEmployeeAmount, "30,00"}};

std::vector<Change> Voluntary(std::vector<Change> changes) {
  std::vector<Change> all = kVoluntary;
  all.insert(all.end(), changes.begin(), changes.end());
  return all;
}

const std::vector<Change> kPrivate = {{F::KvKey, "8"}, {F::PvKey, "0"}, {F::KvRate, ""}};

std::vector<Change> Private(std::vector<Change> changes) {
  std::vector<Change> all = kPrivate;
  all.insert(all.end(), changes.begin(), changes.end());
  return all;
}

const std::vector<Change> kFlatTaxShortTerm = {{F::FlatTaxKind, "2"}, {F::TaxClass, ""}};

std::vector<Change> FlatTax(std::vector<Change> changes) {
  std::vector<Change> all = kFlatTaxShortTerm;
  all.insert(all.end(), changes.begin(), changes.end());
  return all;
}

const std::vector<TripCase> kTripCases = {
    {"PeriodThreeDigits", 1, {{F::Period, "324"}}},
    {"PeriodEmpty", 1, {{F::Period, ""}}},
    {"PeriodMonth13", 2, {{F::Period, "1324"}}},
    {"PeriodWithoutParameters", 3, {{F::Period, "0199"}}, {73}},
    {"Period2019", 3, {{F::Period, "1219"}}},
    {"KvRateBelowGeneralRate", 4, {{F::KvRate, "14,00"}}},
    {"KvRateBelowReducedRate", 4, {{F::KvKey, "3"}, {F::KvRate, "13,90"}}},
    {"NameWithLeadingBlank", 5, {{F::FileName, " MAIER"}}},
    {"KvKeyTwo", 6, {{F::KvKey, "2"}}, {45}},
    {"GleitzoneAt420Euro", 7, {{F::SvAttributeKey, "3"}, {F::SvGross, "420,00"}}},
    {"OldProtectionKey", 7, {{F::SvAttributeKey, "6"}}, {8, 77}},
    {"FullPensionKeyInTransitionRange", 8, {{F::SvAttributeKey, "4"}}},
    {"NetWageForTrainee", 9, {{F::NetWageAgreement, "1"}, {F::SvAttributeKey, "1"}}},
    {"ProtectionKeySevenIn2024", 10, {{F::SvAttributeKey, "7"}, {F::RvKey, "0"}}},
    {"ProtectionKeySevenBeforeOctober2022", 10, {{F::SvAttributeKey, "7"}, {F::RvKey, "0"}, {F::Period, "0922"}}},
    {"ProtectionKeySevenWithPension", 11, {{F::SvAttributeKey, "7"}, {F::Period, "0323"}}},
    {"StateEmpty", 12, {{F::StateCode, ""}}},
    {"State18", 12, {{F::StateCode, "18"}}},
    {"PvEmployerFormat", 13, Voluntary({{F::PvEmployerAmount, "30,0"}})},
    {"PvEmployeeFormat", 14, Voluntary({{F::PvEmployeeAmount, "30,0"}})},
    {"KvRateFormat", 15, {{F::KvRate, "16,3"}}},
    {"KvEmployerFormat", 16, Voluntary({{F::KvEmployerAmount, "200"}})},
    {"KvEmployeeFormat", 17, Voluntary({{F::KvEmployeeAmount, "2,00,0"}})},
    {"VoluntaryKvEmployerMissing", 18, Voluntary({{F::KvEmployerAmount, ""}})},
    {"VoluntaryKvEmployeeMissing", 19, Voluntary({{F::KvEmployeeAmount, ""}})},
    {"VoluntaryPvEmployerMissing", 20, Voluntary({{F::PvEmployerAmount, ""}})},
    {"VoluntaryPvEmployeeMissing", 21, Voluntary({{F::PvEmployeeAmount, ""}})},
    {"U1Format", 22, {{F::U1Rate, "1,6"}}},
    {"U2Format", 23, {{F::U2Rate, "0,3"}}},
    {"ChildAllowancesFormat", 24, {{F::ChildAllowances, "1,50"}}},
    {"AnnualAllowanceFormat", 25, {{F::AnnualAllowance, "-100,0"}}},
    {"PrivatePremiumFormat", 26, Private({{F::PkvBasicPremium, "300,0"}})},
    {"PensionFirstMonthFormat", 27, {{F::PensionFirstMonth, "500,0"}}},
    {"PensionInCurrentFormat", 28, {{F::PensionInCurrent, "500,0"}}},
    {"PensionOneOffExpectedFormat", 29, {{F::PensionOneOffExpected, "100,0"}}},
    {"GrossTotalFormat", 30, {{F::GrossTotal, "3000"}}},
    {"PensionInOtherFormat", 31, {{F::PensionInOther, "1,0"}}},
    {"TaxableGrossFormat", 32, {{F::TaxableGross, "3000,0"}}},
    {"SvGrossFormat", 33, {{F::SvGross, "3000"}}},
    {"SvOneOffFormat", 34, {{F::SvOneOff, "1,0"}}},
    {"TaxableOtherFormat", 35, {{F::TaxableOther, "100,0"}}},
    {"KvAccumFormat", 36, {{F::KvAccumAmount, "1,0"}}},
    {"RvAccumFormat", 37, {{F::RvAccumAmount, "1,0"}}},
    {"AvAccumFormat", 38, {{F::AvAccumAmount, "1,0"}}},
    {"LevyAccumFormat", 39, {{F::LevyAccumAmount, "1,0"}}},
    {"ExpectedIncomeFormat", 40, {{F::ExpectedAnnualIncome, "1,0"}}},
    {"GarnishIncomeFormat", 41, {{F::GarnishIncome, "1,0"}}},
    {"GarnishClaimsFormat", 42, {{F::GarnishClaims, "1,0"}}},
    {"OtherEmployerPayFormat", 43, {{F::MidiOtherEmployerPay, "1,0"}}},
    {"ChildAllowancesNotInHalves", 44, {{F::ChildAllowances, "1,3"}}},
    {"KvKeyUnknown", 45, {{F::KvKey, "7"}}},
    {"KvKeyEmpty", 45, {{F::KvKey, ""}}},
    {"KvRateWithPrivateInsurance", 46, Private({{F::KvRate, "16,30"}})},
    {"VoluntaryAmountWithCompulsoryKey", 47, {{F::PvEmployerAmount, "30,00"}}},
    {"EmployeeShareWithoutKeyNine", 48, {{F::KvKey, "0"}, {F::KvEmployeeAmount, "200,00"}}},
    {"RvKeyUnknown", 49, {{F::RvKey, "7"}}},
    {"RvKeyEmpty", 49, {{F::RvKey, ""}}},
    {"RvKeyOfFormerBranch", 50, {{F::RvKey, "2"}}, {49}},
    {"AvKeyUnknown", 51, {{F::AvKey, "3"}}},
    {"PvKeyEmpty", 52, {{F::PvKey, ""}}},
    // 2024: the Übergangsbereich ends at 2,000 euros
    {"OtherEmployerPayAboveLimit", 53, {{F::MidiOtherEmployerPay, "2000,00"}}},
    {"TaxClassWithFlatTax", 54, {{F::FlatTaxKind, "2"}}},
    {"BirthDateSevenDigits", 55, {{F::BirthDate, "1506198"}}},
    {"BirthDateEmpty", 55, {{F::BirthDate, ""}}},
    {"BirthDate31February", 56, {{F::BirthDate, "31021985"}}},
    {"BirthDate29February1985", 56, {{F::BirthDate, "29021985"}}},
    {"KvRateMissing", 57, {{F::KvRate, ""}}},
    {"U1RateMissing", 58, {{F::LevyKey, "3"}}},
    {"GleitzoneBeforeApril2003", 59, {{F::SvAttributeKey, "3"}, {F::Period, "0302"}}, {3}},
    {"MiniJobWithKvKey", 60, {{F::SvAttributeKey, "2"}}},
    {"MiniJobWithHalfRv", 61, {{F::SvAttributeKey, "2"}, {F::KvKey, "6"}, {F::RvKey, "3"}}},
    {"FlatKvWithoutMiniJob", 62, {{F::KvKey, "6"}}},
    {"FlatRvWithoutMiniJob", 63, {{F::RvKey, "5"}}},
    {"FactorBefore2010", 66, {{F::TaxClass, "4"}, {F::TaxFactor, "950"}, {F::Period, "1209"}}, {3}},
    {"FactorTwoDigits", 67, {{F::TaxClass, "4"}, {F::TaxFactor, "95"}}},
    {"FactorZero", 68, {{F::TaxClass, "4"}, {F::TaxFactor, "000"}}},
    {"FactorInClassOne", 69, {{F::TaxFactor, "950"}}},
    {"ChurchKeyOfAnotherLand", 70, {{F::ChurchEmployee, "05"}}},
    {"SpouseChurchKeyUnknown", 71, {{F::ChurchEmployee, "01"}, {F::ChurchSpouse, "13"}}},
    {"SpouseChurchWithoutEmployee", 72, {{F::ChurchSpouse, "02"}}},
    {"Aged104", 73, {{F::BirthDate, "01031920"}}},
    {"Aged9", 74, {{F::BirthDate, "02032014"}}},
    {"TaxablePayWithoutClass", 75, {{F::TaxClass, ""}}},
    {"TaxableOneOffWithoutClass",
     76,
     {{F::TaxClass, ""}, {F::TaxableGross, ""}, {F::TaxableOther, "500,00"}, {F::OtherYears, "1"}}},
    {"OldProtectionKeyIn2013", 77, {{F::SvAttributeKey, "5"}, {F::Period, "0313"}}, {3}},
    {"FlatTaxWithTaxNetWage", 78, FlatTax({{F::NetWageAgreement, "4"}})},
    {"TaxDaysMissing", 79, {{F::TaxDays, ""}}},
    {"TaxDays31", 80, {{F::TaxDays, "31"}}},
    {"TaxDaysRightAligned", 80, {{F::TaxDays, " 31"}}},
    {"SvDaysMissing", 81, {{F::SvDays, "0"}}},
    {"SvDays45", 82, {{F::SvDays, "45"}}},
    {"GleitzoneForAYear", 83, {{F::SvAttributeKey, "3"}, {F::SvDays, "360"}}},
    {"OneOffYearsMissing", 84, {{F::TaxableOther, "500,00"}}},
    {"YearsWithoutOneOff", 85, {{F::OtherYears, "1"}}},
    {"FlatTaxOneOffForYears", 86, FlatTax({{F::TaxableOther, "500,00"}, {F::OtherYears, "2"}})},
    {"RvAccumDaysMissing", 87, {{F::RvAccumAmount, "9000,00"}}},
    {"KvAccumDaysMissing", 88, {{F::KvAccumAmount, "9000,00"}}},
    {"AvAccumDaysMissing", 89, {{F::AvAccumAmount, "9000,00"}}},
    {"LevyAccumDaysMissing", 90, {{F::LevyAccumAmount, "9000,00"}}},
    {"GarnishDays32", 91, {{F::GarnishCalendarDays, "32"}}},
    {"GarnishPeriodMissing", 92, {{F::GarnishClaims, "5000,00"}, {F::GarnishIncome, "1000,00"}}},
    {"GarnishClaimsMissing", 93, {{F::GarnishIncome, "1000,00"}, {F::GarnishMonths, "1"}}},
    {"PensionMonths13", 94, {{F::PensionMonths, "13"}}},
    {"PensionMonthsMissingForAYear",
     95,
     {{F::TaxDays, "360"},
      {F::PensionInCurrent, "500,00"},
      {F::PensionFirstMonth, "500,00"},
      {F::PensionStartYear, "2020"}}},
    {"PensionFirstMonthMissing", 96, {{F::PensionInCurrent, "500,00"}, {F::PensionStartYear, "2020"}}},
    {"PensionStartAfterPeriod", 97, {{F::PensionStartYear, "2025"}}},
    {"PensionStartBeforeBirth", 97, {{F::PensionStartYear, "1980"}}},
    {"PensionStartYearMissing", 98, {{F::PensionInCurrent, "500,00"}, {F::PensionFirstMonth, "500,00"}}},
    {"PrivatePremiumBefore2010", 99, Private({{F::PkvBasicPremium, "300,00"}, {F::Period, "1209"}}), {3}},
    {"PrivateWithPvKey", 100, {{F::KvKey, "8"}, {F::KvRate, ""}}},
    {"PrivatePremiumWithCompulsoryKey", 101, {{F::PkvBasicPremium, "300,00"}}},
    {"OneOffPensionWithoutOneOff", 102, {{F::PensionInOther, "100,00"}, {F::PensionStartYear, "2020"}}},
    {"FlatChurchByDenominationWithoutChurch", 103, FlatTax({{F::ChurchFlatKey, "2"}})},
};

class TripsExactlyOneCheck : public ::testing::TestWithParam<TripCase> {};

TEST_P(TripsExactlyOneCheck, AndTheFirstFailingIsTheLowest) {
  const TripCase& c = GetParam();
  const CheckedMonth month(ValidMask({}));
  MaskFields mask = month.mask;
  for (const auto& [field, text] : c.changes) mask[field] = std::string(text);
  const CheckedMonth changed(mask);

  std::set<int> expected = c.also;
  expected.insert(c.number);
  const auto failing = FailingCheckNumbers(changed.Inputs());
  EXPECT_EQ(std::set<int>(failing.begin(), failing.end()), expected);

  const auto first = FirstFailingCheck(changed.Inputs());
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->number, *expected.begin());
}

INSTANTIATE_TEST_SUITE_P(Checks, TripsExactlyOneCheck, ::testing::ValuesIn(kTripCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A mask period "MMJJ" is a month of 2000 to 2099, so checks 64 and 65
// (before 04/1999) cannot fail; every other check has its case.
TEST(InputChecks, EveryCheckHasATripCase) {
  std::set<int> covered;
  for (const TripCase& c : kTripCases) covered.insert(c.number);
  EXPECT_EQ(covered.size(), 101u);
  EXPECT_EQ(covered.count(64) + covered.count(65), 0u);
}

TEST(InputChecks, FirstFailingCheckWins) {
  // An empty Bundesland and a wrong amount format in PV-AG: only the Land.
  const auto first = First({{F::StateCode, ""}, {F::PvEmployerAmount, "30,0"}});
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->number, 12);
  EXPECT_EQ(first->focus, F::StateCode);
  EXPECT_EQ(first->message.Text(),
            "Berechnung kann nicht durchgeführt werden.\r\n\r\n"
            "Bitte das Bundesland gemäß Schlüsselverzeichnis eintragen....");
  EXPECT_EQ(Failing({{F::StateCode, ""}, {F::PvEmployerAmount, "30,0"}}), (std::vector<int>{12, 13, 47}));
}

TEST(InputChecks, AFailureIsAnExclamationBoxWithTheFieldToFocus) {
  const auto first = First({{F::Period, "1324"}});
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->focus, F::Period);
  EXPECT_EQ(first->message.caption, "Eingabe Fehler !");
  EXPECT_EQ(first->message.kind, MessageKind::Exclamation);
  EXPECT_EQ(first->message.lines,
            (std::vector<std::string>{"Berechnung kann nicht durchgeführt werden.", "",
                                      "Bitte einen logischen Abrechnungs-", "monat 01 - 12 angeben...."}));
}

TEST(InputChecks, The2027PeriodIsRefusedWithThisReleasesRange) {
  const auto first = First({{F::Period, "1227"}});
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->number, 3);
  EXPECT_NE(first->message.Text().find("für das Jahr 2027 gefunden. Mit dieser Progrannversion können "
                                       "ausschliesslich die Jahre 2020 - 2026 abgerechnet werden."),
            std::string::npos);
  for (const char* period : {"0125", "1226"}) {
    const auto ok = First({{F::Period, period}});
    EXPECT_TRUE(!ok.has_value() || ok->number != 3) << period;
  }
}

TEST(InputChecks, MissingYearNamesTheYearTheRangeAndTheTelephone) {
  const auto first = First({{F::Period, "0199"}});
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->number, 3);
  EXPECT_EQ(first->message.Text(),
            "Berechnung kann nicht durchgeführt werden.\r\n\r\n"
            "Es wurden keine Bezugsdaten (Steuer- und Sozialversicherung) für das Jahr 2099 gefunden. "
            "Mit dieser Progrannversion können ausschliesslich die Jahre 2020 - 2026 abgerechnet werden.\r\n\r\n"
            "Bitte wenden Sie sich gegebenenfalls an den Softwareersteler.\r\nTelefon: 0000 000000");
}

TEST(InputChecks, MessagesAreJoinedAsWritten) {
  const auto child = First({{F::ChildAllowances, "1,50"}});
  ASSERT_TRUE(child.has_value());
  EXPECT_EQ(child->message.Text(),
            "Berechnung kann nicht durchgeführt werden.\r\n\r\n"
            "Bitte die Anzahl der Kinderfrei-\r\nbeträge  mit korrekter Kommastel-\r\nlung (xx,x) angeben.");
}

// Years before 2020 have no parameters, so check 3 comes first in every
// real run; with parameters of 2013 the protection key of that time is
// checked on its own.
TEST(InputChecks, OldProtectionKeyNamesTheKey) {
  YearParameters params_2013;
  params_2013.year = 2013;
  const MaskFields over_band = ValidMask({{F::SvAttributeKey, "5"}, {F::Period, "0313"}});
  const auto first = FirstFailingCheck({over_band, params_2013});
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->number, 77);
  EXPECT_EQ(first->message.lines[2],
            "Sie haben den Gleitzonenschlüssel 5 (Gesamt sozialversicherungsrelevantes Merkmal)");

  const MaskFields in_band =
      ValidMask({{F::SvAttributeKey, "5"}, {F::Period, "0313"}, {F::SvGross, "420,00"}, {F::TaxableGross, "420,00"}});
  EXPECT_FALSE(FirstFailingCheck({in_band, params_2013}).has_value());
}

TEST(InputChecks, TaxDaysBelowThirtyOrAMonthOrAYear) {
  // " 30": the booking evaluation writes the days right-aligned.
  for (const std::string_view days : {"1", "29", "30", "360", " 30", "  7"}) {
    EXPECT_EQ(Failing({{F::TaxDays, days}}), std::vector<int>{}) << days;
  }
  for (const std::string_view days : {"31", "359", "361", "3a"}) {
    EXPECT_EQ(Failing({{F::TaxDays, days}}), std::vector<int>{80}) << days;
  }
}

TEST(InputChecks, AgeIsTakenOnTheFirstDayOfTheAccountingMonth) {
  // Period 03/2024: 104th birthday on 1 March is over 103; on 2 March not yet.
  EXPECT_EQ(Failing({{F::BirthDate, "01031920"}}), std::vector<int>{73});
  EXPECT_EQ(Failing({{F::BirthDate, "02031920"}}), std::vector<int>{});
  EXPECT_EQ(Failing({{F::BirthDate, "01032014"}}), std::vector<int>{});
  EXPECT_EQ(Failing({{F::BirthDate, "02032014"}}), std::vector<int>{74});
}

TEST(InputChecks, AnotherEmployersPayCountsTowardsTheGleitzone) {
  EXPECT_EQ(Failing({{F::SvAttributeKey, "3"}, {F::SvGross, "420,00"}}), std::vector<int>{7});
  EXPECT_EQ(Failing({{F::SvAttributeKey, "3"}, {F::SvGross, "420,00"}, {F::MidiOtherEmployerPay, "500,00"}}),
            std::vector<int>{});
}

TEST(InputChecks, KvRateIsNotNeededWithoutAContributionByRate) {
  for (const std::string_view key : {"0", "6", "9"}) {
    std::vector<int> failing = Failing({{F::KvKey, key}, {F::KvRate, ""}});
    EXPECT_EQ(std::count(failing.begin(), failing.end(), 57), 0) << key;
  }
}

TEST(SupportedYears, FollowTheProgramVersion) {
  EXPECT_EQ(SupportedYearsText("3.98"), "2017 - 2021");
  EXPECT_EQ(SupportedYearsText("3.99"), "2018 - 2022");
  EXPECT_EQ(SupportedYearsText("4.00"), "2019 - 2023");
  EXPECT_EQ(SupportedYearsText("4.01"), "2020 - 2024");
  EXPECT_EQ(SupportedYearsText("4.17"), "2036 - 2040");
  EXPECT_EQ(SupportedYearsText("3.97"), "");
  EXPECT_EQ(SupportedYearsText("4.18"), "");
  EXPECT_EQ(SupportedYearsText("4.1"), "");
  EXPECT_EQ(SupportedYearsText("4.03"), "2020 - 2026");
  EXPECT_EQ(SupportedYearsText(kProgramVersion), "2020 - 2026");
}

}  // namespace
}  // namespace pekto

namespace pekto {
namespace {

struct OtherPayCase {
  const char* name;
  const char* period;
  const char* pay;
  bool fails;
  const char* limit_text;
};
void PrintTo(const OtherPayCase& c, std::ostream* os) { *os << c.name; }

class OtherEmployerPayLimitOfTheYear : public ::testing::TestWithParam<OtherPayCase> {};

// A second employer's pay may reach a cent below the upper limit of the
// Übergangsbereich of the period; the message names that limit.
TEST_P(OtherEmployerPayLimitOfTheYear, FollowsTheUpperLimit) {
  const OtherPayCase& c = GetParam();
  const testing::CheckedMonth month(
      testing::ValidMask({{MaskField::Period, c.period}, {MaskField::MidiOtherEmployerPay, c.pay}}));
  const auto failure = FirstFailingCheck(month.Inputs());
  ASSERT_EQ(failure.has_value() && failure->number == 53, c.fails);
  if (failure) {
    EXPECT_NE(failure->message.Text().find(std::string("als ") + c.limit_text + " Euro betragen"), std::string::npos)
        << failure->message.Text();
  }
}

INSTANTIATE_TEST_SUITE_P(Years, OtherEmployerPayLimitOfTheYear,
                         ::testing::Values(OtherPayCase{"Year2024Allowed", "0324", "1999,99", false, ""},
                                           OtherPayCase{"Year2024Refused", "0324", "2000,00", true, "1999,99"},
                                           OtherPayCase{"September2022", "0922", "1300,00", true, "1299,99"},
                                           OtherPayCase{"October2022", "1022", "1599,99", false, ""},
                                           OtherPayCase{"Year2025Allowed", "0625", "1999,99", false, ""},
                                           OtherPayCase{"Year2026Refused", "1226", "2000,00", true, "1999,99"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pekto
