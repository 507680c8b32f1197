#include "platform/dos_file_system.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "platform/code_page.h"
#include "platform/dos_path.h"
#include "platform/utf8.h"

namespace pekto {

namespace fs = std::filesystem;

namespace {

// The entry of `dir` whose name equals `name` without regard to case; the
// exact name wins, otherwise the first match in sorted order.
// Names are compared as the program sees them (HostNameToUtf8), so that
// "JÄGER.031" finds the file an older installation named J\xC4GER.031.
std::optional<std::string> FindEntry(const fs::path& dir, const std::string& name) {
  std::error_code error;
  if (fs::symlink_status(dir / name, error).type() != fs::file_type::not_found && !error) return name;
  const std::string folded = FoldCase(name);
  std::optional<std::string> found;
  for (fs::directory_iterator it(dir, error), end; !error && it != end; it.increment(error)) {
    std::string candidate = it->path().filename().string();
    if (FoldCase(HostNameToUtf8(candidate)) == folded && (!found || candidate < *found)) found = std::move(candidate);
  }
  return found;
}

fs::path Resolve(fs::path base, const std::vector<std::string>& components) {
  bool searching = true;
  for (const auto& component : components) {
    std::optional<std::string> match;
    if (searching) match = FindEntry(base, component);
    searching = match.has_value();
    base /= match.value_or(component);
  }
  return base;
}

std::string DriveFolderName(char drive) {
  return std::string("drive_") + static_cast<char>(std::tolower(static_cast<unsigned char>(drive)));
}

}  // namespace

std::string HostNameToUtf8(std::string_view host_name) {
  if (IsValidUtf8(host_name)) return std::string(host_name);
  return DosUmlautsToUtf8(host_name);
}

EnvironmentLookup SystemEnvironment() {
  return [](std::string_view name) -> std::optional<std::string> {
    const char* value = std::getenv(std::string(name).c_str());
    if (value == nullptr) return std::nullopt;
    return std::string(value);
  };
}

std::optional<fs::path> DrivesRootFromEnvironment(const EnvironmentLookup& env) {
  const auto non_empty = [&env](std::string_view name) -> std::optional<std::string> {
    auto value = env(name);
    if (value && value->empty()) return std::nullopt;
    return value;
  };
  if (auto root = non_empty("PEKTO_DRIVES")) return fs::path(*root);
  if (auto data = non_empty("XDG_DATA_HOME")) return fs::path(*data) / "pekto" / "drives";
  if (auto home = non_empty("HOME")) return fs::path(*home) / ".local" / "share" / "pekto" / "drives";
  return std::nullopt;
}

DosFileSystem::DosFileSystem(std::optional<fs::path> drives_root) : drives_root_(std::move(drives_root)) {}

std::optional<fs::path> DosFileSystem::DriveFolder(char drive) const {
  if (drive == 'Z') return fs::path("/");
  if (!drives_root_) return std::nullopt;
  const std::string name = DriveFolderName(drive);
  return *drives_root_ / FindEntry(*drives_root_, name).value_or(name);
}

std::optional<fs::path> DosFileSystem::HostPath(std::string_view dos) const {
  const auto path = ParseDosPath(dos);
  if (!path) return std::nullopt;
  const auto folder = DriveFolder(path->drive);
  if (!folder) return std::nullopt;
  return Resolve(*folder, path->components);
}

std::string DosFileSystem::DosPathOf(const fs::path& host) const {
  const fs::path normal = host.lexically_normal();
  if (drives_root_) {
    const fs::path relative = normal.lexically_relative(drives_root_->lexically_normal());
    auto part = relative.begin();
    if (!relative.empty() && part != relative.end()) {
      const std::string first = FoldCase(part->string());
      if (first.size() == 7 && first.rfind("drive_", 0) == 0 && std::isalpha(static_cast<unsigned char>(first[6]))) {
        DosPath dos{static_cast<char>(std::toupper(static_cast<unsigned char>(first[6]))), {}};
        for (++part; part != relative.end(); ++part) {
          if (!part->empty() && *part != ".") dos.components.push_back(part->string());
        }
        return dos.Text();
      }
    }
  }
  DosPath dos{'Z', {}};
  for (const auto& part : normal.relative_path()) {
    if (!part.empty()) dos.components.push_back(part.string());
  }
  return dos.Text();
}

std::string DosFileSystem::CurrentDirectory() const {
  std::error_code error;
  const fs::path current = fs::current_path(error);
  return DosPathOf(error ? fs::path("/") : current);
}

bool DosFileSystem::FileExists(std::string_view dos) const {
  const auto host = HostPath(dos);
  std::error_code error;
  return host && fs::is_regular_file(*host, error);
}

bool DosFileSystem::DirectoryExists(std::string_view dos) const {
  const auto host = HostPath(dos);
  std::error_code error;
  return host && fs::is_directory(*host, error);
}

std::optional<std::string> DosFileSystem::ReadFile(std::string_view dos) const {
  const auto host = HostPath(dos);
  if (!host) return std::nullopt;
  return ReadWholeFile(*host);
}

WriteResult DosFileSystem::ReplaceFile(std::string_view dos, std::string_view bytes, std::string_view mode_of) const {
  const auto host = HostPath(dos);
  if (!host) return {false, ENOENT};
  std::optional<fs::path> mode_source;
  if (!mode_of.empty()) mode_source = HostPath(mode_of);
  return ReplaceFileAtomically(*host, bytes, mode_source.value_or(fs::path()));
}

bool DosFileSystem::DeleteFile(std::string_view dos) const {
  const auto host = HostPath(dos);
  std::error_code error;
  return host && fs::is_regular_file(*host, error) && fs::remove(*host, error);
}

bool DosFileSystem::RemoveEmptyDirectory(std::string_view dos) const {
  const auto host = HostPath(dos);
  std::error_code error;
  return host && fs::is_directory(*host, error) && fs::remove(*host, error);
}

bool DosFileSystem::CreateDirectories(std::string_view dos) const {
  const auto host = HostPath(dos);
  if (!host) return false;
  std::error_code error;
  fs::create_directories(*host, error);
  return fs::is_directory(*host, error);
}

bool DosFileSystem::IsWriteProtected(std::string_view dos) const {
  const auto host = HostPath(dos);
  struct stat info {};
  if (!host || ::stat(host->c_str(), &info) != 0) return false;
  return (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

std::vector<FolderEntry> DosFileSystem::ListEntries(std::string_view dos_dir) const {
  std::vector<FolderEntry> entries;
  const auto host = HostPath(dos_dir);
  if (!host) return entries;
  std::error_code error;
  for (fs::directory_iterator it(*host, error), end; !error && it != end; it.increment(error)) {
    std::error_code kind;
    entries.push_back({HostNameToUtf8(it->path().filename().string()), it->is_regular_file(kind)});
  }
  std::sort(entries.begin(), entries.end(),
            [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
  return entries;
}

std::vector<std::string> DosFileSystem::ListFiles(std::string_view dos_dir) const {
  std::vector<std::string> names;
  for (FolderEntry& entry : ListEntries(dos_dir)) {
    if (entry.regular_file) names.push_back(std::move(entry.name));
  }
  return names;
}

bool DosFileSystem::EntryExists(std::string_view dos) const {
  const auto host = HostPath(dos);
  std::error_code error;
  return host && fs::symlink_status(*host, error).type() != fs::file_type::not_found && !error;
}

}  // namespace pekto
