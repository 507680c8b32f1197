#include "app/files/employee_files.h"

#include <algorithm>

#include "platform/code_page.h"
#include "platform/dos_path.h"
#include "platform/utf8.h"
#include "platform/value_lines.h"

namespace pekto {
namespace {

constexpr std::size_t kNameWidth = 8;

// The first `count` characters (code points) of a UTF-8 text.
std::string FirstCharacters(std::string_view text, std::size_t count) {
  std::size_t pos = 0;
  for (std::size_t n = 0; n < count && pos < text.size(); ++n) (void)NextCodePoint(text, pos);
  return std::string(text.substr(0, pos));
}

std::string PaddedName(std::string_view file_name, char fill) {
  std::string name = FirstCharacters(file_name, kNameWidth);
  name.append(kNameWidth - std::min(kNameWidth, CodePointCount(name)), fill);
  return name;
}

bool IsDigits(std::string_view text, std::size_t size) {
  return text.size() == size && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Letters (also umlauts and other Latin letters) and digits, as the file
// name field accepts them.
bool IsNameCharacter(char32_t c) {
  return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') ||
         (c >= 0xC0 && c != 0xD7 && c != 0xF7 && c != kReplacementCharacter);
}

// A name of 1..max_letters name characters, followed by `fill` up to
// kNameWidth when a fill is given.
bool IsStoredName(std::string_view base, std::size_t max_letters, std::optional<char32_t> fill) {
  const std::u32string chars = DecodeUtf8(base);
  std::size_t letters = 0;
  while (letters < chars.size() && IsNameCharacter(chars[letters])) ++letters;
  if (letters == 0 || letters > max_letters) return false;
  if (!fill) return letters == chars.size();
  return chars.size() == kNameWidth &&
         std::all_of(chars.begin() + static_cast<std::ptrdiff_t>(letters), chars.end(),
                     [&fill](char32_t c) { return c == *fill; }) &&
         letters < kNameWidth;
}

bool IsYearFile(std::string_view base, std::string_view extension) {
  const auto underscore = base.rfind('_');
  if (!IsDigits(extension, 2) || underscore == std::string_view::npos) return false;
  return IsDigits(base.substr(underscore + 1), 3) && IsStoredName(base.substr(0, underscore), kNameWidth - 1, U'@');
}

bool HasNul(std::string_view bytes) { return bytes.find('\0') != std::string_view::npos; }

}  // namespace

std::string BirthDateKey(std::string_view birth_date) { return FirstCharacters(birth_date, 3); }

std::string EmployeeFileName(std::string_view file_name, std::string_view birth_date) {
  return std::string(file_name) + "." + BirthDateKey(birth_date);
}

std::string SecurityCopyName(std::string_view file_name, std::string_view birth_date) {
  return PaddedName(file_name, '~') + "." + BirthDateKey(birth_date);
}

std::string YearFileName(std::string_view file_name, std::string_view birth_date, std::string_view year_two_digits) {
  return PaddedName(file_name, '@') + "_" + BirthDateKey(birth_date) + "." + std::string(year_two_digits);
}

std::string DataFilePath(const InstallPaths& paths, std::string_view name) {
  return JoinDos(paths.UserDataDir(), name);
}

void DefaultPvKey(MonthRecord& month) {
  std::string& pv = month[static_cast<std::size_t>(SlotOf(MaskField::PvKey))];
  if (!pv.empty()) return;
  const std::string& kv = month[static_cast<std::size_t>(SlotOf(MaskField::KvKey))];
  pv = (kv == "1" || kv == "2" || kv == "3") ? "1" : "0";
}

void ApplyLoadedBlock(const BlockValues& block, LoadVariant variant, EmployeeRecord& record) {
  ClearRecord(record);
  DecodeBlock(block, record);
  if (variant == LoadVariant::Partial) EmptyIncomeData(record);
  DefaultPvKey(record.month_record);
  CopyRecordToMask(record, variant);
}

DataFileKind ClassifyDataFile(std::string_view name) {
  if (FoldCase(name) == FoldCase(kEmployerListName)) return DataFileKind::EmployerList;
  const auto dot = name.rfind('.');
  if (dot == std::string_view::npos) return DataFileKind::Other;
  const std::string_view base = name.substr(0, dot);
  const std::string_view extension = name.substr(dot + 1);
  if (IsYearFile(base, extension)) return DataFileKind::YearFile;
  if (!IsDigits(extension, 3)) return DataFileKind::Other;
  if (IsStoredName(base, kNameWidth, std::nullopt)) return DataFileKind::EmployeeFile;
  if (IsStoredName(base, kNameWidth - 1, U'~')) return DataFileKind::SecurityCopy;
  return DataFileKind::Other;
}

std::vector<std::string> ListDataFiles(const DosFileSystem& files, std::string_view dos_dir, DataFileKind kind) {
  std::vector<std::string> names;
  for (FolderEntry& entry : files.ListEntries(dos_dir)) {
    if (ClassifyDataFile(entry.name) == kind) names.push_back(std::move(entry.name));
  }
  return names;
}

RecordFileRead ParseRecordFile(std::string_view bytes) {
  ValueLineReader reader(bytes);
  BlockReadStats stats;
  RecordFileRead read;
  read.values = ReadBlockValues(reader, stats);
  read.status = IsUsableBlock(stats) ? ReadStatus::Ok : ReadStatus::Damaged;
  return read;
}

RecordFileRead ReadRecordFile(const DosFileSystem& files, std::string_view path) {
  if (!files.FileExists(path)) return {ReadStatus::Missing, {}};
  const auto bytes = files.ReadFile(path);
  if (!bytes) return {ReadStatus::Damaged, {}};
  return ParseRecordFile(*bytes);
}

std::string SerializeRecordFile(const BlockValues& block) {
  std::string out;
  out.reserve(block.size() * 8);
  AppendBlock(out, block);
  return out;
}

YearFileRead ParseYearFile(std::string_view bytes) {
  YearFileRead read{ReadStatus::Ok, {}};
  ValueLineReader reader(bytes);
  for (BlockValues& month : read.file.months) {
    BlockReadStats stats;
    month = ReadBlockValues(reader, stats);
    if (stats.lines > 0 && !IsUsableBlock(stats)) read.status = ReadStatus::Damaged;
  }
  return read;
}

YearFileRead ReadYearFile(const DosFileSystem& files, std::string_view path) {
  YearFileRead read{ReadStatus::Missing, {}};
  for (BlockValues& month : read.file.months) month = EmptyBlock();
  if (!files.FileExists(path)) return read;
  const auto bytes = files.ReadFile(path);
  if (!bytes) return {ReadStatus::Damaged, read.file};
  return ParseYearFile(*bytes);
}

std::string SerializeYearFile(const YearFile& file) {
  std::string out;
  out.reserve(kYearFileMonths * kRecordBlockLines * 4);
  for (const BlockValues& month : file.months) AppendBlock(out, month);
  return out;
}

EmployerListRead ParseEmployerList(std::string_view bytes) {
  EmployerListRead read{ReadStatus::Ok, {}};
  if (HasNul(bytes)) return {ReadStatus::Damaged, {}};
  ValueLineReader reader(bytes);
  while (!reader.AtEnd()) {
    EmployerEntry entry;
    for (std::string& text : entry) {
      const auto line = reader.Next();
      if (!line) break;
      if (line->size() > kMaxValueLineLength) return {ReadStatus::Damaged, {}};
      text = std::string(StripQuotes(*line));
    }
    read.entries.push_back(std::move(entry));
  }
  return read;
}

EmployerListRead ReadEmployerList(const DosFileSystem& files, std::string_view path) {
  if (!files.FileExists(path)) return {ReadStatus::Missing, {}};
  const auto bytes = files.ReadFile(path);
  if (!bytes) return {ReadStatus::Damaged, {}};
  return ParseEmployerList(*bytes);
}

std::string SerializeEmployerList(const std::vector<EmployerEntry>& entries) {
  std::string out;
  for (const EmployerEntry& entry : entries) {
    for (const std::string& text : entry) AppendQuotedLine(out, text);
  }
  return out;
}

EmployerEntry EmployerOf(const BlockValues& block) {
  EmployerEntry entry;
  for (std::size_t i = 0; i < entry.size(); ++i) {
    const std::size_t index = static_cast<std::size_t>(slot::kFirstEmployerText) + i;
    if (index < block.size()) entry[i] = block[index];
  }
  return entry;
}

bool AddEmployer(std::vector<EmployerEntry>& entries, const EmployerEntry& entry) {
  if (entry[0].empty() && entry[1].empty() && entry[2].empty()) return false;
  const bool stored = std::any_of(entries.begin(), entries.end(), [&entry](const EmployerEntry& e) {
    return e[0] == entry[0] && e[1] == entry[1] && e[2] == entry[2];
  });
  if (stored) return false;
  entries.push_back(entry);
  return true;
}

std::string EmployerDisplayText(const EmployerEntry& entry) {
  std::string text;
  for (std::size_t i = 0; i < 3; ++i) {
    if (entry[i].empty()) continue;
    if (!text.empty()) text += ", ";
    text += DosUmlautsToUtf8(entry[i]);
  }
  return text;
}

}  // namespace pekto
