#include "tools/stored_month.h"

#include <algorithm>
#include <cctype>

#include "app/files/employee_files.h"
#include "platform/atomic_file.h"

namespace pekto {

namespace fs = std::filesystem;

bool LooksLikeDosPath(std::string_view text) {
  return text.size() >= 2 && std::isalpha(static_cast<unsigned char>(text[0])) != 0 && text[1] == ':';
}

std::optional<fs::path> HostPathOfArgument(const DosFileSystem& files, std::string_view argument) {
  if (LooksLikeDosPath(argument)) return files.HostPath(argument);
  return fs::path(argument);
}

std::optional<std::string> LoadStoredMonth(std::string_view bytes, EmployeeRecord& record) {
  const RecordFileRead read = ParseRecordFile(bytes);
  if (read.status != ReadStatus::Ok) return "Die Datei ist beschädigt und kann nicht geladen werden.";
  ApplyLoadedBlock(read.values, LoadVariant::Complete, record);
  return std::nullopt;
}

std::optional<std::string> LoadStoredMonthFile(const fs::path& path, EmployeeRecord& record) {
  std::error_code error;
  const std::string shown = HostNameToUtf8(path.string());
  if (!fs::is_regular_file(path, error)) {
    std::error_code kind;
    if (fs::symlink_status(path, kind).type() != fs::file_type::not_found && !kind) {
      return "Datei " + shown + " ist keine Datei.";
    }
    return "Datei " + shown + " wurde nicht gefunden.";
  }
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return "Datei " + shown + " kann nicht gelesen werden.";
  return LoadStoredMonth(*bytes, record);
}

std::vector<StoredFileEntry> EmployeeFilesIn(const fs::path& folder) {
  std::vector<StoredFileEntry> entries;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::string name = HostNameToUtf8(it->path().filename().string());
    if (ClassifyDataFile(name) != DataFileKind::EmployeeFile) continue;
    std::error_code kind;
    entries.push_back({std::move(name), it->path(), it->is_regular_file(kind)});
  }
  std::sort(entries.begin(), entries.end(),
            [](const StoredFileEntry& a, const StoredFileEntry& b) { return a.name < b.name; });
  return entries;
}

}  // namespace pekto
