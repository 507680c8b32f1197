#include "app/files/ordered_writes.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <mutex>

#include "app/files/tests/data_folder.h"

namespace pekto {
namespace {

using testing_support::DataFolder;

class OrderedWritesTest : public testing::Test {
 protected:
  [[nodiscard]] FileWriter Writer(const std::string& failing_target = {}, int error = 0) {
    return [this, failing_target, error](std::string_view path, std::string_view bytes, std::string_view mode_of) {
      {
        const std::lock_guard lock(mutex_);
        staged_.emplace_back(path);
      }
      if (!failing_target.empty() && path == StagedPath(failing_target)) return WriteResult{false, error};
      return folder_.files.ReplaceFile(path, bytes, mode_of);
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

TEST_F(OrderedWritesTest, EveryFileKeepsItsMode) {
  for (const char* name : {"A.010", "B@@@@@@@_010.24", "C.010"}) {
    folder_.Put(name, "old");
    ASSERT_EQ(::chmod(folder_.Host(name).c_str(), 0600), 0);
  }
  folder_.Put("C.010.neu", "left by a killed save");
  ASSERT_EQ(::chmod(folder_.Host("C.010.neu").c_str(), 0644), 0);
  ASSERT_EQ(ReplaceFilesInOrder(folder_.files, writes_, Writer()), std::nullopt);
  for (const char* name : {"A.010", "B@@@@@@@_010.24", "C.010"}) {
    struct stat info {};
    ASSERT_EQ(::stat(folder_.Host(name).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u) << name;
  }
}

// After each rename the folder is synced before the next rename, so that
// the order survives a power cut.
TEST_F(OrderedWritesTest, EachRenameIsDurableBeforeTheNext) {
  std::vector<std::string> renamed_at_sync;
  std::mutex sync_mutex;
  SetDirectorySyncObserver([&](const std::filesystem::path&) {
    const std::lock_guard lock(sync_mutex);
    std::string renamed;
    for (const char* name : {"A.010", "B@@@@@@@_010.24", "C.010"}) renamed += folder_.Has(name) ? name[0] : '-';
    renamed_at_sync.push_back(renamed);
  });
  const auto failure = ReplaceFilesInOrder(folder_.files, writes_, Writer());
  SetDirectorySyncObserver(nullptr);
  ASSERT_EQ(failure, std::nullopt);
  // The staged writes may sync the folder too; the last three syncs follow
  // the three renames.
  ASSERT_GE(renamed_at_sync.size(), 3u);
  const std::vector<std::string> last(renamed_at_sync.end() - 3, renamed_at_sync.end());
  EXPECT_EQ(last, (std::vector<std::string>{"A--", "AB-", "ABC"}));
}

TEST_F(OrderedWritesTest, TemporariesOfKilledSavesAreRemovedWhenTheFolderIsNextWritten) {
  folder_.Put("OTHER.010.neu.tmpAbC123", "a killed save of another employee");
  folder_.Put("A.010.neu.tmpzzzzzz", "a killed save of this one");
  folder_.Put("NOTIZ.tmpAbC123", "not a staged copy: not ours to remove");
  ASSERT_EQ(ReplaceFilesInOrder(folder_.files, writes_, Writer()), std::nullopt);
  EXPECT_EQ(Files(), (std::vector<std::string>{"A.010", "B@@@@@@@_010.24", "C.010", "NOTIZ.tmpAbC123"}));
}

}  // namespace
}  // namespace pekto
