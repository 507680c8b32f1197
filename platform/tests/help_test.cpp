#include "platform/help.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

namespace pekto {
namespace {

namespace fs = std::filesystem;

TEST(Help, TopicPagesAndTheStartPage) {
  const fs::path root = fs::path(testing::TempDir()) / ("help_" + std::to_string(::getpid()));
  fs::create_directories(root / "pekto");
  std::ofstream(root / "pekto" / "211.html") << "x";
  EXPECT_EQ(HelpFolderName("C:\\PEKTO\\PEKTO.CHM"), "pekto");
  EXPECT_EQ(HelpFolderName("GESETZ.CHM"), "gesetz");
  EXPECT_EQ(HelpPagePath(root, "PEKTO.CHM", 211), root / "pekto" / "211.html");
  EXPECT_EQ(HelpPagePath(root, "PEKTO.CHM", 212), root / "pekto" / "index.html");
  EXPECT_EQ(HelpPagePath(root, "PEKTO.CHM", 0), root / "pekto" / "index.html");
  fs::remove_all(root);
}

TEST(Help, ResourceDirectoryFromEnvironmentOrBuildFolder) {
  const auto none = [](std::string_view) -> std::optional<std::string> { return std::nullopt; };
  const auto set = [](std::string_view) -> std::optional<std::string> { return "/opt/pekto/res"; };
  EXPECT_EQ(FindResourceDirectory(set, "/x/bin", "/src/resources"), fs::path("/opt/pekto/res"));
  EXPECT_EQ(FindResourceDirectory(none, "/nonexistent/bin", "/src/resources"), fs::path("/src/resources"));
}

}  // namespace
}  // namespace pekto
