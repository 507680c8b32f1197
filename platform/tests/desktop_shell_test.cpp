#include "platform/desktop_shell.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <map>

namespace pekto {
namespace {

namespace fs = std::filesystem;

EnvironmentLookup Env(std::map<std::string, std::string> values) {
  return [values](std::string_view name) -> std::optional<std::string> {
    const auto it = values.find(std::string(name));
    if (it == values.end()) return std::nullopt;
    return it->second;
  };
}

std::string Read(const fs::path& path) {
  std::ifstream in(path);
  return {std::istreambuf_iterator<char>(in), {}};
}

// desktop-file-validate of Debian's desktop-file-utils, where installed.
bool Validates(const fs::path& file) {
  if (!fs::exists("/usr/bin/desktop-file-validate")) return true;
  const std::string command = "/usr/bin/desktop-file-validate '" + file.string() + "'";
  return std::system(command.c_str()) == 0;
}

TEST(ProgramManagerCommands, OneBatchSplitsIntoItsCommands) {
  const auto commands =
      ParseProgramManagerCommands("[CreateGroup(Pekto)][AddItem(C:\\P\\PEKTO.EXE,Pekto,C:\\P\\P.ICO)][ShowGroup(Pekto,1)]");
  ASSERT_TRUE(commands);
  ASSERT_EQ(commands->size(), 3u);
  EXPECT_EQ((*commands)[0], (ProgramManagerCommand{"CreateGroup", {"Pekto"}}));
  EXPECT_EQ((*commands)[1], (ProgramManagerCommand{"AddItem", {"C:\\P\\PEKTO.EXE", "Pekto", "C:\\P\\P.ICO"}}));
  EXPECT_EQ((*commands)[2], (ProgramManagerCommand{"ShowGroup", {"Pekto", "1"}}));
  EXPECT_FALSE(ParseProgramManagerCommands(""));
  EXPECT_FALSE(ParseProgramManagerCommands("CreateGroup(Pekto)"));
  EXPECT_FALSE(ParseProgramManagerCommands("[CreateGroup(Pekto)"));
}

TEST(XdgDirectories, VariablesThenHomeDefaults) {
  auto dirs = XdgDirectoriesFromEnvironment(Env({{"HOME", "/home/u"}}));
  ASSERT_TRUE(dirs);
  EXPECT_EQ(dirs->data_home, fs::path("/home/u/.local/share"));
  EXPECT_EQ(dirs->config_home, fs::path("/home/u/.config"));
  dirs = XdgDirectoriesFromEnvironment(
      Env({{"HOME", "/home/u"}, {"XDG_DATA_HOME", "/d"}, {"XDG_CONFIG_HOME", "relative/ignored"}}));
  ASSERT_TRUE(dirs);
  EXPECT_EQ(dirs->data_home, fs::path("/d"));
  EXPECT_EQ(dirs->config_home, fs::path("/home/u/.config"));
  EXPECT_FALSE(XdgDirectoriesFromEnvironment(Env({})));
}

TEST(DesktopEntryText, SlugsAndExecQuoting) {
  EXPECT_EQ(DesktopFileSlug("Pekto Lohn"), "pekto-lohn");
  EXPECT_EQ(DesktopFileSlug("Lohn- & Gehalt (2024)"), "lohn-gehalt-2024");
  EXPECT_EQ(DesktopFileSlug("Überweisung"), "berweisung");
  EXPECT_EQ(DesktopFileSlug("***"), "gruppe");
  EXPECT_EQ(DesktopExecArgument("/opt/pekto/PEKTO.EXE"), "/opt/pekto/PEKTO.EXE");
  EXPECT_EQ(DesktopExecArgument("/my dir/x"), "\"/my dir/x\"");
  EXPECT_EQ(DesktopExecArgument("/a$b"), "\"/a\\\\$b\"");
  EXPECT_EQ(DesktopExecArgument("50%"), "50%%");
}

class DesktopMenuTest : public testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(root_);
    fs::create_directories(root_ / "drives" / "drive_d" / "PROG");
    std::ofstream(root_ / "drives" / "drive_d" / "PROG" / "pekto") << "#!/bin/sh\n";
    std::ofstream(root_ / "drives" / "drive_d" / "PROG" / "PEKTO.ICO") << "icon";
  }
  void TearDown() override { fs::remove_all(root_); }
  XdgDirectories Dirs() const { return {root_ / "data", root_ / "config", root_ / "home"}; }

  fs::path root_ = fs::absolute(fs::path(testing::TempDir()) / ("desktop_shell_" + std::to_string(::getpid())));
  DosFileSystem files_{root_ / "drives"};
};

TEST_F(DesktopMenuTest, GroupWithItemsBecomesAValidSubMenu) {
  DesktopMenuGroupService service(files_, Dirs());
  ASSERT_TRUE(service.Connect());
  EXPECT_EQ(service.Execute("[CreateGroup(Pekto Lohn)][AddItem(D:\\PROG\\PEKTO.EXE,Pekto,D:\\PROG\\PEKTO.ICO)]"
                            "[AddItem(D:\\PROG\\DORVEL.EXE,Kalender)]"),
            kDdeNoError);
  EXPECT_EQ(service.Execute("[ShowGroup(Pekto Lohn,1)]"), kDdeNoError);

  const fs::path item = root_ / "data" / "applications" / "pekto-pekto-lohn-pekto.desktop";
  const std::string entry = Read(item);
  const fs::path prog = root_ / "drives" / "drive_d" / "PROG";
  EXPECT_NE(entry.find("Name=Pekto\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("Exec=env PEKTO_DRIVES=" + (root_ / "drives").string() + " " + (prog / "pekto").string() + "\n"),
            std::string::npos)
      << entry;
  EXPECT_NE(entry.find("Path=" + prog.string() + "\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("Icon=" + (prog / "PEKTO.ICO").string() + "\n"), std::string::npos) << entry;
  EXPECT_TRUE(Validates(item));
  const fs::path second = root_ / "data" / "applications" / "pekto-pekto-lohn-kalender.desktop";
  EXPECT_EQ(Read(second).find("Icon="), std::string::npos);
  EXPECT_TRUE(Validates(second));
  const fs::path directory = root_ / "data" / "desktop-directories" / "pekto-pekto-lohn.directory";
  EXPECT_NE(Read(directory).find("Name=Pekto Lohn\n"), std::string::npos);
  EXPECT_TRUE(Validates(directory));
  const std::string menu = Read(root_ / "config" / "menus" / "applications-merged" / "pekto-pekto-lohn.menu");
  EXPECT_NE(menu.find("<Name>Pekto Lohn</Name>"), std::string::npos) << menu;
  EXPECT_NE(menu.find("<Directory>pekto-pekto-lohn.directory</Directory>"), std::string::npos) << menu;
  EXPECT_NE(menu.find("<Filename>pekto-pekto-lohn-pekto.desktop</Filename>"), std::string::npos) << menu;
  EXPECT_NE(menu.find("<Filename>pekto-pekto-lohn-kalender.desktop</Filename>"), std::string::npos) << menu;
}

TEST_F(DesktopMenuTest, RefusesWhatItCannotDo) {
  DesktopMenuGroupService unavailable(files_, std::nullopt);
  EXPECT_FALSE(unavailable.Connect());
  EXPECT_EQ(unavailable.Execute("[CreateGroup(X)]"), kDdeNoConversation);

  DesktopMenuGroupService service(files_, Dirs());
  ASSERT_TRUE(service.Connect());
  EXPECT_EQ(service.Execute("[AddItem(D:\\PROG\\PEKTO.EXE,Pekto)]"), kDdeNotProcessed);  // no group yet
  EXPECT_EQ(service.Execute("[ShowGroup(X,1)]"), kDdeNotProcessed);
  EXPECT_EQ(service.Execute("not a command"), kDdeInvalidParameter);
  EXPECT_EQ(service.Execute("[CreateGroup(X)][AddItem(relative,Name)]"), kDdeInvalidParameter);
  EXPECT_EQ(service.Execute("[Reboot()]"), kDdeInvalidParameter);
}

TEST_F(DesktopMenuTest, DesktopLinkInTheUsersDesktopFolder) {
  fs::create_directories(root_ / "config");
  std::ofstream(root_ / "config" / "user-dirs.dirs") << "# comment\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n";
  EXPECT_EQ(DesktopFolder(Dirs()), root_ / "home" / "Schreibtisch");
  EXPECT_EQ(DesktopFolder({root_ / "d", root_ / "nowhere", root_ / "home"}), root_ / "home" / "Desktop");

  DesktopLauncherShortcuts shortcuts(files_, Dirs());
  ASSERT_TRUE(shortcuts.CreateShortcut("PEKTO", "D:\\PROG\\PEKTO.EXE", "D:\\PROG"));
  const fs::path link = root_ / "home" / "Schreibtisch" / "pekto.desktop";
  ASSERT_TRUE(fs::exists(link));
  EXPECT_NE(fs::status(link).permissions() & fs::perms::owner_exec, fs::perms::none);
  EXPECT_TRUE(Validates(link));
}

}  // namespace
}  // namespace pekto
