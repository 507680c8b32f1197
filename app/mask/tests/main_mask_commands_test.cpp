#include "app/mask/main_mask_commands.h"

#include <gtest/gtest.h>

#include "app/mask/main_mask_file_commands.h"
#include "app/startup/program_state.h"
#include "app/startup/tests/test_installation.h"

namespace pekto {
namespace {

using F = MaskField;
using testing_support::TestInstallation;

TEST(UnsavedEntries, AFieldChangedAndNeverLeftCountsToo) {
  EmployeeRecord record;
  EXPECT_FALSE(HasUnsavedEntries(record));
  record.mask_fields[F::FileName] = "MAIER";
  EXPECT_FALSE(record.modified);
  EXPECT_TRUE(HasUnsavedEntries(record));
  record.saved_mask_fields = record.mask_fields;
  EXPECT_FALSE(HasUnsavedEntries(record));
  record.modified = true;
  EXPECT_TRUE(HasUnsavedEntries(record));
}

TEST(UnsavedEntries, TheQuestion) {
  const DialogMessage question = UnsavedEntriesQuestion();
  EXPECT_EQ(question.caption, "Kontrolle");
  EXPECT_EQ(question.Text(),
            "Sie haben Ihre Eintragungen nicht\r\nabgespeichert. Möchten Sie trotz-\r\ndem abbrechen....");
  EXPECT_EQ(question.kind, MessageKind::Question);
}

struct PersonalRow {
  const char* name;
  const char* birth_date;
  const char* file_name;
  const char* period;
  bool entered;
};
void PrintTo(const PersonalRow& c, std::ostream* os) { *os << c.name; }

class PersonalDataTest : public ::testing::TestWithParam<PersonalRow> {};

TEST_P(PersonalDataTest, NeedsBirthDateFileNameAndPeriod) {
  MaskFields mask;
  mask[F::BirthDate] = GetParam().birth_date;
  mask[F::FileName] = GetParam().file_name;
  mask[F::Period] = GetParam().period;
  EXPECT_EQ(PersonalDataEntered(mask), GetParam().entered);
}

INSTANTIATE_TEST_SUITE_P(Cases, PersonalDataTest,
                         ::testing::Values(PersonalRow{"AllThree", "15061985", "MAIER", "0324", true},
                                           PersonalRow{"NoPeriod", "15061985", "MAIER", "", false},
                                           PersonalRow{"NoName", "15061985", "", "0324", false},
                                           PersonalRow{"Nothing", "", "", "", false}),
                         [](const ::testing::TestParamInfo<PersonalRow>& info) {
                           return std::string(info.param.name);
                         });

TEST(BookingMaskChecks, TheQuestionsBeforeTheBookingMask) {
  EXPECT_EQ(PersonalDataMissingQuestion().Text(),
            "Bevor Sie Buchungen vornehmen, sollten die Eingaben unter dem Block \"Persönliche Daten\" erfasst "
            "werden.\r\nSoll die Buchungsmaske trotzdem aufgerufen werden?");
  EXPECT_TRUE(
      PayrollAccountQuestion().Text().ends_with("erfasst werden.\r\nSoll das Lohnkonto jetzt aufgerufen werden?"));
  AnnualBlock annual{};
  EXPECT_TRUE(PayrollAccountPersonalDataEmpty(annual));
  annual[50] = "1";  // not a personal datum
  EXPECT_TRUE(PayrollAccountPersonalDataEmpty(annual));
  annual[3] = "AOK";  // health fund
  EXPECT_FALSE(PayrollAccountPersonalDataEmpty(annual));
}

class CalcModeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    NewSystemFile contents;
    contents.install_dir = "PEKTO";
    contents.users = {{"MAIER", "GEHEIM"}};
    installation_.Install(contents);
    state_.system_file = ReadSystemFile(installation_.files, "C:\\PEKTO\\LODAT2.SYS").file;
    state_.user_number = 1;
    ApplyPaths(state_);
  }
  TestInstallation installation_{"calc_mode"};
  ProgramState state_;
};

TEST_F(CalcModeTest, TheModeIsStoredInTheSystemFile) {
  EXPECT_EQ(CalcModeOf(state_), kCalcWithoutBookingMask);
  EXPECT_FALSE(ChangeCalcMode(state_, installation_.files, kCalcAfterBookingMask).has_value());
  EXPECT_EQ(CalcModeOf(state_), kCalcAfterBookingMask);
  const SystemFile stored = ReadSystemFile(installation_.files, "C:\\PEKTO\\LODAT2.SYS").file;
  EXPECT_EQ(stored.CalcMode(), "0");
  EXPECT_EQ(stored.User(1).password, "GEHEIM");
}

TEST_F(CalcModeTest, AFileThatCannotBeWrittenLeavesTheModeAsItWas) {
  state_.paths.dir = "GIBTSNICHT";
  const auto failure = ChangeCalcMode(state_, installation_.files, kCalcAfterBookingMask);
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->caption, "PEKTO Fehler!");
  EXPECT_EQ(failure->lines[0], "Die Systemdatei C:\\GIBTSNICHT\\LODAT2.SYS");
  EXPECT_EQ(CalcModeOf(state_), kCalcWithoutBookingMask);
}

TEST(FillMaskForCalcMode, NoTypedEntryIsLostByChangingTheModeBackAndForth) {
  EmployeeRecord record;
  record.mask_fields[F::FileName] = "MAIER";
  record.mask_fields[F::TaxableGross] = "3000,00";
  record.mask_fields[F::TaxDays] = "30";
  record.booking_table[0][0] = "1";
  FillMaskForCalcMode(record, kCalcAfterBookingMask);
  EXPECT_EQ(record.mask_fields[F::TaxableGross], "3000,00");
  EXPECT_EQ(record.Slot(F::TaxableGross), "3000,00");
  FillMaskForCalcMode(record, kCalcWithoutBookingMask);
  EXPECT_EQ(record.mask_fields[F::FileName], "MAIER");
  EXPECT_EQ(record.mask_fields[F::TaxableGross], "3000,00");
  EXPECT_EQ(record.mask_fields[F::TaxDays], "30");
  EXPECT_EQ(record.booking_table[0][0], "1");
  EXPECT_EQ(record.saved_mask_fields, MaskFields{});
}

TEST(BookedIncomeFields, AreTheFieldsTheEvaluationFills) {
  int count = 0;
  for (const MaskFieldSpec& spec : kMaskFieldTable) count += IsBookedIncomeField(static_cast<F>(spec.number));
  EXPECT_EQ(count, 10);
  EXPECT_TRUE(IsBookedIncomeField(F::PensionInOther));
  EXPECT_FALSE(IsBookedIncomeField(F::GarnishClaims));
  EXPECT_FALSE(IsBookedIncomeField(F::ExpectedAnnualIncome));
}

TEST(MaskFileCommands, TheFileAndYearFigureCommandIds) {
  EXPECT_EQ(MaskFileCommandOf(258), MaskFileCommand::Save);
  EXPECT_EQ(MaskFileCommandOf(5289), MaskFileCommand::RemoveYearFigures);
  EXPECT_FALSE(MaskFileCommandOf(259).has_value());
}

}  // namespace
}  // namespace pekto
