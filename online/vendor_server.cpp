#include "online/vendor_server.h"

#include <charconv>

#include "platform/dos_file_system.h"
#include "platform/value_lines.h"

namespace pekto {

namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool ValidHost(std::string_view host) {
  if (host.empty()) return false;
  for (const char c : host) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-';
    if (!ok) return false;
  }
  return true;
}

std::optional<int> ParsePort(std::string_view text) {
  int port = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
  if (error != std::errc() || end != text.data() + text.size() || port < 1 || port > 65535) return std::nullopt;
  return port;
}

}  // namespace

std::string VendorServer::Url(std::string_view path) const { return "http://" + WebAddress() + std::string(path); }

std::string VendorServer::WebAddress() const {
  return port == kDefaultVendorPort ? host : host + ":" + std::to_string(port);
}

std::optional<VendorServer> ParseVendorServer(std::string_view text) {
  text = Trimmed(text);
  VendorServer server;
  const auto colon = text.rfind(':');
  if (colon != std::string_view::npos) {
    const auto port = ParsePort(text.substr(colon + 1));
    if (!port) return std::nullopt;
    server.port = *port;
    text = text.substr(0, colon);
  }
  if (!ValidHost(text)) return std::nullopt;
  server.host = std::string(text);
  return server;
}

VendorServer ReadVendorServer(const DosFileSystem& files, std::string_view settings_path,
                              const std::optional<std::string>& environment_value) {
  VendorServer server;
  if (const auto bytes = files.ReadFile(settings_path)) {
    ValueLineReader reader(*bytes);
    const std::string_view host = Trimmed(StripQuotes(reader.Next().value_or("")));
    const std::string_view port_text = Trimmed(StripQuotes(reader.Next().value_or("")));
    if (ValidHost(host)) {
      const auto port = port_text.empty() ? std::optional<int>(kDefaultVendorPort) : ParsePort(port_text);
      if (port) server = VendorServer{std::string(host), *port};
    }
  }
  if (environment_value) {
    if (const auto overridden = ParseVendorServer(*environment_value)) server = *overridden;
  }
  return server;
}

}  // namespace pekto
