// The wage types ("Lohnarten") of an installation and their file
// LOHNAR.DAT: ten value lines per wage type (running number, number, name,
// category, tax key, social-insurance key, garnishment key, three reserved
// values), bare, CR LF; names with the umlauts of DOS code page 437.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/atomic_file.h"

namespace pekto {

class DosFileSystem;

inline constexpr int kWageTypeRows = 101;
inline constexpr int kWageTypeColumns = 10;
inline constexpr int kMaxWageTypes = 99;
inline constexpr std::string_view kWageTypeFileName = "LOHNAR.DAT";

namespace wage_column {
inline constexpr int kRunningNumber = 0;
inline constexpr int kNumber = 1;
inline constexpr int kName = 2;
inline constexpr int kCategory = 3;
inline constexpr int kTaxKey = 4;
inline constexpr int kSvKey = 5;
inline constexpr int kGarnishmentKey = 6;
}  // namespace wage_column

using WageTypeRow = std::array<std::string, kWageTypeColumns>;

struct WageTypeTable {
  // Default-initialised: every text empty (clang 14 crashes on "{}" here).
  std::array<WageTypeRow, kWageTypeRows> rows;
  std::uint16_t count = 0;
  bool changed = false;  // edits or appended wage types not yet saved

  void Clear();
};

// The four wage types the program recognises by name and adds when missing.
struct FixedWageType {
  std::string_view name;
  std::string_view category, tax_key, sv_key, garnishment_key;
};
extern const std::array<FixedWageType, 4> kFixedWageTypes;

struct WageTypeLoad {
  std::uint16_t count = 0;
  bool file_found = false;
  bool incomplete_last_row = false;        // the file ended inside a wage type
  bool too_many_rows = false;              // more than the table holds; the rest was not read
  std::vector<std::string> foreign_names;  // running numbers of names with other characters
  int appended_fixed = 0;
};

// Reads the file's bytes into the table (emptied first) and appends the
// missing fixed-name wage types.
WageTypeLoad ParseWageTypes(std::string_view bytes, WageTypeTable& table);
WageTypeLoad LoadWageTypes(const DosFileSystem& files, std::string_view path, WageTypeTable& table);

// The characters a name may hold: letters (with the umlauts and ß),
// digits, blank and "-*/().".
[[nodiscard]] bool IsValidWageTypeName(std::string_view name);

enum class WageTypeSaveCode { Saved, DuplicateNumber, WriteFailed };

struct WageTypeSave {
  WageTypeSaveCode code = WageTypeSaveCode::Saved;
  std::string duplicate_number;
  int error_number = 0;
  std::string message_text;  // the "Kontrolle" text for a duplicate number
};

// Duplicate check, sort by number (then running number), running numbers
// rewritten "01".., file replaced atomically. Nothing is written when the
// check fails.
WageTypeSave SaveWageTypes(const DosFileSystem& files, std::string_view path, WageTypeTable& table);
[[nodiscard]] std::optional<std::string> FindDuplicateNumber(const WageTypeTable& table);
void SortWageTypes(WageTypeTable& table);
[[nodiscard]] std::string SerializeWageTypes(const WageTypeTable& table);

bool DeleteWageTypeFile(const DosFileSystem& files, std::string_view path, WageTypeTable& table);

}  // namespace pekto
