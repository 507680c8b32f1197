#include "installer/start_mask_checks.h"

#include <gtest/gtest.h>

#include "installer/tests/installer_fixture.h"

namespace pekto {
namespace {

using testing_support::InstallerTest;
constexpr auto kYes = MessageResult::Yes;
constexpr auto kNo = MessageResult::No;

struct CheckRow {
  const char* name;
  std::string typed;
  std::vector<MessageResult> answers;
  StartMaskOutcome outcome;
  // The first line of the last box shown, "" when none is expected.
  std::string last_box_line;
  std::uintmax_t free_on_c = 50'000'000;
  std::string last_install;
  bool pekto_installed = false;
};
CheckRow Row(const char* name, std::string typed, std::vector<MessageResult> answers, StartMaskOutcome outcome,
             std::string line, std::uintmax_t free = 50'000'000, std::string last = "", bool installed = false) {
  return {name, std::move(typed), std::move(answers), outcome, std::move(line), free, std::move(last), installed};
}
void PrintTo(const CheckRow& row, std::ostream* os) { *os << row.name; }

class StartMaskCheckTest : public InstallerTest, public testing::WithParamInterface<CheckRow> {};

std::string FirstLine(const std::string& text) { return text.substr(0, text.find("\r\n")); }

TEST_P(StartMaskCheckTest, ChecksInTheirOrder) {
  const CheckRow& row = GetParam();
  WriteMedium();
  target_.free['C'] = row.free_on_c;
  if (row.pekto_installed) WriteHost("drive_c/PEKTO/PEKTO.EXE", "old");
  state_.last_install_dir = row.last_install;
  boxes_.answers.assign(row.answers.begin(), row.answers.end());
  EXPECT_EQ(ContinueFromStartMask(row.typed, state_, services_), row.outcome);
  if (row.last_box_line.empty()) {
    EXPECT_TRUE(boxes_.shown.empty()) << boxes_.shown.front().text;
  } else {
    ASSERT_FALSE(boxes_.shown.empty());
    EXPECT_EQ(FirstLine(boxes_.shown.back().text), row.last_box_line) << boxes_.shown.back().text;
  }
  if (row.outcome == StartMaskOutcome::OpenUserMask) {
    EXPECT_TRUE(state_.program_archive_unpacked);
  }
}

const std::string k122 = "C:\\" + std::string(119, 'L');
const std::string k123 = "C:\\" + std::string(120, 'L');

INSTANTIATE_TEST_SUITE_P(
    Rows, StartMaskCheckTest,
    testing::Values(
        Row("Empty", "", {}, StartMaskOutcome::BackToField, "Bitte geben Sie ein Instal-"),
        Row("NoDrive", "PEKTO", {}, StartMaskOutcome::BackToField, "Bitte geben Sie das Instal-"),
        Row("DriveWithoutBackslash", "C:PEKTO", {}, StartMaskOutcome::BackToField, "Bitte geben Sie das Instal-"),
        Row("NetworkPath", "\\\\server\\pekto", {}, StartMaskOutcome::BackToField, "Bitte geben Sie das Instal-"),
        Row("ClimbingPath", "C:\\PEKTO\\..\\WINDOWS", {}, StartMaskOutcome::BackToField,
                 "Bitte geben Sie das Instal-"),
        Row("Wildcard", "C:\\PEK*O", {}, StartMaskOutcome::BackToField, "Bitte geben Sie das Instal-"),
        Row("UnreadableDrive", "Q:\\PEKTO", {}, StartMaskOutcome::BackToField, "Die Festplatte/Laufwerk auf"),
        Row("Length123", k123, {}, StartMaskOutcome::BackToField, "Die Länge des Installationspfades darf max-"),
        Row("Length122", k122, {}, StartMaskOutcome::OpenUserMask, ""),
        Row("Length122WithTrailingBackslash", k122 + "\\", {}, StartMaskOutcome::OpenUserMask, ""),
        Row("LastInstallationElsewhereNo", "C:\\NEU", {kNo}, StartMaskOutcome::BackToField,
                 "Das Programm wurde zuletzt unter dem Verzeichnis", 50'000'000, "C:\\PEKTO"),
        Row("LastInstallationElsewhereYes", "C:\\NEU", {kYes}, StartMaskOutcome::OpenUserMask,
                 "Das Programm wurde zuletzt unter dem Verzeichnis", 50'000'000, "C:\\PEKTO"),
        Row("LastInstallationSameInOtherCase", "c:\\pekto", {}, StartMaskOutcome::OpenUserMask, "", 50'000'000,
                 "C:\\PEKTO"),
        Row("AlreadyInstalledNo", "C:\\PEKTO", {kNo}, StartMaskOutcome::BackToField, "Das Programm wurde bereits",
                 50'000'000, "", true),
        Row("AlreadyInstalledYes", "C:\\PEKTO", {kYes}, StartMaskOutcome::OpenUserMask,
                 "Das Programm wurde bereits", 50'000'000, "", true),
        Row("ExactlyTheFreeSpaceNeeded", "C:\\PEKTO", {}, StartMaskOutcome::OpenUserMask, "", 1'300'000),
        Row("OneByteTooLittle", "C:\\PEKTO", {}, StartMaskOutcome::BackToField, "Der freie Speicherplatz auf Lauf-",
                 1'299'999),
        Row("SixLevels", "C:\\1\\2\\3\\4\\5\\6", {}, StartMaskOutcome::OpenUserMask, ""),
        Row("SevenLevels", "C:\\1\\2\\3\\4\\5\\6\\7", {}, StartMaskOutcome::BackToField,
                 "Der Pfadnamen ist zu umfangreich.")),
    [](const testing::TestParamInfo<CheckRow>& info) { return std::string(info.param.name); });

class StartMaskTest : public InstallerTest {};

TEST_F(StartMaskTest, CreatesTheDirectoryAndUnpacksBothArchives) {
  WriteMedium();
  ASSERT_EQ(ContinueFromStartMask("c:\\Lohn\\Pekto\\", state_, services_), StartMaskOutcome::OpenUserMask);
  EXPECT_EQ(state_.install_dir, "C:\\Lohn\\Pekto");
  EXPECT_EQ(ReadHost("drive_c/Lohn/Pekto/LOHNAR.DAT"), "NEUE LOHNARTEN\r\n");
  EXPECT_TRUE(files_.FileExists("C:\\LOHN\\PEKTO\\PEKTO.EXE"));
  EXPECT_TRUE(boxes_.shown.empty());
  // Nothing was started: the archives are unpacked by the installer itself.
  EXPECT_TRUE(programs_.launches.empty());
}

TEST_F(StartMaskTest, ReinstallationKeepsTheWageTypesOnNo) {
  WriteMedium();
  WriteHost("drive_c/PEKTO/LOHNAR.DAT", "MEINE LOHNARTEN\r\n");
  Answer({kNo});
  ASSERT_EQ(ContinueFromStartMask("C:\\PEKTO", state_, services_), StartMaskOutcome::OpenUserMask);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "Kontrolle");
  EXPECT_EQ(FirstLine(boxes_.shown[0].text), "Die Lohnartendatei existiert bereits.");
  EXPECT_EQ(boxes_.shown[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(ReadHost("drive_c/PEKTO/LOHNAR.DAT"), "MEINE LOHNARTEN\r\n");
  EXPECT_TRUE(state_.program_archive_unpacked);
}

TEST_F(StartMaskTest, ReinstallationReplacesTheWageTypesOnYes) {
  WriteMedium();
  WriteHost("drive_c/PEKTO/LOHNAR.DAT", "MEINE LOHNARTEN\r\n");
  Answer({kYes});
  ASSERT_EQ(ContinueFromStartMask("C:\\PEKTO", state_, services_), StartMaskOutcome::OpenUserMask);
  EXPECT_EQ(ReadHost("drive_c/PEKTO/LOHNAR.DAT"), "NEUE LOHNARTEN\r\n");
}

TEST_F(StartMaskTest, UpdateModeSkipsTheWageTypesAndTheirArchive) {
  WriteMedium();
  WriteHost("drive_c/PEKTO/LOHNAR.DAT", "MEINE LOHNARTEN\r\n");
  state_.update_mode = true;
  ASSERT_EQ(ContinueFromStartMask("C:\\PEKTO", state_, services_), StartMaskOutcome::OpenUserMask);
  EXPECT_TRUE(boxes_.shown.empty());
  EXPECT_EQ(ReadHost("drive_c/PEKTO/LOHNAR.DAT"), "MEINE LOHNARTEN\r\n");
  EXPECT_TRUE(state_.program_archive_unpacked);
}

TEST_F(StartMaskTest, AMissingProgramArchiveAsksWhetherToGoOn) {
  Answer({kNo});
  EXPECT_EQ(ContinueFromStartMask("C:\\PEKTO", state_, services_), StartMaskOutcome::BackToField);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text, "Das Archiv ARCVAI wurde nicht\r\ngefunden......\r\nInstallation fortsetzen ?");
  boxes_.shown.clear();
  Answer({kYes, kYes});
  EXPECT_EQ(ContinueFromStartMask("C:\\PEKTO", state_, services_), StartMaskOutcome::OpenUserMask);
  ASSERT_EQ(boxes_.shown.size(), 2u);
  EXPECT_EQ(FirstLine(boxes_.shown[1].text), "Das Archiv ARCVAA wurde nicht");
  EXPECT_FALSE(state_.program_archive_unpacked);
}

TEST_F(StartMaskTest, ADamagedArchiveIsRefusedAndChangesNothing) {
  WriteMedium();
  WriteHost("drive_c/PEKTO/PEKTO.EXE", "old");
  const std::string whole = ReadHost("drive_d/MEDIUM/ARCVAI.EXE");
  WriteHost("drive_d/MEDIUM/ARCVAI.EXE", whole.substr(0, whole.size() / 2));
  Answer({kYes});
  EXPECT_EQ(ContinueFromStartMask("C:\\PEKTO", state_, services_), StartMaskOutcome::BackToField);
  ASSERT_EQ(boxes_.shown.size(), 2u);
  EXPECT_EQ(FirstLine(boxes_.shown[1].text), "Das Archiv ARCVAI ist beschädigt und kann");
  EXPECT_EQ(boxes_.shown[1].icon, MessageIcon::Stop);
  EXPECT_EQ(ReadHost("drive_c/PEKTO/PEKTO.EXE"), "old");
  EXPECT_FALSE(state_.program_archive_unpacked);
}

TEST_F(StartMaskTest, ReadOnlyFilesAreClearedOnYes) {
  WriteMedium();
  WriteHost("drive_c/PEKTO/MAIER.050", "data");
  std::filesystem::permissions(Host("drive_c/PEKTO/MAIER.050"), std::filesystem::perms::owner_read);
  Answer({kYes});
  ASSERT_EQ(ContinueFromStartMask("C:\\PEKTO", state_, services_), StartMaskOutcome::OpenUserMask);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(FirstLine(boxes_.shown[0].text), "Die Systemkontrolle hat ergeben, dass Dateien");
  EXPECT_NE(boxes_.shown[0].text.find("(Verzeichnis: C:\\PEKTO\\)"), std::string::npos);
  EXPECT_FALSE(files_.IsWriteProtected("C:\\PEKTO\\MAIER.050"));
  EXPECT_EQ(ReadHost("drive_c/PEKTO/MAIER.050"), "data");
}

TEST_F(StartMaskTest, ReadOnlyFilesKeptOnNoEndTheInstaller) {
  WriteMedium();
  WriteHost("drive_c/PEKTO/MAIER.050", "data");
  std::filesystem::permissions(Host("drive_c/PEKTO/MAIER.050"), std::filesystem::perms::owner_read);
  Answer({kNo});
  EXPECT_EQ(ContinueFromStartMask("C:\\PEKTO", state_, services_), StartMaskOutcome::EndInstaller);
  ASSERT_EQ(boxes_.shown.size(), 2u);
  EXPECT_EQ(boxes_.shown[1].caption, "Kontrolle !");
  EXPECT_EQ(FirstLine(boxes_.shown[1].text), "Die Programmausführung wird abge-");
  EXPECT_TRUE(files_.IsWriteProtected("C:\\PEKTO\\MAIER.050"));
  EXPECT_FALSE(files_.FileExists("C:\\PEKTO\\PEKTO.EXE"));
}

TEST(InstallPathForm, TheFormOfLetterColonBackslashPath) {
  EXPECT_TRUE(HasInstallPathForm("C:\\PEKTO"));
  EXPECT_TRUE(HasInstallPathForm("d:\\Lohn und Gehalt\\Pekto\\"));
  EXPECT_TRUE(HasInstallPathForm("C:\\"));
  EXPECT_FALSE(HasInstallPathForm("C:\\PEKTO\\\\X"));
  EXPECT_FALSE(HasInstallPathForm("C:\\.\\X"));
  EXPECT_FALSE(HasInstallPathForm("1:\\X"));
  EXPECT_FALSE(HasInstallPathForm("C:\\A|B"));
  EXPECT_FALSE(HasInstallPathForm("C:\\ PEKTO"));
}

}  // namespace
}  // namespace pekto
