#include "platform/dos_file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <map>

#include "platform/dos_path.h"

namespace pekto {
namespace {

namespace fs = std::filesystem;

struct ParseRow {
  const char* name;
  const char* text;
  std::optional<std::string> normal;
};
void PrintTo(const ParseRow& c, std::ostream* os) { *os << c.name; }

class ParseDosPathTest : public testing::TestWithParam<ParseRow> {};

TEST_P(ParseDosPathTest, Normalises) {
  const auto parsed = ParseDosPath(GetParam().text);
  ASSERT_EQ(parsed.has_value(), GetParam().normal.has_value());
  if (parsed) {
    EXPECT_EQ(parsed->Text(), *GetParam().normal);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDosPathTest,
    testing::Values(ParseRow{"Plain", "C:\\PEKTO\\01\\MAIER.050", "C:\\PEKTO\\01\\MAIER.050"},
                    ParseRow{"LowerDriveAndSlashes", "c:/pekto//01/", "C:\\pekto\\01"},
                    ParseRow{"DriveRoot", "C:\\", "C:\\"}, ParseRow{"BareDrive", "D:", "D:\\"},
                    ParseRow{"TrailingDotDropped", "C:\\PEKTO\\BILDSCH.", "C:\\PEKTO\\BILDSCH"},
                    ParseRow{"DotDotClimbs", "C:\\PEKTO\\01\\..\\LODAT2.SYS", "C:\\PEKTO\\LODAT2.SYS"},
                    ParseRow{"DotDotStopsAtRoot", "C:\\..\\..\\etc\\passwd", "C:\\etc\\passwd"},
                    ParseRow{"ThreeDotsVanish", "C:\\...\\x", "C:\\x"}, ParseRow{"Relative", "PEKTO\\X", std::nullopt},
                    ParseRow{"RootRelative", "\\PEKTO", std::nullopt}, ParseRow{"NoSeparator", "C:PEKTO", std::nullopt},
                    ParseRow{"Empty", "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JoinDos, NeverDoublesTheBackslashOfADriveRoot) {
  EXPECT_EQ(JoinDos("C:\\", "LODAT2.SYS"), "C:\\LODAT2.SYS");
  EXPECT_EQ(JoinDos("C:\\PEKTO", "LODAT2.SYS"), "C:\\PEKTO\\LODAT2.SYS");
  EXPECT_EQ(JoinDos("C:\\PEKTO", "\\BILDSCH."), "C:\\PEKTO\\BILDSCH.");
  EXPECT_TRUE(SameDosPath("c:\\pekto\\lodat2.sys", "C:\\PEKTO\\LODAT2.SYS"));
  EXPECT_FALSE(SameDosPath("C:\\PEKTO\\A", "D:\\PEKTO\\A"));
}

struct EnvRow {
  const char* name;
  std::map<std::string, std::string> env;
  std::optional<std::string> root;
};
void PrintTo(const EnvRow& c, std::ostream* os) { *os << c.name; }

class DrivesRootTest : public testing::TestWithParam<EnvRow> {};

TEST_P(DrivesRootTest, ChoosesTheRoot) {
  const auto& env = GetParam().env;
  const auto root = DrivesRootFromEnvironment([&env](std::string_view name) -> std::optional<std::string> {
    const auto it = env.find(std::string(name));
    if (it == env.end()) return std::nullopt;
    return it->second;
  });
  ASSERT_EQ(root.has_value(), GetParam().root.has_value());
  if (root) {
    EXPECT_EQ(root->string(), *GetParam().root);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Environment, DrivesRootTest,
    testing::Values(
        EnvRow{"Configured", {{"PEKTO_DRIVES", "/srv/lohn"}, {"HOME", "/home/u"}}, "/srv/lohn"},
        EnvRow{"XdgDataHome", {{"XDG_DATA_HOME", "/x"}, {"HOME", "/home/u"}}, "/x/pekto/drives"},
        EnvRow{"Home", {{"HOME", "/home/u"}}, "/home/u/.local/share/pekto/drives"},
        EnvRow{"EmptyIsUnset", {{"PEKTO_DRIVES", ""}, {"HOME", "/home/u"}}, "/home/u/.local/share/pekto/drives"},
        EnvRow{"Nothing", {}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

class DosFileSystemTest : public testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::path(testing::TempDir()) / ("dosfs_" + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "drive_c" / "Pekto" / "01");
    std::ofstream(root_ / "drive_c" / "Pekto" / "LoDat2.Sys") << "x";
  }
  void TearDown() override {
    fs::permissions(root_ / "drive_c" / "Pekto", fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(root_);
  }
  fs::path root_;
};

TEST_F(DosFileSystemTest, ComponentsMatchWithoutRegardToCase) {
  const DosFileSystem files(root_);
  EXPECT_EQ(files.HostPath("C:\\PEKTO\\LODAT2.SYS"), root_ / "drive_c" / "Pekto" / "LoDat2.Sys");
  EXPECT_TRUE(files.FileExists("c:\\pekto\\lodat2.sys"));
  EXPECT_TRUE(files.DirectoryExists("C:\\PEKTO\\01"));
  // A missing file keeps the spelling it was given, below the found folder.
  EXPECT_EQ(files.HostPath("C:\\PEKTO\\HIS01\\X.DAT"), root_ / "drive_c" / "Pekto" / "HIS01" / "X.DAT");
  EXPECT_EQ(files.HostPath("D:\\X"), root_ / "drive_d" / "X");
  EXPECT_EQ(files.HostPath("Z:\\etc\\hosts"), fs::path("/etc/hosts"));
  EXPECT_EQ(files.HostPath("PEKTO"), std::nullopt);
}

// Names an older installation wrote in Windows-1252 (Ä 0xC4) or with the
// DOS umlauts (Ä 0x8E) are listed decoded and found by their decoded name;
// entries that are no file are listed as such.
TEST_F(DosFileSystemTest, OldCodePageNamesAreListedAndFound) {
  const DosFileSystem files(root_);
  const fs::path dir = root_ / "drive_c" / "Pekto" / "01";
  std::ofstream(dir / "J\xC4GER.031") << "ansi";
  std::ofstream(dir / "J\x8EGER.041") << "dos";
  std::ofstream(dir / "M\xC3\x9CLLER.050") << "utf8";
  fs::create_directories(dir / "ORDNER.050");
  EXPECT_EQ(files.ListFiles("C:\\PEKTO\\01"), (std::vector<std::string>{"JÄGER.031", "JÄGER.041", "MÜLLER.050"}));
  EXPECT_EQ(files.ReadFile("C:\\PEKTO\\01\\JÄGER.031"), "ansi");
  EXPECT_EQ(files.ReadFile("C:\\PEKTO\\01\\jäger.041"), "dos");
  const auto entries = files.ListEntries("C:\\PEKTO\\01");
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[3].name, "ORDNER.050");
  EXPECT_FALSE(entries[3].regular_file);
  EXPECT_TRUE(files.EntryExists("C:\\PEKTO\\01\\ORDNER.050"));
  EXPECT_FALSE(files.FileExists("C:\\PEKTO\\01\\ORDNER.050"));
  EXPECT_EQ(HostNameToUtf8("A\xFF"), "Aÿ");
}

TEST_F(DosFileSystemTest, HostFoldersMapBackToDosTexts) {
  const DosFileSystem files(root_);
  EXPECT_EQ(files.DosPathOf(root_ / "drive_c" / "Pekto"), "C:\\Pekto");
  EXPECT_EQ(files.DosPathOf(root_ / "drive_c"), "C:\\");
  EXPECT_EQ(files.DosPathOf(root_ / "drive_c" / "Pekto" / ".."), "C:\\");
  EXPECT_EQ(files.DosPathOf("/usr/share"), "Z:\\usr\\share");
  EXPECT_EQ(files.DosPathOf("/"), "Z:\\");
  EXPECT_EQ(DosFileSystem(std::nullopt).DosPathOf("/srv/x"), "Z:\\srv\\x");
}

TEST_F(DosFileSystemTest, ReplaceReadDeleteAndWriteProtection) {
  const DosFileSystem files(root_);
  ASSERT_TRUE(files.ReplaceFile("C:\\PEKTO\\LODAT2.SYS", "neu\r\n").ok);
  EXPECT_EQ(files.ReadFile("C:\\PEKTO\\LODAT2.SYS"), "neu\r\n");
  EXPECT_EQ(files.ListFiles("C:\\PEKTO"), std::vector<std::string>{"LoDat2.Sys"});  // no temporary left
  EXPECT_FALSE(files.IsWriteProtected("C:\\PEKTO\\LODAT2.SYS"));
  fs::permissions(root_ / "drive_c" / "Pekto" / "LoDat2.Sys", fs::perms::owner_read | fs::perms::group_read);
  EXPECT_TRUE(files.IsWriteProtected("C:\\PEKTO\\LODAT2.SYS"));
  ASSERT_TRUE(files.ReplaceFile("C:\\PEKTO\\LODAT2.SYS", "x").ok);
  EXPECT_TRUE(files.IsWriteProtected("C:\\PEKTO\\LODAT2.SYS")) << "replacement keeps the permissions";
  EXPECT_TRUE(files.CreateDirectories("C:\\PEKTO\\HIS01"));
  EXPECT_TRUE(files.RemoveEmptyDirectory("C:\\PEKTO\\HIS01"));
  EXPECT_TRUE(files.DeleteFile("C:\\PEKTO\\lodat2.sys"));
  EXPECT_FALSE(files.DeleteFile("C:\\PEKTO\\lodat2.sys"));
  EXPECT_EQ(files.ReadFile("C:\\PEKTO\\LODAT2.SYS"), std::nullopt);
}

TEST_F(DosFileSystemTest, AFailedReplacementLeavesTheOldFileAndNoTemporary) {
  const DosFileSystem files(root_);
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  fs::permissions(root_ / "drive_c" / "Pekto", fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(files.ReplaceFile("C:\\PEKTO\\LODAT2.SYS", "neu").ok);
  EXPECT_EQ(files.ReadFile("C:\\PEKTO\\LODAT2.SYS"), "x");
}

}  // namespace
}  // namespace pekto
