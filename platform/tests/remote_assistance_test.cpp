#include "platform/remote_assistance.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

namespace pekto {
namespace {

namespace fs = std::filesystem;

class RemoteAssistanceTest : public testing::Test {
 protected:
  RemoteAssistanceTest() {
    bin_ = fs::path(testing::TempDir()) / ("pekto_remote_" + std::to_string(::getpid()));
    fs::remove_all(bin_);
    fs::create_directories(bin_ / "a");
    fs::create_directories(bin_ / "b");
  }
  ~RemoteAssistanceTest() override { fs::remove_all(bin_); }
  void Program(const std::string& dir, const std::string& name, bool executable = true) {
    std::ofstream(bin_ / dir / name) << "#!/bin/sh\n";
    fs::permissions(bin_ / dir / name, executable ? fs::perms::owner_all : fs::perms::owner_read);
  }
  EnvironmentLookup Path(const std::string& value) {
    return [value](std::string_view name) -> std::optional<std::string> {
      if (name == "PATH") return value;
      return std::nullopt;
    };
  }

  fs::path bin_;
  DosFileSystem files_{std::nullopt};
  RecordingProgramStarter programs_;
};

TEST_F(RemoteAssistanceTest, StartsTheFirstCommonProgramFoundDirectly) {
  Program("a", "krfb");
  Program("b", "anydesk");
  const LaunchResult result =
      StartRemoteAssistance(programs_, files_, Path("relative:" + (bin_ / "a").string() + ":" + (bin_ / "b").string()));
  EXPECT_TRUE(result.started);
  ASSERT_EQ(programs_.launches.size(), 1u);
  EXPECT_EQ(programs_.launches[0].program, files_.DosPathOf(bin_ / "b" / "anydesk"));
  EXPECT_TRUE(programs_.launches[0].arguments.empty());
  EXPECT_EQ(programs_.launches[0].mode, LaunchMode::Detached);
}

TEST_F(RemoteAssistanceTest, NoneInstalledIsFileNotFound) {
  Program("a", "rustdesk", false);
  const LaunchResult result = StartRemoteAssistance(programs_, files_, Path((bin_ / "a").string()));
  EXPECT_FALSE(result.started);
  EXPECT_EQ(result.error_code, 2);
  EXPECT_TRUE(programs_.launches.empty());
}

}  // namespace
}  // namespace pekto
