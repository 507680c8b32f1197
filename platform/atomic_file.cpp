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

mode_t ModeForReplacement(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) return info.st_mode & 07777;
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

WriteResult ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  std::string temp_path = path.string() + ".tmpXXXXXX";
  const mode_t mode = ModeForReplacement(path);
  const int fd = ::mkstemp(temp_path.data());
  if (fd < 0) return {false, errno};
  if (!WriteAll(fd, bytes) || ::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) return Failed(fd, temp_path);
  if (::close(fd) != 0) return Failed(-1, temp_path);
  if (::rename(temp_path.c_str(), path.c_str()) != 0) return Failed(-1, temp_path);
  return {true, 0};
}

}  // namespace pekto
