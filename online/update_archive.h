// The signed update: an archive of plain files (name, executable mark,
// bytes) and its detached Ed25519 signature. Nothing of an update is
// written or started before the signature over the whole archive holds
// against the release key built into the program.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pekto {

// The files of an update on the vendor's server and in the installation.
inline constexpr std::string_view kUpdateArchiveName = "PEKTOW.UPD";
inline constexpr std::string_view kUpdateSignatureName = "PEKTOW.SIG";
// Inside the archive: the update program and the installer it runs.
inline constexpr std::string_view kUpdateProgramName = "pektow.exe";
inline constexpr std::string_view kInstallerName = "INSTALL.EXE";

using PublicKey = std::array<unsigned char, 32>;
using SecretKey = std::array<unsigned char, 64>;
inline constexpr std::size_t kSignatureBytes = 64;

struct ArchiveEntry {
  std::string name;  // a plain file name: letters, digits, ".", "_", "-"
  bool executable = false;
  std::string bytes;
  bool operator==(const ArchiveEntry&) const = default;
};

// A plain file name, no path, no "." or "..", at most 64 characters.
[[nodiscard]] bool IsArchiveFileName(std::string_view name);

// nullopt for a bad name, a name twice (without regard to case) or too
// many files.
[[nodiscard]] std::optional<std::string> WriteArchive(const std::vector<ArchiveEntry>& entries);
// nullopt for anything but a complete, well-formed archive.
[[nodiscard]] std::optional<std::vector<ArchiveEntry>> ReadArchive(std::string_view bytes);
[[nodiscard]] const ArchiveEntry* FindEntry(const std::vector<ArchiveEntry>& entries, std::string_view name);

[[nodiscard]] std::string SignDetached(std::string_view message, const SecretKey& key);
[[nodiscard]] bool VerifyDetached(std::string_view message, std::string_view signature, const PublicKey& key);

struct KeyPair {
  PublicKey public_key{};
  SecretKey secret_key{};
};
[[nodiscard]] KeyPair GenerateKeyPair();

[[nodiscard]] std::string ToHex(std::string_view bytes);
template <std::size_t N>
[[nodiscard]] std::string ToHex(const std::array<unsigned char, N>& bytes) {
  return ToHex(std::string_view(reinterpret_cast<const char*>(bytes.data()), N));
}
[[nodiscard]] std::optional<PublicKey> PublicKeyFromHex(std::string_view hex);
[[nodiscard]] std::optional<SecretKey> SecretKeyFromHex(std::string_view hex);

// The vendor's release key, built into the program.
[[nodiscard]] PublicKey ReleasePublicKey();

// The archive verified and read: nullopt when the signature does not hold
// or the archive is damaged.
[[nodiscard]] std::optional<std::vector<ArchiveEntry>> VerifiedArchive(std::string_view archive,
                                                                       std::string_view signature,
                                                                       const PublicKey& key);

}  // namespace pekto
