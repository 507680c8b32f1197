#include "installer/archive.h"
#include "installer/archive_version.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

namespace pekto {
namespace {

namespace fs = std::filesystem;

class ArchiveTest : public testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(root_);
    fs::create_directories(root_ / "in" / "help");
    fs::create_directories(root_ / "target");
    Write("in/PEKTO.EXE", "program");
    Write("in/help/index.html", std::string(200000, 'h'));
    members_ = {{"PEKTO.EXE", root_ / "in" / "PEKTO.EXE", true},
                {"share/pekto/help/index.html", root_ / "in" / "help" / "index.html", false}};
  }
  void TearDown() override { fs::remove_all(root_); }
  void Write(const std::string& relative, const std::string& bytes) {
    std::ofstream(root_ / relative, std::ios::binary) << bytes;
  }
  std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  fs::path root_ = fs::absolute(fs::path(testing::TempDir()) / ("archive_" + std::to_string(::getpid())));
  std::vector<ArchiveMember> members_;
};

TEST_F(ArchiveTest, UnpacksEveryFileWithItsFolders) {
  ASSERT_TRUE(WriteArchive(root_ / "ARCVAI.EXE", members_).ok);
  const UnpackResult result = UnpackArchive(root_ / "ARCVAI.EXE", root_ / "target");
  ASSERT_EQ(result.code, UnpackCode::Ok) << result.detail;
  EXPECT_EQ(result.names, (std::vector<std::string>{"PEKTO.EXE", "share/pekto/help/index.html"}));
  EXPECT_EQ(Read(root_ / "target" / "PEKTO.EXE"), "program");
  EXPECT_NE(fs::status(root_ / "target" / "PEKTO.EXE").permissions() & fs::perms::owner_exec, fs::perms::none);
  EXPECT_EQ(Read(root_ / "target" / "share" / "pekto" / "help" / "index.html").size(), 200000u);
  // Nothing of the staging is left behind.
  EXPECT_EQ(std::distance(fs::directory_iterator(root_ / "target"), fs::directory_iterator()), 2);
}

TEST_F(ArchiveTest, ReplacesAFileOfTheSameNameInAnyCase) {
  Write("target/pekto.exe", "old");
  ASSERT_TRUE(WriteArchive(root_ / "ARCVAI.EXE", members_).ok);
  ASSERT_EQ(UnpackArchive(root_ / "ARCVAI.EXE", root_ / "target").code, UnpackCode::Ok);
  EXPECT_EQ(Read(root_ / "target" / "pekto.exe"), "program");
  EXPECT_FALSE(fs::exists(root_ / "target" / "PEKTO.EXE") && !fs::equivalent(root_ / "target" / "PEKTO.EXE", root_ / "target" / "pekto.exe"));
}

TEST_F(ArchiveTest, AnArchiveCutInHalfChangesNothing) {
  Write("target/PEKTO.EXE", "old");
  ASSERT_TRUE(WriteArchive(root_ / "ARCVAI.EXE", members_).ok);
  const std::string whole = Read(root_ / "ARCVAI.EXE");
  Write("ARCVAI.EXE", whole.substr(0, whole.size() / 2));
  const UnpackResult result = UnpackArchive(root_ / "ARCVAI.EXE", root_ / "target");
  EXPECT_EQ(result.code, UnpackCode::Damaged);
  EXPECT_FALSE(result.detail.empty());
  EXPECT_EQ(Read(root_ / "target" / "PEKTO.EXE"), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(root_ / "target"), fs::directory_iterator()), 1);
}

TEST_F(ArchiveTest, GarbageEmptyAndMissingArchives) {
  Write("ARCVAI.EXE", "MZ this is no archive");
  EXPECT_EQ(UnpackArchive(root_ / "ARCVAI.EXE", root_ / "target").code, UnpackCode::Damaged);
  Write("ARCVAI.EXE", "");
  EXPECT_EQ(UnpackArchive(root_ / "ARCVAI.EXE", root_ / "target").code, UnpackCode::Damaged);
  EXPECT_EQ(UnpackArchive(root_ / "NONE.EXE", root_ / "target").code, UnpackCode::Missing);
}

TEST_F(ArchiveTest, NamesThatLeaveTheTargetAreRefused) {
  ASSERT_TRUE(WriteArchive(root_ / "EVIL.EXE", {{"../escaped", root_ / "in" / "PEKTO.EXE", false}}).ok);
  EXPECT_EQ(UnpackArchive(root_ / "EVIL.EXE", root_ / "target").code, UnpackCode::Damaged);
  EXPECT_FALSE(fs::exists(root_ / "escaped"));
  ASSERT_TRUE(WriteArchive(root_ / "EVIL.EXE", {{"/tmp/absolute", root_ / "in" / "PEKTO.EXE", false}}).ok);
  EXPECT_EQ(UnpackArchive(root_ / "EVIL.EXE", root_ / "target").code, UnpackCode::Damaged);
}

TEST_F(ArchiveTest, AnUnwritableTargetFailsToWrite) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  ASSERT_TRUE(WriteArchive(root_ / "ARCVAI.EXE", members_).ok);
  fs::permissions(root_ / "target", fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(UnpackArchive(root_ / "ARCVAI.EXE", root_ / "target").code, UnpackCode::WriteFailed);
  fs::permissions(root_ / "target", fs::perms::owner_all);
}

// A release's program archive must install the version it is published as.
TEST_F(ArchiveTest, TheVersionFileOfTheProgramArchiveIsCheckedAgainstTheRelease) {
  Write("in/VERSPRK.INF", "2026.2\r\n15122026\r\n");
  members_.push_back({"VERSPRK.INF", root_ / "in" / "VERSPRK.INF", false});
  ASSERT_TRUE(WriteArchive(root_ / "ARCVAI.EXE", members_).ok);
  EXPECT_EQ(ReadArchiveMember(root_ / "ARCVAI.EXE", "VERSPRK.INF"), "2026.2\r\n15122026\r\n");
  EXPECT_EQ(ReadArchiveMember(root_ / "ARCVAI.EXE", "LOHNAR.DAT"), std::nullopt);
  EXPECT_EQ(ReadArchiveMember(root_ / "ARCVAI.EXE", "PEKTO.EXE", 3), std::nullopt) << "longer than allowed";

  EXPECT_EQ(CheckArchiveVersion(root_ / "ARCVAI.EXE", "2026.2", "15122026"), "");
  const std::string other_date = CheckArchiveVersion(root_ / "ARCVAI.EXE", "2026.2", "16122026");
  EXPECT_NE(other_date.find("installs version 2026.2 of 15122026, not 2026.2 of 16122026"), std::string::npos)
      << other_date;
  EXPECT_NE(CheckArchiveVersion(root_ / "ARCVAI.EXE", "2026.3", "15122026"), "");

  members_.pop_back();
  ASSERT_TRUE(WriteArchive(root_ / "OLD.EXE", members_).ok);
  EXPECT_NE(CheckArchiveVersion(root_ / "OLD.EXE", "2026.2", "15122026").find("holds no VERSPRK.INF"),
            std::string::npos);
  Write("CUT.EXE", Read(root_ / "ARCVAI.EXE").substr(0, 40));
  EXPECT_NE(CheckArchiveVersion(root_ / "CUT.EXE", "2026.2", "15122026"), "");
}

}  // namespace
}  // namespace pekto
