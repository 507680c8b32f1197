// Where the vendor's web server is. The installation may name it in
// "PEKTO_SERVER.INF" (line 1 the host, line 2 the port, in the style of
// the other settings files); the environment variable PEKTO_UPDATE_SERVER
// ("host" or "host:port") overrides the file, for tests and trials.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pekto {

class DosFileSystem;

inline constexpr std::string_view kDefaultVendorHost = "www.pekto-lohn.de";
inline constexpr int kDefaultVendorPort = 80;
inline constexpr std::string_view kServerSettingsFile = "PEKTO_SERVER.INF";
inline constexpr std::string_view kServerEnvironmentVariable = "PEKTO_UPDATE_SERVER";

struct VendorServer {
  std::string host{kDefaultVendorHost};
  int port = kDefaultVendorPort;

  // "http://host/path", with ":port" when it is not 80.
  [[nodiscard]] std::string Url(std::string_view path) const;
  // The web address the messages and the User-Agent name.
  [[nodiscard]] std::string WebAddress() const;
  bool operator==(const VendorServer&) const = default;
};

// "host" or "host:port"; nullopt for an empty host or a bad port.
[[nodiscard]] std::optional<VendorServer> ParseVendorServer(std::string_view text);

// The settings file in the installation, then the environment's override;
// a missing or damaged setting keeps the default.
[[nodiscard]] VendorServer ReadVendorServer(const DosFileSystem& files, std::string_view settings_path,
                                            const std::optional<std::string>& environment_value);

}  // namespace pekto
