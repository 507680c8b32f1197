#include "bookings/wage_type_file.h"

#include <algorithm>
#include <charconv>

#include "platform/code_page.h"
#include "platform/dos_file_system.h"
#include "platform/utf8.h"
#include "platform/value_lines.h"
#include "ui/message_box.h"

namespace pekto {

namespace col = wage_column;

const std::array<FixedWageType, 4> kFixedWageTypes = {{
    {"EG-Pauschale (Steuerklasse)", "1", "2", "4", ""},
    {"EG-Pauschale (Pauschsteuer)", "1", "4", "4", ""},
    {"Verrechnung Bestandsschutz", "3", "", "", ""},
    {"Inflationspraemie", "1", "4", "4", ""},
}};

namespace {

constexpr int kFirstFreeNumber = 12;
constexpr int kLastFreeNumber = 50;

std::optional<int> NumberOf(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string TwoDigits(int number) { return (number < 10 ? "0" : "") + std::to_string(number); }

bool IsBlankRow(const WageTypeRow& row) {
  return std::all_of(row.begin(), row.end(), [](const std::string& v) { return v.empty(); });
}

std::vector<int> FreeNumbers(const WageTypeTable& table, std::size_t wanted) {
  std::vector<int> free;
  for (int number = kFirstFreeNumber; number <= kLastFreeNumber && free.size() < wanted; ++number) {
    const bool used = std::any_of(table.rows.begin(), table.rows.begin() + table.count,
                                  [number](const WageTypeRow& row) { return NumberOf(row[col::kNumber]) == number; });
    if (!used) free.push_back(number);
  }
  return free;
}

int AppendMissingFixed(WageTypeTable& table, const std::array<bool, 4>& missing) {
  const auto wanted = static_cast<std::size_t>(std::count(missing.begin(), missing.end(), true));
  if (wanted == 0 || table.count == 0) return 0;
  const std::vector<int> free = FreeNumbers(table, wanted);
  int appended = 0;
  for (std::size_t i = 0, next = 0; i < kFixedWageTypes.size(); ++i) {
    if (!missing[i] || next >= free.size() || table.count >= kMaxWageTypes) continue;
    const FixedWageType& fixed = kFixedWageTypes[i];
    WageTypeRow& row = table.rows[table.count];
    row = WageTypeRow{TwoDigits(table.count + 1),
                      std::to_string(free[next++]),
                      std::string(fixed.name),
                      std::string(fixed.category),
                      std::string(fixed.tax_key),
                      std::string(fixed.sv_key),
                      std::string(fixed.garnishment_key),
                      "",
                      "",
                      ""};
    ++table.count;
    ++appended;
  }
  table.changed = table.changed || appended > 0;
  return appended;
}

}  // namespace

void WageTypeTable::Clear() {
  for (auto& row : rows) row.fill({});
  count = 0;
  changed = false;
}

bool IsValidWageTypeName(std::string_view name) {
  static constexpr std::u32string_view kExtra = U" -*/().ÄÖÜäöüß";
  for (std::size_t pos = 0; pos < name.size();) {
    const char32_t c = NextCodePoint(name, pos);
    const bool ascii_alnum = (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z');
    if (!ascii_alnum && kExtra.find(c) == std::u32string_view::npos) return false;
  }
  return true;
}

WageTypeLoad ParseWageTypes(std::string_view bytes, WageTypeTable& table) {
  table.Clear();
  WageTypeLoad load;
  load.file_found = true;
  std::array<bool, 4> missing{true, true, true, true};
  ValueLineReader reader(bytes);
  while (!reader.AtEnd()) {
    WageTypeRow row;
    int read = 0;
    for (; read < kWageTypeColumns; ++read) {
      const auto line = reader.Next();
      if (!line) break;
      row[static_cast<std::size_t>(read)] = read == col::kName ? DosUmlautsToUtf8(*line) : Cp1252ToUtf8(*line);
    }
    if (IsBlankRow(row)) continue;  // blank lines at the end of the file
    // A file whose last line end is missing loses the last (reserved,
    // empty) values of its last wage type; the keys must all be there.
    if (read <= col::kGarnishmentKey) {
      load.incomplete_last_row = true;
      break;
    }
    if (table.count >= kWageTypeRows) {
      load.too_many_rows = true;
      break;
    }
    for (std::size_t i = 0; i < kFixedWageTypes.size(); ++i) {
      if (row[col::kName] == kFixedWageTypes[i].name) missing[i] = false;
    }
    if (!IsValidWageTypeName(row[col::kName])) load.foreign_names.push_back(row[col::kRunningNumber]);
    table.rows[table.count++] = std::move(row);
  }
  load.appended_fixed = AppendMissingFixed(table, missing);
  load.count = table.count;
  return load;
}

WageTypeLoad LoadWageTypes(const DosFileSystem& files, std::string_view path, WageTypeTable& table) {
  const auto bytes = files.ReadFile(path);
  if (!bytes) {
    table.Clear();
    return {};
  }
  return ParseWageTypes(*bytes, table);
}

std::optional<std::string> FindDuplicateNumber(const WageTypeTable& table) {
  for (int i = 0; i < table.count; ++i) {
    const std::string& a = table.rows[static_cast<std::size_t>(i)][col::kNumber];
    for (int j = i + 1; j < table.count; ++j) {
      const std::string& b = table.rows[static_cast<std::size_t>(j)][col::kNumber];
      const auto na = NumberOf(a);
      const auto nb = NumberOf(b);
      if ((na && nb) ? *na == *nb : a == b) return a;
    }
  }
  return std::nullopt;
}

namespace {

std::string RightAligned(std::string_view text) {
  return text.size() >= 2 ? std::string(text) : std::string(2 - text.size(), ' ') + std::string(text);
}

// Number right-aligned, running number right-aligned, the four keys (a
// blank for an empty key), then the name: compared as bytes, one-digit
// numbers come before two-digit ones.
std::string SortKey(const WageTypeRow& row) {
  std::string key = RightAligned(row[col::kNumber]) + RightAligned(row[col::kRunningNumber]);
  for (int c = col::kCategory; c <= col::kGarnishmentKey; ++c) {
    const std::string& value = row[static_cast<std::size_t>(c)];
    key += value.empty() ? std::string(" ") : value.substr(0, 1);
  }
  return key + Utf8ToDosUmlauts(row[col::kName]);
}

}  // namespace

void SortWageTypes(WageTypeTable& table) {
  const auto end = table.rows.begin() + table.count;
  std::stable_sort(table.rows.begin(), end,
                   [](const WageTypeRow& a, const WageTypeRow& b) { return SortKey(a) < SortKey(b); });
  for (int i = 0; i < table.count; ++i) table.rows[static_cast<std::size_t>(i)][col::kRunningNumber] = TwoDigits(i + 1);
}

std::string SerializeWageTypes(const WageTypeTable& table) {
  std::string out;
  for (int i = 0; i < table.count; ++i) {
    const WageTypeRow& row = table.rows[static_cast<std::size_t>(i)];
    for (int c = 0; c < kWageTypeColumns; ++c) {
      const std::string& value = row[static_cast<std::size_t>(c)];
      AppendBareLine(out, c == col::kName ? Utf8ToDosUmlauts(value) : Utf8ToCp1252(value));
    }
  }
  return out;
}

WageTypeSave SaveWageTypes(const DosFileSystem& files, std::string_view path, WageTypeTable& table) {
  if (auto duplicate = FindDuplicateNumber(table)) {
    const std::string text = JoinLines({"Sie haben die Lohnarten-nummer " + *duplicate + " doppelt ver-", "geben.",
                                        "Bitte berichtigen Sie ent-", "sprechend."});
    return {WageTypeSaveCode::DuplicateNumber, *duplicate, 0, text};
  }
  SortWageTypes(table);
  const WriteResult written = files.ReplaceFile(path, SerializeWageTypes(table));
  if (!written.ok) return {WageTypeSaveCode::WriteFailed, {}, written.error_number, {}};
  table.changed = false;
  return {};
}

bool DeleteWageTypeFile(const DosFileSystem& files, std::string_view path, WageTypeTable& table) {
  table.Clear();
  return files.DeleteFile(path);
}

}  // namespace pekto
