// The host file system seen through DOS path texts. Each drive letter is a
// folder "drive_<letter>" under the drives root (like Wine's drive_c), "Z:"
// is the host's root, and path components match without regard to case.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/atomic_file.h"

namespace pekto {

// The name of a host folder entry as the program sees it: UTF-8 names as
// they are; other bytes (names an older installation wrote in Windows-1252,
// or with the umlauts of DOS code page 437) decoded as the names in the
// program's files are (DosUmlautsToUtf8).
[[nodiscard]] std::string HostNameToUtf8(std::string_view host_name);

struct FolderEntry {
  std::string name;  // UTF-8 (HostNameToUtf8)
  bool regular_file = false;  // false: a folder, a FIFO, a device, a broken link
};

using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view name)>;
// The process environment (getenv).
[[nodiscard]] EnvironmentLookup SystemEnvironment();

// PEKTO_DRIVES when set; otherwise the per-user folder
// $XDG_DATA_HOME/pekto/drives, or ~/.local/share/pekto/drives.
[[nodiscard]] std::optional<std::filesystem::path> DrivesRootFromEnvironment(const EnvironmentLookup& env);

class DosFileSystem {
 public:
  explicit DosFileSystem(std::optional<std::filesystem::path> drives_root);

  // The Windows directory of the program's documents, a fixed folder.
  static constexpr std::string_view kWindowsDirectory = "C:\\WINDOWS";

  [[nodiscard]] const std::optional<std::filesystem::path>& DrivesRoot() const { return drives_root_; }
  // The host path of an absolute DOS path, each existing component found
  // without regard to case; nullopt for a text that is no absolute DOS path
  // or a drive without a drives root.
  [[nodiscard]] std::optional<std::filesystem::path> HostPath(std::string_view dos) const;
  // The DOS text of a host path: inside a drive's folder its letter, else Z:.
  [[nodiscard]] std::string DosPathOf(const std::filesystem::path& host) const;
  // The process's working directory as a DOS text.
  [[nodiscard]] std::string CurrentDirectory() const;

  [[nodiscard]] bool FileExists(std::string_view dos) const;
  [[nodiscard]] bool DirectoryExists(std::string_view dos) const;
  [[nodiscard]] std::optional<std::string> ReadFile(std::string_view dos) const;
  // `mode_of`, when given, names the file whose permissions the new file
  // takes (see ReplaceFileAtomically).
  [[nodiscard]] WriteResult ReplaceFile(std::string_view dos, std::string_view bytes,
                                        std::string_view mode_of = {}) const;
  bool DeleteFile(std::string_view dos) const;
  bool RemoveEmptyDirectory(std::string_view dos) const;
  bool CreateDirectories(std::string_view dos) const;
  // The read-only attribute: a file or folder without any write permission
  // bit (checked by bits, so that it holds for root too).
  [[nodiscard]] bool IsWriteProtected(std::string_view dos) const;
  // Names of the regular files in a folder, sorted.
  [[nodiscard]] std::vector<std::string> ListFiles(std::string_view dos_dir) const;
  // Every entry of a folder, sorted by name, with whether it is a file.
  [[nodiscard]] std::vector<FolderEntry> ListEntries(std::string_view dos_dir) const;
  // Something (a file, a folder, a FIFO ...) exists under the path.
  [[nodiscard]] bool EntryExists(std::string_view dos) const;

 private:
  [[nodiscard]] std::optional<std::filesystem::path> DriveFolder(char drive) const;

  std::optional<std::filesystem::path> drives_root_;
};

}  // namespace pekto
