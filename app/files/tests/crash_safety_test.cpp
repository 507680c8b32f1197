// Saves killed at random moments: a child process closes month after month
// of one employee (security copy, year file, employee file in one ordered
// save) until it is killed with SIGKILL; after every kill each file must be
// a complete file as the program writes it (the old or the new version,
// never a mixture or a truncation), and a month closed in the employee file
// must be closed in the year file too.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "app/files/annual_sums.h"
#include "app/files/employee_files.h"
#include "app/files/tests/file_command_support.h"

namespace pekto {
namespace {

using testing_support::FileCommandTest;
using testing_support::kMaier;
using F = MaskField;

constexpr int kKills = 40;
constexpr const char* kEmployee = "MAIER.050";
constexpr const char* kSecurityCopy = "MAIER~~~.050";
constexpr const char* kYearFile = "MAIER@@@_050.24";

class CrashSafetyTest : public FileCommandTest {
 protected:
  CrashSafetyTest() : FileCommandTest("crash") {}

  // The child: load the stored employee, then close one month after the
  // other (01/24 .. 12/24, again and again) until killed.
  [[noreturn]] void SaveForever() {
    user_.choice = kEmployee;
    if (Command(file_command::kLoadComplete).result != FileCommandResult::Done) _exit(3);
    for (int month = 1;; month = month % 12 + 1) {
      user_.shown.clear();
      user_.confirmed.clear();
      user_.lists.clear();
      user_.answers = {UserAnswer::Yes, UserAnswer::No};
      record_->mask_fields[F::Period] = (month < 10 ? "0" : "") + std::to_string(month) + "24";
      (void)Calculate();
      if (Save().result != FileCommandResult::Done) _exit(4);
    }
  }

  // A file as the program writes it: it reads back to exactly its bytes.
  void ExpectComplete(const char* name) const {
    if (!folder_.Has(name)) return;
    const std::string bytes = folder_.Bytes(name);
    if (std::string_view(name) == kYearFile) {
      const YearFileRead year = ParseYearFile(bytes);
      ASSERT_EQ(year.status, ReadStatus::Ok) << name;
      EXPECT_EQ(SerializeYearFile(year.file), bytes) << name << " is incomplete or mixed";
    } else {
      const RecordFileRead record = ParseRecordFile(bytes);
      ASSERT_EQ(record.status, ReadStatus::Ok) << name;
      EXPECT_EQ(SerializeRecordFile(record.values), bytes) << name << " is incomplete or mixed";
    }
  }

  // "Month closed in the employee file => in the year file".
  void ExpectClosedMonthInYearFile() const {
    const RecordFileRead employee = ParseRecordFile(folder_.Bytes(kEmployee));
    ASSERT_EQ(employee.status, ReadStatus::Ok);
    const std::string& closed = employee.values[kMonthRecordSlots + annual_slot::kLastSummation];
    if (closed.empty()) return;
    ASSERT_EQ(closed.size(), 6u) << closed;
    ASSERT_TRUE(folder_.Has(kYearFile)) << "month " << closed << " closed without a year file";
    const YearFileRead year = ParseYearFile(folder_.Bytes(kYearFile));
    ASSERT_EQ(year.status, ReadStatus::Ok);
    const int month = std::stoi(closed.substr(0, 2));
    ASSERT_GE(month, 1);
    ASSERT_LE(month, 12);
    EXPECT_EQ(year.file.months[static_cast<std::size_t>(month - 1)][kMonthRecordSlots + annual_slot::kLastSummation],
              closed)
        << "month " << closed << " is closed in the employee file but not in the year file";
  }
};

TEST_F(CrashSafetyTest, KilledSavesLeaveOldOrNewCompleteFiles) {
  Enter(kMaier);
  ASSERT_EQ(Save().result, FileCommandResult::Done);
  std::mt19937 random(20261208);
  std::uniform_int_distribution<int> delay_us(2000, 60000);
  int killed_while_saving = 0;
  for (int round = 0; round < kKills; ++round) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) SaveForever();
    std::this_thread::sleep_for(std::chrono::microseconds(delay_us(random)));
    ASSERT_EQ(::kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself with " << WEXITSTATUS(status);
    killed_while_saving += WTERMSIG(status) == SIGKILL ? 1 : 0;
    for (const char* name : {kEmployee, kSecurityCopy, kYearFile}) ExpectComplete(name);
    ExpectClosedMonthInYearFile();
    if (HasFailure()) return;
  }
  EXPECT_EQ(killed_while_saving, kKills);
  // The next save removes what the killed ones left behind.
  user_.choice = kEmployee;
  ASSERT_EQ(Command(file_command::kLoadComplete).result, FileCommandResult::Done);
  record_->modified = true;
  ASSERT_EQ(Save().result, FileCommandResult::Done);
  for (const std::string& name : folder_.files.ListFiles(folder_.paths.UserDataDir())) {
    EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
  }
}

}  // namespace
}  // namespace pekto
