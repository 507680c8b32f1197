#include "installer/installer_start.h"

#include <gtest/gtest.h>

#include "installer/installer_files.h"
#include "installer/tests/installer_fixture.h"

namespace pekto {
namespace {

using testing_support::InstallerTest;

class InstallerStartTest : public InstallerTest {
 protected:
  void Installed() {
    WriteHost("drive_c/PEKTO/PEKTO.EXE", "x");
    WriteHost("drive_c/WINDOWS/HPEKTOWU.INI", InstallerSettingsText("C:\\PEKTO"));
  }
  std::optional<InstallerState> Start(std::vector<std::string> arguments = {}) {
    return StartInstaller({std::move(arguments), "D:\\MEDIUM", "C:\\LHWUEKT"}, services_);
  }
};

TEST_F(InstallerStartTest, NormalStartRemembersTheLastInstallation) {
  Installed();
  const auto state = Start();
  ASSERT_TRUE(state);
  EXPECT_FALSE(state->update_mode);
  EXPECT_EQ(state->last_install_dir, "C:\\PEKTO");
  EXPECT_EQ(state->source_dir, "D:\\MEDIUM");
  EXPECT_EQ(state->version, "4.01");
}

TEST_F(InstallerStartTest, ALastInstallationWithoutTheProgramIsIgnored) {
  WriteHost("drive_c/WINDOWS/HPEKTOWU.INI", InstallerSettingsText("C:\\ALT"));
  const auto state = Start();
  ASSERT_TRUE(state);
  EXPECT_EQ(state->last_install_dir, "");
}

TEST_F(InstallerStartTest, TheHandOverFileSwitchesToUpdateMode) {
  Installed();
  WriteHost("drive_c/AUTOHWKTMP.TMP/AUTOHWKTMP.TMP", "C:\\PEKTO\r\nC\r\nPEKTO\r\nC:\\PEKTO\\HIS\r\nC:\\PEKTO\r\n");
  const auto state = Start({"-ncd"});
  ASSERT_TRUE(state);
  EXPECT_TRUE(state->update_mode);
  EXPECT_EQ(state->source_dir, "C:\\LHWUEKT");
  EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(InstallerStartTest, QuotedHandOverLinesAreRead) {
  Installed();
  WriteHost("drive_c/AUTOHWKTMP.TMP/AUTOHWKTMP.TMP",
            "\"C:\\PEKTO\"\r\n\"C\"\r\n\"PEKTO\"\r\n\"C:\\PEKTO\\HIS\"\r\n\"C:\\PEKTO\"\r\n");
  EXPECT_TRUE(Start({"-ncd"}));
}

TEST_F(InstallerStartTest, AHandOverFileOfThreeLinesEndsTheInstaller) {
  Installed();
  WriteHost("drive_c/AUTOHWKTMP.TMP/AUTOHWKTMP.TMP", "C:\\PEKTO\r\nC\r\nPEKTO\r\n");
  EXPECT_FALSE(Start({"-ncd"}));
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "PEKTO Fehler!");
  EXPECT_EQ(boxes_.shown[0].text,
            "Die Datei AUTOHWKTMP.TMP ist Fehlerhaft.\r\nDie Installation des Updates wird abgebrochen.\r\n\r\n"
            "AUFRVERZ$: C:\\PEKTO\r\nAUFZINLAUF$: C\r\nAUFABA2$: PEKTO");
}

TEST_F(InstallerStartTest, AnUpdateFromAnotherDirectoryIsRefused) {
  Installed();
  WriteHost("drive_c/AUTOHWKTMP.TMP/AUTOHWKTMP.TMP", "D:\\LOHN\r\nD\r\nLOHN\r\nD:\\LOHN\\HIS\r\nD:\\LOHN\r\n");
  EXPECT_FALSE(Start({"-ncd"}));
  ASSERT_EQ(boxes_.shown.size(), 1u);
  const std::string& text = boxes_.shown[0].text;
  EXPECT_TRUE(text.starts_with("Das Verzeichnis vom dem die Updateprüfung aufgerufen\r\n")) << text;
  EXPECT_NE(text.find("Aufrufendes Verzeichnis: D:\\LOHN\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Installationverzeichnis: C:\\PEKTO\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Winpfad: C:\\WINDOWS\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("Aktuell: C:\\LHWUEKT\r\n"), std::string::npos) << text;
  EXPECT_TRUE(text.ends_with("Die Installation des Updates wird abgebrochen.")) << text;
}

TEST_F(InstallerStartTest, AnUpdateWithoutAnyLastInstallationIsRefused) {
  WriteHost("drive_c/AUTOHWKTMP.TMP/AUTOHWKTMP.TMP", "C:\\PEKTO\r\nC\r\nPEKTO\r\nC:\\PEKTO\\HIS\r\nC:\\PEKTO\r\n");
  EXPECT_FALSE(Start({"-ncd"}));
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_TRUE(boxes_.shown[0].text.starts_with("Das Verzeichnis vom dem")) << boxes_.shown[0].text;
}

TEST(InstallerHandOver, ReadsTheFiveLines) {
  const InstallerHandOver h = ParseInstallerHandOver("C:\\PEKTO\r\nC\r\n\\PEKTO\\\r\nC:\\PEKTO\\HIS\r\nC:\\PEKTO");
  EXPECT_TRUE(h.complete);
  EXPECT_EQ(h.RecordedInstallDir(), "C:\\PEKTO");
  EXPECT_EQ(h.working_dir, "C:\\PEKTO");
  EXPECT_FALSE(ParseInstallerHandOver("").complete);
  EXPECT_FALSE(ParseInstallerHandOver("C:\\PEKTO\r\nCC\r\nPEKTO\r\nX\r\nY\r\n").complete);
}

TEST(InstallerSettings, TheLastDirectoryRoundTrips) {
  EXPECT_EQ(InstallerSettingsText("C:\\PEKTO"), "[PEKTO]\r\nINSTALLATIONSVERZEICHNIS=C:\\PEKTO\r\n");
  EXPECT_EQ(InstallDirFromSettings(InstallerSettingsText("D:\\Lohn\\Pekto")), "D:\\Lohn\\Pekto");
  EXPECT_EQ(InstallDirFromSettings("garbage\x01\x02"), "");
}

}  // namespace
}  // namespace pekto
