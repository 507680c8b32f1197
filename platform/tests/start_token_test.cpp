#include "platform/start_token.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/dos_file_system.h"

namespace pekto {
namespace {

namespace fs = std::filesystem;

TEST(StartToken, PathHasOneBackslash) {
  EXPECT_EQ(StartTokenPath("C:\\PEKTO"), "C:\\PEKTO\\START.DAT");
  EXPECT_EQ(StartTokenPath("C:\\"), "C:\\START.DAT");
  EXPECT_EQ(StartTokenPath("C:"), "C:\\START.DAT");
}

TEST(StartToken, IsTakenOnceAndOnlyWhenWritten) {
  const fs::path root = fs::path(testing::TempDir()) / ("token_" + std::to_string(::getpid()));
  fs::create_directories(root / "drive_c" / "PEKTO");
  const DosFileSystem files(root);
  EXPECT_FALSE(TakeStartToken(files, "C:\\PEKTO"));
  ASSERT_TRUE(WriteStartToken(files, "C:\\PEKTO"));
  EXPECT_TRUE(fs::exists(root / "drive_c" / "PEKTO" / "START.DAT"));
  EXPECT_TRUE(TakeStartToken(files, "c:\\pekto\\"));
  EXPECT_FALSE(fs::exists(root / "drive_c" / "PEKTO" / "START.DAT"));
  EXPECT_FALSE(TakeStartToken(files, "C:\\PEKTO"));
  EXPECT_FALSE(WriteStartToken(files, "C:\\FEHLT"));
  fs::remove_all(root);
}

}  // namespace
}  // namespace pekto
