#include "app/startup/install_paths.h"

#include "platform/dos_path.h"

namespace pekto {

std::string InstallPaths::InstallRoot() const {
  std::string root = drive + ":";
  if (!dir.empty()) root += "\\" + dir;
  return root;
}

std::string InstallPaths::HistoryDir() const { return InstallRoot() + "\\HIS" + user_dir; }

std::string InstallPaths::File(std::string_view name) const { return JoinDos(InstallRoot(), name); }

std::string InstallPaths::UserDataDir() const { return JoinDos(InstallRoot(), user_dir); }

std::string UserDirFromNumber(int user_number) { return (user_number < 10 ? "0" : "") + std::to_string(user_number); }

std::string NormaliseInstallDir(std::string_view dir) {
  const auto is_trimmed = [](char c) { return c == '\\' || c == '/' || c == ' '; };
  while (!dir.empty() && is_trimmed(dir.front())) dir.remove_prefix(1);
  while (!dir.empty() && is_trimmed(dir.back())) dir.remove_suffix(1);
  return std::string(dir);
}

}  // namespace pekto
