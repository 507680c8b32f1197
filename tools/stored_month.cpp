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
  if (!fs::is_regular_file(path, error)) return "Datei " + path.string() + " wurde nicht gefunden.";
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return "Datei " + path.string() + " kann nicht gelesen werden.";
  return LoadStoredMonth(*bytes, record);
}

std::vector<std::string> EmployeeFilesIn(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::string name = it->path().filename().string();
    if (ClassifyDataFile(name) == DataFileKind::EmployeeFile && it->is_regular_file(error)) {
      names.push_back(std::move(name));
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace pekto
