#include "online/update_archive.h"

#include <sodium.h>

#include <cstdlib>

#include "platform/utf8.h"

namespace pekto {

namespace {

constexpr std::string_view kMagic = "PEKTOUPD1";
constexpr std::size_t kMaxEntries = 256;
constexpr std::size_t kMaxNameLength = 64;

void EnsureSodium() {
  if (sodium_init() < 0) std::abort();  // no usable random source: nothing can be trusted
}

void AppendNumber(std::string& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

class Reader {
 public:
  explicit Reader(std::string_view bytes) : bytes_(bytes) {}
  std::optional<std::uint64_t> Number(int bytes) {
    if (Left() < static_cast<std::size_t>(bytes)) return std::nullopt;
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) {
      value |= static_cast<std::uint64_t>(static_cast<unsigned char>(bytes_[pos_ + i])) << (8 * i);
    }
    pos_ += static_cast<std::size_t>(bytes);
    return value;
  }
  std::optional<std::string_view> Bytes(std::uint64_t count) {
    if (Left() < count) return std::nullopt;
    const std::string_view part = bytes_.substr(pos_, count);
    pos_ += count;
    return part;
  }
  [[nodiscard]] std::size_t Left() const { return bytes_.size() - pos_; }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

template <std::size_t N>
std::optional<std::array<unsigned char, N>> FromHex(std::string_view hex) {
  while (!hex.empty() && (hex.back() == '\n' || hex.back() == '\r' || hex.back() == ' ')) hex.remove_suffix(1);
  if (hex.size() != 2 * N) return std::nullopt;
  std::array<unsigned char, N> out{};
  std::size_t written = 0;
  if (sodium_hex2bin(out.data(), N, hex.data(), hex.size(), nullptr, &written, nullptr) != 0 || written != N) {
    return std::nullopt;
  }
  return out;
}

bool UniqueNames(const std::vector<ArchiveEntry>& entries) {
  for (std::size_t i = 0; i < entries.size(); ++i) {
    for (std::size_t j = i + 1; j < entries.size(); ++j) {
      if (FoldCase(entries[i].name) == FoldCase(entries[j].name)) return false;
    }
  }
  return true;
}

}  // namespace

bool IsArchiveFileName(std::string_view name) {
  if (name.empty() || name.size() > kMaxNameLength || name == "." || name == "..") return false;
  for (const char c : name) {
    const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                    c == '_' || c == '-';
    if (!ok) return false;
  }
  return true;
}

std::optional<std::string> WriteArchive(const std::vector<ArchiveEntry>& entries) {
  if (entries.size() > kMaxEntries || !UniqueNames(entries)) return std::nullopt;
  std::string out(kMagic);
  AppendNumber(out, entries.size(), 4);
  for (const auto& entry : entries) {
    if (!IsArchiveFileName(entry.name)) return std::nullopt;
    AppendNumber(out, entry.name.size(), 2);
    out += entry.name;
    out.push_back(entry.executable ? '\1' : '\0');
    AppendNumber(out, entry.bytes.size(), 8);
    out += entry.bytes;
  }
  return out;
}

std::optional<std::vector<ArchiveEntry>> ReadArchive(std::string_view bytes) {
  if (!bytes.starts_with(kMagic)) return std::nullopt;
  Reader reader(bytes.substr(kMagic.size()));
  const auto count = reader.Number(4);
  if (!count || *count > kMaxEntries) return std::nullopt;
  std::vector<ArchiveEntry> entries;
  for (std::uint64_t i = 0; i < *count; ++i) {
    const auto name_length = reader.Number(2);
    const auto name = name_length ? reader.Bytes(*name_length) : std::nullopt;
    const auto flags = name ? reader.Number(1) : std::nullopt;
    const auto size = flags ? reader.Number(8) : std::nullopt;
    const auto data = size ? reader.Bytes(*size) : std::nullopt;
    if (!data || !IsArchiveFileName(*name) || *flags > 1) return std::nullopt;
    entries.push_back({std::string(*name), *flags == 1, std::string(*data)});
  }
  if (reader.Left() != 0 || !UniqueNames(entries)) return std::nullopt;
  return entries;
}

const ArchiveEntry* FindEntry(const std::vector<ArchiveEntry>& entries, std::string_view name) {
  for (const auto& entry : entries) {
    if (FoldCase(entry.name) == FoldCase(name)) return &entry;
  }
  return nullptr;
}

std::string SignDetached(std::string_view message, const SecretKey& key) {
  EnsureSodium();
  std::string signature(crypto_sign_BYTES, '\0');
  crypto_sign_detached(reinterpret_cast<unsigned char*>(signature.data()), nullptr,
                       reinterpret_cast<const unsigned char*>(message.data()), message.size(), key.data());
  return signature;
}

bool VerifyDetached(std::string_view message, std::string_view signature, const PublicKey& key) {
  EnsureSodium();
  if (signature.size() != crypto_sign_BYTES) return false;
  return crypto_sign_verify_detached(reinterpret_cast<const unsigned char*>(signature.data()),
                                     reinterpret_cast<const unsigned char*>(message.data()), message.size(),
                                     key.data()) == 0;
}

KeyPair GenerateKeyPair() {
  EnsureSodium();
  KeyPair pair;
  crypto_sign_keypair(pair.public_key.data(), pair.secret_key.data());
  return pair;
}

std::string ToHex(std::string_view bytes) {
  std::string hex(bytes.size() * 2 + 1, '\0');
  sodium_bin2hex(hex.data(), hex.size(), reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  hex.pop_back();
  return hex;
}

std::optional<PublicKey> PublicKeyFromHex(std::string_view hex) { return FromHex<32>(hex); }
std::optional<SecretKey> SecretKeyFromHex(std::string_view hex) { return FromHex<64>(hex); }

PublicKey ReleasePublicKey() {
  static const PublicKey key = PublicKeyFromHex(PEKTO_RELEASE_PUBLIC_KEY).value_or(PublicKey{});
  return key;
}

std::optional<std::vector<ArchiveEntry>> VerifiedArchive(std::string_view archive, std::string_view signature,
                                                         const PublicKey& key) {
  if (!VerifyDetached(archive, signature, key)) return std::nullopt;
  return ReadArchive(archive);
}

}  // namespace pekto
