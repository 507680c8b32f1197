#include "installer/install_target.h"

namespace pekto {

namespace fs = std::filesystem;

std::optional<std::uintmax_t> HostInstallTarget::FreeSpace(char drive) const {
  const auto root = files_.HostPath(std::string(1, drive) + ":\\");
  if (!root) return std::nullopt;
  std::error_code error;
  // The system drive C: is always there; on a fresh desktop its folder under
  // the drives root is made here.
  if (drive == 'C') fs::create_directories(*root, error);
  if (!fs::is_directory(*root, error)) return std::nullopt;
  const fs::space_info space = fs::space(*root, error);
  if (error) return std::nullopt;
  return space.available;
}

bool HostInstallTarget::ClearWriteProtection(std::string_view dos_file) const {
  const auto host = files_.HostPath(dos_file);
  if (!host) return false;
  std::error_code error;
  fs::permissions(*host, fs::perms::owner_write, fs::perm_options::add, error);
  return !error;
}

UnpackResult HostInstallTarget::Unpack(std::string_view archive, std::string_view folder) const {
  const auto host_archive = files_.HostPath(archive);
  const auto host_folder = files_.HostPath(folder);
  if (!host_archive) return {UnpackCode::Missing, {}, {}};
  if (!host_folder) return {UnpackCode::WriteFailed, {}, "kein Verzeichnis"};
  return UnpackArchive(*host_archive, *host_folder);
}

}  // namespace pekto
