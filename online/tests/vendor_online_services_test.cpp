#include "online/vendor_online_services.h"

#include <gtest/gtest.h>

#include "online/online_messages.h"
#include "online/tests/online_fixture.h"

namespace pekto {
namespace {

using testing_support::kToday;
using testing_support::OkReply;
using testing_support::OnlineTest;
using testing_support::StatusReply;

constexpr const char* kHandOver = "C:\\AUTOHWKTMP.TMP\\AUTOHWKTMP.TMP";

// The manual check (5529).
TEST_F(OnlineTest, EqualVersionsAreReportedCurrent) {
  Install("2024.2", "15072024");
  Publish("2024.2", "15072024");
  Services().CheckVersion(0);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0], online_message::VersionIsCurrent("2024.2", "15.07.2024"));
  EXPECT_EQ(boxes_.shown[0].text,
            "Ihre Programmversion ist aktuell.\r\n\r\nVersion: 2024.2\r\n\r\nStand:   15.07.2024");
  EXPECT_EQ(Read("C:\\PEKTO\\INTAUTOUP.DAT"), std::string(kToday) + "\r\n");
  EXPECT_EQ(Services().LastOnlineCheckDate(), kToday);
  EXPECT_FALSE(Exists("C:\\PEKTO\\HIS01\\VERSPRK.INF"));
  EXPECT_TRUE(offers_.offers.empty());
  EXPECT_GE(mask_.refreshed, 1);
  EXPECT_EQ(server_.Paths(), std::vector<std::string>{"/VERSPRK.INF"});
}

TEST_F(OnlineTest, ANewerReleaseIsOfferedWithItsNotesAndCancelFetchesNothingMore) {
  Install("2024.1", "15012024");
  Publish("2024.2", "15072024");
  Services().CheckVersion(0);
  EXPECT_TRUE(boxes_.shown.empty());
  ASSERT_EQ(offers_.offers.size(), 1u);
  EXPECT_EQ(offers_.offers[0].caption, "PEKTO 2024.2 ist erschienen");
  EXPECT_EQ(offers_.offers[0].notes, "Neu in dieser Version:\r\n- Beitragssätze 2024\r\n");
  EXPECT_FALSE(Exists("C:\\PEKTO\\HIS01\\VERSPRK.INF"));
  EXPECT_EQ(server_.Paths(), std::vector<std::string>{"/VERSPRK.INF"});
  EXPECT_TRUE(programs_.launches.empty());
}

TEST_F(OnlineTest, EqualVersionTextsWithAnotherDateAreOffered) {
  Install("2024.2", "15072024");
  Publish("2024.2", "01082024");
  Services().CheckVersion(0);
  EXPECT_EQ(offers_.offers.size(), 1u);
}

TEST_F(OnlineTest, AnUnreadableVersionFileStopsTheCheck) {
  Install("2024.2", "15072024");
  server_.Serve("/VERSPRK.INF", StatusReply(500, "Internal Server Error"));
  Services().CheckVersion(0);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0], online_message::VersionFileNotRead());
  EXPECT_FALSE(Exists("C:\\PEKTO\\INTAUTOUP.DAT"));
}

TEST_F(OnlineTest, AMismatchingContentLengthIsNotRead) {
  server_.Serve("/VERSPRK.INF", {"HTTP/1.0 200 OK\r\nContent-Length: 40\r\n\r\n2024.2\r\n15072024\r\n"});
  Services().CheckVersion(0);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "PEKTO Fehler!");
}

// The update, after the offer or without a check (5530).
TEST_F(OnlineTest, ASignedUpdateReachesTheHandOverAndTheUpdateProgram) {
  Install("2024.1", "15012024");
  Publish("2024.2", "15072024");
  offers_.answer = true;
  Services().CheckVersion(0);
  EXPECT_TRUE(boxes_.shown.empty()) << boxes_.shown[0].text;
  EXPECT_EQ(server_.Paths(), (std::vector<std::string>{"/VERSPRK.INF", "/PEKTOW.UPD", "/PEKTOW.SIG"}));
  EXPECT_EQ(Read("C:\\PEKTO\\pektow.exe"), "#!/bin/sh\necho update\n");
  EXPECT_EQ(Read(kHandOver), "C:\\PEKTO\r\nC\r\nPEKTO\r\nC:\\PEKTO\\HIS\r\n" + files_->CurrentDirectory() + "\r\n");
  ASSERT_EQ(programs_.launches.size(), 1u);
  EXPECT_EQ(programs_.launches[0], (ProgramLaunch{"C:\\PEKTO\\pektow.exe", {}, "C:\\PEKTO", LaunchMode::Detached}));
  EXPECT_EQ(mask_.buttons, std::vector<bool>{false});
  EXPECT_TRUE(mask_.ended);
}

TEST_F(OnlineTest, UpdateWithoutCheckSkipsTheOffer) {
  Install("2024.2", "15072024");
  Publish("2024.2", "15072024");
  Services().CheckVersion(2);
  EXPECT_TRUE(offers_.offers.empty());
  EXPECT_FALSE(Exists("C:\\PEKTO\\HIS01\\VERSPRK.INF"));
  EXPECT_EQ(programs_.launches.size(), 1u);
  EXPECT_TRUE(mask_.ended);
}

struct RefusedRow {
  const char* name;
  void (*spoil)(testing_support::LoopbackServer& server, const PublishResult& release);
  bool incomplete;  // "nicht vollständig übertragen" rather than the signature box
};
void PrintTo(const RefusedRow& row, std::ostream* out) { *out << row.name; }

class RefusedUpdateTest : public OnlineTest, public testing::WithParamInterface<RefusedRow> {};

TEST_P(RefusedUpdateTest, StartsNothingAndDeletesTheDownload) {
  Install("2024.2", "15072024");
  const PublishResult release = Publish("2024.2", "15072024");
  GetParam().spoil(server_, release);
  Services().CheckVersion(2);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "PEKTO Fehler!");
  EXPECT_EQ(boxes_.shown[0].text.starts_with("Das Update wurde nicht vollständig übertragen."), GetParam().incomplete)
      << boxes_.shown[0].text;
  if (!GetParam().incomplete) {
    EXPECT_EQ(boxes_.shown[0], online_message::UpdateNotAuthentic());
  }
  EXPECT_TRUE(programs_.launches.empty());
  for (const char* path : {"C:\\PEKTO\\PEKTOW.UPD", "C:\\PEKTO\\PEKTOW.SIG", "C:\\PEKTO\\pektow.exe", kHandOver}) {
    EXPECT_FALSE(Exists(path)) << path;
  }
  EXPECT_EQ(mask_.buttons, (std::vector<bool>{false, true}));
  EXPECT_FALSE(mask_.ended);
}

INSTANTIATE_TEST_SUITE_P(
    Updates, RefusedUpdateTest,
    testing::Values(
        RefusedRow{"TamperedArchive",
                   [](testing_support::LoopbackServer& server, const PublishResult& release) {
                     std::string archive = release.files.at("PEKTOW.UPD");
                     archive[archive.size() - 3] ^= 0x01;
                     server.Serve("/PEKTOW.UPD", OkReply(archive));
                   },
                   false},
        RefusedRow{"SignedWithAnotherKey",
                   [](testing_support::LoopbackServer& server, const PublishResult& release) {
                     const KeyPair other = GenerateKeyPair();
                     server.Serve("/PEKTOW.SIG", OkReply(SignDetached(release.files.at("PEKTOW.UPD"), other.secret_key)));
                   },
                   false},
        RefusedRow{"ShortSignature",
                   [](testing_support::LoopbackServer& server, const PublishResult& release) {
                     server.Serve("/PEKTOW.SIG", OkReply(release.files.at("PEKTOW.SIG").substr(0, 63)));
                   },
                   false},
        RefusedRow{"MissingSignature",
                   [](testing_support::LoopbackServer& server, const PublishResult&) {
                     server.Serve("/PEKTOW.SIG", StatusReply(404, "Not Found"));
                   },
                   true},
        RefusedRow{"TruncatedArchive",
                   [](testing_support::LoopbackServer& server, const PublishResult& release) {
                     const std::string& archive = release.files.at("PEKTOW.UPD");
                     server.Serve("/PEKTOW.UPD", {"HTTP/1.0 200 OK\r\nContent-Length: " +
                                                  std::to_string(archive.size()) + "\r\n\r\n" +
                                                  archive.substr(0, archive.size() / 2)});
                   },
                   true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OnlineTest, AnUpdateWithoutInstallerIsRefusedThoughSigned) {
  Install("2024.2", "15072024");
  auto release = testing_support::SmallRelease("2024.2", "15072024");
  Publish(release, keys_.secret_key);
  release.files.erase(release.files.begin() + 1);
  const auto archive = WriteArchive(release.files);
  server_.Serve("/PEKTOW.UPD", OkReply(*archive));
  server_.Serve("/PEKTOW.SIG", OkReply(SignDetached(*archive, keys_.secret_key)));
  Services().CheckVersion(2);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0], online_message::UpdateNotAuthentic());
}

TEST_F(OnlineTest, AnUpdateProgramThatDoesNotStartKeepsTheProgramRunning) {
  Publish("2024.2", "15072024");
  programs_.answer = {false, 5, 0};
  Services().CheckVersion(2);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0], online_message::UpdateProgramNotStarted(server_.HostAndPort()));
  EXPECT_NE(boxes_.shown[0].text.find("(" + server_.HostAndPort() + "). Im Anschluss"), std::string::npos);
  EXPECT_EQ(mask_.buttons, (std::vector<bool>{false, true}));
  EXPECT_FALSE(mask_.ended);
}

// The automatic check at start.
struct StartRow {
  const char* name;
  const char* settings;  // AUT_PRUESF.INF, nullptr = none
  const char* installed_version;
  const char* installed_date;
  const char* release_version;
  const char* release_date;
  bool fetches;
  bool hint;
};
void PrintTo(const StartRow& row, std::ostream* out) { *out << row.name; }
class AutomaticCheckTest : public OnlineTest, public testing::WithParamInterface<StartRow> {};

TEST_P(AutomaticCheckTest, ChecksAtMostOncePerDay) {
  const StartRow& row = GetParam();
  if (row.settings != nullptr) Write("C:\\PEKTO\\AUT_PRUESF.INF", row.settings);
  Install(row.installed_version, row.installed_date);
  Publish(row.release_version, row.release_date);
  Services().AutomaticStartCheck();
  EXPECT_EQ(!server_.Paths().empty(), row.fetches);
  if (row.hint) {
    ASSERT_EQ(boxes_.shown.size(), 1u);
    EXPECT_EQ(boxes_.shown[0], online_message::OutdatedAtStart());
    EXPECT_EQ(boxes_.shown[0].icon, MessageIcon::Stop);
  } else {
    EXPECT_TRUE(boxes_.shown.empty());
  }
  if (row.fetches) {
    EXPECT_EQ(Read("C:\\PEKTO\\AUT_PRUESF.INF"), std::string("1\r\n") + kToday + "\r\n");
  }
  EXPECT_FALSE(Exists("C:\\PEKTO\\HIS01\\AUT_VERSPRK.INF"));
  EXPECT_GE(mask_.refreshed, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Starts, AutomaticCheckTest,
    testing::Values(
        StartRow{"NewerReleaseOfTheSameYear", "1\r\n01-02-2026\r\n", "2024.1", "15012024", "2024.2", "15072024", true,
                 true},
        StartRow{"ReleaseOfAnotherYearStaysSilent", "1\r\n01-02-2026\r\n", "2024.2", "15072024", "2025.1",
                 "15012025", true, false},
        StartRow{"EqualDates", "1\r\n01-02-2026\r\n", "2024.2", "15072024", "2024.2", "15072024", true, false},
        StartRow{"SecondStartOnTheSameDay", "1\r\n12-08-2026\r\n", "2024.1", "15012024", "2024.2", "15072024",
                 false, false},
        StartRow{"SwitchedOff", "2\r\n01-02-2026\r\n", "2024.1", "15012024", "2024.2", "15072024", false, false},
        StartRow{"NotYetDecided", nullptr, "2024.1", "15012024", "2024.2", "15072024", false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OnlineTest, AFailingAutomaticCheckSaysSoButCountsForTheDay) {
  Write("C:\\PEKTO\\AUT_PRUESF.INF", "1\r\n01-02-2026\r\n");
  Services().AutomaticStartCheck();
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0], online_message::VersionFileNotRead());
  EXPECT_EQ(Read("C:\\PEKTO\\AUT_PRUESF.INF"), std::string("1\r\n") + kToday + "\r\n");
}

// The first-run question and the switch 5534/5535.
struct FirstRunRow {
  const char* name;
  MessageResult answer;
  bool server_up;
  const char* stored;
  std::size_t boxes;
};
void PrintTo(const FirstRunRow& row, std::ostream* out) { *out << row.name; }
class FirstRunTest : public OnlineTest, public testing::WithParamInterface<FirstRunRow> {};

TEST_P(FirstRunTest, StoresTheAnswer) {
  Write("C:\\PEKTO\\AUT_PRUESF.INF", "\r\n03-04-2026\r\n");
  if (GetParam().server_up) Publish("2024.2", "15072024");
  boxes_.answers.push_back(GetParam().answer);
  Services().FirstRunQuestion();
  ASSERT_EQ(boxes_.shown.size(), GetParam().boxes);
  EXPECT_EQ(boxes_.shown[0], online_message::FirstRunQuestion());
  EXPECT_EQ(Read("C:\\PEKTO\\AUT_PRUESF.INF"), std::string(GetParam().stored) + "\r\n03-04-2026\r\n");
  EXPECT_EQ(Services().StartCheckSetting(), GetParam().stored);
  EXPECT_FALSE(Exists("C:\\PEKTO\\HIS01\\AUT_VERSPRK.INF"));
}

INSTANTIATE_TEST_SUITE_P(Answers, FirstRunTest,
                         testing::Values(FirstRunRow{"No", MessageResult::No, true, "2", 1},
                                         FirstRunRow{"YesAndReachable", MessageResult::Yes, true, "1", 1},
                                         FirstRunRow{"YesButUnreachable", MessageResult::Yes, false, "2", 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OnlineTest, ADecidedSettingIsNotAskedAgain) {
  Write("C:\\PEKTO\\AUT_PRUESF.INF", "2\r\n\r\n");
  Services().FirstRunQuestion();
  EXPECT_TRUE(boxes_.shown.empty());
}

TEST_F(OnlineTest, TheSwitchKeepsTheDateOfTheLastCheck) {
  Write("C:\\PEKTO\\AUT_PRUESF.INF", "1\r\n03-04-2026\r\n");
  Services().SetStartCheckSetting("2");
  EXPECT_EQ(Read("C:\\PEKTO\\AUT_PRUESF.INF"), "2\r\n03-04-2026\r\n");
  EXPECT_EQ(Services().StartCheckSetting(), "2");
  EXPECT_GE(mask_.refreshed, 1);
}

// The web pages behind the probe file.
struct PageRow {
  const char* name;
  VendorPage page;
  const char* path;
};
void PrintTo(const PageRow& row, std::ostream* out) { *out << row.name; }
class VendorPageTest : public OnlineTest, public testing::WithParamInterface<PageRow> {};

TEST_P(VendorPageTest, OpensThePageWhenTheProbeArrives) {
  server_.Serve("/JSUMMEN.COM", OkReply("PEKTO Verbindungsprobe 2024.2\r\n"));
  Services().OpenVendorPage(GetParam().page);
  EXPECT_TRUE(boxes_.shown.empty());
  EXPECT_EQ(documents_.documents, std::vector<std::string>{server_.Url(GetParam().path)});
}

TEST_P(VendorPageTest, SaysSoWhenTheProbeIsTooShort) {
  server_.Serve("/JSUMMEN.COM", OkReply("twenty bytes exactly"));
  Services().OpenVendorPage(GetParam().page);
  EXPECT_TRUE(documents_.documents.empty());
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0], online_message::VendorPageNotOpened(GetParam().page, server_.HostAndPort()));
}

INSTANTIATE_TEST_SUITE_P(Pages, VendorPageTest,
                         testing::Values(PageRow{"Homepage", VendorPage::Homepage, "/index.htm"},
                                         PageRow{"Terms", VendorPage::TermsOfBusiness, "/allgengebi.htm"},
                                         PageRow{"SiblingProduct", VendorPage::SiblingProduct, "/"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Start-up clean-up.
TEST_F(OnlineTest, CleanUpRemovesTheUpdateLeftovers) {
  for (const char* path : {"C:\\PEKTO\\ARCVAA.EXE", "C:\\PEKTO\\PEKTOW.EXE", "C:\\PEKTO\\PEKTOW.UPD",
                           "C:\\PEKTO\\PEKTOW.SIG", kHandOver, "C:\\LHWUEKT\\ARCVAI.EXE", "C:\\LHWUEKT\\INSTALL.EXE",
                           "C:\\LHWUEKT\\INPEKTO.chm", "C:\\LHWUEKT\\PEKTO.CHM"}) {
    Write(path, "x");
  }
  Write("C:\\LHWUEKT\\PEKTOW.LST", "INSTALL.EXE\r\nPEKTO.CHM\r\n..\r\n");
  Write("C:\\PEKTO\\LODAT2.SYS", "keep");
  Write("C:\\OTHER.TXT", "keep");
  Services().CleanUpUpdateLeftovers();
  for (const char* path : {"C:\\PEKTO\\PEKTOW.EXE", "C:\\PEKTO\\PEKTOW.UPD", kHandOver, "C:\\LHWUEKT\\PEKTO.CHM"}) {
    EXPECT_FALSE(Exists(path)) << path;
  }
  EXPECT_FALSE(files_->DirectoryExists("C:\\AUTOHWKTMP.TMP"));
  EXPECT_FALSE(files_->DirectoryExists("C:\\LHWUEKT"));
  EXPECT_TRUE(Exists("C:\\PEKTO\\LODAT2.SYS"));
  EXPECT_TRUE(Exists("C:\\OTHER.TXT"));
}

TEST_F(OnlineTest, CleanUpLeavesAFolderWithForeignFiles) {
  Write("C:\\LHWUEKT\\INSTALL.EXE", "x");
  Write("C:\\LHWUEKT\\BRIEF.DOC", "mine");
  const auto removed = RemoveUpdateLeftovers(*files_, "C:\\PEKTO");
  EXPECT_EQ(removed, std::vector<std::string>{"C:\\LHWUEKT\\INSTALL.EXE"});
  EXPECT_TRUE(Exists("C:\\LHWUEKT\\BRIEF.DOC"));
}

TEST_F(OnlineTest, TheStartMaskShowsTheInstalledVersionAndTheLastCheck) {
  Install("2024.2", "15072024");
  Write("C:\\PEKTO\\INTAUTOUP.DAT", "03-04-2026\r\n");
  EXPECT_EQ(Services().VersionLines(),
            (std::vector<std::string>{"Version 2024.2, Stand 15.07.2024", "Letzte Online-Prüfung: 03-04-2026"}));
}

}  // namespace
}  // namespace pekto
