// A save that cannot write keeps every stored file as it was and says so;
// it never reports success.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <mutex>

#include "record/annual_block.h"
#include "app/files/employee_files.h"
#include "app/files/file_commands.h"
#include "app/files/ordered_writes.h"
#include "app/files/tests/file_command_support.h"

namespace pekto {
namespace {

using testing_support::FileCommandTest;
using testing_support::kMaier;
using F = MaskField;
using R = FileCommandResult;

class FileSafetyTest : public FileCommandTest {
 protected:
  // MAIER is saved once; the test then changes the month and saves again
  // with a writer that fails on the `fail_at`-th file with `error`.
  void SetUp() override {
    Enter(kMaier);
    ASSERT_EQ(Save().result, R::Done);
    before_ = folder_.Bytes("MAIER.050");
    user_ = {};
    Enter({{F::TaxableGross, "4000,00"}});
    record_->modified = true;
  }
  // The writer fails for the file `name` of the data folder (staged or
  // written directly) with `error`.
  void FailAt(const std::string& name, int error) {
    const std::string target = "C:\\PEKTO\\01\\" + name;
    context_.replace_file = [this, target, error](std::string_view path, std::string_view bytes, std::string_view mode_of) {
      {
        const std::lock_guard lock(mutex_);
        written_.emplace_back(path);
      }
      if (path == target || path == StagedPath(target)) return WriteResult{false, error};
      return folder_.files.ReplaceFile(path, bytes, mode_of);
    };
  }
  [[nodiscard]] std::vector<std::string> Files() const { return folder_.files.ListFiles(folder_.paths.UserDataDir()); }

  std::string before_;
  std::mutex mutex_;
  std::vector<std::string> written_;
};

struct WriteFailure {
  const char* name;
  int error;
  const char* reason;
};
void PrintTo(const WriteFailure& c, std::ostream* os) { *os << c.name; }

class WriteFailureTest : public FileSafetyTest, public testing::WithParamInterface<WriteFailure> {};

TEST_P(WriteFailureTest, KeepsTheOldFileAndNamesTheCause) {
  FailAt("MAIER.050", GetParam().error);
  const FileCommandOutcome outcome = Save();
  EXPECT_EQ(outcome.result, R::Failed);
  EXPECT_FALSE(outcome.show_payslip);
  ASSERT_EQ(user_.shown.size(), 1u) << "no payslip question after a failure";
  const DialogMessage& message = user_.shown[0];
  EXPECT_EQ(message.caption, "PEKTO Fehler!");
  EXPECT_EQ(message.kind, MessageKind::Stop);
  EXPECT_EQ(message.Text(), "Die Datei C:\\PEKTO\\01\\MAIER.050\r\nkonnte nicht geschrieben werden.\r\n" +
                                std::string(GetParam().reason) +
                                "\r\nDie bisher gespeicherte Datei bleibt unverändert.");
  EXPECT_EQ(folder_.Bytes("MAIER.050"), before_);
  EXPECT_EQ(Files(), std::vector<std::string>{"MAIER.050"}) << "nothing staged is left";
  EXPECT_TRUE(record_->modified) << "the entries still count as unsaved";
}

INSTANTIATE_TEST_SUITE_P(
    Errors, WriteFailureTest,
    testing::Values(WriteFailure{"DiskFull", ENOSPC, "Der Datenträger ist voll."},
                    WriteFailure{"Quota", EDQUOT, "Der Datenträger ist voll."},
                    WriteFailure{"NoPermission", EACCES, "Es fehlt die Berechtigung zum Schreiben."},
                    WriteFailure{"ReadOnlyFileSystem", EROFS, "Es fehlt die Berechtigung zum Schreiben."},
                    WriteFailure{"Other", EIO, "Systemfehler 5."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileSafetyTest, AFailedYearFileChangesNoFileAndLeavesTheMonthOpen) {
  (void)Calculate();
  FailAt("MAIER@@@_050.24", ENOSPC);
  EXPECT_EQ(Save().result, R::Failed);
  EXPECT_EQ(user_.shown[0].lines[0], "Die Datei C:\\PEKTO\\01\\MAIER@@@_050.24");
  EXPECT_EQ(written_.size(), 3u) << "security copy, year file and employee file were staged";
  EXPECT_EQ(folder_.Bytes("MAIER.050"), before_);
  EXPECT_EQ(Files(), std::vector<std::string>{"MAIER.050"}) << "no security copy, no year file, nothing staged";
  EXPECT_EQ(record_->annual_block[annual_slot::kTaxablePay], "");
  EXPECT_EQ(record_->annual_block[annual_slot::kCalculated], "1");
  context_.replace_file = nullptr;
  user_ = {};
  EXPECT_EQ(Save().result, R::Done);
  EXPECT_EQ(user_.confirmed.size(), 1u) << "the month can be closed on the next save";
  EXPECT_EQ(record_->annual_block[annual_slot::kTaxablePay], "400000");
  EXPECT_EQ(Files(), (std::vector<std::string>{"MAIER.050", "MAIER@@@_050.24", "MAIER~~~.050"}));
}

TEST_F(FileSafetyTest, AFailedEmployerListIsReportedButTheEmployeeIsSaved) {
  record_->month_record[70] = "Firma";
  FailAt("AG.DAT", EACCES);
  const FileCommandOutcome outcome = Save();
  EXPECT_EQ(outcome.result, R::Done);
  ASSERT_EQ(user_.shown.size(), 2u);
  EXPECT_EQ(user_.shown[0].lines[0], "Die Datei C:\\PEKTO\\01\\AG.DAT");
  EXPECT_NE(folder_.Bytes("MAIER.050"), before_);
  EXPECT_FALSE(record_->modified);
}

TEST_F(FileSafetyTest, ADamagedEmployerListIsLeftAlone) {
  const std::string damaged("\"Firma\0\"\r\n", 10);
  folder_.Put("AG.DAT", damaged);
  record_->month_record[70] = "Firma";
  EXPECT_EQ(Save().result, R::Done);
  EXPECT_EQ(user_.shown[0].caption, "PEKTO Hinweis!");
  EXPECT_EQ(folder_.Bytes("AG.DAT"), damaged);
}

// A real write that the system stops half-way (the file-size limit stands
// in for a full disk): the atomic replacement keeps the old file whole and
// leaves no temporary file behind.
TEST_F(FileSafetyTest, AWriteStoppedHalfWayLeavesTheOldFileWhole) {
  struct rlimit old_limit {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old_limit;
  small.rlim_cur = 1000;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const FileCommandOutcome outcome = Save();
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_EQ(outcome.result, R::Failed);
  ASSERT_FALSE(user_.shown.empty());
  EXPECT_EQ(user_.shown[0].lines[1], "konnte nicht geschrieben werden.");
  EXPECT_EQ(folder_.Bytes("MAIER.050"), before_);
  EXPECT_EQ(folder_.files.ListFiles(folder_.paths.UserDataDir()), std::vector<std::string>{"MAIER.050"});
}

TEST_F(FileSafetyTest, AWriteProtectedFolderIsReportedWhereTheSystemEnforcesIt) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  const auto dir = folder_.Host("");
  std::filesystem::permissions(dir, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  const FileCommandOutcome outcome = Save();
  std::filesystem::permissions(dir, std::filesystem::perms::owner_all);
  EXPECT_EQ(outcome.result, R::Failed);
  EXPECT_EQ(user_.shown[0].lines[2], "Es fehlt die Berechtigung zum Schreiben.");
  EXPECT_EQ(folder_.Bytes("MAIER.050"), before_);
}

}  // namespace
}  // namespace pekto
