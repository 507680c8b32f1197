#include "groupmaker/mandor_ini.h"

#include <algorithm>
#include <cctype>

#include "platform/code_page.h"
#include "platform/utf8.h"
#include "platform/value_lines.h"

namespace pekto {

namespace {

constexpr std::string_view kSection = "INSTALL";

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// A value in double quotes loses them, as the profile functions read it.
std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') return value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

IniFile IniFile::Parse(std::string_view bytes) {
  IniFile ini;
  std::map<std::string, std::string>* section = nullptr;
  ValueLineReader reader(bytes);
  while (auto raw = reader.Next()) {
    const std::string_view line = Trim(*raw);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const auto close = line.find(']');
      if (close == std::string_view::npos) continue;
      section = &ini.sections_[FoldCase(Trim(line.substr(1, close - 1)))];
      continue;
    }
    const auto equals = line.find('=');
    if (section == nullptr || equals == std::string_view::npos) continue;
    const std::string key = FoldCase(Trim(line.substr(0, equals)));
    if (key.empty()) continue;
    section->try_emplace(key, Cp1252ToUtf8(Unquote(Trim(line.substr(equals + 1)))));
  }
  return ini;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
  const auto s = sections_.find(FoldCase(section));
  if (s == sections_.end()) return std::nullopt;
  const auto k = s->second.find(FoldCase(key));
  if (k == s->second.end()) return std::nullopt;
  return k->second;
}

int IniFile::IntValue(std::string_view section, std::string_view key, int fallback) const {
  const auto value = Value(section, key);
  if (!value) return fallback;
  long long number = 0;
  for (const char c : *value) {
    if (!std::isdigit(static_cast<unsigned char>(c))) break;
    number = number * 10 + (c - '0');
    if (number > 1'000'000'000) break;
  }
  return static_cast<int>(number);
}

std::string ApplyItemPathRule(std::string_view value, std::string_view creator_dir) {
  if (value.empty()) return {};
  if (value.front() == '\\') return std::string(creator_dir) + std::string(value.substr(1));
  std::string path(value);
  if (!creator_dir.empty()) path[0] = creator_dir.front();
  return path;
}

GroupDefinition ReadGroupDefinition(const IniFile& ini, std::string_view creator_dir) {
  GroupDefinition group;
  group.group_name = ini.Value(kSection, "PROG_GRP_NAME").value_or("");
  if (group.group_name.empty()) group.group_name = kDefaultGroupName;
  if (group.group_name.size() > kMaxGroupNameLength) {
    std::size_t cut = kMaxGroupNameLength;  // not inside a UTF-8 sequence
    while (cut > 0 && (static_cast<unsigned char>(group.group_name[cut]) & 0xC0) == 0x80) --cut;
    group.group_name.resize(cut);
  }
  const int count = std::min(ini.IntValue(kSection, "NUM_ITEMS", 0), kMaxGroupItems);
  for (int n = 1; n <= count; ++n) {
    const std::string number = std::to_string(n);
    GroupItem item;
    item.path = ApplyItemPathRule(ini.Value(kSection, "ITEM_PATH" + number).value_or(""), creator_dir);
    item.name = ini.Value(kSection, "ITEM_NAME" + number).value_or("");
    item.icon_path = ApplyItemPathRule(ini.Value(kSection, "ITEM_ICOPATH" + number).value_or(""), creator_dir);
    group.items.push_back(std::move(item));
  }
  return group;
}

}  // namespace pekto
