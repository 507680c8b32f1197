#include "online/http_get.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>

#include "platform/code_page.h"

namespace pekto {

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kWaitSlice{50};
constexpr std::size_t kChunkBytes = 8192;
constexpr int kStepsBeforeConnect = 3;

class Socket {
 public:
  Socket() = default;
  ~Socket() { Close(); }
  Socket(const Socket&) = delete;
  Socket& operator=(const Socket&) = delete;
  void Reset(int fd) {
    Close();
    fd_ = fd;
  }
  void Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
  [[nodiscard]] int Fd() const { return fd_; }

 private:
  int fd_ = -1;
};

std::optional<int> ParsePort(std::string_view text) {
  int port = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
  if (error != std::errc() || end != text.data() + text.size() || port < 1 || port > 65535) return std::nullopt;
  return port;
}

// Waits until the socket is ready for `events`, letting the screen repaint
// meanwhile; false after the stall time-out.
bool WaitFor(int fd, short events, const HttpOptions& options, FetchProgress& progress) {
  const auto deadline = Clock::now() + options.stall_timeout;
  while (true) {
    pollfd entry{fd, events, 0};
    const int ready = ::poll(&entry, 1, static_cast<int>(kWaitSlice.count()));
    if (ready > 0) return true;
    if (ready < 0 && errno != EINTR) return false;
    if (Clock::now() >= deadline) return false;
    progress.Wait();
  }
}

bool Connect(Socket& socket, const HttpTarget& target, const HttpOptions& options, FetchProgress& progress) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  const std::string port = std::to_string(target.port);
  if (::getaddrinfo(target.name.c_str(), port.c_str(), &hints, &found) != 0 || found == nullptr) return false;
  bool connected = false;
  for (const addrinfo* a = found; a != nullptr && !connected; a = a->ai_next) {
    socket.Reset(::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol));
    if (socket.Fd() < 0) continue;
    if (::connect(socket.Fd(), a->ai_addr, a->ai_addrlen) == 0) {
      connected = true;
    } else if (errno == EINPROGRESS && WaitFor(socket.Fd(), POLLOUT, options, progress)) {
      int error = 0;
      socklen_t length = sizeof error;
      connected = ::getsockopt(socket.Fd(), SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
    }
  }
  ::freeaddrinfo(found);
  return connected;
}

// The local end of the connection: the address this machine is seen by.
std::string LocalIpv4(int fd) {
  sockaddr_in local{};
  socklen_t length = sizeof local;
  if (::getsockname(fd, reinterpret_cast<sockaddr*>(&local), &length) != 0 || local.sin_family != AF_INET) {
    return "0.0.0.0";
  }
  char text[INET_ADDRSTRLEN] = {};
  return ::inet_ntop(AF_INET, &local.sin_addr, text, sizeof text) != nullptr ? text : "0.0.0.0";
}

bool SendAll(int fd, std::string_view bytes, const HttpOptions& options, FetchProgress& progress) {
  while (!bytes.empty()) {
    const ssize_t sent = ::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (sent > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(sent));
    } else if (sent < 0 && (errno == EAGAIN || errno == EINTR)) {
      if (!WaitFor(fd, POLLOUT, options, progress)) return false;
    } else {
      return false;
    }
  }
  return true;
}

// Until the server closes the connection; false on an error, a stall or
// too large a response.
bool ReceiveAll(int fd, std::string& buffer, const HttpOptions& options, FetchProgress& progress) {
  char chunk[kChunkBytes];
  while (true) {
    if (!WaitFor(fd, POLLIN, options, progress)) return false;
    const ssize_t got = ::recv(fd, chunk, sizeof chunk, 0);
    if (got == 0) return true;
    if (got < 0) {
      if (errno == EAGAIN || errno == EINTR) continue;
      return false;
    }
    if (buffer.size() + static_cast<std::size_t>(got) > options.max_response_bytes) return false;
    buffer.append(chunk, static_cast<std::size_t>(got));
    progress.Step();
  }
}

bool HeaderNameIs(std::string_view line, std::string_view name) {
  if (line.size() < name.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(line[i]) != lower(name[i])) return false;
  }
  return true;
}

}  // namespace

std::optional<HttpTarget> SplitUrl(std::string_view url) {
  if (const auto scheme = url.find("http://"); scheme != std::string_view::npos) url.remove_prefix(scheme + 7);
  HttpTarget target;
  const auto slash = url.find('/');
  target.host = std::string(url.substr(0, slash));
  target.path = slash == std::string_view::npos ? "/" : std::string(url.substr(slash));
  target.name = target.host;
  if (const auto colon = target.host.rfind(':'); colon != std::string::npos) {
    const auto port = ParsePort(std::string_view(target.host).substr(colon + 1));
    if (!port) return std::nullopt;
    target.port = *port;
    target.name = target.host.substr(0, colon);
  }
  if (target.name.empty()) return std::nullopt;
  return target;
}

std::string BuildRequest(const HttpTarget& target, std::string_view local_ipv4, std::string_view web_address) {
  std::string request;
  const auto line = [&request](std::string_view text) {
    request += Utf8ToCp1252(text);
    request += "\r\n";
  };
  line("GET " + target.path + " HTTP/1.0");
  line("Accept: */*");
  line("Accept-Language: en-us");
  line("Host: " + target.host);
  line("Pragma: no-cache");
  line("Referer: PEKTO (Versionsprüfung) (" + std::string(local_ipv4) + ")");
  line("User-Agent: PEKTO Client (" + std::string(web_address) + ")");
  line("");
  return request;
}

std::optional<std::string> EvaluateResponse(std::string_view response) {
  if (response.empty()) return std::nullopt;
  const auto header_end = response.find("\r\n\r\n");
  if (header_end == std::string_view::npos) return std::nullopt;
  const std::string_view headers = response.substr(0, header_end + 2);
  const std::string_view status_line = headers.substr(0, headers.find("\r\n"));
  const auto first_blank = status_line.find(' ');
  if (first_blank == std::string_view::npos) return std::nullopt;
  std::string_view status_text = status_line.substr(first_blank + 1);
  status_text = status_text.substr(0, status_text.find(' '));
  int status = 0;
  const auto [end, error] = std::from_chars(status_text.data(), status_text.data() + status_text.size(), status);
  if (error != std::errc() || end != status_text.data() + status_text.size()) return std::nullopt;
  if (status < 200 || status >= 300) return std::nullopt;

  // The declared length is looked for in the header lines only, never in
  // the body.
  std::optional<std::size_t> declared;
  for (std::size_t pos = headers.find("\r\n"); pos != std::string_view::npos && pos + 2 < headers.size();) {
    const std::size_t start = pos + 2;
    pos = headers.find("\r\n", start);
    const std::string_view line = headers.substr(start, pos - start);
    constexpr std::string_view kName = "Content-Length:";
    if (!HeaderNameIs(line, kName)) continue;
    std::string_view value = line.substr(kName.size());
    while (!value.empty() && value.front() == ' ') value.remove_prefix(1);
    while (!value.empty() && value.back() == ' ') value.remove_suffix(1);
    std::size_t length = 0;
    const auto [value_end, value_error] = std::from_chars(value.data(), value.data() + value.size(), length);
    if (value_error != std::errc() || value_end != value.data() + value.size()) return std::nullopt;
    declared = length;
  }
  std::string body(response.substr(header_end + 4));
  if (declared && *declared != body.size()) return std::nullopt;
  return body;
}

int ProgressRangeFor(std::string_view url, const HttpOptions& options) {
  const std::string_view suffix = options.large_download_suffix;
  return !suffix.empty() && url.ends_with(suffix) ? 2000 : 5;
}

std::string HttpGet(std::string_view url, const HttpOptions& options, FetchProgress& progress) {
  if (url.empty()) return {};
  progress.Begin(ProgressRangeFor(url, options));
  std::string buffer;
  std::optional<std::string> result;
  Socket socket;
  if (const auto target = SplitUrl(url)) {
    for (int i = 0; i < kStepsBeforeConnect; ++i) progress.Step();
    if (Connect(socket, *target, options, progress)) {
      progress.Step();
      const std::string request = BuildRequest(*target, LocalIpv4(socket.Fd()), options.web_address);
      if (SendAll(socket.Fd(), request, options, progress) && ReceiveAll(socket.Fd(), buffer, options, progress)) {
        result = EvaluateResponse(buffer);
      }
    }
  }
  progress.Step();
  buffer.clear();
  socket.Close();
  progress.End();
  return result.value_or(std::string());
}

}  // namespace pekto
