#include "app/startup/accessory_launch.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "app/startup/tests/test_installation.h"
#include "platform/processes.h"

namespace pekto {
namespace {

using testing_support::TestInstallation;

class AccessoryLaunch : public ::testing::Test {
 protected:
  void SetUp() override { installation_.Install(testing_support::TwoUsers()); }
  TestInstallation installation_{"accessory_launch"};
  RecordingProgramStarter programs_;
  InstallPaths paths_{"C", "PEKTO", "01"};
};

TEST_F(AccessoryLaunch, WritesTheTokenAndStartsTheProgramInTheInstallation) {
  EXPECT_FALSE(StartAccessory(installation_.files, programs_, paths_, Accessory::Calendar));
  ASSERT_EQ(programs_.launches.size(), 1u);
  EXPECT_EQ(programs_.launches[0], (ProgramLaunch{"C:\\PEKTO\\DORVEL.EXE", {}, "C:\\PEKTO", LaunchMode::Detached}));
  EXPECT_TRUE(installation_.files.FileExists("C:\\PEKTO\\START.DAT"));
  EXPECT_FALSE(StartAccessory(installation_.files, programs_, paths_, Accessory::Calculator));
  EXPECT_EQ(programs_.launches[1].program, "C:\\PEKTO\\FIMREL.EXE");
}

TEST_F(AccessoryLaunch, AMissingProgramIsReportedAndLeavesNoToken) {
  programs_.answer = {false, 2, 0};
  const auto message = StartAccessory(installation_.files, programs_, paths_, Accessory::Calculator);
  ASSERT_TRUE(message);
  EXPECT_EQ(message->caption, "PEKTO Fehler!");
  EXPECT_EQ(message->kind, MessageKind::Stop);
  EXPECT_EQ(message->Text(),
            "Der Rechner kann nicht gestartet werden.\r\nDas Programm C:\\PEKTO\\FIMREL.EXE\r\n"
            "wurde nicht gefunden. Bitte prüfen\r\nSie die Installation.");
  EXPECT_FALSE(installation_.files.FileExists("C:\\PEKTO\\START.DAT"));
}

TEST_F(AccessoryLaunch, OtherFailuresNameTheirCode) {
  programs_.answer = {false, 5, 0};
  const auto message = StartAccessory(installation_.files, programs_, paths_, Accessory::Calendar);
  ASSERT_TRUE(message);
  EXPECT_EQ(message->lines.front(), "Der Kalender kann nicht gestartet werden.");
  EXPECT_EQ(message->lines.back(), "meldet den Fehler 5.");
}

TEST_F(AccessoryLaunch, ATokenThatCannotBeWrittenStartsNothing) {
  const InstallPaths elsewhere{"C", "FEHLT", "01"};
  const auto message = StartAccessory(installation_.files, programs_, elsewhere, Accessory::Calendar);
  ASSERT_TRUE(message);
  EXPECT_EQ(message->lines[1], "Die Startdatei C:\\FEHLT\\START.DAT");
  EXPECT_TRUE(programs_.launches.empty());
}

// A real start through the host: the DOS name maps to the executable
// "dorvel" in the installation directory.
TEST_F(AccessoryLaunch, TheHostStarterFindsTheInstalledAccessory) {
  const auto program = installation_.Host("PEKTO/dorvel");
  {
    std::ofstream script(program);
    script << "#!/bin/sh\n[ -f START.DAT ] && rm START.DAT && touch started\n";
  }
  std::filesystem::permissions(program, std::filesystem::perms::owner_all);
  HostProgramStarter host(installation_.files);
  ASSERT_FALSE(StartAccessory(installation_.files, host, paths_, Accessory::Calendar));
  for (int i = 0; i < 200 && !std::filesystem::exists(installation_.Host("PEKTO/started")); ++i) ::usleep(10000);
  EXPECT_TRUE(std::filesystem::exists(installation_.Host("PEKTO/started")));
  EXPECT_FALSE(installation_.files.FileExists("C:\\PEKTO\\START.DAT"));
}

}  // namespace
}  // namespace pekto
