// The field table of the payroll account and the moves between the
// AnnualBlock and the texts of the dialog.
#include "bookings/account/payroll_account_fields.h"

#include <gtest/gtest.h>

#include <set>

namespace pekto {
namespace {

using F = AccountField;
namespace s = annual_slot;

TEST(AccountFieldTable, ShowsEverySlotButTheSummationMarksOnce) {
  std::set<int> slots;
  for (const AccountFieldSpec& spec : AccountFieldTable()) {
    SCOPED_TRACE(spec.slot);
    EXPECT_TRUE(slots.insert(spec.slot).second);
    EXPECT_TRUE(spec.status_text.starts_with(' '));
    EXPECT_GT(spec.help_topic, 0);
    EXPECT_LT(spec.help_topic, 370);
    EXPECT_EQ(AccountFieldOfControl(ControlIdOf(spec.field)), spec.field);
    // What the summation fills is locked; what only the user types is not.
    const AnnualAccrual accrual = AnnualSlotOf(spec.slot).accrual;
    EXPECT_EQ(spec.locked, accrual == AnnualAccrual::Summed || accrual == AnnualAccrual::Closing);
    EXPECT_EQ(spec.kind == AccountFieldKind::Amount, AnnualSlotOf(spec.slot).kind == AnnualSlotKind::Amount);
  }
  EXPECT_EQ(slots.size(), kAccountFieldCount);
  EXPECT_FALSE(slots.contains(s::kSummationDate));
  EXPECT_FALSE(slots.contains(s::kCalculated));
  EXPECT_EQ(ControlIdOf(F::EntryDate), 400);
  EXPECT_EQ(ControlIdOf(F::UniformFlatTax), 450);
  EXPECT_EQ(AccountFieldOfControl(418), std::nullopt);
}

TEST(AccountFieldTable, FiltersOfAmountsDaysAndPeriod) {
  EXPECT_EQ(AllowedCharactersOf(SpecOf(F::KvPay).kind), U"0123456789,");
  EXPECT_EQ(AllowedCharactersOf(SpecOf(F::KvDays).kind), U"0123456789");
  EXPECT_EQ(AllowedCharactersOf(SpecOf(F::LastPeriod).kind), U"0123456789");
  EXPECT_EQ(MaxLengthOf(SpecOf(F::LastPeriod).kind), 4);
  EXPECT_EQ(MaxLengthOf(SpecOf(F::EntryDate).kind), 6);
}

AnnualBlock ClosedMay() {
  AnnualBlock annual{};
  annual[s::kEntryDate] = "010124";
  annual[s::kSvNumber] = "15070649C103";
  annual[s::kGrossTotal] = "1625000";
  annual[s::kKvDays] = "150";
  annual[s::kChurchTax] = "05";
  annual[s::kSummationDate] = "030624";
  annual[s::kCalculated] = "1";
  annual[s::kLastSummation] = "052024";
  return annual;
}

TEST(AccountEntries, ShowAmountsWithACommaAndThePeriodAsMMJJ) {
  const AccountEntries e = AccountEntriesOf(ClosedMay());
  EXPECT_EQ(e[F::EntryDate], "010124");
  EXPECT_EQ(e[F::GrossTotal], "16250,00");
  EXPECT_EQ(e[F::ChurchTax], "0,05");
  EXPECT_EQ(e[F::KvDays], "150");
  EXPECT_EQ(e[F::LastPeriod], "0524");
  EXPECT_EQ(e[F::Soli], "");
}

TEST(AccountEntries, UnchangedFieldsKeepTheirSlotsExactly) {
  AnnualBlock annual = ClosedMay();
  const AnnualBlock before = annual;
  const AccountEntries shown = AccountEntriesOf(annual);
  StoreAccountEntries(shown, shown, false, annual);
  EXPECT_EQ(annual, before);
}

TEST(AccountEntries, ChangedFieldsAreStoredAsTheRecordHoldsThem) {
  AnnualBlock annual = ClosedMay();
  const AccountEntries opened = AccountEntriesOf(annual);
  AccountEntries now = opened;
  now[F::GrossTotal] = "18000,50";
  now[F::ChurchTax] = "0,00";
  now[F::LastPeriod] = "0624";
  now[F::SvNumber] = "15 070649 c 103";
  now[F::ExitDate] = "300624";
  StoreAccountEntries(opened, now, false, annual);
  EXPECT_EQ(annual[s::kGrossTotal], "1800050");
  EXPECT_EQ(annual[s::kChurchTax], "") << "a zero amount is left empty";
  EXPECT_EQ(annual[s::kLastSummation], "0624");
  EXPECT_EQ(annual[s::kSvNumber], "15070649C103");
  EXPECT_EQ(annual[s::kExitDate], "300624");
  EXPECT_EQ(annual[s::kSummationDate], "030624");
  EXPECT_EQ(annual[s::kCalculated], "1");
}

TEST(AccountEntries, ClearingTheAnnualFiguresKeepsTheMasterData) {
  AnnualBlock annual = ClosedMay();
  const AccountEntries opened = AccountEntriesOf(annual);
  AccountEntries now = opened;
  ClearAnnualFigures(now);
  EXPECT_EQ(now[F::EntryDate], "010124");
  EXPECT_EQ(now[F::SvNumber], "15070649C103");
  EXPECT_EQ(now[F::GrossTotal], "");
  EXPECT_EQ(now[F::LastPeriod], "");
  StoreAccountEntries(opened, now, true, annual);
  EXPECT_EQ(annual[s::kGrossTotal], "");
  EXPECT_EQ(annual[s::kKvDays], "");
  EXPECT_EQ(annual[s::kLastSummation], "");
  EXPECT_EQ(annual[s::kSummationDate], "") << "the date of the cleared summation goes with it";
  EXPECT_EQ(annual[s::kCalculated], "1") << "the month's calculation mark is not the account's";
  EXPECT_EQ(annual[s::kEntryDate], "010124");

  ClearAllEntries(now);
  EXPECT_EQ(now, AccountEntries{});
  EXPECT_TRUE(AccountEntriesChanged(opened, now));
}

TEST(AccountTitle, NameAndFirstName) {
  EXPECT_EQ(PayrollAccountTitle("Müller", "Anna"), "Lohnkonto für Müller, Anna");
  EXPECT_EQ(PayrollAccountTitle("MUSTER", ""), "Lohnkonto für MUSTER");
}

}  // namespace
}  // namespace pekto
