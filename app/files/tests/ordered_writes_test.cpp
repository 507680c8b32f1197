#include "app/files/ordered_writes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <mutex>

#include "app/files/tests/data_folder.h"

namespace pekto {
namespace {

using testing_support::DataFolder;

class OrderedWritesTest : public testing::Test {
 protected:
  [[nodiscard]] FileWriter Writer(const std::string& failing_target = {}, int error = 0) {
    return [this, failing_target, error](std::string_view path, std::string_view bytes) {
      {
        const std::lock_guard lock(mutex_);
        staged_.emplace_back(path);
      }
      if (!failing_target.empty() && path == StagedPath(failing_target)) return WriteResult{false, error};
      return folder_.files.ReplaceFile(path, bytes);
    };
  }
  [[nodiscard]] std::vector<std::string> Files() const { return folder_.files.ListFiles(folder_.paths.UserDataDir()); }

  DataFolder folder_{"ordered"};
  std::mutex mutex_;
  std::vector<std::string> staged_;
  const std::vector<PlannedWrite> writes_ = {
      {"C:\\PEKTO\\01\\A.010", "a"}, {"C:\\PEKTO\\01\\B@@@@@@@_010.24", "b"}, {"C:\\PEKTO\\01\\C.010", "c"}};
};

TEST_F(OrderedWritesTest, ReplacesEveryFileThroughAStagedCopy) {
  folder_.Put("A.010", "old a");
  EXPECT_EQ(ReplaceFilesInOrder(folder_.files, writes_, Writer()), std::nullopt);
  EXPECT_EQ(folder_.Bytes("A.010"), "a");
  EXPECT_EQ(folder_.Bytes("B@@@@@@@_010.24"), "b");
  EXPECT_EQ(folder_.Bytes("C.010"), "c");
  EXPECT_EQ(Files(), (std::vector<std::string>{"A.010", "B@@@@@@@_010.24", "C.010"}));
  std::sort(staged_.begin(), staged_.end());
  EXPECT_EQ(staged_, (std::vector<std::string>{"C:\\PEKTO\\01\\A.010.neu", "C:\\PEKTO\\01\\B@@@@@@@_010.24.neu",
                                               "C:\\PEKTO\\01\\C.010.neu"}));
}

TEST_F(OrderedWritesTest, AFailedWriteChangesNoFile) {
  folder_.Put("A.010", "old a");
  folder_.Put("C.010", "old c");
  const auto failure = ReplaceFilesInOrder(folder_.files, writes_, Writer("C:\\PEKTO\\01\\B@@@@@@@_010.24", ENOSPC));
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->path, "C:\\PEKTO\\01\\B@@@@@@@_010.24");
  EXPECT_EQ(failure->error_number, ENOSPC);
  EXPECT_EQ(folder_.Bytes("A.010"), "old a");
  EXPECT_EQ(folder_.Bytes("C.010"), "old c");
  EXPECT_EQ(Files(), (std::vector<std::string>{"A.010", "C.010"}));
}

TEST_F(OrderedWritesTest, AFailedRenameStopsTheOrderThere) {
  std::filesystem::create_directories(folder_.Host("B@@@@@@@_010.24") / "in the way");
  const auto failure = ReplaceFilesInOrder(folder_.files, writes_, Writer());
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->path, "C:\\PEKTO\\01\\B@@@@@@@_010.24");
  EXPECT_NE(failure->error_number, 0);
  EXPECT_EQ(folder_.Bytes("A.010"), "a") << "renamed before the failure";
  EXPECT_FALSE(folder_.Has("C.010")) << "the employee file comes last and is not replaced";
  EXPECT_FALSE(folder_.Has("C.010.neu"));
}

TEST_F(OrderedWritesTest, AMissingFolderIsAFailure) {
  const std::vector<PlannedWrite> writes = {{"C:\\PEKTO\\07\\A.010", "a"}};
  const auto failure = ReplaceFilesInOrder(folder_.files, writes, Writer());
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->error_number, ENOENT);
}

}  // namespace
}  // namespace pekto
