#include "online/tests/loopback_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace pekto::testing_support {

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kSliceMs = 20;
constexpr auto kRequestTimeout = std::chrono::seconds(5);
constexpr auto kStallLimit = std::chrono::seconds(20);

bool Readable(int fd) {
  pollfd entry{fd, POLLIN, 0};
  return ::poll(&entry, 1, kSliceMs) > 0;
}

bool SendAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(sent));
  }
  return true;
}

std::string PathOf(const std::string& request) {
  const auto first = request.find(' ');
  const auto second = request.find(' ', first + 1);
  if (first == std::string::npos || second == std::string::npos) return {};
  return request.substr(first + 1, second - first - 1);
}

}  // namespace

LoopbackReply OkReply(std::string_view body, bool with_length) {
  std::string bytes = "HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\n";
  if (with_length) bytes += "Content-Length: " + std::to_string(body.size()) + "\r\n";
  bytes += "\r\n";
  bytes += body;
  return {bytes};
}

LoopbackReply StatusReply(int status, std::string_view reason, std::string_view body) {
  return {"HTTP/1.0 " + std::to_string(status) + " " + std::string(reason) +
          "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + std::string(body)};
}

LoopbackServer::LoopbackServer(std::chrono::seconds lifetime) {
  listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  socklen_t length = sizeof address;
  if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      ::listen(listener_, 8) != 0 || ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    throw std::runtime_error("no loopback socket");
  }
  port_ = ntohs(address.sin_port);
  thread_ = std::thread([this, end = Clock::now() + lifetime] { Run(end); });
}

LoopbackServer::~LoopbackServer() {
  stop_ = true;
  thread_.join();
  ::close(listener_);
}

void LoopbackServer::Serve(const std::string& path, LoopbackReply reply) {
  const std::lock_guard lock(mutex_);
  replies_[path] = std::move(reply);
}

void LoopbackServer::ServeFolder(const std::string& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::ifstream in(entry.path(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    Serve("/" + entry.path().filename().string(), OkReply(bytes.str()));
  }
}

std::vector<std::string> LoopbackServer::Requests() const {
  const std::lock_guard lock(mutex_);
  return requests_;
}

std::vector<std::string> LoopbackServer::Paths() const {
  std::vector<std::string> paths;
  for (const auto& request : Requests()) paths.push_back(PathOf(request));
  return paths;
}

void LoopbackServer::Run(Clock::time_point end) {
  while (!stop_ && Clock::now() < end) {
    if (!Readable(listener_)) continue;
    const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) continue;
    Answer(client, end);
    ::close(client);
  }
}

void LoopbackServer::Answer(int client, Clock::time_point end) {
  std::string request;
  const auto request_end = Clock::now() + kRequestTimeout;
  char chunk[4096];
  while (request.find("\r\n\r\n") == std::string::npos && !stop_ && Clock::now() < request_end) {
    if (!Readable(client)) continue;
    const ssize_t got = ::recv(client, chunk, sizeof chunk, 0);
    if (got <= 0) return;
    request.append(chunk, static_cast<std::size_t>(got));
  }
  LoopbackReply reply = StatusReply(404, "Not Found", "not here");
  {
    const std::lock_guard lock(mutex_);
    requests_.push_back(request);
    if (const auto found = replies_.find(PathOf(request)); found != replies_.end()) reply = found->second;
  }
  if (!SendAll(client, reply.bytes)) return;
  const std::string filler(64 * 1024, 'x');
  for (std::size_t left = reply.filler_bytes; left > 0 && !stop_;) {
    const std::size_t part = std::min(left, filler.size());
    if (!SendAll(client, std::string_view(filler).substr(0, part))) return;
    left -= part;
  }
  if (reply.stall) {
    const auto stall_end = std::min(end, Clock::now() + kStallLimit);
    while (!stop_ && Clock::now() < stall_end) {
      if (Readable(client) && ::recv(client, chunk, sizeof chunk, 0) <= 0) return;  // the client gave up
    }
  }
}

}  // namespace pekto::testing_support
