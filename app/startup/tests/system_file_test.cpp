#include "app/startup/system_file.h"

#include <gtest/gtest.h>

#include "app/startup/install_paths.h"
#include "platform/value_lines.h"

namespace pekto {
namespace {

// The lines of a system file as an installation might have it: values in
// quotes, the switch and the integer bare, and the optional last text.
std::vector<std::string> InstalledLines() {
  std::vector<std::string> lines = {"\"PEKTO\"", "\"kept 2\"", "\"C\"", "\"kept 4\"", "1"};
  for (int user = 1; user <= kUserEntries; ++user) {
    lines.push_back(user == 1 ? "\"Maier\"" : user == 2 ? "\"J\xE4ger\"" : "\"\"");
    lines.push_back(user == 1 ? "\"GEHEIM\"" : user == 2 ? "\"K\x94NIG\"" : "\"\"");
    lines.push_back("\"third " + std::to_string(user) + "\"");
  }
  for (int i = 0; i < 24; ++i) lines.push_back(i == 0 ? "\"1\"" : "\"s" + std::to_string(i) + "\"");
  for (const char* tail : {"\"Maier & S\xF6hne GmbH\"", "42", "\"text\"", "\"optional\""}) lines.emplace_back(tail);
  return lines;
}

std::string Bytes(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) AppendBareLine(out, line);
  return out;
}

TEST(SystemFile, ReadsTheValuesThisProgramUses) {
  const SystemFileRead read = ParseSystemFile(Bytes(InstalledLines()));
  ASSERT_EQ(read.status, SystemFileStatus::Ok);
  EXPECT_EQ(read.file.InstallDir(), "PEKTO");
  EXPECT_EQ(read.file.InstallDrive(), "C");
  EXPECT_TRUE(read.file.PasswordQueryEnabled());
  EXPECT_EQ(read.file.User(1).name, "Maier");
  EXPECT_EQ(read.file.User(2).name, "Jäger");
  EXPECT_EQ(read.file.User(18).name, "");
  EXPECT_EQ(read.file.User(19).name, "");
  EXPECT_EQ(read.file.CalcMode(), "1");
}

TEST(SystemFile, RoundTripsByteForByte) {
  const std::string bytes = Bytes(InstalledLines());
  EXPECT_EQ(ParseSystemFile(bytes).file.Serialize(), bytes);
}

TEST(SystemFile, APasswordChangeRewritesOnlyThatValue) {
  SystemFile file = ParseSystemFile(Bytes(InstalledLines())).file;
  file.SetPassword(2, "NEUÖL");
  file.SetCalcMode("0");
  std::vector<std::string> expected = InstalledLines();
  expected[5 + 3 + 1] = "\"NEU\xD6L\"";
  expected[5 + 54] = "\"0\"";
  EXPECT_EQ(file.Serialize(), Bytes(expected));
}

TEST(SystemFile, LfLineEndsAndAMissingLastLineEndAreRead) {
  std::string bytes;
  for (const auto& line : InstalledLines()) bytes += line + "\n";
  bytes.pop_back();
  const SystemFileRead read = ParseSystemFile(bytes);
  EXPECT_EQ(read.status, SystemFileStatus::Ok);
  EXPECT_EQ(read.file.ValueCount(), InstalledLines().size());
}

struct DamageRow {
  const char* name;
  std::size_t keep_lines;  // 0: all
  std::size_t index;
  const char* replacement;
  SystemFileStatus status;
};
void PrintTo(const DamageRow& c, std::ostream* os) { *os << c.name; }

class DamagedSystemFileTest : public testing::TestWithParam<DamageRow> {};

TEST_P(DamagedSystemFileTest, IsRecognised) {
  std::vector<std::string> lines = InstalledLines();
  if (GetParam().replacement != nullptr) lines[GetParam().index] = GetParam().replacement;
  if (GetParam().keep_lines > 0) lines.resize(GetParam().keep_lines);
  EXPECT_EQ(ParseSystemFile(Bytes(lines)).status, GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedSystemFileTest,
    testing::Values(DamageRow{"WithoutTheOptionalText", 86, 0, nullptr, SystemFileStatus::Ok},
                    DamageRow{"TruncatedInTheUserTable", 40, 0, nullptr, SystemFileStatus::Damaged},
                    DamageRow{"TruncatedBeforeTheLastRequiredValue", 85, 0, nullptr, SystemFileStatus::Damaged},
                    DamageRow{"OnlyTheHeader", 5, 0, nullptr, SystemFileStatus::Damaged},
                    DamageRow{"DriveIsNoLetter", 0, 2, "\"7\"", SystemFileStatus::Damaged},
                    DamageRow{"DriveMissing", 0, 2, "\"\"", SystemFileStatus::Damaged},
                    DamageRow{"DriveWithColon", 0, 2, "\"d:\"", SystemFileStatus::Ok},
                    DamageRow{"SwitchNotANumber", 0, 4, "ja", SystemFileStatus::Damaged},
                    DamageRow{"QuotedSwitch", 0, 4, "\"0\"", SystemFileStatus::Ok}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SystemFile, BinaryGarbageIsDamagedNotACrash) {
  std::string garbage(5000, '\0');
  for (std::size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<char>((i * 37) % 256);
  EXPECT_EQ(ParseSystemFile(garbage).status, SystemFileStatus::Damaged);
  EXPECT_EQ(ParseSystemFile("").status, SystemFileStatus::Damaged);
}

TEST(SystemFile, ANewFileHasTheLayoutAndReadsBack) {
  const SystemFile made = MakeSystemFile({"PEKTO", "C", false, {{"MAIER", "GEHEIM"}}, "0"});
  EXPECT_EQ(made.ValueCount(), static_cast<std::size_t>(kSystemFileRequiredValues));
  const SystemFileRead read = ParseSystemFile(made.Serialize());
  ASSERT_EQ(read.status, SystemFileStatus::Ok);
  EXPECT_FALSE(read.file.PasswordQueryEnabled());
  EXPECT_EQ(read.file.User(1).password, "GEHEIM");
  EXPECT_EQ(read.file.CalcMode(), "0");
}

struct PathRow {
  const char* name;
  InstallPaths paths;
  const char* root;
  const char* history;
  const char* wage_types;
  const char* user_data;
};
void PrintTo(const PathRow& c, std::ostream* os) { *os << c.name; }

class InstallPathsTest : public testing::TestWithParam<PathRow> {};

TEST_P(InstallPathsTest, FormsTheDosTexts) {
  const auto& row = GetParam();
  EXPECT_EQ(row.paths.InstallRoot(), row.root);
  EXPECT_EQ(row.paths.HistoryDir(), row.history);
  EXPECT_EQ(row.paths.File("LOHNAR.DAT"), row.wage_types);
  EXPECT_EQ(row.paths.UserDataDir(), row.user_data);
}

INSTANTIATE_TEST_SUITE_P(
    Installations, InstallPathsTest,
    testing::Values(PathRow{"WithDirectory",
                            {"C", "PEKTO", "03"},
                            "C:\\PEKTO",
                            "C:\\PEKTO\\HIS03",
                            "C:\\PEKTO\\LOHNAR.DAT",
                            "C:\\PEKTO\\03"},
                    PathRow{"DriveRoot", {"D", "", "12"}, "D:", "D:\\HIS12", "D:\\LOHNAR.DAT", "D:\\12"},
                    PathRow{"BeforeLogin",
                            {"C", "LOHN\\PEKTO", ""},
                            "C:\\LOHN\\PEKTO",
                            "C:\\LOHN\\PEKTO\\HIS",
                            "C:\\LOHN\\PEKTO\\LOHNAR.DAT",
                            "C:\\LOHN\\PEKTO\\"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InstallPaths, UserDirectoriesAndDirectoryTexts) {
  EXPECT_EQ(UserDirFromNumber(1), "01");
  EXPECT_EQ(UserDirFromNumber(18), "18");
  EXPECT_EQ(NormaliseInstallDir("\\PEKTO\\ "), "PEKTO");
}

}  // namespace
}  // namespace pekto
