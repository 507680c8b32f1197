#include "platform/help.h"

#include "platform/utf8.h"

namespace pekto {

namespace fs = std::filesystem;

std::string HelpFolderName(std::string_view help_file) {
  const auto slash = help_file.find_last_of("\\/:");
  if (slash != std::string_view::npos) help_file.remove_prefix(slash + 1);
  const auto dot = help_file.rfind('.');
  if (dot != std::string_view::npos) help_file = help_file.substr(0, dot);
  return FoldCase(help_file);
}

fs::path HelpPagePath(const fs::path& help_root, std::string_view help_file, int topic) {
  const fs::path folder = help_root / HelpFolderName(help_file);
  std::error_code error;
  if (topic > 0) {
    fs::path page = folder / (std::to_string(topic) + ".html");
    if (fs::is_regular_file(page, error)) return page;
  }
  return folder / "index.html";
}

fs::path FindResourceDirectory(const EnvironmentLookup& env, const fs::path& program_dir, const fs::path& built_from) {
  if (auto configured = env("PEKTO_RESOURCES"); configured && !configured->empty()) return *configured;
  std::error_code error;
  // An installed program keeps its resources in share/pekto of its own folder.
  const fs::path beside = program_dir / "share" / "pekto";
  if (fs::is_directory(beside, error)) return beside.lexically_normal();
  const fs::path installed = program_dir / ".." / "share" / "pekto";
  if (fs::is_directory(installed, error)) return installed.lexically_normal();
  return built_from;
}

}  // namespace pekto
