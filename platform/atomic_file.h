// Whole-file reading and atomic replacement on the host file system: the
// new content goes into a temporary file beside the target, which is then
// renamed over it, so that a crash never leaves half a file.
#pragma once

#include <filesystem>
#include <functional>
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
// Keeps the permissions of a replaced file (or, when `mode_of` is given, of
// that file, so that a staged copy takes the mode of the file it is to
// replace); a new file gets 0666 less umask. Before writing, stale
// temporaries of an earlier, interrupted replacement of `path` are removed;
// after the rename the folder is synced, so that the rename survives a
// power cut once this returns.
[[nodiscard]] WriteResult ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                                const std::filesystem::path& mode_of = {});

// The temporary beside `target` while it is replaced: target + ".tmp" and
// six letters or digits (mkstemp's pattern).
[[nodiscard]] bool IsTemporaryOf(const std::string& name, const std::string& target_name);
// Removes the temporaries of interrupted replacements in `dir` whose target
// name ends with `target_suffix` (all our temporaries when empty); only
// regular files of that exact naming scheme are touched.
void RemoveStaleTemporaries(const std::filesystem::path& dir, std::string_view target_suffix);
// fsync of a folder, so that renames and creations in it are durable.
[[nodiscard]] bool SyncDirectory(const std::filesystem::path& dir);
// Called with the folder on every SyncDirectory (tests watch the order of
// renames and syncs through it); may be called from several threads.
using DirectorySyncObserver = std::function<void(const std::filesystem::path& dir)>;
void SetDirectorySyncObserver(DirectorySyncObserver observer);

}  // namespace pekto
