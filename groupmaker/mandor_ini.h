// mandor.INI, the group description beside the group creator: section
// "INSTALL" with the group's name and its items (command line, title,
// icon), and the path rule that makes the item paths follow the drive and
// folder the package was installed to.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pekto {

inline constexpr std::string_view kMandorIniName = "mandor.INI";
inline constexpr std::string_view kDefaultGroupName = "Programmgruppe";
inline constexpr std::size_t kMaxGroupNameLength = 255;
// More items than any group holds are a damaged file, not a loop to run.
inline constexpr int kMaxGroupItems = 999;

// An INI file as the profile functions read it: sections and keys without
// regard to case, values trimmed, the first of a repeated key wins, lines
// starting with ";" are comments. Windows-1252 bytes, UTF-8 values.
class IniFile {
 public:
  [[nodiscard]] static IniFile Parse(std::string_view bytes);
  [[nodiscard]] std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  // The leading decimal digits of the value as GetPrivateProfileInt reads
  // them; `fallback` when the key is missing.
  [[nodiscard]] int IntValue(std::string_view section, std::string_view key, int fallback) const;

 private:
  std::map<std::string, std::map<std::string, std::string>> sections_;  // folded names
};

struct GroupItem {
  std::string path;
  std::string name;
  std::string icon_path;  // empty: none
  bool operator==(const GroupItem&) const = default;
};

struct GroupDefinition {
  std::string group_name;
  std::vector<GroupItem> items;
};

// "\PEKTO.EXE" with the creator in "D:\PROG\" -> "D:\PROG\PEKTO.EXE";
// "C:\X\Y.EXE" with the creator on E: -> "E:\X\Y.EXE"; "" stays "".
// `creator_dir` ends with a backslash.
[[nodiscard]] std::string ApplyItemPathRule(std::string_view value, std::string_view creator_dir);

[[nodiscard]] GroupDefinition ReadGroupDefinition(const IniFile& ini, std::string_view creator_dir);

}  // namespace pekto
