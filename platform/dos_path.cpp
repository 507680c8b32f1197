#include "platform/dos_path.h"

#include <cctype>

#include "platform/utf8.h"

namespace pekto {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::string TrimComponent(std::string_view component) {
  while (!component.empty() && (component.back() == '.' || component.back() == ' ')) {
    component.remove_suffix(1);
  }
  return std::string(component);
}

void AddComponent(std::vector<std::string>& components, std::string_view raw) {
  if (raw.empty() || raw == ".") return;
  if (raw == "..") {
    if (!components.empty()) components.pop_back();
    return;
  }
  std::string component = TrimComponent(raw);
  if (!component.empty()) components.push_back(std::move(component));
}

}  // namespace

std::string DosPath::Text() const {
  std::string text{drive, ':'};
  if (components.empty()) return text + "\\";
  for (const auto& component : components) text += "\\" + component;
  return text;
}

std::optional<DosPath> ParseDosPath(std::string_view text) {
  if (text.size() < 2 || text[1] != ':' || !std::isalpha(static_cast<unsigned char>(text[0]))) {
    return std::nullopt;
  }
  if (text.size() > 2 && !IsSeparator(text[2])) return std::nullopt;
  DosPath path;
  path.drive = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
  std::size_t start = 2;
  while (start <= text.size()) {
    std::size_t end = start;
    while (end < text.size() && !IsSeparator(text[end])) ++end;
    AddComponent(path.components, text.substr(start, end - start));
    start = end + 1;
  }
  return path;
}

std::string JoinDos(std::string_view dir, std::string_view name) {
  std::string joined(dir);
  while (!name.empty() && IsSeparator(name.front())) name.remove_prefix(1);
  if (joined.empty() || !IsSeparator(joined.back())) joined += '\\';
  joined += name;
  return joined;
}

bool SameDosPath(std::string_view a, std::string_view b) {
  const auto pa = ParseDosPath(a);
  const auto pb = ParseDosPath(b);
  if (!pa || !pb) return FoldCase(a) == FoldCase(b);
  if (pa->drive != pb->drive || pa->components.size() != pb->components.size()) return false;
  for (std::size_t i = 0; i < pa->components.size(); ++i) {
    if (FoldCase(pa->components[i]) != FoldCase(pb->components[i])) return false;
  }
  return true;
}

}  // namespace pekto
