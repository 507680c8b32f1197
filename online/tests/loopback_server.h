// A small HTTP server for the tests, on 127.0.0.1 only: serves scripted
// replies by path, records the requests, answers one connection at a time,
// and stops by itself after a bounded time even when a test forgets it.
#pragma once

#include <atomic>
#include <chrono>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace pekto::testing_support {

struct LoopbackReply {
  std::string bytes;               // status line, headers and body, as sent
  bool stall = false;              // then keep the connection open, silent
  std::size_t filler_bytes = 0;    // then this many more bytes of body
};

[[nodiscard]] LoopbackReply OkReply(std::string_view body, bool with_length = true);
[[nodiscard]] LoopbackReply StatusReply(int status, std::string_view reason, std::string_view body = "");

class LoopbackServer {
 public:
  explicit LoopbackServer(std::chrono::seconds lifetime = std::chrono::seconds(60));
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  void Serve(const std::string& path, LoopbackReply reply);
  // Serves every file of a folder under "/" + its name.
  void ServeFolder(const std::string& folder);
  [[nodiscard]] int Port() const { return port_; }
  [[nodiscard]] std::string HostAndPort() const { return "127.0.0.1:" + std::to_string(port_); }
  [[nodiscard]] std::string Url(const std::string& path) const { return "http://" + HostAndPort() + path; }
  [[nodiscard]] std::vector<std::string> Requests() const;
  // The paths requested, in order.
  [[nodiscard]] std::vector<std::string> Paths() const;

 private:
  void Run(std::chrono::steady_clock::time_point end);
  void Answer(int client, std::chrono::steady_clock::time_point end);

  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::map<std::string, LoopbackReply> replies_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

}  // namespace pekto::testing_support
