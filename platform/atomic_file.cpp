#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

namespace pekto {

namespace {

// Read from /proc rather than by setting and restoring the umask, which
// would briefly change it for every thread of the process.
mode_t ProcessUmask() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("Umask:", 0) == 0) return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
  }
  return 022;
}

constexpr std::string_view kTemporaryMark = ".tmp";
constexpr std::size_t kTemporaryLetters = 6;

bool IsTemporaryLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// The target name of a temporary of our naming scheme, or empty.
std::string_view TargetOfTemporary(std::string_view name) {
  const std::size_t suffix = kTemporaryMark.size() + kTemporaryLetters;
  if (name.size() <= suffix) return {};
  const std::string_view tail = name.substr(name.size() - suffix);
  if (tail.substr(0, kTemporaryMark.size()) != kTemporaryMark) return {};
  for (const char c : tail.substr(kTemporaryMark.size())) {
    if (!IsTemporaryLetter(c)) return {};
  }
  return name.substr(0, name.size() - suffix);
}

mode_t ModeForReplacement(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 07777;
  return 0666 & ~ProcessUmask();
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

WriteResult Failed(int fd, const std::string& temp_path) {
  const int error = errno;
  if (fd >= 0) ::close(fd);
  ::unlink(temp_path.c_str());
  return {false, error};
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  const auto size = std::filesystem::file_size(path, error);
  if (error || size > kMaxReadableFileSize) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool IsTemporaryOf(const std::string& name, const std::string& target_name) {
  return !target_name.empty() && TargetOfTemporary(name) == target_name;
}

void RemoveStaleTemporaries(const std::filesystem::path& dir, std::string_view target_suffix) {
  std::error_code error;
  std::vector<std::filesystem::path> stale;
  for (std::filesystem::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    const std::string_view target = TargetOfTemporary(name);
    if (target.empty() || !target.ends_with(target_suffix)) continue;
    std::error_code kind;
    if (it->is_symlink(kind) || !it->is_regular_file(kind)) continue;
    stale.push_back(it->path());
  }
  for (const auto& file : stale) std::filesystem::remove(file, error);
}

DirectorySyncObserver& SyncObserver() {
  static DirectorySyncObserver observer;
  return observer;
}

void SetDirectorySyncObserver(DirectorySyncObserver observer) { SyncObserver() = std::move(observer); }

bool SyncDirectory(const std::filesystem::path& dir) {
  if (SyncObserver()) SyncObserver()(dir);
  const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

WriteResult ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                  const std::filesystem::path& mode_of) {
  const std::filesystem::path dir = path.parent_path();
  {
    std::error_code error;
    const std::string target_name = path.filename().string();
    for (std::filesystem::directory_iterator it(dir.empty() ? "." : dir, error), end; !error && it != end;
         it.increment(error)) {
      std::error_code kind;
      if (IsTemporaryOf(it->path().filename().string(), target_name) && !it->is_symlink(kind) &&
          it->is_regular_file(kind)) {
        std::filesystem::remove(it->path(), kind);
      }
    }
  }
  std::string temp_path = path.string() + ".tmpXXXXXX";
  const mode_t mode = ModeForReplacement(mode_of.empty() ? path : mode_of);
  const int fd = ::mkstemp(temp_path.data());
  if (fd < 0) return {false, errno};
  if (!WriteAll(fd, bytes) || ::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) return Failed(fd, temp_path);
  if (::close(fd) != 0) return Failed(-1, temp_path);
  if (::rename(temp_path.c_str(), path.c_str()) != 0) return Failed(-1, temp_path);
  if (!SyncDirectory(dir)) return {false, errno};
  return {true, 0};
}

}  // namespace pekto
