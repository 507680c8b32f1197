// Whole-file reading and atomic replacement on the host file system: the
// new content goes into a temporary file beside the target, which is then
// renamed over it, so that a crash never leaves half a file.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pekto {

struct WriteResult {
  bool ok = false;
  int error_number = 0;  // errno of the failing step
};

// Files larger than this are treated as unreadable rather than read whole.
inline constexpr std::uintmax_t kMaxReadableFileSize = 64u * 1024u * 1024u;

[[nodiscard]] std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);
// Keeps the permissions of a replaced file; a new file gets 0666 less umask.
[[nodiscard]] WriteResult ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace pekto
