// The checks of the payroll account when it is closed: each check with its
// message and its field, in their order, and the carry-forward question.
#include "bookings/account/payroll_account_checks.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace pekto {
namespace {

using F = AccountField;

// A consistent account of a full year, as the summation leaves it.
AccountEntries FullYear() {
  AccountEntries e;
  e[F::EntryDate] = "010423";
  e[F::SvNumber] = "15070649C103";
  e[F::HealthFund] = "AOK";
  e[F::HolidayEntitlement] = "30,0";
  e[F::HolidayRemaining] = "4,5";
  e[F::LastPeriod] = "1224";
  e[F::GrossTotal] = "39000,00";
  e[F::TaxableCurrent] = "39000,00";
  e[F::KvPay] = "39000,00";
  e[F::KvDays] = "360";
  e[F::KvEmployer] = "3178,50";
  e[F::KvEmployee] = "3178,50";
  e[F::RvPay] = "39000,00";
  e[F::RvDays] = "360";
  e[F::RvEmployer] = "3627,00";
  e[F::RvEmployee] = "3627,00";
  e[F::AvPay] = "39000,00";
  e[F::AvDays] = "360";
  e[F::AvEmployer] = "507,00";
  e[F::AvEmployee] = "507,00";
  e[F::LevyPay] = "39000,00";
  e[F::LevyDays] = "360";
  return e;
}

struct CheckCase {
  std::string_view name;
  std::vector<std::pair<F, std::string>> changes;
  F focus;
  std::vector<std::string> lines;  // the check's own lines
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

class AccountCheckTest : public ::testing::TestWithParam<CheckCase> {};

std::optional<AccountCheckFailure> CheckUnlocked(const AccountEntries& e) {
  return CheckPayrollAccount(e, {true, false}, [](const DialogMessage&) {
    ADD_FAILURE() << "no question expected";
    return true;
  });
}

TEST_P(AccountCheckTest, FailsWithItsMessageOnItsField) {
  AccountEntries entries = FullYear();
  for (const auto& [field, text] : GetParam().changes) entries[field] = text;
  const auto failure = CheckUnlocked(entries);
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->focus, GetParam().focus);
  std::vector<std::string> expected = GetParam().lines;
  expected.emplace_back();
  expected.emplace_back("Das Lohnkonto kann nicht geschlossen werden.");
  EXPECT_EQ(failure->message.lines, expected);
  EXPECT_EQ(failure->message.caption, "Eingabe Fehler !");
  EXPECT_EQ(failure->message.kind, MessageKind::Exclamation);
}

const std::vector<std::string> kEntryDate = {"Es wurde ein unlogisches Eintritts-", "datum angegeben..."};
const std::vector<std::string> kExitDate = {"Es wurde ein unlogisches Austritts-", "datum angegeben..."};
const std::vector<std::string> kSvNumber = {"Bitte die korrekte Versicherungs-", "nummer angeben..."};
const std::vector<std::string> kPeriodForm = {"Bitte den zuletzt abgerechneten Zeitraum",
                                              "im Format MMJJ (Monat Jahr) angeben..."};
const std::vector<std::string> kPeriodMonth = {"Bitte einen logischen Abrechnungs-", "monat (Zeitraum) angeben..."};
const std::vector<std::string> kAmount = {"Bitte den Betrag im anschließend angezeigten",
                                          "Eingabefeld im Format xxxx,xx angeben..."};
const std::vector<std::string> kDays = {"Bitte die Anzahl der SV-Tage (0 bis 360) im",
                                        "anschließend angezeigten Eingabefeld angeben..."};

const CheckCase kCases[] = {
    {"EntryDate31stOfJune", {{F::EntryDate, "310624"}}, F::EntryDate, kEntryDate},
    {"EntryDateTooShort", {{F::EntryDate, "01042"}}, F::EntryDate, kEntryDate},
    {"ExitDateMonth13", {{F::ExitDate, "011324"}}, F::ExitDate, kExitDate},
    {"ExitDate29thFebruary2023", {{F::ExitDate, "290223"}}, F::ExitDate, kExitDate},
    {"EntryDateCheckedBeforeExitDate", {{F::EntryDate, "000124"}, {F::ExitDate, "999999"}}, F::EntryDate,
     kEntryDate},
    {"SvNumberWrongCheckDigit", {{F::SvNumber, "15070649C104"}}, F::SvNumber, kSvNumber},
    {"SvNumberTooShort", {{F::SvNumber, "150706"}}, F::SvNumber, kSvNumber},
    {"HolidayWithoutDecimal", {{F::HolidayEntitlement, "30"}}, F::HolidayEntitlement,
     {"Bitte den Jahresurlaubsanspruch", "im Format xx,x angeben..."}},
    {"HolidayTwoDecimals", {{F::HolidayEntitlement, "2,50"}}, F::HolidayEntitlement,
     {"Bitte den Jahresurlaubsanspruch", "im Format xx,x angeben..."}},
    {"RemainingHolidayThreeDigits", {{F::HolidayRemaining, "100,0"}}, F::HolidayRemaining,
     {"Bitte den Resturlaubsanspruch", "im Format xx,x angeben..."}},
    {"PeriodThreeDigits", {{F::LastPeriod, "124"}}, F::LastPeriod, kPeriodForm},
    {"PeriodMonth13", {{F::LastPeriod, "1324"}}, F::LastPeriod, kPeriodMonth},
    {"Period1399", {{F::LastPeriod, "1399"}}, F::LastPeriod, kPeriodMonth},
    {"PeriodMonth00", {{F::LastPeriod, "0024"}}, F::LastPeriod, kPeriodMonth},
    {"KvPayWithoutDays", {{F::KvDays, ""}}, F::KvDays, {"Bitte die KV-Sozialversicher-", "ungstage angeben...."}},
    {"AvPayWithZeroDays", {{F::AvDays, "0"}}, F::AvDays, {"Bitte die AV-Sozialversicher-", "ungstage angeben...."}},
    {"RvPayAndDaysWithoutContributions", {{F::RvEmployer, ""}, {F::RvEmployee, "0,00"}}, F::RvEmployer,
     {"Bitte den RV-Beitrag Arbeitnehmer", "und/oder Arbeitgeber angeben..."}},
    {"KvContributionsWithoutPay", {{F::KvPay, ""}, {F::KvDays, ""}}, F::KvPay,
     {"Bitte den KV-Pflichtigen Betrag", "im Format xxxx,xx angeben...."}},
    {"AvDaysOnly", {{F::AvPay, ""}, {F::AvEmployer, ""}, {F::AvEmployee, ""}}, F::AvEmployer,
     {"Bitte den AV-Beitrag Arbeitnehmer", "und/oder Arbeitgeber angeben..."}},
    {"TransitionReductionWithoutRvPay",
     {{F::TransitionReduction, "100,00"}, {F::RvPay, ""}, {F::RvDays, ""}, {F::RvEmployer, ""}, {F::RvEmployee, ""}},
     F::RvPay, {"Bitte das rentenversicherungspflichtige", "Entgelt angeben..."}},
    {"TransitionReductionAsLargeAsRvPay", {{F::TransitionReduction, "39000,00"}}, F::TransitionReduction,
     {"Der Unterschiedsbetrag zwischen dem sozialversicherungsrechtlichen",
      "Übergangsbereich und verbeitragtem rentenversicherungspflichtigten",
      "Entgelt muss kleiner sein, als das rentenversicherungspflichtige", "Entgelt."}},
    {"LevyPayWithoutDays", {{F::LevyDays, ""}}, F::LevyDays,
     {"Bitte die Umlageversicherungs- bzw. Kam-", "merbeitragspflichtigen SV-Tage angeben..."}},
    {"FlatPayWithoutTax", {{F::FlatTaxedPay, "6336,00"}}, F::FlatWageTax,
     {"Bitte die pauschale Lohnsteuer oder", "die Pauschsteuer angeben......."}},
    {"FlatTaxWithoutPay", {{F::UniformFlatTax, "126,72"}}, F::FlatTaxedPay,
     {"Bitte die pauschal besteuerten", "Bezüge angeben..."}},
    {"AmountWithADot", {{F::ChurchTax, "120.50"}}, F::ChurchTax, kAmount},
    {"AmountWithOneDecimal", {{F::Soli, "12,5"}}, F::Soli, kAmount},
    {"AmountWithoutComma", {{F::U1, "1250"}}, F::U1, kAmount},
    {"NegativeAmount", {{F::U2, "-3,00"}}, F::U2, kAmount},
    {"NegativeDayCount", {{F::KvDays, "-30"}}, F::KvDays, kDays},
    {"MoreDaysThanAYearHas", {{F::RvDays, "361"}}, F::RvDays, kDays},
    {"InterruptionsNotANumber", {{F::Interruptions, "x"}}, F::Interruptions,
     {"Bitte die Anzahl der Unterbrechungen", "als ganze Zahl angeben..."}},
};

INSTANTIATE_TEST_SUITE_P(Rows, AccountCheckTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AccountChecks, AConsistentYearPasses) {
  EXPECT_EQ(CheckUnlocked(FullYear()), std::nullopt);
  EXPECT_EQ(CheckUnlocked(AccountEntries{}), std::nullopt);
}

TEST(AccountChecks, AMidiJobWithItsReductionPasses) {
  AccountEntries e = FullYear();
  e[F::RvPay] = "12000,00";
  e[F::TransitionReduction] = "1850,40";
  EXPECT_EQ(CheckUnlocked(e), std::nullopt);
}

// The summation fills the locked figures; with the fields locked they are
// written back unchanged and do not keep the account from closing.
TEST(AccountChecks, LockedFiguresAreNotChecked) {
  AccountEntries e = FullYear();
  e[F::KvDays] = "";
  e[F::ChurchTax] = "bad";
  EXPECT_EQ(CheckPayrollAccount(e, {false, false}, [](const DialogMessage&) { return true; }), std::nullopt);
  e[F::EntryDate] = "320124";
  const auto failure = CheckPayrollAccount(e, {false, false}, [](const DialogMessage&) { return true; });
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->focus, F::EntryDate);
}

TEST(AccountChecks, TheFirstFailureInTheOrderWins) {
  AccountEntries e = FullYear();
  e[F::ChurchTax] = "1.00";
  e[F::KvDays] = "";
  e[F::LastPeriod] = "1324";
  e[F::HolidayRemaining] = "5";
  EXPECT_EQ(CheckUnlocked(e)->focus, F::HolidayRemaining);
  e[F::HolidayRemaining] = "";
  EXPECT_EQ(CheckUnlocked(e)->focus, F::LastPeriod);
  e[F::LastPeriod] = "1224";
  EXPECT_EQ(CheckUnlocked(e)->focus, F::KvDays);
  e[F::KvDays] = "360";
  EXPECT_EQ(CheckUnlocked(e)->focus, F::ChurchTax);
}

TEST(CarryForward, TheQuestionComesAfterThePeriodChecks) {
  AccountEntries e = FullYear();
  e[F::LastPeriod] = "0624";
  std::vector<DialogMessage> asked;
  const auto answer = [&](bool yes) {
    return [&asked, yes](const DialogMessage& question) {
      asked.push_back(question);
      return yes;
    };
  };
  EXPECT_EQ(CheckPayrollAccount(e, {true, true}, answer(true)), std::nullopt);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].caption, "Kontrolle");
  EXPECT_EQ(asked[0].kind, MessageKind::Question);
  EXPECT_TRUE(asked[0].Text().starts_with(
      "Das Eingabefeld \"Zuletzt abgerechneter Zeitraum\" wird grundsätzlich\r\nprogrammgesteuert verwaltet."));
  EXPECT_TRUE(asked[0].Text().ends_with("Ansonsten klicken Sie bitte auf \"NEIN\" und entfernen den Eintrag."));

  const auto refused = CheckPayrollAccount(e, {true, true}, answer(false));
  ASSERT_TRUE(refused);
  EXPECT_EQ(refused->focus, F::LastPeriod);
  EXPECT_EQ(refused->message.Text(), "Das Lohnkonto kann nicht geschlossen werden.");

  e[F::LastPeriod] = "1324";
  asked.clear();
  EXPECT_EQ(CheckPayrollAccount(e, {true, true}, answer(true))->message.lines.front(),
            "Bitte einen logischen Abrechnungs-");
  EXPECT_TRUE(asked.empty());
}

TEST(CarryForward, IsDueForAnEntryTypedInTheDialogOnly) {
  AccountEntries opened;
  opened[F::LastPeriod] = "0524";
  AccountEntries now = opened;
  EXPECT_FALSE(CarryForwardQuestionDue(opened, now, std::nullopt)) << "the summation's own period";
  now[F::LastPeriod] = "";
  EXPECT_FALSE(CarryForwardQuestionDue(opened, now, std::nullopt)) << "an entry removed";
  now[F::LastPeriod] = "0624";
  EXPECT_TRUE(CarryForwardQuestionDue(opened, now, std::nullopt));
  EXPECT_FALSE(CarryForwardQuestionDue(opened, now, std::string("0624"))) << "confirmed with JA before";
  EXPECT_TRUE(CarryForwardQuestionDue(opened, now, std::string("0524")));
  EXPECT_TRUE(CarryForwardQuestionDue(AccountEntries{}, now, std::nullopt)) << "first carry-forward";
}

TEST(AccountForms, DatesHolidaysAndAmounts) {
  EXPECT_TRUE(IsAccountDate(""));
  EXPECT_TRUE(IsAccountDate("290224"));
  EXPECT_TRUE(IsAccountDate("311299"));
  EXPECT_FALSE(IsAccountDate("290223"));
  EXPECT_FALSE(IsAccountDate("000124"));
  EXPECT_FALSE(IsAccountDate("01012024"));
  EXPECT_TRUE(IsHolidayDays("5,5"));
  EXPECT_TRUE(IsHolidayDays("30,0"));
  EXPECT_FALSE(IsHolidayDays(",5"));
  EXPECT_FALSE(IsHolidayDays("30,"));
  EXPECT_FALSE(IsHolidayDays("3,0,"));
  EXPECT_EQ(AccountAmountCents(""), 0);
  EXPECT_EQ(AccountAmountCents("0,05"), 5);
  EXPECT_EQ(AccountAmountCents("12345678,90"), 1234567890);
  EXPECT_EQ(AccountAmountCents("123456789,00"), std::nullopt);
  EXPECT_EQ(AccountAmountCents("12,3"), std::nullopt);
  EXPECT_EQ(AccountAmountCents(",50"), std::nullopt);
  EXPECT_EQ(AccountAmountCents("1,2,3"), std::nullopt);
}

}  // namespace
}  // namespace pekto
