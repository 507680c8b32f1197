#include "installer/user_mask.h"

#include <gtest/gtest.h>

#include "installer/finish.h"
#include "installer/installer_files.h"
#include "installer/tests/installer_fixture.h"

namespace pekto {
namespace {

using testing_support::InstallerTest;

UserMaskInput TwoUsers() {
  UserMaskInput input;
  input.users[0] = {"Maier, Hans", "geheim"};
  input.users[1] = {"Müller, Eva", "öl"};
  return input;
}

struct UserCheckRow {
  const char* name;
  UserMaskInput input;
  std::string expected;  // "" = passes
};
void PrintTo(const UserCheckRow& row, std::ostream* os) { *os << row.name; }

UserMaskInput With(std::function<void(UserMaskInput&)> change) {
  UserMaskInput input = TwoUsers();
  change(input);
  return input;
}

class UserMaskCheckTest : public testing::TestWithParam<UserCheckRow> {};

TEST_P(UserMaskCheckTest, ChecksInTheirOrder) {
  const auto message = CheckUserMask(GetParam().input);
  EXPECT_EQ(message.value_or(""), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UserMaskCheckTest,
    testing::Values(
        UserCheckRow{"TwoUsersPass", TwoUsers(), ""},
        UserCheckRow{"StartUserTwelveOfAFilledRow", With([](auto& i) {
                       i.users[11] = {"Z", "Z"};
                       i.start_user = "12";
                     }),
                     ""},
        UserCheckRow{"FirstRowWithoutPassword", With([](auto& i) { i.users[0].password = ""; }),
                     "Es muß der Name und ein Paßwort\r\nangegeben werden !"},
        UserCheckRow{"FirstRowWithoutName", With([](auto& i) { i.users[0].name = ""; }),
                     "Es muß der Name und ein Paßwort\r\nangegeben werden !"},
        UserCheckRow{"StartUserZero", With([](auto& i) { i.start_user = "0"; }),
                     "Sie haben eine ungültige\r\nBenutzernummer angegeben!"},
        UserCheckRow{"StartUserThirteen", With([](auto& i) { i.start_user = "13"; }),
                     "Sie haben eine ungültige\r\nBenutzernummer angegeben!"},
        UserCheckRow{"StartUserNotANumber", With([](auto& i) { i.start_user = "x"; }),
                     "Sie haben eine ungültige\r\nBenutzernummer angegeben!"},
        UserCheckRow{"StartUserEmpty", With([](auto& i) { i.start_user = ""; }),
                     "Sie haben eine ungültige\r\nBenutzernummer angegeben!"},
        UserCheckRow{"StartUserOfAnEmptyRow", With([](auto& i) { i.start_user = "3"; }),
                     "Für die angegebene Benutzernummer\r\nexistiert kein Benutzereintrag!"}),
    [](const testing::TestParamInfo<UserCheckRow>& info) { return std::string(info.param.name); });

TEST(SystemFileOfTheInstaller, ANewFileCarriesTheHeaderAndTheUsers) {
  UserMaskInput input = TwoUsers();
  input.no_query = true;
  input.start_user = "2";
  const SystemFile file = BuildSystemFile(std::nullopt, "D:\\LOHN\\PEKTO", input);
  EXPECT_TRUE(file.IsWellFormed());
  EXPECT_EQ(file.InstallDir(), "LOHN\\PEKTO");
  EXPECT_EQ(file.InstallDrive(), "D");
  EXPECT_FALSE(file.PasswordQueryEnabled());
  EXPECT_EQ(file.User(1).name, "MAIER, HANS");
  EXPECT_EQ(file.User(1).password, "GEHEIM");
  EXPECT_EQ(file.User(2).password, "ÖL");
  EXPECT_EQ(file.CalcMode(), "1");
  EXPECT_EQ(PresetUserMask(file).start_user, "2");
  EXPECT_TRUE(PresetUserMask(file).no_query);
}

TEST(SystemFileOfTheInstaller, AnExistingFileKeepsEverythingElse) {
  NewSystemFile old{"ALT", "C", true, {}, "0"};
  for (int n = 1; n <= 18; ++n) old.users.push_back({"USER" + std::to_string(n), "PW" + std::to_string(n)});
  const SystemFile existing = MakeSystemFile(old);
  const SystemFile file = BuildSystemFile(existing, "C:\\PEKTO", TwoUsers());
  EXPECT_EQ(file.InstallDir(), "PEKTO");
  EXPECT_EQ(file.User(1).name, "MAIER, HANS");
  EXPECT_EQ(file.User(3).name, "");  // rows 3..12 of the mask were empty
  EXPECT_EQ(file.User(13).name, "USER13");
  EXPECT_EQ(file.User(18).password, "PW18");
  EXPECT_EQ(file.CalcMode(), "0");
  EXPECT_EQ(file.ValueCount(), existing.ValueCount());
  const UserMaskInput preset = PresetUserMask(existing);
  EXPECT_EQ(preset.users[11].name, "USER12");
  EXPECT_EQ(preset.start_user, "1");
}

class InstallationFilesTest : public InstallerTest {};

TEST_F(InstallationFilesTest, WritesTheSystemFileAndTheSettings) {
  state_.install_dir = "C:\\PEKTO";
  WriteHost("drive_c/PEKTO/PEKTO.EXE", "x");
  ASSERT_TRUE(WriteInstallation(state_, TwoUsers(), services_));
  const auto read = ReadExistingSystemFile(files_, "C:\\PEKTO");
  ASSERT_TRUE(read);
  EXPECT_EQ(read->User(2).name, "MÜLLER, EVA");
  EXPECT_EQ(ReadLastInstallDir(files_), "C:\\PEKTO");
  EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(InstallationFilesTest, NewInstallationFinishesWithLinkAndGroupCreator) {
  state_.install_dir = "C:\\PEKTO";
  state_.program_archive_unpacked = true;
  WriteHost("drive_c/PEKTO/ARCVAI.EXE", "a");
  WriteHost("drive_d/MEDIUM/ARCVAA.EXE", "a");
  WriteHost("drive_c/PEKTO/HPEKTOWU.CDK", "");
  WriteHost("drive_c/PEKTO/LOHNAR.DAT", "keep");
  FinishWithMessage(state_, services_);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "Kontrolle !");
  EXPECT_EQ(boxes_.shown[0].icon, MessageIcon::Information);
  EXPECT_TRUE(boxes_.shown[0].text.starts_with("Das Programm wurde erfolgreich installiert und kann nun mit PEKTO.EXE"));
  EXPECT_FALSE(files_.FileExists("C:\\PEKTO\\ARCVAI.EXE"));
  EXPECT_FALSE(files_.FileExists("D:\\MEDIUM\\ARCVAA.EXE"));
  FinishAfterClose(state_, services_);
  EXPECT_FALSE(files_.FileExists("C:\\PEKTO\\HPEKTOWU.CDK"));
  EXPECT_TRUE(files_.FileExists("C:\\PEKTO\\LOHNAR.DAT"));
  ASSERT_EQ(shortcuts_.created.size(), 1u);
  EXPECT_EQ(shortcuts_.created[0], (RecordingDesktopShortcuts::Shortcut{"PEKTO", "C:\\PEKTO\\PEKTO.EXE", "C:\\PEKTO"}));
  ASSERT_EQ(programs_.launches.size(), 1u);
  EXPECT_EQ(programs_.launches[0], (ProgramLaunch{"C:\\PEKTO\\MANDOR.EXE", {}, "C:\\PEKTO", LaunchMode::Detached}));
}

TEST_F(InstallationFilesTest, UpdateFinishesByRestartingTheProgram) {
  state_.install_dir = "C:\\PEKTO";
  state_.update_mode = true;
  state_.program_archive_unpacked = true;
  state_.source_dir = "C:\\LHWUEKT";
  WriteHost("drive_c/LHWUEKT/INSTALL.EXE", "i");
  WriteHost("drive_c/LHWUEKT/ARCVAI.EXE", "a");
  WriteHost("drive_c/LHWUEKT/INPEKTO.chm", "h");
  FinishWithMessage(state_, services_);
  EXPECT_EQ(boxes_.shown.at(0).text.substr(0, 47), "Das Update wurde erfolgreich installiert. Das P");
  FinishAfterClose(state_, services_);
  EXPECT_FALSE(files_.DirectoryExists("C:\\LHWUEKT"));
  EXPECT_TRUE(shortcuts_.created.empty());
  ASSERT_EQ(programs_.launches.size(), 1u);
  EXPECT_EQ(programs_.launches[0], (ProgramLaunch{"C:\\PEKTO\\PEKTO.EXE", {}, "C:\\PEKTO", LaunchMode::Wait}));
}

}  // namespace
}  // namespace pekto
