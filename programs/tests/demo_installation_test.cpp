#include "programs/demo_installation.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "app/startup/system_file.h"
#include "platform/dos_file_system.h"
#include "platform/value_lines.h"

namespace pekto {
namespace {

namespace fs = std::filesystem;

TEST(DemoInstallation, WritesAStartableInstallationAndKeepsWhatExists) {
  const fs::path root = fs::path(testing::TempDir()) / ("demo_" + std::to_string(::getpid()));
  fs::remove_all(root);
  const DosFileSystem files(root);
  const DemoReport report = PrepareDemoInstallation(files, fs::path(PEKTO_SOURCE_DIR) / "resources");
  ASSERT_TRUE(report.ok) << report.problems.front();
  const SystemFileRead system = ReadSystemFile(files, "C:\\PEKTO\\LODAT2.SYS");
  EXPECT_EQ(system.status, SystemFileStatus::Ok);
  EXPECT_FALSE(system.file.PasswordQueryEnabled());
  EXPECT_TRUE(files.FileExists("C:\\PEKTO\\LOHNAR.DAT"));
  const auto employee = files.ReadFile("C:\\PEKTO\\01\\MUSTER.120");
  ASSERT_TRUE(employee.has_value());
  const std::vector<std::string> lines = SplitValueLines(*employee);
  ASSERT_EQ(lines.size(), 1465u);
  EXPECT_EQ(lines[11], "\"MUSTER\"");
  EXPECT_EQ(lines[13], "\"325000\"");  // gross total in cents
  EXPECT_EQ(lines[35], "\"C:\\PEKTO\\01\\MUSTER.120\"");
  const auto second = files.ReadFile("C:\\PEKTO\\01\\JÄGER.031");
  ASSERT_TRUE(second.has_value()) << "the name's umlaut is a DOS byte in the file, UTF-8 on the host";
  EXPECT_EQ(SplitValueLines(*second)[11], "\"J\x8EGER\"");

  ASSERT_TRUE(files.ReplaceFile("C:\\PEKTO\\01\\MUSTER.120", "geändert").ok);
  const DemoReport again = PrepareDemoInstallation(files, fs::path(PEKTO_SOURCE_DIR) / "resources");
  EXPECT_TRUE(again.written.empty());
  EXPECT_EQ(files.ReadFile("C:\\PEKTO\\01\\MUSTER.120"), "geändert");
  fs::remove_all(root);
}

TEST(DemoInstallation, LinksTheBuiltAccessoriesIntoTheInstallation) {
  const fs::path root = fs::path(testing::TempDir()) / ("demo_links_" + std::to_string(::getpid()));
  fs::remove_all(root);
  fs::create_directories(root / "built");
  std::ofstream(root / "built" / "dorvel") << "#!/bin/sh\n";
  const DosFileSystem files(root);
  DemoReport report = PrepareDemoInstallation(files, fs::path(PEKTO_SOURCE_DIR) / "resources");
  LinkDemoAccessories(files, root / "built", report);
  EXPECT_TRUE(fs::is_symlink(root / "drive_c" / "PEKTO" / "dorvel"));
  EXPECT_FALSE(fs::exists(root / "drive_c" / "PEKTO" / "fimrel"));  // not built
  EXPECT_TRUE(files.FileExists("C:\\PEKTO\\dorvel"));
  DemoReport again;
  LinkDemoAccessories(files, root / "built", again);
  EXPECT_TRUE(again.written.empty());
  EXPECT_TRUE(again.problems.empty());
  fs::remove_all(root);
}

TEST(DemoInstallation, AnUnknownFieldIsReportedWithItsLine) {
  std::string error;
  EXPECT_FALSE(ReadFieldsFile("# x\nfile_name=A\ngehalt=1\n", error).has_value());
  EXPECT_EQ(error, "unbekanntes Feld in Zeile 3: gehalt=1");
}

}  // namespace
}  // namespace pekto
