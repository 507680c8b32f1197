// Loading, deleting and the year-figure commands of the file controller.
#include <gtest/gtest.h>

#include "record/annual_block.h"
#include "app/files/employee_files.h"
#include "app/files/file_commands.h"
#include "app/files/tests/file_command_support.h"

namespace pekto {
namespace {

using testing_support::FileCommandTest;
using testing_support::kMaier;
using F = MaskField;
using R = FileCommandResult;

class LoadTest : public FileCommandTest {
 protected:
  // MAIER saved with a booking line and a one-off payment, SCHULZ beside
  // him, and a security copy of MAIER.
  void SetUp() override {
    Enter(kMaier);
    Enter({{F::TaxableOther, "500,00"}, {F::SvOneOff, "500,00"}});
    record_->booking_table[0][0] = "Gehalt";
    ASSERT_EQ(Save().result, R::Done);
    folder_.Put("MAIER~~~.050", folder_.Bytes("MAIER.050"));
    Enter({{F::FileName, "SCHULZ"}, {F::BirthDate, "12011970"}});
    ASSERT_EQ(Save().result, R::Done);
    ClearRecord(*record_);
    user_ = {};
  }
};

struct LoadCase {
  const char* name;
  int command;
  SelectionMode mode;
  const char* choice;
  std::vector<std::string> entries;
  const char* taxable_gross;
  const char* booking;
};
void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

class LoadCommandTest : public LoadTest, public testing::WithParamInterface<LoadCase> {};

TEST_P(LoadCommandTest, ListsChoosesAndFillsTheMask) {
  const LoadCase& c = GetParam();
  user_.choice = c.choice;
  const FileCommandOutcome outcome = Command(c.command);
  EXPECT_EQ(outcome, (FileCommandOutcome{R::Done, true, F::BirthDate, false}));
  ASSERT_EQ(user_.lists.size(), 1u);
  EXPECT_EQ(user_.lists[0].mode, c.mode);
  EXPECT_EQ(user_.lists[0].entries, c.entries);
  EXPECT_TRUE(user_.shown.empty());
  EXPECT_EQ(record_->mask_fields[F::FileName], "MAIER");
  EXPECT_EQ(record_->mask_fields[F::TaxClass], "1");
  EXPECT_EQ(record_->mask_fields[F::KvRate], "16,30");
  EXPECT_EQ(record_->mask_fields[F::TaxableGross], c.taxable_gross);
  EXPECT_EQ(record_->mask_fields[F::TaxableOther], c.taxable_gross[0] ? "500,00" : "");
  EXPECT_EQ(record_->booking_table[0][0], c.booking);
  EXPECT_EQ(record_->saved_mask_fields, record_->mask_fields);
  EXPECT_FALSE(record_->modified);
}

INSTANTIATE_TEST_SUITE_P(Commands, LoadCommandTest,
                         testing::Values(LoadCase{"Complete",
                                                  file_command::kLoadComplete,
                                                  SelectionMode::DataWithIncome,
                                                  "MAIER.050",
                                                  {"MAIER.050", "SCHULZ.120"},
                                                  "3250,00",
                                                  "Gehalt"},
                                         LoadCase{"Partial",
                                                  file_command::kLoadPartial,
                                                  SelectionMode::DataWithoutIncome,
                                                  "MAIER.050",
                                                  {"MAIER.050", "SCHULZ.120"},
                                                  "",
                                                  ""},
                                         LoadCase{"SecurityCopy",
                                                  file_command::kLoadSecurityCopy,
                                                  SelectionMode::SecurityCopies,
                                                  "MAIER~~~.050",
                                                  {"MAIER~~~.050"},
                                                  "3250,00",
                                                  "Gehalt"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LoadTest, UnsavedEntriesAreQuestionedFirst) {
  Enter({{F::FileName, "NEU"}});
  record_->modified = true;
  user_.answers = {UserAnswer::No};
  user_.choice = "MAIER.050";
  EXPECT_EQ(Command(file_command::kLoadComplete).result, R::Cancelled);
  ASSERT_EQ(user_.shown.size(), 1u);
  EXPECT_EQ(user_.shown[0].caption, "Kontrolle");
  EXPECT_EQ(user_.shown[0].Text(),
            "Sie haben Ihre Eintragungen nicht\r\nabgespeichert. Möchten Sie trotz-\r\ndem abbrechen....");
  EXPECT_TRUE(user_.lists.empty());
  EXPECT_EQ(record_->mask_fields[F::FileName], "NEU");
  user_.answers = {UserAnswer::Yes};
  EXPECT_EQ(Command(file_command::kLoadComplete).result, R::Done);
  EXPECT_EQ(record_->mask_fields[F::FileName], "MAIER");
}

TEST_F(LoadTest, ACancelledListChangesNothing) {
  Enter({{F::FileName, "NEU"}});
  user_.choice = "";
  EXPECT_EQ(Command(file_command::kLoadPartial).result, R::Cancelled);
  EXPECT_EQ(record_->mask_fields[F::FileName], "NEU");
}

TEST_F(LoadTest, AFileGoneMeanwhileIsReportedAndTheRecordStays) {
  Enter({{F::FileName, "NEU"}});
  user_.choice = "MAIER.050";
  user_.before_choice = [this] { std::filesystem::remove(folder_.Host("MAIER.050")); };
  EXPECT_EQ(Command(file_command::kLoadComplete).result, R::Failed);
  ASSERT_EQ(user_.shown.size(), 1u);
  EXPECT_EQ(user_.shown[0].caption, "PEKTO Fehler!");
  EXPECT_EQ(user_.shown[0].Text(),
            "Datei C:\\PEKTO\\01\\MAIER.050 wurde nicht gefunden.\r\nWenden Sie sich bitte an den Autor.");
  EXPECT_EQ(record_->mask_fields[F::FileName], "NEU");
}

// A folder named like an employee file is in the list and, chosen, says
// what it is; a file an older installation named in Windows-1252 is listed
// with its umlaut and loads.
TEST_F(LoadTest, AFolderNamedLikeAFileIsReportedAsNoFile) {
  std::filesystem::create_directories(folder_.Host("ORDNER.050"));
  Enter({{F::FileName, "NEU"}});
  user_.choice = "ORDNER.050";
  EXPECT_EQ(Command(file_command::kLoadComplete).result, R::Failed);
  ASSERT_EQ(user_.shown.size(), 1u);
  EXPECT_EQ(user_.shown[0].lines[0], "Datei C:\\PEKTO\\01\\ORDNER.050 ist keine Datei");
  EXPECT_EQ(record_->mask_fields[F::FileName], "NEU");
}

TEST_F(LoadTest, AFileNamedInWindows1252IsListedAndLoads) {
  const auto bytes = folder_.Bytes("MAIER.050");
  folder_.Put("J\xC4GER.050", bytes);
  user_.choice = "JÄGER.050";
  EXPECT_EQ(Command(file_command::kLoadComplete).result, R::Done);
  EXPECT_EQ(record_->mask_fields[F::FileName], "MAIER");
}

TEST_F(LoadTest, ADamagedFileIsRefusedAndTheRecordStays) {
  folder_.Put("MAIER.050", std::string(100000, '\x01') + std::string(1, '\0'));
  Enter({{F::FileName, "NEU"}});
  user_.choice = "MAIER.050";
  EXPECT_EQ(Command(file_command::kLoadComplete).result, R::Failed);
  ASSERT_EQ(user_.shown.size(), 1u);
  EXPECT_EQ(user_.shown[0].Text(),
            "Die Datei C:\\PEKTO\\01\\MAIER.050\r\nist beschädigt und kann nicht geladen werden.");
  EXPECT_EQ(record_->mask_fields[F::FileName], "NEU");
}

TEST_F(LoadTest, AnOldFileWithoutPvKeyAndKvKeyOneLoadsWithPvKeyOne) {
  std::string old_file;
  for (int slot = 0; slot < 60; ++slot) {
    const char* value = slot == 6 ? "1" : slot == 10 ? "01021960" : slot == 11 ? "ALT" : "";
    AppendQuotedLine(old_file, value);
  }
  folder_.Put("ALT.010", old_file);
  user_.choice = "ALT.010";
  ASSERT_EQ(Command(file_command::kLoadComplete).result, R::Done);
  EXPECT_EQ(record_->mask_fields[F::PvKey], "1");
  EXPECT_EQ(record_->mask_fields[F::FileName], "ALT");
  EXPECT_EQ(record_->annual_block[annual_slot::kEntryDate], "");
}

TEST_F(LoadTest, DeletingAsksAndRemovesOnlyTheEmployeeFile) {
  user_.choice = "MAIER.050";
  ASSERT_EQ(Command(file_command::kLoadComplete).result, R::Done);
  folder_.Put("MAIER@@@_050.24", "\"\"\r\n");
  user_.answers = {UserAnswer::No};
  EXPECT_EQ(Command(file_command::kDelete).result, R::Cancelled);
  ASSERT_EQ(user_.shown.size(), 1u);
  EXPECT_EQ(user_.shown[0].caption, "Sicherheitsabfrage !");
  EXPECT_EQ(user_.shown[0].Text(), "Datei C:\\PEKTO\\01\\MAIER.050 löschen ?");
  EXPECT_EQ(user_.shown[0].kind, MessageKind::DeleteQuestion);  // "Nein" is the default
  EXPECT_TRUE(folder_.Has("MAIER.050"));
  const FileCommandOutcome deleted = Command(file_command::kDelete);
  EXPECT_EQ(deleted, (FileCommandOutcome{R::Done, true, F::BirthDate, false}));
  EXPECT_FALSE(folder_.Has("MAIER.050"));
  EXPECT_TRUE(folder_.Has("MAIER~~~.050"));
  EXPECT_TRUE(folder_.Has("MAIER@@@_050.24"));
  EXPECT_TRUE(folder_.Has("SCHULZ.120"));
  EXPECT_EQ(record_->mask_fields[F::FileName], "");
  EXPECT_EQ(record_->month_record[15], "");
}

TEST_F(LoadTest, DeletingWithoutNameOrBirthDateDoesNothing) {
  Enter({{F::FileName, "MAIER"}});
  EXPECT_EQ(Command(file_command::kDelete).result, R::Cancelled);
  EXPECT_TRUE(user_.shown.empty());
  EXPECT_TRUE(folder_.Has("MAIER.050"));
}

TEST_F(LoadTest, DeletingAMissingFileIsReported) {
  Enter({{F::FileName, "KEINER"}, {F::BirthDate, "01011990"}});
  EXPECT_EQ(Command(file_command::kDelete).result, R::Failed);
  ASSERT_EQ(user_.shown.size(), 2u);
  EXPECT_EQ(user_.shown[1].lines[0], "Datei C:\\PEKTO\\01\\KEINER.010 wurde nicht gefunden.");
  EXPECT_EQ(record_->mask_fields[F::FileName], "KEINER");
}

class YearFiguresCommandTest : public FileCommandTest {
 protected:
  void SetUp() override {
    Enter(kMaier);
    Enter({{F::Period, "0624"}});
    record_->annual_block[annual_slot::kTaxablePay] = "1625000";
    record_->annual_block[annual_slot::kKvPay] = "1625000";
    record_->annual_block[annual_slot::kKvDays] = "150";
    record_->saved_mask_fields = record_->mask_fields;
  }
};

TEST_F(YearFiguresCommandTest, RefusesWithoutAOneOffPayment) {
  EXPECT_EQ(Command(file_command::kShowYearFigures).result, R::Refused);
  ASSERT_EQ(user_.shown.size(), 2u);
  EXPECT_EQ(user_.shown[0].lines.back(), "Jahreszahlen ausweisen ?");
  EXPECT_EQ(user_.shown[1].lines.back(), "wurde.");
  EXPECT_EQ(record_->mask_fields[F::KvAccumAmount], "");
}

TEST_F(YearFiguresCommandTest, FormsTheFiguresAfterTheIntroduction) {
  Enter({{F::TaxableOther, "1000,00"}, {F::SvOneOff, "1000,00"}});
  const FileCommandOutcome outcome = Command(file_command::kShowYearFigures);
  EXPECT_EQ(outcome, (FileCommandOutcome{R::Done, true, std::nullopt, false}));
  ASSERT_EQ(user_.shown.size(), 1u);
  EXPECT_EQ(record_->mask_fields[F::KvAccumAmount], "19500,00");
  EXPECT_EQ(record_->mask_fields[F::KvAccumDays], "180");
  EXPECT_EQ(record_->mask_fields[F::ExpectedAnnualIncome], "39000,00");
  EXPECT_TRUE(record_->modified);
}

TEST_F(YearFiguresCommandTest, NoToTheIntroductionChangesNothing) {
  Enter({{F::TaxableOther, "1000,00"}, {F::SvOneOff, "1000,00"}});
  user_.answers = {UserAnswer::No};
  EXPECT_EQ(Command(file_command::kShowYearFigures).result, R::Cancelled);
  EXPECT_EQ(record_->mask_fields[F::KvAccumAmount], "");
}

TEST_F(YearFiguresCommandTest, AClosedPeriodIsQuestioned) {
  Enter({{F::TaxableOther, "1000,00"}, {F::SvOneOff, "1000,00"}});
  record_->annual_block[annual_slot::kLastSummation] = "062024";
  user_.answers = {UserAnswer::Yes, UserAnswer::No};
  EXPECT_EQ(Command(file_command::kShowYearFigures).result, R::Cancelled);
  ASSERT_EQ(user_.shown.size(), 2u);
  EXPECT_EQ(user_.shown[1].lines[0], "Der Abrechnungszeitraum 0624 wurde bereits");
  EXPECT_EQ(record_->mask_fields[F::KvAccumAmount], "");
}

TEST_F(YearFiguresCommandTest, AfterTheBookingMaskTheKontrolleDialogExplains) {
  Enter({{F::TaxableOther, "1000,00"}, {F::SvOneOff, "1000,00"}});
  context_.calc_without_booking_mask = false;
  user_.confirm_answers = {false};
  EXPECT_EQ(Command(file_command::kShowYearFigures).result, R::Cancelled);
  ASSERT_EQ(user_.confirmed.size(), 1u);
  EXPECT_EQ(user_.confirmed[0].lines.back(), "wiesen werden?");
  EXPECT_TRUE(user_.shown.empty());
}

TEST_F(YearFiguresCommandTest, RemovingAsksOnlyForAClosedPeriod) {
  Enter({{F::KvAccumAmount, "100,00"}, {F::ExpectedAnnualIncome, "39000,00"}});
  EXPECT_EQ(Command(file_command::kRemoveYearFigures).result, R::Done);
  EXPECT_TRUE(user_.shown.empty());
  EXPECT_EQ(record_->mask_fields[F::KvAccumAmount], "");
  EXPECT_EQ(record_->mask_fields[F::ExpectedAnnualIncome], "");
  Enter({{F::KvAccumAmount, "100,00"}});
  record_->annual_block[annual_slot::kLastSummation] = "062024";
  user_.answers = {UserAnswer::No};
  EXPECT_EQ(Command(file_command::kRemoveYearFigures).result, R::Cancelled);
  EXPECT_EQ(user_.shown.back().lines.back(), "Jahreszahlen trotzdem entfernen ?");
  EXPECT_EQ(record_->mask_fields[F::KvAccumAmount], "100,00");
}

TEST(FileCommandIds, AreTheMainMaskCommands) {
  for (const int id : {256, 257, 258, 260, 265, 289, 5289}) EXPECT_TRUE(IsFileCommand(id)) << id;
  for (const int id : {1, 259, 276, 288}) EXPECT_FALSE(IsFileCommand(id)) << id;
}

}  // namespace
}  // namespace pekto
