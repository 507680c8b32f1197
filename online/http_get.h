// The HTTP/1.0 fetch of the online services: our own GET over a TCP
// socket, the request lines in their fixed order, and the evaluation of the
// response (status 2xx, Content-Length, the body after the first empty
// line). Every failure yields the empty text.
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pekto {

// What the fetch tells its screen: the bar's range, one step per stage and
// per received chunk, and Wait() while it waits on the network (often
// enough for the screen to repaint).
class FetchProgress {
 public:
  virtual ~FetchProgress() = default;
  virtual void Begin(int range) = 0;
  virtual void Step() = 0;
  virtual void Wait() = 0;
  virtual void End() = 0;
};

class NoFetchProgress final : public FetchProgress {
 public:
  void Begin(int) override {}
  void Step() override {}
  void Wait() override {}
  void End() override {}
};

struct HttpTarget {
  std::string host;  // as written in the URL, with ":port" when given
  std::string name;  // the host without the port
  int port = 80;
  std::string path;  // "/" when the URL has none
  bool operator==(const HttpTarget&) const = default;
};

// "http://www.example.de/VERSPRK.INF" -> host "www.example.de", path
// "/VERSPRK.INF"; nullopt for an empty host or a bad port.
[[nodiscard]] std::optional<HttpTarget> SplitUrl(std::string_view url);

// The request as sent, every line ended by CR LF, in Windows-1252.
[[nodiscard]] std::string BuildRequest(const HttpTarget& target, std::string_view local_ipv4,
                                       std::string_view web_address);

// The body of a complete 2xx response, or nullopt.
[[nodiscard]] std::optional<std::string> EvaluateResponse(std::string_view response);

struct HttpOptions {
  std::string web_address;  // shown in the User-Agent
  // A connection that makes no progress this long is given up, so that a
  // stalled server cannot freeze the program.
  std::chrono::milliseconds stall_timeout{30000};
  // Nothing the vendor publishes comes near this; a larger response fails.
  std::size_t max_response_bytes = 64u * 1024u * 1024u;
  // The bar has 2000 steps for a URL ending in this name, else 5.
  std::string large_download_suffix;
};

// The bar's range for a URL.
[[nodiscard]] int ProgressRangeFor(std::string_view url, const HttpOptions& options);

[[nodiscard]] std::string HttpGet(std::string_view url, const HttpOptions& options, FetchProgress& progress);

// What the online services fetch through: the dialogs put the progress
// dialog behind it, the tests none.
class HttpClient {
 public:
  virtual ~HttpClient() = default;
  [[nodiscard]] virtual std::string Get(std::string_view url, const HttpOptions& options) = 0;
};

}  // namespace pekto

namespace pekto {

class PlainHttpClient final : public HttpClient {
 public:
  std::string Get(std::string_view url, const HttpOptions& options) override {
    NoFetchProgress progress;
    return HttpGet(url, options, progress);
  }
};

}  // namespace pekto
