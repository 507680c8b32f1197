#include "platform/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

namespace pekto {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public testing::Test {
 protected:
  AtomicFileTest() {
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  ~AtomicFileTest() override {
    SetDirectorySyncObserver(nullptr);
    std::error_code error;
    fs::remove_all(dir_, error);
  }
  void Put(const std::string& name, const std::string& bytes) const {
    ASSERT_TRUE(ReplaceFileAtomically(dir_ / name, bytes).ok);
  }
  [[nodiscard]] static mode_t Mode(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
  }
  [[nodiscard]] std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  const fs::path dir_ = fs::path(testing::TempDir()) / ("pekto_atomic_" + std::to_string(::getpid()));
};

TEST_F(AtomicFileTest, AReplacedFileKeepsItsMode) {
  Put("MAIER.050", "old");
  ASSERT_EQ(::chmod((dir_ / "MAIER.050").c_str(), 0600), 0);
  ASSERT_TRUE(ReplaceFileAtomically(dir_ / "MAIER.050", "new").ok);
  EXPECT_EQ(Mode(dir_ / "MAIER.050"), 0600u);
}

TEST_F(AtomicFileTest, AStagedCopyTakesTheModeOfTheFileItWillReplace) {
  Put("MAIER.050", "old");
  ASSERT_EQ(::chmod((dir_ / "MAIER.050").c_str(), 0600), 0);
  Put("MAIER.050.neu", "left over");  // 0644 or whatever the umask gives
  ASSERT_EQ(::chmod((dir_ / "MAIER.050.neu").c_str(), 0644), 0);
  ASSERT_TRUE(ReplaceFileAtomically(dir_ / "MAIER.050.neu", "new", dir_ / "MAIER.050").ok);
  EXPECT_EQ(Mode(dir_ / "MAIER.050.neu"), 0600u);
}

TEST_F(AtomicFileTest, TheFolderIsSyncedAfterTheRename) {
  std::vector<std::string> contents_at_sync;
  SetDirectorySyncObserver([&](const fs::path& dir) {
    EXPECT_EQ(dir, dir_);
    contents_at_sync.push_back(ReadWholeFile(dir_ / "A").value_or("<none>"));
  });
  ASSERT_TRUE(ReplaceFileAtomically(dir_ / "A", "new").ok);
  EXPECT_EQ(contents_at_sync, (std::vector<std::string>{"new"}));
}

TEST_F(AtomicFileTest, StaleTemporariesOfTheTargetAreRemoved) {
  Put("MAIER.050", "old");
  Put("MAIER.050.tmpAb3xYz", "killed save");
  Put("MAIER.050.tmpAb3xY", "five letters: not ours");
  Put("MAIER.050.tmpAb3x-z", "not our alphabet");
  Put("MAIER.0500.tmpAb3xYz", "another target");
  fs::create_directory(dir_ / "MAIER.050.tmpQQQQQQ");
  ASSERT_TRUE(ReplaceFileAtomically(dir_ / "MAIER.050", "new").ok);
  EXPECT_EQ(Names(), (std::vector<std::string>{"MAIER.050", "MAIER.050.tmpAb3x-z", "MAIER.050.tmpAb3xY",
                                               "MAIER.050.tmpQQQQQQ", "MAIER.0500.tmpAb3xYz"}));
}

TEST_F(AtomicFileTest, FolderCleanupTakesOnlyTemporariesOfTheSuffix) {
  Put("A.050.neu.tmp123456", "x");
  Put("B.060.neu.tmpabcdef", "x");
  Put("C.070.tmpabcdef", "not staged");
  Put("notes.txt", "user's");
  RemoveStaleTemporaries(dir_, ".neu");
  EXPECT_EQ(Names(), (std::vector<std::string>{"C.070.tmpabcdef", "notes.txt"}));
}

TEST(TemporaryNameTest, Scheme) {
  EXPECT_TRUE(IsTemporaryOf("A.010.tmpXyZ012", "A.010"));
  EXPECT_FALSE(IsTemporaryOf("A.010.tmpXyZ01", "A.010"));
  EXPECT_FALSE(IsTemporaryOf("A.010.tmpXyZ0123", "A.010"));
  EXPECT_FALSE(IsTemporaryOf("XA.010.tmpXyZ012", "A.010"));
  EXPECT_FALSE(IsTemporaryOf(".tmpXyZ012", ""));
}

}  // namespace
}  // namespace pekto
