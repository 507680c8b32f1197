#include "platform/processes.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "platform/dos_file_system.h"
#include "platform/process_list.h"

namespace pekto {
namespace {

namespace fs = std::filesystem;

TEST(SpawnHostProgram, WaitsAndReportsTheExitCode) {
  const auto result = SpawnHostProgram("/bin/sh", {"-c", "exit 3"}, {}, LaunchMode::Wait);
  EXPECT_TRUE(result.started);
  EXPECT_EQ(result.exit_code, 3);
}

TEST(SpawnHostProgram, AMissingProgramIsFileNotFound) {
  const auto result = SpawnHostProgram("/nonexistent/prog", {}, {}, LaunchMode::Detached);
  EXPECT_FALSE(result.started);
  EXPECT_EQ(result.error_code, 2);
}

TEST(HostProgramStarter, ADosExeNameFindsOurProgramWithoutExtension) {
  const fs::path root = fs::path(testing::TempDir()) / ("starter_" + std::to_string(::getpid()));
  fs::create_directories(root / "drive_c" / "PEKTO");
  const fs::path program = root / "drive_c" / "PEKTO" / "fimrel";
  std::ofstream(program) << "#!/bin/sh\npwd > started.txt\n";
  fs::permissions(program, fs::perms::owner_all);
  const DosFileSystem files(root);
  HostProgramStarter starter(files);
  const auto result = starter.Start({"C:\\PEKTO\\FIMREL.EXE", {}, "C:\\PEKTO", LaunchMode::Wait});
  EXPECT_TRUE(result.started);
  EXPECT_TRUE(fs::exists(root / "drive_c" / "PEKTO" / "started.txt"));
  EXPECT_EQ(starter.Start({"C:\\PEKTO\\DORVEL.EXE", {}, "", LaunchMode::Wait}).error_code, 2);
  fs::remove_all(root);
}

TEST(HostDocumentOpener, AMissingDocumentIsFileNotFound) {
  const DosFileSystem files(fs::path(testing::TempDir()));
  HostDocumentOpener opener(files);
  EXPECT_EQ(opener.Open("C:\\PEKTO\\Wesentl_Neuerun2024.pdf").error_code, 2);
}

TEST(ProcessList, ReadsAProcTreeAndKeepsWhatTheListHeld) {
  const fs::path proc = fs::path(testing::TempDir()) / ("proc_" + std::to_string(::getpid()));
  fs::create_directories(proc / "17");
  fs::create_directories(proc / "5");
  fs::create_directories(proc / "self");
  fs::create_directories(proc / "99");  // ended before its stat was read
  std::ofstream(proc / "17" / "stat") << "17 (my (odd) prog) S 5 17 17 0 -1 0 0 0 0 0 0 0 0 0 20 0 4 0 1 2 3";
  std::ofstream(proc / "5" / "stat") << "5 (init) S 0 5 5 0 -1 0 0 0 0 0 0 0 0 0 20 0 1 0 1 2 3";
  std::vector<ProcessEntry> list{{1, 0, 1, "before"}};
  EXPECT_TRUE(ReadProcessList(proc, list));
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].exe_file, "before");
  EXPECT_EQ(list[1].process_id, 5);
  EXPECT_EQ(list[2].exe_file, "my (odd) prog");
  EXPECT_EQ(list[2].parent_process_id, 5);
  EXPECT_EQ(list[2].thread_count, 4);
  fs::remove_all(proc);
}

TEST(ProcessList, TheRealListHoldsThisProcess) {
  std::vector<ProcessEntry> list;
  EXPECT_TRUE(ProcGetList(list));
  const int self = ::getpid();
  EXPECT_TRUE(std::any_of(list.begin(), list.end(), [self](const auto& e) { return e.process_id == self; }));
}

}  // namespace
}  // namespace pekto
