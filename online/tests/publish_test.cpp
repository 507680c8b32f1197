#include "online/publish.h"

#include <gtest/gtest.h>

#include "online/online_files.h"
#include "online/tests/online_fixture.h"
#include "online/updater.h"
#include "platform/atomic_file.h"

namespace pekto {
namespace {

using testing_support::OnlineTest;
using testing_support::SmallRelease;

TEST(PublishTest, WritesTheVersionFileInWindows1252) {
  const KeyPair keys = GenerateKeyPair();
  const PublishResult result = BuildRelease(SmallRelease("2024.2", "15072024"), keys.secret_key);
  ASSERT_EQ(result.error, "");
  EXPECT_EQ(result.files.at("VERSPRK.INF"),
            "2024.2\r\n15072024\r\nPEKTO 2024.2 ist erschienen\r\nNeu in dieser Version:\r\n- Beitragss\xE4tze 2024\r\n");
  EXPECT_TRUE(VerifiedArchive(result.files.at("PEKTOW.UPD"), result.files.at("PEKTOW.SIG"), keys.public_key));
  EXPECT_GT(result.files.at("JSUMMEN.COM").size(), 20u);
  EXPECT_TRUE(result.files.contains("index.htm"));
  EXPECT_TRUE(result.files.contains("allgengebi.htm"));
  EXPECT_EQ(PublicKeyOf(keys.secret_key), keys.public_key);
}

struct BadReleaseRow {
  const char* name;
  void (*spoil)(ReleaseDescription& release);
};
void PrintTo(const BadReleaseRow& row, std::ostream* out) { *out << row.name; }
class BadReleaseTest : public testing::TestWithParam<BadReleaseRow> {};

TEST_P(BadReleaseTest, IsNotBuilt) {
  ReleaseDescription release = SmallRelease("2024.2", "15072024");
  GetParam().spoil(release);
  const PublishResult result = BuildRelease(release, GenerateKeyPair().secret_key);
  EXPECT_NE(result.error, "");
  EXPECT_TRUE(result.files.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Releases, BadReleaseTest,
    testing::Values(
        BadReleaseRow{"VersionWithoutYear", [](ReleaseDescription& r) { r.version = "neu"; }},
        BadReleaseRow{"DateNotDDMMYYYY", [](ReleaseDescription& r) { r.date = "2024-07-15"; }},
        BadReleaseRow{"MonthThirteen", [](ReleaseDescription& r) { r.date = "15132024"; }},
        BadReleaseRow{"TooManyNotes", [](ReleaseDescription& r) { r.notes.assign(98, "x"); }},
        BadReleaseRow{"NoteOutsideWindows1252", [](ReleaseDescription& r) { r.notes.push_back("€ ok, ☃ not"); }},
        BadReleaseRow{"NoUpdateProgram", [](ReleaseDescription& r) { r.files.erase(r.files.begin()); }},
        BadReleaseRow{"NoInstaller", [](ReleaseDescription& r) { r.files.erase(r.files.begin() + 1); }},
        BadReleaseRow{"PathAsFileName", [](ReleaseDescription& r) { r.files.push_back({"../evil", false, ""}); }}),
    [](const auto& info) { return std::string(info.param.name); });

// The published folder on a static server: pekto offers the update, hands
// it over, and the update program starts the installer.
TEST_F(OnlineTest, APublishedReleaseTravelsFromTheServerToTheInstaller) {
  const PublishResult release = BuildRelease(SmallRelease("2024.3", "01102024"), keys_.secret_key);
  const auto folder = root_ / "site";
  ASSERT_EQ(WriteRelease(folder, release), "");
  server_.ServeFolder(folder.string());
  Install("2024.2", "15072024");
  offers_.answer = true;
  Services().CheckVersion(0);
  ASSERT_EQ(offers_.offers.size(), 1u);
  EXPECT_EQ(offers_.offers[0].caption, "PEKTO 2024.3 ist erschienen");
  ASSERT_TRUE(mask_.ended);
  RecordingProgramStarter installer;
  EXPECT_EQ(RunUpdater(*files_, installer, keys_.public_key).outcome, UpdaterOutcome::InstallerStarted);
  ASSERT_EQ(installer.launches.size(), 1u);
  EXPECT_EQ(installer.launches[0].arguments, std::vector<std::string>{"-ncd"});
}

}  // namespace
}  // namespace pekto
