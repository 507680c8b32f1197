#include "app/startup/startup.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/startup/online_services.h"
#include "app/startup/program_state.h"
#include "app/startup/tests/test_installation.h"

namespace pekto {
namespace {

namespace fs = std::filesystem;
using testing_support::TestInstallation;
using testing_support::TwoUsers;

class RecordingOnline final : public OnlineServices {
 public:
  void ReadSettings(const InstallPaths& paths) override { calls.push_back("read " + paths.InstallRoot()); }
  void AutomaticStartCheck() override { calls.emplace_back("check"); }
  std::string StartCheckSetting() const override { return ""; }
  void SetStartCheckSetting(std::string_view) override {}
  void CheckVersion(int) override {}
  void OpenVendorPage(VendorPage) override {}
  std::vector<std::string> calls;
};

class RecordingHost final : public StartMaskHost {
 public:
  bool CreateStartMask() override {
    ++created;
    return can_create;
  }
  bool can_create = true;
  int created = 0;
};

struct StartupRow {
  const char* name;
  std::function<void(TestInstallation&, RecordingHost&)> arrange;
  std::vector<Message> messages;
  StartupOutcome outcome;
};
void PrintTo(const StartupRow& c, std::ostream* os) { *os << c.name; }

class StartupMessagesTest : public testing::TestWithParam<StartupRow> {};

TEST_P(StartupMessagesTest, ShowsItsMessagesInOrderAndEndsOrContinues) {
  TestInstallation installation("startup");
  RecordingHost host;
  installation.Install(TwoUsers());
  GetParam().arrange(installation, host);
  RecordingMessageBoxes boxes;
  RecordingOnline online;
  StartupServices services{installation.files, boxes, online, host};
  ProgramState state;
  EXPECT_EQ(RunStartup(state, {"C:\\PEKTO", 1024}, services), GetParam().outcome);
  EXPECT_EQ(boxes.shown, GetParam().messages);
  EXPECT_EQ(host.created, 1);
}

void Unwritable(const fs::path& path) { fs::permissions(path, fs::perms::owner_read | fs::perms::owner_exec); }

INSTANTIATE_TEST_SUITE_P(
    Sequence, StartupMessagesTest,
    testing::Values(
        StartupRow{"AnIntactInstallation", [](auto&, auto&) {}, {}, StartupOutcome::EnterMessageLoop},
        StartupRow{"StartMaskNotCreatable",
                   [](auto&, RecordingHost& host) { host.can_create = false; },
                   {startup_message::StartMaskNotCreated()},
                   StartupOutcome::EndProgram},
        StartupRow{"StartMaskBeforeTheMissingSystemFile",
                   [](TestInstallation& i, RecordingHost& host) {
                     i.files.DeleteFile("C:\\PEKTO\\LODAT2.SYS");
                     host.can_create = false;
                   },
                   {startup_message::StartMaskNotCreated()},
                   StartupOutcome::EndProgram},
        StartupRow{"SystemFileMissing",
                   [](TestInstallation& i, auto&) { i.files.DeleteFile("C:\\PEKTO\\LODAT2.SYS"); },
                   {startup_message::SystemFileMissing("C:\\PEKTO\\LODAT2.SYS")},
                   StartupOutcome::EndProgram},
        StartupRow{"SystemFileTruncated",
                   [](TestInstallation& i, auto&) {
                     const std::string bytes = *i.files.ReadFile("C:\\PEKTO\\LODAT2.SYS");
                     ASSERT_TRUE(i.files.ReplaceFile("C:\\PEKTO\\LODAT2.SYS", bytes.substr(0, bytes.size() / 2)).ok);
                   },
                   {startup_message::SystemFileDamaged("C:\\PEKTO\\LODAT2.SYS")},
                   StartupOutcome::EndProgram},
        StartupRow{"WageTypeFileMissing",
                   [](TestInstallation& i, auto&) { i.files.DeleteFile("C:\\PEKTO\\LOHNAR.DAT"); },
                   {startup_message::FewerThanTwoWageTypes()},
                   StartupOutcome::EnterMessageLoop},
        StartupRow{"WageTypeFileWithOddLinesAndAForeignName",
                   [](TestInstallation& i, auto&) {
                     std::string bytes = "01\r\n1\r\nGeh\x01lt\r\n1\r\n1\r\n1\r\n1\r\n\r\n\r\n\r\n";
                     bytes += "02\r\n2\r\nLohn\r\n";
                     ASSERT_TRUE(i.files.ReplaceFile("C:\\PEKTO\\LOHNAR.DAT", bytes).ok);
                   },
                   {startup_message::WageTypeFileIncomplete("C:\\PEKTO\\LOHNAR.DAT"),
                    startup_message::WageTypeNamesWithForeignCharacters({"01"})},
                   StartupOutcome::EnterMessageLoop},
        StartupRow{
            "WriteProtectedWageTypeFile",
            [](TestInstallation& i, auto&) { fs::permissions(i.Host("PEKTO/LOHNAR.DAT"), fs::perms::owner_read); },
            {startup_message::DataFilesWriteProtected()},
            StartupOutcome::EndProgram},
        StartupRow{"WriteProtectedEmployeeFile",
                   [](TestInstallation& i, auto&) {
                     ASSERT_TRUE(i.files.CreateDirectories("C:\\PEKTO\\03"));
                     ASSERT_TRUE(i.files.ReplaceFile("C:\\PEKTO\\03\\MAIER.050", "x").ok);
                     fs::permissions(i.Host("PEKTO/03/MAIER.050"), fs::perms::owner_read);
                   },
                   {startup_message::DataFilesWriteProtected()},
                   StartupOutcome::EndProgram},
        StartupRow{"UnwritableInstallationFolder",
                   [](TestInstallation& i, auto&) { Unwritable(i.Host("PEKTO")); },
                   {startup_message::DataFilesWriteProtected()},
                   StartupOutcome::EndProgram}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StartupMessages, TextsAsTheProgramShowsThem) {
  EXPECT_TRUE(startup_message::SystemFileMissing("C:\\X\\LODAT2.SYS")
                  .text.starts_with("Es wurde keine SYSTEMDATEI unter dem Pfad\r\n(C:\\X\\LODAT2.SYS) gefunden!\r\n"));
  EXPECT_EQ(startup_message::StartMaskNotCreated().text,
            "Die Startmaske konnte nicht ge-\r\nöffnet werden.\r\nStarten Sie das Programm erneut\r\n"
            "direkt unter dem gewählten In-\r\nstallationspfad.");
  EXPECT_TRUE(startup_message::FewerThanTwoWageTypes().text.starts_with(
      "Die Lohnartendatei ist nicht vorhanden\r\noder enthält weniger als zwei Lohnarten.\r\n\r\n"));
}

class StartupTest : public testing::Test {
 protected:
  StartupOutcome Run(const std::string& working_directory) {
    StartupServices services{installation_.files, boxes_, online_, host_};
    return RunStartup(state_, {working_directory, 1280}, services);
  }
  TestInstallation installation_{"startup_steps"};
  RecordingMessageBoxes boxes_;
  RecordingOnline online_;
  RecordingHost host_;
  ProgramState state_;
};

TEST_F(StartupTest, PreparesTheInstallationAndRemovesLeftovers) {
  installation_.Install(TwoUsers());
  for (const char* file : {"C:\\PEKTO\\BILDSCH", "C:\\PEKTO\\MANDOR.EXE", "C:\\PEKTO\\mandor.ini",
                           "C:\\PEKTO\\PEKTOW.EXE", "C:\\LHWUEKT\\INSTALL.EXE", "C:\\AUTOHWKTMP.TMP\\AUTOHWKTMP.TMP"}) {
    ASSERT_TRUE(installation_.files.CreateDirectories(file) && installation_.files.RemoveEmptyDirectory(file));
    ASSERT_TRUE(installation_.files.ReplaceFile(file, "x").ok) << file;
  }
  EXPECT_EQ(Run("C:\\PEKTO"), StartupOutcome::EnterMessageLoop);
  EXPECT_TRUE(boxes_.shown.empty());
  EXPECT_TRUE(installation_.files.DirectoryExists("C:\\PEKTO\\HIS01"));
  for (const char* gone : {"C:\\PEKTO\\BILDSCH", "C:\\PEKTO\\MANDOR.EXE", "C:\\PEKTO\\MANDOR.INI",
                           "C:\\PEKTO\\pektow.EXE", "C:\\LHWUEKT", "C:\\AUTOHWKTMP.TMP"}) {
    EXPECT_FALSE(installation_.files.FileExists(gone) || installation_.files.DirectoryExists(gone)) << gone;
  }
  EXPECT_EQ(online_.calls, (std::vector<std::string>{"read C:\\PEKTO", "check"}));
  EXPECT_EQ(state_.paths.InstallRoot(), "C:\\PEKTO");
  EXPECT_EQ(state_.wage_types.count, 22);
  EXPECT_EQ(state_.screen_class, 'G');
  EXPECT_EQ(state_.layout_variant, 2);
}

TEST_F(StartupTest, ADriveRootAsWorkingDirectoryFindsTheSystemFileThere) {
  NewSystemFile contents = TwoUsers();
  contents.install_dir = "";
  ASSERT_TRUE(WriteSystemFile(installation_.files, "C:\\LODAT2.SYS", MakeSystemFile(contents)).ok);
  EXPECT_EQ(Run("C:\\"), StartupOutcome::EnterMessageLoop);
  EXPECT_EQ(state_.system_file_path, "C:\\LODAT2.SYS");
  EXPECT_EQ(state_.paths.InstallRoot(), "C:");
  EXPECT_TRUE(installation_.files.DirectoryExists("C:\\HIS01"));
  ASSERT_EQ(boxes_.shown.size(), 1u);  // no wage types in C:\ .
  EXPECT_EQ(boxes_.shown[0], startup_message::FewerThanTwoWageTypes());
}

// A system file that names another folder (copied from another machine,
// an installation moved, a crafted file) ends the start-up before anything
// is deleted or created there.
class ForeignInstallationTest : public StartupTest, public testing::WithParamInterface<const char*> {};

TEST_P(ForeignInstallationTest, EndsBeforeTouchingTheNamedFolder) {
  const fs::path victim = installation_.Host("VICTIM");
  fs::create_directories(victim);
  for (const char* name : {"BILDSCH", "MANDOR.EXE", "MANDOR.INI"}) {
    ASSERT_TRUE(ReplaceFileAtomically(victim / name, "x").ok);
  }
  NewSystemFile contents = TwoUsers();
  const std::string drive = GetParam();
  contents.drive = drive;
  // Z: is the host's root: the victim's host path without its leading "/".
  contents.install_dir = drive == "Z" ? victim.relative_path().string() : "VICTIM";
  installation_.Install(contents);
  EXPECT_EQ(Run("C:\\PEKTO"), StartupOutcome::EndProgram);
  std::string named = "C:\\VICTIM";
  if (drive == "Z") {
    named = "Z:\\" + victim.relative_path().string();  // as the file holds it
  }
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0], startup_message::InstallationElsewhere("C:\\PEKTO\\LODAT2.SYS", named));
  for (const char* name : {"BILDSCH", "MANDOR.EXE", "MANDOR.INI"}) EXPECT_TRUE(fs::exists(victim / name)) << name;
  EXPECT_FALSE(fs::exists(victim / "HIS01"));
  EXPECT_FALSE(installation_.files.DirectoryExists("C:\\PEKTO\\HIS01"));
  EXPECT_TRUE(online_.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(Drives, ForeignInstallationTest, testing::Values("C", "Z"),
                         [](const auto& info) { return std::string(info.param) == "Z" ? "HostRoot" : "OtherFolder"; });

TEST(InstallationOf, ComparesAsDosPaths) {
  EXPECT_TRUE(IsInstallationOf({"C", "PEKTO", ""}, "c:\\pekto\\"));
  EXPECT_TRUE(IsInstallationOf({"D", "", ""}, "D:\\"));
  EXPECT_TRUE(IsInstallationOf({"C", "A\\..\\PEKTO", ""}, "C:\\PEKTO"));
  EXPECT_FALSE(IsInstallationOf({"C", "PEKTO", ""}, "C:\\PEKTO\\01"));
  EXPECT_FALSE(IsInstallationOf({"D", "PEKTO", ""}, "C:\\PEKTO"));
  EXPECT_FALSE(IsInstallationOf({"Z", "tmp", ""}, "Z:\\tmp"));
}

struct ScreenRow {
  int width;
  char screen_class;
  int variant;
};
void PrintTo(const ScreenRow& c, std::ostream* os) { *os << "Width" << c.width; }

class ScreenClassTest : public testing::TestWithParam<ScreenRow> {};

TEST_P(ScreenClassTest, FromTheScreenWidth) {
  EXPECT_EQ(ScreenClassForWidth(GetParam().width), GetParam().screen_class);
  EXPECT_EQ(LayoutVariantFor(GetParam().screen_class), GetParam().variant);
}

INSTANTIATE_TEST_SUITE_P(Widths, ScreenClassTest,
                         testing::Values(ScreenRow{640, 'K', 1}, ScreenRow{799, 'K', 1}, ScreenRow{800, 'M', 1},
                                         ScreenRow{1000, 'M', 1}, ScreenRow{1001, 'G', 2}, ScreenRow{1920, 'G', 2}));

}  // namespace
}  // namespace pekto
