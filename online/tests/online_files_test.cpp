#include "online/online_files.h"

#include <gtest/gtest.h>

#include "online/tests/online_fixture.h"
#include "online/vendor_server.h"

namespace pekto {
namespace {

using testing_support::OnlineTest;

TEST(OnlineFilesTest, TheUpdateOfferTakesCaptionAndNotesWithinTheirLimits) {
  std::string file = "2024.2\r\n15072024\r\n" + std::string(200, 'T') + "\r\n";
  for (int line = 4; line <= 120; ++line) file += "Zeile " + std::to_string(line) + "\r\n";
  const UpdateOffer offer = ParseUpdateOffer(file);
  EXPECT_EQ(offer.caption, std::string(150, 'T'));
  EXPECT_TRUE(offer.notes.starts_with("Zeile 4\r\nZeile 5\r\n"));
  EXPECT_TRUE(offer.notes.ends_with("Zeile 100\r\n"));
  const UpdateOffer longer = ParseUpdateOffer("a\r\nb\r\nc\r\n" + std::string(9000, 'x') + "\r\n");
  EXPECT_EQ(longer.notes, std::string(8000, 'x'));
  EXPECT_EQ(ParseUpdateOffer("a\r\nb\r\nTitel \xFC\n\xC4nderung").notes, "Änderung\r\n");
  EXPECT_EQ(ParseUpdateOffer("a\r\nb\r\nTitel \xFC\n").caption, "Titel ü");
  EXPECT_EQ(ParseUpdateOffer(""), UpdateOffer{});
}

TEST(OnlineFilesTest, DatesAsTheRunTimeWritesAndTheBoxShowsThem) {
  std::tm day{};
  day.tm_year = 126;
  day.tm_mon = 7;
  day.tm_mday = 3;
  EXPECT_EQ(DateText(day), "08-03-2026");
  EXPECT_EQ(ReleaseDateShown("15072024"), "15.07.2024");
  EXPECT_EQ(ReleaseDateShown("1507202"), "1507202");
  EXPECT_EQ(ReleaseDateShown(""), "");
}

TEST(OnlineFilesTest, TheHandOverHasFiveLines) {
  const HandOver hand_over{"C:\\PEKTO", "C", "PEKTO", "C:\\PEKTO\\HIS", "C:\\PEKTO"};
  EXPECT_EQ(SerializeHandOver(hand_over), "C:\\PEKTO\r\nC\r\nPEKTO\r\nC:\\PEKTO\\HIS\r\nC:\\PEKTO\r\n");
  EXPECT_EQ(ParseHandOver(SerializeHandOver(hand_over)), hand_over);
  EXPECT_FALSE(ParseHandOver("C:\\PEKTO\r\nC\r\n"));
}

TEST_F(OnlineTest, ADownloadReplacesAFileOnlyWithACompleteBody) {
  Write("C:\\PEKTO\\HIS01\\VERSPRK.INF", "old");
  server_.Serve("/good", testing_support::OkReply("new"));
  server_.Serve("/short", {"HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\nnew"});
  const HttpOptions options;
  EXPECT_EQ(DownloadToFile(http_, server_.Url("/short"), options, *files_, "C:\\PEKTO\\HIS01\\VERSPRK.INF"), 0u);
  EXPECT_EQ(Read("C:\\PEKTO\\HIS01\\VERSPRK.INF"), "old");
  EXPECT_EQ(DownloadToFile(http_, server_.Url("/good"), options, *files_, ""), 0u);
  EXPECT_EQ(DownloadToFile(http_, server_.Url("/good"), options, *files_, "C:\\PEKTO\\HIS01\\VERSPRK.INF"), 3u);
  EXPECT_EQ(Read("C:\\PEKTO\\HIS01\\VERSPRK.INF"), "new");
  EXPECT_EQ(files_->ListFiles("C:\\PEKTO\\HIS01"), std::vector<std::string>{"VERSPRK.INF"});
}

struct ServerRow {
  const char* name;
  const char* file;  // PEKTO_SERVER.INF, nullptr = none
  std::optional<std::string> environment;
  VendorServer expected;
};
void PrintTo(const ServerRow& row, std::ostream* out) { *out << row.name; }
class VendorServerTest : public OnlineTest, public testing::WithParamInterface<ServerRow> {};

TEST_P(VendorServerTest, ComesFromTheInstallationOrTheEnvironment) {
  if (GetParam().file != nullptr) Write("C:\\PEKTO\\PEKTO_SERVER.INF", GetParam().file);
  EXPECT_EQ(ReadVendorServer(*files_, "C:\\PEKTO\\PEKTO_SERVER.INF", GetParam().environment), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, VendorServerTest,
    testing::Values(ServerRow{"Default", nullptr, std::nullopt, {"www.pekto-lohn.de", 80}},
                    ServerRow{"FromTheFile", "updates.example.de\r\n8080\r\n", std::nullopt,
                              {"updates.example.de", 8080}},
                    ServerRow{"FileWithoutPort", "updates.example.de\r\n", std::nullopt, {"updates.example.de", 80}},
                    ServerRow{"DamagedFileKeepsTheDefault", "bad host/\r\nx\r\n", std::nullopt,
                              {"www.pekto-lohn.de", 80}},
                    ServerRow{"EnvironmentOverridesTheFile", "updates.example.de\r\n", "127.0.0.1:4711",
                              {"127.0.0.1", 4711}},
                    ServerRow{"BadEnvironmentIsIgnored", nullptr, "127.0.0.1:0", {"www.pekto-lohn.de", 80}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VendorServerTest, WebAddressAndUrls) {
  EXPECT_EQ(VendorServer{}.Url("/VERSPRK.INF"), "http://www.pekto-lohn.de/VERSPRK.INF");
  EXPECT_EQ(VendorServer{}.WebAddress(), "www.pekto-lohn.de");
  EXPECT_EQ((VendorServer{"127.0.0.1", 8080}.Url("/")), "http://127.0.0.1:8080/");
}

}  // namespace
}  // namespace pekto
