#include "online/updater.h"

#include <gtest/gtest.h>

#include "online/tests/online_fixture.h"

namespace pekto {
namespace {

using testing_support::OnlineTest;
using testing_support::SmallRelease;

class UpdaterTest : public OnlineTest {
 protected:
  // What pekto leaves for the update program.
  void PrepareHandOver(const PublishResult& release) {
    Write("C:\\AUTOHWKTMP.TMP\\AUTOHWKTMP.TMP", "C:\\PEKTO\r\nC\r\nPEKTO\r\nC:\\PEKTO\\HIS\r\nC:\\PEKTO\r\n");
    Write("C:\\PEKTO\\PEKTOW.UPD", release.files.at("PEKTOW.UPD"));
    Write("C:\\PEKTO\\PEKTOW.SIG", release.files.at("PEKTOW.SIG"));
  }
};

TEST_F(UpdaterTest, UnpacksTheVerifiedUpdateAndRunsTheInstallerInUpdateMode) {
  PrepareHandOver(BuildRelease(SmallRelease("2024.2", "15072024"), keys_.secret_key));
  const UpdaterResult result = RunUpdater(*files_, programs_, keys_.public_key);
  EXPECT_EQ(result.outcome, UpdaterOutcome::InstallerStarted) << result.message;
  EXPECT_EQ(Read("C:\\LHWUEKT\\INSTALL.EXE"), "#!/bin/sh\necho install\n");
  EXPECT_EQ(Read("C:\\LHWUEKT\\PEKTO.CHM"), "help");
  const auto host = files_->HostPath("C:\\LHWUEKT\\INSTALL.EXE");
  ASSERT_TRUE(host);
  EXPECT_NE(std::filesystem::status(*host).permissions() & std::filesystem::perms::owner_exec,
            std::filesystem::perms::none);
  EXPECT_EQ(programs_.launches,
            (std::vector<ProgramLaunch>{{"C:\\LHWUEKT\\INSTALL.EXE", {"-ncd"}, "C:\\LHWUEKT", LaunchMode::Detached}}));
  // The next start of pekto finds what to remove.
  RemoveUpdateLeftovers(*files_, "C:\\PEKTO");
  EXPECT_FALSE(files_->DirectoryExists("C:\\LHWUEKT"));
}

TEST_F(UpdaterTest, ADamagedArchiveLeavesEverythingAsItWas) {
  PublishResult release = BuildRelease(SmallRelease("2024.2", "15072024"), keys_.secret_key);
  release.files["PEKTOW.UPD"].back() ^= 0x20;
  PrepareHandOver(release);
  const UpdaterResult result = RunUpdater(*files_, programs_, keys_.public_key);
  EXPECT_EQ(result.outcome, UpdaterOutcome::NotAuthentic);
  EXPECT_NE(result.message.find("Ihre Installation bleibt unverändert."), std::string::npos);
  EXPECT_FALSE(files_->DirectoryExists("C:\\LHWUEKT"));
  EXPECT_TRUE(programs_.launches.empty());
}

TEST_F(UpdaterTest, AnotherKeyIsRefused) {
  PrepareHandOver(BuildRelease(SmallRelease("2024.2", "15072024"), GenerateKeyPair().secret_key));
  EXPECT_EQ(RunUpdater(*files_, programs_, keys_.public_key).outcome, UpdaterOutcome::NotAuthentic);
  EXPECT_TRUE(programs_.launches.empty());
}

TEST_F(UpdaterTest, WithoutHandOverNothingHappens) {
  EXPECT_EQ(RunUpdater(*files_, programs_, keys_.public_key).outcome, UpdaterOutcome::NoHandOver);
  EXPECT_TRUE(programs_.launches.empty());
}

TEST_F(UpdaterTest, AnInstallerThatDoesNotStartIsReported) {
  PrepareHandOver(BuildRelease(SmallRelease("2024.2", "15072024"), keys_.secret_key));
  programs_.answer = {false, 2, 0};
  const UpdaterResult result = RunUpdater(*files_, programs_, keys_.public_key);
  EXPECT_EQ(result.outcome, UpdaterOutcome::InstallerNotStarted);
  EXPECT_NE(result.message.find("C:\\LHWUEKT\\INSTALL.EXE"), std::string::npos);
}

}  // namespace
}  // namespace pekto
