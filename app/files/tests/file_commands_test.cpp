#include "app/files/file_commands.h"

#include <gtest/gtest.h>

#include "app/files/annual_sums.h"
#include "app/files/employee_files.h"
#include "app/files/tests/file_command_support.h"

namespace pekto {
namespace {

using testing_support::FileCommandTest;
using testing_support::kMaier;
using testing_support::MaskEntries;
using F = MaskField;
using R = FileCommandResult;

constexpr const char* kMaierPath = "C:\\PEKTO\\01\\MAIER.050";

struct Refusal {
  const char* name;
  const char* file_name;
  const char* birth_date;
  const char* last_line;
  MaskField focus;
};
void PrintTo(const Refusal& c, std::ostream* os) { *os << c.name; }

class SaveRefusalTest : public FileCommandTest, public testing::WithParamInterface<Refusal> {};

TEST_P(SaveRefusalTest, WritesNothingAndPutsTheFocusIntoTheField) {
  const Refusal& c = GetParam();
  Enter(kMaier);
  Enter({{F::FileName, c.file_name}, {F::BirthDate, c.birth_date}});
  record_->modified = true;
  const FileCommandOutcome outcome = Save();
  EXPECT_EQ(outcome.result, R::Refused);
  EXPECT_EQ(outcome.focus, c.focus);
  ASSERT_EQ(user_.shown.size(), 1u);
  EXPECT_EQ(user_.shown[0].caption, "Daten unvollständig !");
  EXPECT_EQ(user_.shown[0].kind, MessageKind::Information);
  EXPECT_EQ(user_.shown[0].lines.front(), "Daten können nicht abgespeichert werden.");
  EXPECT_EQ(user_.shown[0].lines.back(), c.last_line);
  EXPECT_TRUE(folder_.files.ListFiles(folder_.paths.UserDataDir()).empty());
  EXPECT_TRUE(record_->modified) << "the entries are still unsaved";
  EXPECT_NE(record_->saved_mask_fields, record_->mask_fields);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, SaveRefusalTest,
    testing::Values(Refusal{"NoName", "", "05061980", "Geburtsdatum angegeben werden.", F::FileName},
                    Refusal{"NoBirthDate", "MAIER", "", "Geburtsdatum angegeben werden.", F::BirthDate},
                    Refusal{"NeitherFocusesTheName", "", "", "Geburtsdatum angegeben werden.", F::FileName},
                    Refusal{"DayThirtyOneOfFebruary", "MAIER", "31021980", "angegeben.", F::BirthDate},
                    Refusal{"NoLeapYear", "MAIER", "29021981", "angegeben.", F::BirthDate},
                    Refusal{"MonthThirteen", "MAIER", "05131980", "angegeben.", F::BirthDate},
                    Refusal{"SevenDigits", "MAIER", "0506198", "angegeben.", F::BirthDate},
                    Refusal{"Letters", "MAIER", "0506198x", "angegeben.", F::BirthDate},
                    Refusal{"PathInTheName", "..\\X", "05061980", "Ziffern enthalten.", F::FileName}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileCommandTest, AClearedRecordSavedWithoutANameIsRefused) {
  Enter(kMaier);
  ClearRecord(*record_);
  EXPECT_EQ(Save().result, R::Refused);
}

TEST_F(FileCommandTest, ALeapDayBirthDateIsSaved) {
  Enter(kMaier);
  Enter({{F::BirthDate, "29021980"}});
  EXPECT_EQ(Save().result, R::Done);
  EXPECT_TRUE(folder_.Has("MAIER.290"));
}

TEST_F(FileCommandTest, SavingAnUncalculatedMonthWritesOnlyTheEmployeeFile) {
  Enter(kMaier);
  record_->modified = true;
  user_.answers = {UserAnswer::No};
  const FileCommandOutcome outcome = Save();
  EXPECT_EQ(outcome, (FileCommandOutcome{R::Done, false, std::nullopt, false}));
  EXPECT_EQ(folder_.files.ListFiles(folder_.paths.UserDataDir()), std::vector<std::string>{"MAIER.050"});
  EXPECT_TRUE(user_.confirmed.empty());
  ASSERT_EQ(user_.shown.size(), 1u);
  EXPECT_EQ(user_.shown[0].caption, "Kontrolle");
  EXPECT_EQ(user_.shown[0].Text(),
            "Soll die Lohn-/ und Gehaltsabrechnung jetzt angezeigt werden?\r\n"
            "Beachten Sie bitte, dass lediglich ausgedruckte Abrechnungen archiviert werden!");
  EXPECT_EQ(record_->month_record[slot::kEmployeeFilePath], kMaierPath);
  EXPECT_FALSE(record_->modified);
  EXPECT_EQ(record_->saved_mask_fields, record_->mask_fields);
  const RecordFileRead stored = ReadRecordFile(folder_.files, kMaierPath);
  ASSERT_EQ(stored.status, ReadStatus::Ok);
  EXPECT_EQ(stored.values[35], kMaierPath);
  EXPECT_EQ(stored.values[15], "325000");
}

TEST_F(FileCommandTest, YesToThePayslipQuestionAsksForThePayslip) {
  Enter(kMaier);
  EXPECT_TRUE(Save().show_payslip);
}

TEST_F(FileCommandTest, ClosingTheMonthWritesSecurityCopyYearFileAndEmployeeFile) {
  Enter(kMaier);
  const PayrollResult result = Calculate();
  user_.answers = {UserAnswer::No};
  EXPECT_EQ(Save().result, R::Done);
  ASSERT_EQ(user_.confirmed.size(), 1u);
  const ControlDialogContent& dialog = user_.confirmed[0];
  EXPECT_EQ(dialog.caption, "Abschluss des Abrechnungszeitraumes März 2024");
  EXPECT_EQ(dialog.yes_caption, "Ja, die Abrechnung ist OK");
  EXPECT_EQ(dialog.no_caption, "Nein, erneut abrechnen");
  EXPECT_EQ(dialog.lines[0], "Arbeitnehmer/Dateiname: MAIER");
  EXPECT_EQ(folder_.files.ListFiles(folder_.paths.UserDataDir()),
            (std::vector<std::string>{"MAIER.050", "MAIER@@@_050.24", "MAIER~~~.050"}));

  const RecordFileRead copy = ReadRecordFile(folder_.files, "C:\\PEKTO\\01\\MAIER~~~.050");
  ASSERT_EQ(copy.status, ReadStatus::Ok);
  EXPECT_EQ(copy.values[101 + annual_slot::kLastSummation], "") << "the state before the summation";
  EXPECT_EQ(copy.values[101 + annual_slot::kCalculated], "1");

  const YearFileRead year = ReadYearFile(folder_.files, "C:\\PEKTO\\01\\MAIER@@@_050.24");
  ASSERT_EQ(year.status, ReadStatus::Ok);
  EXPECT_EQ(year.file.months[2], ReadRecordFile(folder_.files, kMaierPath).values);
  EXPECT_EQ(year.file.months[2][101 + annual_slot::kTaxablePay], "325000");
  EXPECT_EQ(year.file.months[2][101 + annual_slot::kSummationDate], "310324");
  EXPECT_EQ(year.file.months[1], EmptyBlock());

  EXPECT_EQ(record_->annual_block[annual_slot::kLastSummation], "032024");
  EXPECT_EQ(record_->annual_block[annual_slot::kWageTaxCurrent],
            std::to_string(result.current_employee.wage_tax.Value()));
  EXPECT_EQ(record_->annual_block[annual_slot::kCalculated], "");
}

TEST_F(FileCommandTest, SavingTwiceInOnePeriodClosesTheMonthOnce) {
  Enter(kMaier);
  (void)Calculate();
  ASSERT_EQ(Save().result, R::Done);
  const std::string copy = folder_.Bytes("MAIER~~~.050");
  const std::string year = folder_.Bytes("MAIER@@@_050.24");
  Enter({{F::GarnishDependants, "2"}});
  (void)Calculate();
  ASSERT_EQ(Save().result, R::Done);
  EXPECT_EQ(user_.confirmed.size(), 1u) << "no second summation question";
  EXPECT_EQ(folder_.Bytes("MAIER~~~.050"), copy);
  EXPECT_EQ(folder_.Bytes("MAIER@@@_050.24"), year);
  const RecordFileRead stored = ReadRecordFile(folder_.files, kMaierPath);
  EXPECT_EQ(stored.values[25], "2") << "the employee file is written again";
  EXPECT_EQ(stored.values[101 + annual_slot::kTaxablePay], "325000") << "summed once";
}

TEST_F(FileCommandTest, NoToTheSummationSavesOnlyTheEmployeeFileAndAsksAgainNextTime) {
  Enter(kMaier);
  (void)Calculate();
  user_.confirm_answers = {false};
  ASSERT_EQ(Save().result, R::Done);
  EXPECT_EQ(folder_.files.ListFiles(folder_.paths.UserDataDir()), std::vector<std::string>{"MAIER.050"});
  EXPECT_EQ(record_->annual_block[annual_slot::kTaxablePay], "");
  ASSERT_EQ(Save().result, R::Done);
  EXPECT_EQ(user_.confirmed.size(), 2u);
  EXPECT_TRUE(folder_.Has("MAIER@@@_050.24"));
}

// A record whose entries RETURN would refuse (here a day count no mask
// accepts, as a damaged file brings it) is saved, but its month is not
// closed: the check's message and a notice say so, and no year file or
// security copy is written.
TEST_F(FileCommandTest, AMonthFailingTheInputChecksIsNotClosed) {
  Enter(kMaier);
  (void)Calculate();
  Enter({{F::TaxDays, "21474837"}});
  ASSERT_EQ(Save().result, R::Done);
  EXPECT_TRUE(user_.confirmed.empty()) << "no summation question";
  ASSERT_GE(user_.shown.size(), 2u);
  EXPECT_EQ(user_.shown[0].caption, "Eingabe Fehler !");
  EXPECT_EQ(user_.shown[1].caption, "PEKTO Hinweis!");
  EXPECT_EQ(user_.shown[1].lines[0], "Der Abrechnungszeitraum 03/24 wurde nicht");
  EXPECT_EQ(folder_.files.ListFiles(folder_.paths.UserDataDir()), std::vector<std::string>{"MAIER.050"});
  EXPECT_EQ(record_->annual_block[annual_slot::kLastSummation], "");
  EXPECT_EQ(ReadRecordFile(folder_.files, kMaierPath).values[101 + annual_slot::kTaxablePay], "");
}

TEST_F(FileCommandTest, TheYearFileKeepsTheOtherMonthsAndReplacesTheCurrentOne) {
  YearFile stored;
  for (std::size_t m = 0; m < 12; ++m) {
    stored.months[m] = EmptyBlock();
    stored.months[m][0] = "month " + std::to_string(m + 1);
  }
  folder_.Put("MAIER@@@_050.24", SerializeYearFile(stored));
  Enter(kMaier);
  (void)Calculate();
  ASSERT_EQ(Save().result, R::Done);
  const YearFileRead year = ReadYearFile(folder_.files, "C:\\PEKTO\\01\\MAIER@@@_050.24");
  for (std::size_t m = 0; m < 12; ++m) {
    if (m == 2) {
      EXPECT_EQ(year.file.months[m][0], "11") << "March is the saved month";
    } else {
      EXPECT_EQ(year.file.months[m], stored.months[m]) << m;
    }
  }
}

TEST_F(FileCommandTest, ADamagedYearFileIsNotOverwritten) {
  folder_.Put("MAIER@@@_050.24", std::string(5000, '\0'));
  Enter(kMaier);
  (void)Calculate();
  EXPECT_EQ(Save().result, R::Failed);
  ASSERT_EQ(user_.shown.size(), 1u);
  EXPECT_EQ(user_.shown[0].caption, "PEKTO Fehler!");
  EXPECT_EQ(user_.shown[0].lines[0], "Die Jahresdatei C:\\PEKTO\\01\\MAIER@@@_050.24 ist beschädigt.");
  EXPECT_EQ(folder_.Bytes("MAIER@@@_050.24"), std::string(5000, '\0'));
  EXPECT_FALSE(folder_.Has("MAIER.050"));
  EXPECT_FALSE(folder_.Has("MAIER~~~.050"));
  EXPECT_EQ(record_->annual_block[annual_slot::kCalculated], "1") << "the month is still to be closed";
}

TEST_F(FileCommandTest, TheEmployerListGetsEachEmployerOnce) {
  Enter(kMaier);
  record_->month_record[70] = "Bäckerei Müller";
  record_->month_record[71] = "Hauptstraße 1";
  record_->month_record[72] = "Köln";
  ASSERT_EQ(Save().result, R::Done);
  ASSERT_EQ(Save().result, R::Done);
  EmployerListRead list = ReadEmployerList(folder_.files, "C:\\PEKTO\\01\\AG.DAT");
  ASSERT_EQ(list.entries.size(), 1u);
  EXPECT_EQ(list.entries[0][0],
            "B\x84"
            "ckerei M\x81ller");
  EXPECT_EQ(EmployerDisplayText(list.entries[0]), "Bäckerei Müller, Hauptstraße 1, Köln");
  record_->month_record[72] = "Bonn";
  ASSERT_EQ(Save().result, R::Done);
  EXPECT_EQ(ReadEmployerList(folder_.files, "C:\\PEKTO\\01\\AG.DAT").entries.size(), 2u);
}

TEST_F(FileCommandTest, WithoutEmployerTextsNoEmployerListIsWritten) {
  Enter(kMaier);
  ASSERT_EQ(Save().result, R::Done);
  EXPECT_FALSE(folder_.Has("AG.DAT"));
}

TEST_F(FileCommandTest, AnUmlautNameRoundTripsThroughTheDosCodePage) {
  Enter(kMaier);
  Enter({{F::FileName, "Jürgö"}, {F::BirthDate, "15031985"}});
  record_->month_record[70] = "Größe & Söhne";
  ASSERT_EQ(Save().result, R::Done);
  const std::string bytes = folder_.Bytes("Jürgö.150");
  EXPECT_NE(bytes.find("\"J\x81rg\x94\"\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\"Gr\x94\xDF"
                       "e & S\x94hne\"\r\n"),
            std::string::npos)
      << "ß stays as in Windows-1252";
  ClearRecord(*record_);
  user_.choice = "Jürgö.150";
  ASSERT_EQ(Command(file_command::kLoadComplete).result, R::Done);
  EXPECT_EQ(record_->mask_fields[F::FileName], "Jürgö");
  EXPECT_EQ(record_->month_record[70], "Größe & Söhne");
}

}  // namespace
}  // namespace pekto
