// The paths of an installation as DOS texts: drive and directory from the
// system file, the logged-in user's data directory "01".."18", and the
// history directory.
#pragma once

#include <string>
#include <string_view>

namespace pekto {

struct InstallPaths {
  std::string drive;     // "C"
  std::string dir;       // "PEKTO"; empty means the drive's root
  std::string user_dir;  // "01".."18"; empty before the login

  // "C:\PEKTO", or "C:" without a directory.
  [[nodiscard]] std::string InstallRoot() const;
  // "C:\PEKTO\HIS01", or "C:\HIS01" without a directory.
  [[nodiscard]] std::string HistoryDir() const;
  // A file of the installation: "C:\PEKTO\LOHNAR.DAT" or "C:\LOHNAR.DAT".
  [[nodiscard]] std::string File(std::string_view name) const;
  // The user's data directory: "C:\PEKTO\01" or "C:\01".
  [[nodiscard]] std::string UserDataDir() const;
  bool operator==(const InstallPaths&) const = default;
};

// 1 -> "01", 18 -> "18".
[[nodiscard]] std::string UserDirFromNumber(int user_number);

// The directory as the system file holds it, without drive, surrounding
// "\" or blanks.
[[nodiscard]] std::string NormaliseInstallDir(std::string_view dir);

}  // namespace pekto
