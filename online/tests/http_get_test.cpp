#include "online/http_get.h"

#include <gtest/gtest.h>

#include "online/tests/loopback_server.h"

namespace pekto {
namespace {

using testing_support::LoopbackReply;
using testing_support::LoopbackServer;
using testing_support::OkReply;
using testing_support::StatusReply;
using Clock = std::chrono::steady_clock;

HttpOptions FastOptions() {
  HttpOptions options;
  options.web_address = "www.pekto-lohn.de";
  options.stall_timeout = std::chrono::milliseconds(400);
  options.max_response_bytes = 1024 * 1024;
  return options;
}

class CountingProgress final : public FetchProgress {
 public:
  void Begin(int r) override { range = r; }
  void Step() override { ++steps; }
  void Wait() override { ++waits; }
  void End() override { ended = true; }
  int range = 0;
  int steps = 0;
  int waits = 0;
  bool ended = false;
};

struct ResponseRow {
  const char* name;
  LoopbackReply reply;
  const char* body;  // the result; "" = failure
};
void PrintTo(const ResponseRow& row, std::ostream* out) { *out << row.name; }

class HttpResponseTest : public testing::TestWithParam<ResponseRow> {};

TEST_P(HttpResponseTest, TakesTheBodyOnlyOfACompleteSuccess) {
  LoopbackServer server;
  server.Serve("/VERSPRK.INF", GetParam().reply);
  CountingProgress progress;
  const auto start = Clock::now();
  EXPECT_EQ(HttpGet(server.Url("/VERSPRK.INF"), FastOptions(), progress), GetParam().body);
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
  EXPECT_TRUE(progress.ended);
  EXPECT_EQ(server.Paths(), std::vector<std::string>{"/VERSPRK.INF"});
}

LoopbackReply Raw(const char* bytes) { return {bytes}; }

INSTANTIATE_TEST_SUITE_P(
    Responses, HttpResponseTest,
    testing::Values(
        ResponseRow{"OkWithContentLength", OkReply("2024.2\r\n15072024\r\n"), "2024.2\r\n15072024\r\n"},
        ResponseRow{"OkWithoutContentLength", OkReply("any length at all", false), "any length at all"},
        ResponseRow{"Status299", Raw("HTTP/1.1 299 Whatever\r\n\r\nbody"), "body"},
        ResponseRow{"LengthLargerThanBodyIsTruncated", Raw("HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\n12345"), ""},
        ResponseRow{"LengthSmallerThanBody", Raw("HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\n12345"), ""},
        ResponseRow{"LengthNotANumber", Raw("HTTP/1.0 200 OK\r\nContent-Length: zehn\r\n\r\n12345"), ""},
        ResponseRow{"LengthWrittenInLowerCase", Raw("HTTP/1.0 200 OK\r\ncontent-length: 5\r\n\r\n12345"), "12345"},
        ResponseRow{"LengthLineInsideTheBodyIsBody", Raw("HTTP/1.0 200 OK\r\n\r\nx\r\nContent-Length: 99\r\n"),
                    "x\r\nContent-Length: 99\r\n"},
        ResponseRow{"MovedPermanently301", Raw("HTTP/1.0 301 Moved\r\nLocation: /neu\r\n\r\nmoved"), ""},
        ResponseRow{"Found302", Raw("HTTP/1.0 302 Found\r\nLocation: /neu\r\n\r\n"), ""},
        ResponseRow{"NotFound404", StatusReply(404, "Not Found", "nicht da"), ""},
        ResponseRow{"ServerError500", StatusReply(500, "Internal Server Error", "kaputt"), ""},
        ResponseRow{"FirstLineWithoutStatus", Raw("HTTP/1.0\r\n\r\nbody"), ""},
        ResponseRow{"FirstLineNotHttp", Raw("hallo welt\r\n\r\nbody"), ""},
        ResponseRow{"NoEmptyLineAfterTheHeaders", Raw("HTTP/1.0 200 OK\r\nContent-Length: 4\r\nbody"), ""},
        ResponseRow{"NothingAtAll", Raw(""), ""},
        ResponseRow{"StallsAfterTheHeaders", {"HTTP/1.0 200 OK\r\nContent-Length: 100\r\n\r\nabc", true, 0}, ""},
        ResponseRow{"StallsWithoutAWord", {"", true, 0}, ""},
        ResponseRow{"HugeBody", {"HTTP/1.0 200 OK\r\n\r\n", false, 2 * 1024 * 1024}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HttpGetTest, SendsTheRequestLinesInTheirOrder) {
  LoopbackServer server;
  server.Serve("/VERSPRK.INF", OkReply("x"));
  NoFetchProgress progress;
  ASSERT_EQ(HttpGet(server.Url("/VERSPRK.INF"), FastOptions(), progress), "x");
  ASSERT_EQ(server.Requests().size(), 1u);
  EXPECT_EQ(server.Requests()[0],
            "GET /VERSPRK.INF HTTP/1.0\r\n"
            "Accept: */*\r\n"
            "Accept-Language: en-us\r\n"
            "Host: " + server.HostAndPort() + "\r\n"
            "Pragma: no-cache\r\n"
            "Referer: PEKTO (Versionspr\xFC" "fung) (127.0.0.1)\r\n"
            "User-Agent: PEKTO Client (www.pekto-lohn.de)\r\n"
            "\r\n");
}

TEST(HttpGetTest, AUrlWithoutASlashAfterTheHostRequestsTheRoot) {
  LoopbackServer server;
  server.Serve("/", OkReply("root"));
  NoFetchProgress progress;
  EXPECT_EQ(HttpGet("http://" + server.HostAndPort(), FastOptions(), progress), "root");
  EXPECT_EQ(HttpGet(server.HostAndPort(), FastOptions(), progress), "root");
  EXPECT_EQ(server.Paths(), (std::vector<std::string>{"/", "/"}));
}

TEST(HttpGetTest, AClosedPortFailsAtOnce) {
  int port = 0;
  {
    LoopbackServer server;
    port = server.Port();
  }
  NoFetchProgress progress;
  EXPECT_EQ(HttpGet("http://127.0.0.1:" + std::to_string(port) + "/VERSPRK.INF", FastOptions(), progress), "");
}

TEST(HttpGetTest, AnEmptyUrlFetchesNothing) {
  CountingProgress progress;
  EXPECT_EQ(HttpGet("", FastOptions(), progress), "");
  EXPECT_EQ(progress.range, 0);
}

TEST(HttpGetTest, TheBarHasTwoThousandStepsForTheUpdateAndAStepPerChunk) {
  LoopbackServer server;
  server.Serve("/PEKTOW.UPD", OkReply(std::string(100000, 'u')));
  HttpOptions options = FastOptions();
  options.large_download_suffix = "PEKTOW.UPD";
  CountingProgress progress;
  EXPECT_EQ(HttpGet(server.Url("/PEKTOW.UPD"), options, progress).size(), 100000u);
  EXPECT_EQ(progress.range, 2000);
  EXPECT_GE(progress.steps, 3 + 1 + 1 + 1);
  EXPECT_EQ(ProgressRangeFor(server.Url("/VERSPRK.INF"), options), 5);
}

TEST(HttpGetTest, AStalledServerLetsTheScreenRepaintWhileWaiting) {
  LoopbackServer server;
  server.Serve("/VERSPRK.INF", {"", true, 0});
  CountingProgress progress;
  EXPECT_EQ(HttpGet(server.Url("/VERSPRK.INF"), FastOptions(), progress), "");
  EXPECT_GE(progress.waits, 3);
}

struct UrlRow {
  const char* name;
  const char* url;
  std::optional<HttpTarget> target;
};
void PrintTo(const UrlRow& row, std::ostream* out) { *out << row.name; }
class SplitUrlTest : public testing::TestWithParam<UrlRow> {};

TEST_P(SplitUrlTest, SplitsHostAndPath) { EXPECT_EQ(SplitUrl(GetParam().url), GetParam().target); }

INSTANTIATE_TEST_SUITE_P(
    Urls, SplitUrlTest,
    testing::Values(
        UrlRow{"WithScheme", "http://www.pekto-lohn.de/VERSPRK.INF",
               HttpTarget{"www.pekto-lohn.de", "www.pekto-lohn.de", 80, "/VERSPRK.INF"}},
        UrlRow{"WithoutScheme", "www.pekto-lohn.de/a/b.htm",
               HttpTarget{"www.pekto-lohn.de", "www.pekto-lohn.de", 80, "/a/b.htm"}},
        UrlRow{"HostOnly", "http://www.pekto-lohn.de", HttpTarget{"www.pekto-lohn.de", "www.pekto-lohn.de", 80, "/"}},
        UrlRow{"WithPort", "http://127.0.0.1:8080/x", HttpTarget{"127.0.0.1:8080", "127.0.0.1", 8080, "/x"}},
        UrlRow{"BadPort", "http://127.0.0.1:99999/x", std::nullopt},
        UrlRow{"NoHost", "http:///x", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pekto
