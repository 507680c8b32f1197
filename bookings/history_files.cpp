#include "bookings/history_files.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/dos_file_system.h"

namespace pekto {
namespace {

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "Nicht genügend Platz auf der Platte." for a full disk, as the print
// path says it; otherwise the reason in plain words.
DialogMessage ArchiveFailure(const std::string& path, int error_number) {
  std::string reason = error_number == ENOSPC ? "Nicht genügend Platz auf der Platte." : "Die Datei ist schreibgeschützt oder der Ordner fehlt.";
  if (error_number != ENOSPC && error_number != EACCES && error_number != EROFS && error_number != ENOENT) {
    reason = "Fehler " + std::to_string(error_number) + ".";
  }
  return {"PEKTO Fehler!",
          {"Das gedruckte Dokument konnte nicht archiviert", "werden (" + path + ").", reason},
          MessageKind::Stop};
}

}  // namespace

std::optional<std::string> HistoryFileName(const EmployeeRecord& record, DocumentKind kind) {
  const std::string name = Trimmed(record.mask_fields[MaskField::FileName]);
  const std::string period = Trimmed(record.mask_fields[MaskField::Period]);
  if (name.empty() || period.size() != 4 || !AllDigits(period)) return std::nullopt;
  const std::string birth = Trimmed(record.mask_fields[MaskField::BirthDate]).substr(0, 3);
  return name + "." + birth + "_20" + period.substr(2, 2) + period.substr(0, 2) + HistoryLetter(kind);
}

std::string HistoryFileBytes(const OutputPages& pages) {
  std::string bytes;
  int count = 0;
  for (const std::string& line : pages.Lines()) {
    if (line.empty() || count == kMaxHistoryLines) break;
    bytes += '"';
    bytes += line;
    bytes += "\"\r\n";
    ++count;
  }
  return bytes;
}

OutputPages ParseHistoryFile(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t pos = 0;
  while (pos < bytes.size() && lines.size() < static_cast<std::size_t>(kMaxHistoryLines)) {
    std::size_t end = bytes.find('\n', pos);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty() && line.front() == '"') line.remove_prefix(1);
    if (!line.empty() && line.back() == '"') line.remove_suffix(1);
    if (line.empty()) break;  // the first empty line ends the document
    lines.emplace_back(line);
  }
  return OutputPages::FromLines(std::move(lines));
}

ArchiveResult ArchiveDocument(const DosFileSystem& files, std::string_view history_dir, const EmployeeRecord& record,
                              DocumentKind kind, const OutputPages& pages) {
  ArchiveResult result;
  const auto name = HistoryFileName(record, kind);
  if (!name || Trimmed(history_dir).empty() || pages.Empty()) return result;
  std::string dir(history_dir);
  if (dir.back() == '\\') dir.pop_back();
  result.path = dir + "\\" + *name;
  if (!files.DirectoryExists(dir)) files.CreateDirectories(dir);
  const WriteResult written = files.ReplaceFile(result.path, HistoryFileBytes(pages));
  if (written.ok) {
    result.outcome = ArchiveOutcome::Archived;
  } else {
    result.outcome = ArchiveOutcome::Failed;
    result.message = ArchiveFailure(result.path, written.error_number);
  }
  return result;
}

std::vector<std::string> HistoryEntries(const DosFileSystem& files, std::string_view history_dir, DocumentKind kind) {
  std::vector<std::string> entries;
  if (Trimmed(history_dir).empty()) return entries;
  const char letter = HistoryLetter(kind);
  for (const std::string& name : files.ListFiles(history_dir)) {
    if (name.empty()) continue;
    const char last = name.back();
    if (last == letter || last == letter + ('a' - 'A')) entries.push_back(name);
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

std::optional<OutputPages> ReadHistoryFile(const DosFileSystem& files, std::string_view path) {
  const auto bytes = files.ReadFile(path);
  if (!bytes) return std::nullopt;
  return ParseHistoryFile(*bytes);
}

}  // namespace pekto
