#include "bookings/history_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "bookings/payslip.h"
#include "bookings/tests/payslip_fixtures.h"
#include "platform/atomic_file.h"
#include "platform/dos_file_system.h"

namespace pekto {
namespace {

namespace fs = std::filesystem;

class HistoryFolder : public ::testing::Test {
 protected:
  HistoryFolder()
      : root_(fs::path(::testing::TempDir()) / ("pekto_history_" + std::to_string(::getpid()))), files_(root_) {
    fs::remove_all(root_);
    fs::create_directories(root_ / "drive_c" / "PEKTO");
  }
  ~HistoryFolder() override {
    std::error_code error;
    fs::permissions(root_ / "drive_c" / "PEKTO", fs::perms::owner_all, error);
    fs::remove_all(root_, error);
  }
  [[nodiscard]] fs::path Host(const std::string& name) const { return root_ / "drive_c" / "PEKTO" / "HIS01" / name; }
  [[nodiscard]] std::vector<std::string> HostFiles() const {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(root_ / "drive_c" / "PEKTO" / "HIS01", error)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }
  OutputPages Payslip(const EmployeeRecord& record) const {
    return BuildPayslipOf(record, testing_support::FixtureWageTypes(), false).pages;
  }

  fs::path root_;
  DosFileSystem files_;
  const std::string dir_ = "C:\\PEKTO\\HIS01";
};

TEST(HistoryFileName, IsUniquePerEmployeeMonthAndKind) {
  auto record = testing_support::OrdinaryMonth();
  EXPECT_EQ(HistoryFileName(*record, DocumentKind::Payslip), "MAIER.150_202405A");
  EXPECT_EQ(HistoryFileName(*record, DocumentKind::PayrollAccount), "MAIER.150_202405K");
  record->mask_fields[MaskField::Period] = "0624";
  EXPECT_EQ(HistoryFileName(*record, DocumentKind::Payslip), "MAIER.150_202406A");
  record->mask_fields[MaskField::BirthDate] = "20071975";
  EXPECT_EQ(HistoryFileName(*record, DocumentKind::Payslip), "MAIER.200_202406A");
  record->mask_fields[MaskField::Period] = "";
  EXPECT_FALSE(HistoryFileName(*record, DocumentKind::Payslip).has_value());
  record->mask_fields[MaskField::Period] = "0624";
  record->mask_fields[MaskField::FileName] = "";
  EXPECT_FALSE(HistoryFileName(*record, DocumentKind::Payslip).has_value());
}

TEST(HistoryFileBytes, QuotedLinesWithCrLfUpToTheFirstEmptyLine) {
  const OutputPages pages = OutputPages::FromLines({"\xDA\xC4\xBF", " Abrechnung", "", "danach"});
  EXPECT_EQ(HistoryFileBytes(pages), "\"\xDA\xC4\xBF\"\r\n\" Abrechnung\"\r\n");
}

TEST(HistoryFileBytes, ALongerDocumentKeepsItsFirstThousandLines) {
  std::vector<std::string> lines;
  for (int i = 1; i <= 1100; ++i) lines.push_back("Zeile " + std::to_string(i));
  const std::string bytes = HistoryFileBytes(OutputPages::FromLines(lines));
  const OutputPages back = ParseHistoryFile(bytes);
  ASSERT_EQ(back.Lines().size(), 1000u);
  EXPECT_EQ(back.Lines().back(), "Zeile 1000");
}

TEST(ParseHistoryFile, ReadsDamagedFilesAsWellAsItCan) {
  EXPECT_TRUE(ParseHistoryFile("").Empty());
  const OutputPages lf_only = ParseHistoryFile("\"a\"\n\"b\"");
  EXPECT_EQ(lf_only.Lines(), (std::vector<std::string>{"a", "b"}));
  const OutputPages unquoted = ParseHistoryFile("a\r\n\"b\r\n\"\"\r\nc\r\n");
  EXPECT_EQ(unquoted.Lines(), (std::vector<std::string>{"a", "b"}));
}

TEST_F(HistoryFolder, ArchivedPayslipReadsBackAsPrinted) {
  const auto record = testing_support::OrdinaryMonth();
  const OutputPages pages = Payslip(*record);
  const ArchiveResult result = ArchiveDocument(files_, dir_, *record, DocumentKind::Payslip, pages);
  ASSERT_EQ(result.outcome, ArchiveOutcome::Archived);
  EXPECT_EQ(result.path, "C:\\PEKTO\\HIS01\\MAIER.150_202405A");
  const auto back = ReadHistoryFile(files_, result.path);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->Lines(), pages.Lines());
}

TEST_F(HistoryFolder, PrintingTheSamePayslipTwiceLeavesOneHistoryFile) {
  auto record = testing_support::OrdinaryMonth();
  ASSERT_EQ(ArchiveDocument(files_, dir_, *record, DocumentKind::Payslip, Payslip(*record)).outcome,
            ArchiveOutcome::Archived);
  record->mask_fields[MaskField::GrossTotal] = "3100,00";
  record->mask_fields[MaskField::TaxableGross] = "3100,00";
  const OutputPages second = Payslip(*record);
  ASSERT_EQ(ArchiveDocument(files_, dir_, *record, DocumentKind::Payslip, second).outcome, ArchiveOutcome::Archived);
  EXPECT_EQ(HostFiles(), std::vector<std::string>{"MAIER.150_202405A"});
  EXPECT_EQ(ReadHistoryFile(files_, dir_ + "\\MAIER.150_202405A")->Lines(), second.Lines()) << "the second replaces it";
}

TEST_F(HistoryFolder, ArchivingIsSkippedWithoutFileNamePeriodOrFolder) {
  auto record = testing_support::OrdinaryMonth();
  const OutputPages pages = Payslip(*record);
  EXPECT_EQ(ArchiveDocument(files_, "", *record, DocumentKind::Payslip, pages).outcome, ArchiveOutcome::Skipped);
  record->mask_fields[MaskField::FileName] = "";
  EXPECT_EQ(ArchiveDocument(files_, dir_, *record, DocumentKind::Payslip, pages).outcome, ArchiveOutcome::Skipped);
  EXPECT_TRUE(HostFiles().empty());
}

TEST_F(HistoryFolder, AnUnwritableFolderIsReportedAndLeavesNoFile) {
  // A file where the history folder should be: nothing can be written
  // there, not even by root.
  ASSERT_TRUE(ReplaceFileAtomically(root_ / "drive_c" / "PEKTO" / "HIS01", "x").ok);
  const auto record = testing_support::OrdinaryMonth();
  const ArchiveResult result = ArchiveDocument(files_, dir_, *record, DocumentKind::Payslip, Payslip(*record));
  EXPECT_EQ(result.outcome, ArchiveOutcome::Failed);
  ASSERT_TRUE(result.message.has_value());
  EXPECT_EQ(result.message->caption, "PEKTO Fehler!");
  EXPECT_EQ(result.message->kind, MessageKind::Stop);
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(root_ / "drive_c" / "PEKTO")) {
    left.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(left, std::vector<std::string>{"HIS01"}) << "no half-written or temporary file remains";
}

TEST_F(HistoryFolder, EachHistoryModeListsOnlyItsKind) {
  EXPECT_TRUE(HistoryEntries(files_, dir_, DocumentKind::Payslip).empty()) << "a missing folder lists nothing";
  fs::create_directories(Host("").parent_path());
  for (const char* name : {"MAIER.150_202405A", "MAIER.150_202405K", "SCHULZ.010_202405A", "NOTIZ.TXT"}) {
    ASSERT_TRUE(ReplaceFileAtomically(Host(name), "\"x\"\r\n").ok);
  }
  EXPECT_EQ(HistoryEntries(files_, dir_, DocumentKind::Payslip),
            (std::vector<std::string>{"MAIER.150_202405A", "SCHULZ.010_202405A"}));
  EXPECT_EQ(HistoryEntries(files_, dir_, DocumentKind::PayrollAccount), std::vector<std::string>{"MAIER.150_202405K"});
}

}  // namespace
}  // namespace pekto
