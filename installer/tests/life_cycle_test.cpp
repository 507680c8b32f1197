// The package's life cycle with the real programs as processes, offscreen,
// on a drives root of its own: the installation medium of this build is
// installed by `install`, the installed PEKTO.EXE starts to its start mask;
// then a newer release is published with pekto-publish (signed with the
// development key) and served on the loopback interface, PEKTO.EXE checks
// the version from its start mask and takes the update, pektow unpacks it
// and runs `install -ncd`, which installs it and starts PEKTO.EXE again in
// the same folder. The programs' scripted user (ui/autopilot.h) answers
// their windows; every window shown is in its log.
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <thread>

#include "online/tests/loopback_server.h"
#include "platform/atomic_file.h"
#include "platform/processes.h"

namespace pekto {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string ReadAll(const fs::path& path) { return ReadWholeFile(path).value_or(""); }

void WriteAll(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  ASSERT_TRUE(ReplaceFileAtomically(path, bytes).ok) << path;
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

class LifeCycleTest : public testing::Test {
 protected:
  LifeCycleTest() {
    root_ = fs::temp_directory_path() / ("pekto-life-" + std::to_string(::getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "drive_c");
    fs::create_directories(root_ / "home");
    for (const auto& [name, value] :
         {std::pair<std::string, std::string>{"PEKTO_DRIVES", root_.string()},
          {"QT_QPA_PLATFORM", "offscreen"},
          {"HOME", (root_ / "home").string()},
          {"XDG_DATA_HOME", (root_ / "xdg" / "data").string()},
          {"XDG_CONFIG_HOME", (root_ / "xdg" / "config").string()},
          {"PEKTO_AUTOPILOT", Script().string()},
          {"PEKTO_UPDATE_SERVER", server_.HostAndPort()},
          // The programs end through the scripted user's _Exit; their leak
          // reports would only be noise here.
          {"ASAN_OPTIONS", "detect_leaks=0"}}) {
      ::setenv(name.c_str(), value.c_str(), 1);
    }
  }
  ~LifeCycleTest() override {
    KillLeftOvers();
    if (!HasFailure()) {
      std::error_code error;
      fs::remove_all(root_, error);
    } else {
      std::cerr << "drives root kept: " << root_ << "\n";
    }
  }

  [[nodiscard]] fs::path Script() const { return root_ / "autopilot.txt"; }
  [[nodiscard]] std::string Log() const { return ReadAll(root_ / "autopilot.txt.log"); }
  [[nodiscard]] fs::path Host(const std::string& relative) const { return root_ / relative; }

  // A copy of a built program without its debug information.
  fs::path Stripped(const fs::path& program) const {
    const fs::path copy = root_ / "release" / "bin" / program.filename();
    fs::create_directories(copy.parent_path());
    const LaunchResult stripped =
        SpawnHostProgram("/usr/bin/strip", {"--strip-debug", "-o", copy.string(), program.string()}, {},
                         LaunchMode::Wait);
    EXPECT_TRUE(stripped.started && stripped.exit_code == 0) << program;
    return copy;
  }

  // Waits until the log holds `part` `times` times; gives up at once when a
  // program shows an error box.
  bool WaitForLog(const std::string& part, std::size_t times, std::chrono::seconds limit) const {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
      const std::string log = Log();
      if (Count(log, part) >= times) return true;
      if (log.find("\tPEKTO Fehler!") != std::string::npos) return false;
      std::this_thread::sleep_for(100ms);
    }
    return false;
  }

  static bool WaitForFile(const fs::path& path, std::chrono::seconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
      if (fs::exists(path)) return true;
      std::this_thread::sleep_for(100ms);
    }
    return false;
  }

  // Every process still running from the drives root (a program a failed
  // step left waiting).
  void KillLeftOvers() const {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/proc", error)) {
      const fs::path exe = fs::read_symlink(entry.path() / "exe", error);
      if (error || !exe.string().starts_with(root_.string())) continue;
      ::kill(std::atoi(entry.path().filename().c_str()), SIGKILL);
    }
  }

  fs::path root_;
  testing_support::LoopbackServer server_{std::chrono::seconds(600)};
};

TEST_F(LifeCycleTest, InstallStartPublishUpdateAndRestart) {
  // The medium as the distribution target built it, on drive D:.
  fs::create_directories(Host("drive_d/MEDIUM"));
  fs::copy(PEKTO_MEDIUM_DIR, Host("drive_d/MEDIUM"), fs::copy_options::recursive);
  WriteAll(Script(),
           "install|Installationsprogramm - Pekto - Benutzerdatei|Maier{Tab}geheim{Tab*22}1{Return}\n"
           "pekto|Bitte legen Sie hier fest|{Button:Nein}\n"
           "pekto|PEKTO Lohn- und Gehaltsabrechnung|{Stop}\n");

  // 1. A new installation into C:\PEKTO: terms, folder and finish take their
  // defaults, the user mask gets one user.
  const LaunchResult installed =
      SpawnHostProgram(Host("drive_d/MEDIUM/install"), {}, Host("drive_c"), LaunchMode::Wait);
  ASSERT_TRUE(installed.started);
  ASSERT_EQ(installed.exit_code, 0) << Log();
  EXPECT_EQ(ReadAll(Host("drive_c/PEKTO/VERSPRK.INF")), "2026.1\r\n01122026\r\n");
  ASSERT_TRUE(fs::exists(Host("drive_c/PEKTO/PEKTO.EXE")));
  EXPECT_NE(ReadAll(Host("drive_c/PEKTO/LODAT2.SYS")).find("\"MAIER\""), std::string::npos);
  EXPECT_NE(Log().find("install\tInstallationsprogramm - Pekto - Allgemeine Geschäftsbedingungen"), std::string::npos);
  // The group creator, started by the installer, fills the desktop menu.
  EXPECT_TRUE(WaitForFile(
      Host("xdg/config/menus/applications-merged/pekto-pekto-lohn-und-gehaltsabrechnung.menu"), 60s))
      << Log();
  EXPECT_TRUE(fs::exists(Host("home/Desktop/pekto.desktop")));

  // 2. The installed program starts to its start mask (the first start asks
  // about the check at start: No).
  const LaunchResult started =
      SpawnHostProgram(Host("drive_c/PEKTO/PEKTO.EXE"), {}, Host("drive_c/PEKTO"), LaunchMode::Wait);
  ASSERT_TRUE(started.started);
  EXPECT_EQ(started.exit_code, 0) << Log();
  ASSERT_EQ(Count(Log(), "pekto\tautopilot: stopped at PEKTO Lohn- und Gehaltsabrechnung 2020 - 2026\t" +
                             Host("drive_c/PEKTO").string()),
            1u)
      << Log();

  // The user's work, which the update must not touch.
  const std::string employee = "\"Maier\"\r\n\"Jörg\"\r\n";
  WriteAll(Host("drive_c/PEKTO/01/MAIER.050"), employee);
  std::string wage_types = ReadAll(Host("drive_c/PEKTO/LOHNAR.DAT"));
  ASSERT_NE(wage_types.find("\r\nGehalt\r\n"), std::string::npos);
  wage_types.replace(wage_types.find("\r\nGehalt\r\n"), 10, "\r\nMonatsgehalt\r\n");
  WriteAll(Host("drive_c/PEKTO/LOHNAR.DAT"), wage_types);

  // 3. Release 2026.2: its program archive installs that version. The
  // programs go without their debug information, as a release would, so
  // that the update stays well below what the fetch accepts.
  std::string list;
  {
    std::istringstream lines(ReadAll(PEKTO_ARCVAI_LIST));
    std::string line;
    while (std::getline(lines, line)) {
      const auto tab = line.find('\t');
      const std::string name = line.substr(0, tab);
      if (name == "VERSPRK.INF") {
        WriteAll(Host("release/VERSPRK.INF"), "2026.2\r\n15122026\r\n");
        line = name + "\t" + Host("release/VERSPRK.INF").string();
      } else if (line.ends_with("\tx")) {
        line = name + "\t" + Stripped(line.substr(tab + 1, line.size() - tab - 3)).string() + "\tx";
      }
      list += line + "\n";
    }
  }
  ASSERT_NE(list.find(Host("release/VERSPRK.INF").string()), std::string::npos);
  WriteAll(Host("release/arcvai.list"), list);
  ASSERT_EQ(SpawnHostProgram(PEKTO_PACK, {Host("release/ARCVAI.EXE").string(), Host("release/arcvai.list").string()},
                             {}, LaunchMode::Wait)
                .exit_code,
            0);
  WriteAll(Host("release/notes.txt"), "Neu in dieser Version:\n- Beitragssätze 2027\n");
  const std::vector<std::string> publish_arguments{
      "--key", std::string(PEKTO_SOURCE_DIR) + "/tools/dev/development-signing.key", "--version", "2026.2", "--date",
      "15122026", "--caption", "PEKTO 2026.2 ist erschienen", "--notes", Host("release/notes.txt").string(),
      "--out", Host("site").string(), "--add", "pektow.exe=" + Stripped(PEKTO_PEKTOW).string(), "--add",
      "INSTALL.EXE=" + Stripped(PEKTO_INSTALL).string(), "--add", "ARCVAI.EXE=" + Host("release/ARCVAI.EXE").string(),
      "--add", std::string("ARCVAA.EXE=") + PEKTO_MEDIUM_DIR + "/ARCVAA.EXE"};
  ASSERT_EQ(SpawnHostProgram(PEKTO_PUBLISH, publish_arguments, {}, LaunchMode::Wait).exit_code, 0);
  server_.ServeFolder(Host("site").string());

  // 4. The version check from the start mask finds 2026.2; the offer's
  // default button takes it. Once the offer is shown, the script changes
  // for the program that the installer starts after the update.
  WriteAll(Script(),
           "pekto|PEKTO Lohn- und Gehaltsabrechnung|{Menu:Programmversion online prüfen}\n"
           "pekto|  PEKTO|{Wait}\n");
  ASSERT_TRUE(
      SpawnHostProgram(Host("drive_c/PEKTO/PEKTO.EXE"), {}, Host("drive_c/PEKTO"), LaunchMode::Detached).started);
  ASSERT_TRUE(WaitForLog("pekto\tPEKTO 2026.2 ist erschienen", 1, 120s)) << Log();
  WriteAll(Script(), "pekto|PEKTO Lohn- und Gehaltsabrechnung|{Stop}\n");

  // 5. pektow, install -ncd, and the program again in its folder.
  ASSERT_TRUE(WaitForLog("pekto\tautopilot: stopped at PEKTO Lohn- und Gehaltsabrechnung 2020 - 2026\t" +
                             Host("drive_c/PEKTO").string(),
                         2, 240s))
      << Log();
  const std::string log = Log();
  std::cout << "The windows the programs showed:\n" << log;
  EXPECT_NE(log.find("install\tInstallationsprogramm - Pekto\t"), std::string::npos) << log;
  EXPECT_EQ(log.find("install\tInstallationsprogramm - Pekto - Allgemeine Geschäftsbedingungen"),
            log.rfind("install\tInstallationsprogramm - Pekto - Allgemeine Geschäftsbedingungen"))
      << "the terms are shown once, at the first installation";
  EXPECT_EQ(ReadAll(Host("drive_c/PEKTO/VERSPRK.INF")), "2026.2\r\n15122026\r\n");
  EXPECT_EQ(ReadAll(Host("drive_c/PEKTO/01/MAIER.050")), employee);
  EXPECT_EQ(ReadAll(Host("drive_c/PEKTO/LOHNAR.DAT")), wage_types);
  EXPECT_NE(ReadAll(Host("drive_c/PEKTO/LODAT2.SYS")).find("\"MAIER\""), std::string::npos);
  EXPECT_FALSE(fs::exists(Host("drive_c/LHWUEKT")));
  EXPECT_FALSE(fs::exists(Host("drive_c/AUTOHWKTMP.TMP/AUTOHWKTMP.TMP")));
  const std::vector<std::string> paths = server_.Paths();
  EXPECT_NE(std::find(paths.begin(), paths.end(), "/PEKTOW.UPD"), paths.end());
}

}  // namespace
}  // namespace pekto
