// The whole life cycle on a drives root of its own: a medium made of the
// built programs, a new installation into C:\PEKTO with the group creator
// run for real against a temporary desktop menu, then an online update in
// update mode with the hand-over file, and an update from a damaged
// archive that leaves the installation as it was.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>

#include "app/startup/system_file.h"
#include "installer/finish.h"
#include "installer/installer_files.h"
#include "installer/installer_start.h"
#include "installer/start_mask_checks.h"
#include "installer/tests/installer_fixture.h"
#include "installer/user_mask.h"

namespace pekto {
namespace {

namespace fs = std::filesystem;
using testing_support::InstallerTest;

class EndToEndTest : public InstallerTest {
 protected:
  // A medium in `folder` (host path below the drives root) made of the built programs.
  void Medium(const std::string& folder, const std::string& version) {
    WriteHost("work/VERSPRK.INF", version + "\r\n01122026\r\n");
    fs::create_directories(Host(folder));
    const fs::path source(PEKTO_SOURCE_DIR);
    ASSERT_TRUE(WriteArchive(Host(folder + "/ARCVAI.EXE"),
                             {{"PEKTO.EXE", PEKTO_PROGRAM, true},
                              {"MANDOR.EXE", MANDOR_PROGRAM, true},
                              {"mandor.INI", source / "resources" / "install" / "mandor.INI", false},
                              {"VERSPRK.INF", Host("work/VERSPRK.INF"), false},
                              {"share/pekto/pekto/stardialog.rc", source / "resources" / "pekto" / "stardialog.rc", false}})
                    .ok);
    ASSERT_TRUE(WriteArchive(Host(folder + "/ARCVAA.EXE"),
                             {{"LOHNAR.DAT", source / "resources" / "data" / "LOHNAR.DAT", false}})
                    .ok);
  }
  std::optional<InstallerState> Start(std::vector<std::string> arguments, std::string own_dir) {
    return StartInstaller({std::move(arguments), std::move(own_dir), "C:\\"}, services_);
  }
  void Install(InstallerState& state, const UserMaskInput& users) {
    ASSERT_EQ(ContinueFromStartMask(state.last_install_dir.empty() ? "C:\\PEKTO" : state.last_install_dir, state,
                                    services_),
              StartMaskOutcome::OpenUserMask)
        << (boxes_.shown.empty() ? "" : boxes_.shown.back().text);
    ASSERT_TRUE(WriteInstallation(state, users, services_));
    FinishWithMessage(state, services_);
    FinishAfterClose(state, services_);
  }
};

UserMaskInput OneUser() {
  UserMaskInput users;
  users.users[0] = {"Maier", "geheim"};
  return users;
}

TEST_F(EndToEndTest, InstallThenUpdateKeepsTheData) {
  Medium("drive_d/MEDIUM", "2024.1");
  auto state = Start({}, "D:\\MEDIUM");
  ASSERT_TRUE(state);
  ASSERT_NO_FATAL_FAILURE(Install(*state, OneUser()));
  EXPECT_EQ(boxes_.shown.size(), 1u);  // only the finish
  EXPECT_TRUE(files_.FileExists("C:\\PEKTO\\PEKTO.EXE"));
  EXPECT_TRUE(files_.FileExists("C:\\PEKTO\\LOHNAR.DAT"));
  EXPECT_TRUE(files_.FileExists("C:\\PEKTO\\SHARE\\PEKTO\\PEKTO\\STARDIALOG.RC"));
  const SystemFileRead system = ReadSystemFile(files_, "C:\\PEKTO\\LODAT2.SYS");
  ASSERT_EQ(system.status, SystemFileStatus::Ok);
  EXPECT_EQ(system.file.InstallDir(), "PEKTO");
  EXPECT_EQ(system.file.User(1).password, "GEHEIM");
  EXPECT_FALSE(files_.FileExists("D:\\MEDIUM\\ARCVAI.EXE"));
  ASSERT_EQ(programs_.launches.size(), 1u);
  EXPECT_EQ(programs_.launches[0].program, "C:\\PEKTO\\MANDOR.EXE");
  ASSERT_EQ(shortcuts_.created.size(), 1u);

  // The group creator as the installer starts it, against a desktop menu of the test.
  ::setenv("XDG_DATA_HOME", Host("xdg/data").c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", Host("xdg/config").c_str(), 1);
  ::setenv("PEKTO_DRIVES", root_.c_str(), 1);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  HostProgramStarter starter(files_);
  ProgramLaunch mandor = programs_.launches[0];
  mandor.mode = LaunchMode::Wait;
  ASSERT_TRUE(starter.Start(mandor).started);
  const fs::path entry = Host("xdg/data/applications/pekto-pekto-lohn-und-gehaltsabrechnung-pekto-lohn-und-gehaltsabrechnung.desktop");
  ASSERT_TRUE(fs::exists(entry));
  if (fs::exists("/usr/bin/desktop-file-validate")) {
    EXPECT_EQ(std::system(("/usr/bin/desktop-file-validate '" + entry.string() + "'").c_str()), 0);
  }
  EXPECT_TRUE(fs::exists(Host("xdg/config/menus/applications-merged/pekto-pekto-lohn-und-gehaltsabrechnung.menu")));

  // The user's work, then an online update as the main program hands it over.
  WriteHost("drive_c/PEKTO/01/MAIER.050", "\"Maier\"\r\n");
  WriteHost("drive_c/PEKTO/LOHNAR.DAT", "MEINE LOHNARTEN\r\n");
  Medium("drive_c/LHWUEKT", "2024.2");
  WriteHost("drive_c/LHWUEKT/INSTALL.EXE", "installer");
  WriteHost("drive_c/AUTOHWKTMP.TMP/AUTOHWKTMP.TMP", "C:\\PEKTO\r\nC\r\nPEKTO\r\nC:\\PEKTO\\HIS\r\nC:\\PEKTO\r\n");
  programs_.launches.clear();
  boxes_.shown.clear();
  auto update = Start({"-ncd"}, "C:\\LHWUEKT");
  ASSERT_TRUE(update);
  EXPECT_TRUE(update->update_mode);
  EXPECT_EQ(update->source_dir, "C:\\LHWUEKT");
  Answer({MessageResult::Yes});  // already installed: install anyway
  ASSERT_NO_FATAL_FAILURE(Install(*update, PresetUserMask(ReadExistingSystemFile(files_, "C:\\PEKTO"))));
  EXPECT_EQ(ReadHost("drive_c/PEKTO/VERSPRK.INF"), "2024.2\r\n01122026\r\n");
  EXPECT_EQ(ReadHost("drive_c/PEKTO/01/MAIER.050"), "\"Maier\"\r\n");
  EXPECT_EQ(ReadHost("drive_c/PEKTO/LOHNAR.DAT"), "MEINE LOHNARTEN\r\n");
  EXPECT_EQ(ReadSystemFile(files_, "C:\\PEKTO\\LODAT2.SYS").file.User(1).password, "GEHEIM");
  EXPECT_FALSE(files_.DirectoryExists("C:\\LHWUEKT"));
  EXPECT_FALSE(files_.FileExists(kHandOverFile));
  ASSERT_EQ(programs_.launches.size(), 1u);
  EXPECT_EQ(programs_.launches[0], (ProgramLaunch{"C:\\PEKTO\\PEKTO.EXE", {}, "C:\\PEKTO", LaunchMode::Wait}));
  EXPECT_EQ(shortcuts_.created.size(), 1u);  // no second link after an update
}

TEST_F(EndToEndTest, ADamagedUpdateLeavesTheInstallationRunnable) {
  Medium("drive_d/MEDIUM", "2024.1");
  auto state = Start({}, "D:\\MEDIUM");
  ASSERT_TRUE(state);
  ASSERT_NO_FATAL_FAILURE(Install(*state, OneUser()));
  const std::string program = ReadHost("drive_c/PEKTO/PEKTO.EXE");

  Medium("drive_c/LHWUEKT", "2024.2");
  const std::string whole = ReadHost("drive_c/LHWUEKT/ARCVAI.EXE");
  WriteHost("drive_c/LHWUEKT/ARCVAI.EXE", whole.substr(0, whole.size() / 2));
  WriteHost("drive_c/AUTOHWKTMP.TMP/AUTOHWKTMP.TMP", "C:\\PEKTO\r\nC\r\nPEKTO\r\nC:\\PEKTO\\HIS\r\nC:\\PEKTO\r\n");
  boxes_.shown.clear();
  auto update = Start({"-ncd"}, "C:\\LHWUEKT");
  ASSERT_TRUE(update);
  Answer({MessageResult::Yes});
  EXPECT_EQ(ContinueFromStartMask("C:\\PEKTO", *update, services_), StartMaskOutcome::BackToField);
  ASSERT_EQ(boxes_.shown.size(), 2u);
  EXPECT_TRUE(boxes_.shown[1].text.starts_with("Das Archiv ARCVAI ist beschädigt")) << boxes_.shown[1].text;
  EXPECT_EQ(ReadHost("drive_c/PEKTO/PEKTO.EXE"), program);
  EXPECT_EQ(ReadHost("drive_c/PEKTO/VERSPRK.INF"), "2024.1\r\n01122026\r\n");
}

}  // namespace
}  // namespace pekto
