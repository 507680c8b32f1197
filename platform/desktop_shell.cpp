#include "platform/desktop_shell.h"

#include <algorithm>

#include <cctype>
#include <cstdlib>

#include "platform/atomic_file.h"
#include "platform/dos_path.h"
#include "platform/processes.h"
#include "platform/utf8.h"

namespace pekto {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFilePrefix = "pekto-";

std::string Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

std::vector<std::string> SplitArguments(std::string_view text) {
  std::vector<std::string> arguments;
  std::size_t start = 0;
  while (true) {
    const auto comma = text.find(',', start);
    arguments.push_back(Trim(text.substr(start, comma == std::string_view::npos ? comma : comma - start)));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
  }
  return arguments;
}

// A value of a desktop-file string key: no line breaks, backslash escaped.
std::string DesktopString(std::string_view value) {
  std::string out;
  for (const char c : value) {
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r' || c == '\t') {
      out += ' ';
    } else {
      out += c;
    }
  }
  return out;
}

std::string XmlText(std::string_view value) {
  std::string out;
  for (const char c : value) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

// A DOS program path names a host executable; "PEKTO.EXE" also finds an
// executable "pekto" beside it.
std::optional<fs::path> HostExecutable(const DosFileSystem& files, std::string_view program) {
  auto host = files.HostPath(program);
  if (!host) return std::nullopt;
  std::error_code error;
  if (fs::is_regular_file(*host, error)) return host;
  const std::string folded = FoldCase(host->filename().string());
  if (folded.size() > 4 && folded.ends_with(".exe")) {
    auto bare = files.HostPath(program.substr(0, program.size() - 4));
    if (bare && fs::is_regular_file(*bare, error)) return bare;
  }
  return host;
}

bool WriteText(const fs::path& path, std::string_view text) {
  std::error_code error;
  fs::create_directories(path.parent_path(), error);
  return ReplaceFileAtomically(path, text).ok;
}

std::string GroupSlug(std::string_view group) { return std::string(kFilePrefix) + DesktopFileSlug(group); }

}  // namespace

std::optional<std::vector<ProgramManagerCommand>> ParseProgramManagerCommands(std::string_view text) {
  std::vector<ProgramManagerCommand> commands;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (text[pos] != '[') return std::nullopt;
    const auto open = text.find('(', pos);
    const auto close = text.find(")]", pos);
    if (open == std::string_view::npos || close == std::string_view::npos || open > close) return std::nullopt;
    ProgramManagerCommand command;
    command.name = Trim(text.substr(pos + 1, open - pos - 1));
    if (command.name.empty()) return std::nullopt;
    command.arguments = SplitArguments(text.substr(open + 1, close - open - 1));
    commands.push_back(std::move(command));
    pos = close + 2;
  }
  if (commands.empty()) return std::nullopt;
  return commands;
}

std::optional<XdgDirectories> XdgDirectoriesFromEnvironment(const EnvironmentLookup& env) {
  const auto absolute = [&env](std::string_view name) -> std::optional<fs::path> {
    auto value = env(name);
    if (!value || value->empty() || value->front() != '/') return std::nullopt;
    return fs::path(*value);
  };
  const auto home = absolute("HOME");
  auto data = absolute("XDG_DATA_HOME");
  auto config = absolute("XDG_CONFIG_HOME");
  if (!data && home) data = *home / ".local" / "share";
  if (!config && home) config = *home / ".config";
  if (!data || !config) return std::nullopt;
  return XdgDirectories{*data, *config, home.value_or(fs::path())};
}

std::string DesktopFileSlug(std::string_view name) {
  std::string slug;
  for (const char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (std::isalnum(u) && u < 0x80) {
      slug += static_cast<char>(std::tolower(u));
    } else if (slug.empty() || slug.back() != '-') {
      slug += '-';
    }
  }
  while (!slug.empty() && slug.back() == '-') slug.pop_back();
  while (!slug.empty() && slug.front() == '-') slug.erase(slug.begin());
  return slug.empty() ? std::string("gruppe") : slug;
}

std::string DesktopExecArgument(std::string_view argument) {
  static constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";
  std::string quoted;
  bool needs_quotes = argument.empty();
  for (const char c : argument) {
    if (kReserved.find(c) != std::string_view::npos) needs_quotes = true;
    if (c == '"' || c == '`' || c == '$' || c == '\\') quoted += '\\';
    if (c == '%') quoted += '%';
    quoted += c;
  }
  if (needs_quotes) quoted = "\"" + quoted + "\"";
  return DesktopString(quoted);
}

std::optional<std::string> ProgramDesktopEntry(const DosFileSystem& files, std::string_view title,
                                               std::string_view program, std::string_view working_directory,
                                               std::string_view icon, std::string_view category) {
  const auto executable = HostExecutable(files, program);
  if (!executable) return std::nullopt;
  std::error_code error;
  std::string exec;
  if (files.DrivesRoot()) {
    exec = "env " + DesktopExecArgument("PEKTO_DRIVES=" + fs::absolute(*files.DrivesRoot(), error).string()) + " ";
  }
  exec += DesktopExecArgument(fs::absolute(*executable, error).string());
  std::string entry = "[Desktop Entry]\nType=Application\nVersion=1.0\n";
  entry += "Name=" + DesktopString(title) + "\n";
  entry += "Exec=" + exec + "\n";
  const std::string dir = working_directory.empty() ? std::string() : std::string(working_directory);
  if (!dir.empty()) {
    if (const auto host_dir = files.HostPath(dir)) {
      entry += "Path=" + DesktopString(fs::absolute(*host_dir, error).string()) + "\n";
    }
  }
  if (!icon.empty()) {
    const auto host_icon = files.HostPath(icon);
    if (host_icon && fs::is_regular_file(*host_icon, error)) {
      entry += "Icon=" + DesktopString(fs::absolute(*host_icon, error).string()) + "\n";
    }
  }
  entry += "Terminal=false\n";
  entry += "Categories=Office;Finance;";
  if (!category.empty()) entry += std::string(category) + ";";
  entry += "\n";
  return entry;
}

fs::path DesktopMenuGroupService::ApplicationsFolder() const {
  return directories_ ? directories_->data_home / "applications" : fs::path();
}
fs::path DesktopMenuGroupService::DirectoriesFolder() const {
  return directories_ ? directories_->data_home / "desktop-directories" : fs::path();
}
fs::path DesktopMenuGroupService::MenuFolder() const {
  return directories_ ? directories_->config_home / "menus" / "applications-merged" : fs::path();
}

bool DesktopMenuGroupService::Connect() {
  connected_ = false;
  if (!directories_) return false;
  std::error_code error;
  for (const auto& folder : {ApplicationsFolder(), DirectoriesFolder(), MenuFolder()}) {
    fs::create_directories(folder, error);
    if (!fs::is_directory(folder, error)) return false;
  }
  connected_ = true;
  return true;
}

int DesktopMenuGroupService::Execute(std::string_view commands) {
  if (!connected_) return kDdeNoConversation;
  const auto parsed = ParseProgramManagerCommands(commands);
  if (!parsed) return kDdeInvalidParameter;
  for (const auto& command : *parsed) {
    int result = kDdeInvalidParameter;
    const std::string name = FoldCase(command.name);
    if (name == "creategroup") {
      result = CreateGroup(command.arguments);
    } else if (name == "additem") {
      result = AddItem(command.arguments);
    } else if (name == "showgroup") {
      // The desktop shows its menu itself; the group must exist.
      result = group_ ? kDdeNoError : kDdeNotProcessed;
    }
    if (result != kDdeNoError) return result;
  }
  return kDdeNoError;
}

int DesktopMenuGroupService::CreateGroup(const std::vector<std::string>& arguments) {
  if (arguments.empty() || arguments[0].empty()) return kDdeInvalidParameter;
  group_ = Group{arguments[0], {}};
  const std::string slug = GroupSlug(group_->name);
  const std::string directory_entry =
      "[Desktop Entry]\nType=Directory\nVersion=1.0\nName=" + DesktopString(group_->name) + "\nIcon=folder\n";
  if (!WriteText(DirectoriesFolder() / (slug + ".directory"), directory_entry)) return kDdeNotProcessed;
  return WriteMenu() ? kDdeNoError : kDdeNotProcessed;
}

int DesktopMenuGroupService::AddItem(const std::vector<std::string>& arguments) {
  if (!group_) return kDdeNotProcessed;
  if (arguments.size() < 2 || arguments.size() > 3 || arguments[0].empty() || arguments[1].empty()) {
    return kDdeInvalidParameter;
  }
  const std::string slug = GroupSlug(group_->name);
  std::string file_id = slug + "-" + DesktopFileSlug(arguments[1]);
  for (int n = 2; std::any_of(group_->items.begin(), group_->items.end(),
                              [&](const Item& item) { return item.file_id == file_id + ".desktop"; });
       ++n) {
    file_id = slug + "-" + DesktopFileSlug(arguments[1]) + "-" + std::to_string(n);
  }
  file_id += ".desktop";
  const std::string entry = ItemEntry(arguments[0], arguments[1], arguments.size() == 3 ? arguments[2] : "");
  if (entry.empty()) return kDdeInvalidParameter;
  if (!WriteText(ApplicationsFolder() / file_id, entry)) return kDdeNotProcessed;
  group_->items.push_back({file_id, arguments[1]});
  return WriteMenu() ? kDdeNoError : kDdeNotProcessed;
}

std::string DesktopMenuGroupService::ItemEntry(std::string_view path, std::string_view name,
                                               std::string_view icon) const {
  const auto dos = ParseDosPath(path);
  if (!dos || dos->components.empty()) return {};
  DosPath dir = *dos;
  dir.components.pop_back();
  const std::string category = "X-Pekto-" + DesktopFileSlug(group_->name);
  return ProgramDesktopEntry(files_, name, dos->Text(), dir.Text(), icon, category).value_or(std::string());
}

bool DesktopMenuGroupService::WriteMenu() const {
  const std::string slug = GroupSlug(group_->name);
  std::string menu =
      "<!DOCTYPE Menu PUBLIC \"-//freedesktop//DTD Menu 1.0//EN\"\n"
      " \"http://www.freedesktop.org/standards/menu-spec/menu-1.0.dtd\">\n"
      "<Menu>\n  <Name>Applications</Name>\n  <Menu>\n";
  menu += "    <Name>" + XmlText(group_->name) + "</Name>\n";
  menu += "    <Directory>" + XmlText(slug) + ".directory</Directory>\n";
  menu += "    <Include>\n";
  for (const auto& item : group_->items) menu += "      <Filename>" + XmlText(item.file_id) + "</Filename>\n";
  menu += "    </Include>\n  </Menu>\n</Menu>\n";
  return WriteText(MenuFolder() / (slug + ".menu"), menu);
}

fs::path DesktopFolder(const XdgDirectories& directories) {
  const fs::path fallback = directories.home / "Desktop";
  const auto bytes = ReadWholeFile(directories.config_home / "user-dirs.dirs");
  if (!bytes) return fallback;
  std::size_t start = 0;
  while (start < bytes->size()) {
    auto end = bytes->find('\n', start);
    if (end == std::string::npos) end = bytes->size();
    const std::string line = Trim(std::string_view(*bytes).substr(start, end - start));
    start = end + 1;
    static constexpr std::string_view kKey = "XDG_DESKTOP_DIR=";
    if (!line.starts_with(kKey)) continue;
    std::string value = line.substr(kKey.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    if (value.starts_with("$HOME")) return directories.home.string() + value.substr(5);
    if (!value.empty() && value.front() == '/') return value;
    return fallback;
  }
  return fallback;
}

bool DesktopLauncherShortcuts::CreateShortcut(std::string_view title, std::string_view program,
                                              std::string_view working_directory) {
  if (!directories_) return false;
  const auto entry = ProgramDesktopEntry(files_, title, program, working_directory, "", "");
  if (!entry) return false;
  const fs::path folder = DesktopFolder(*directories_);
  const fs::path link = folder / (DesktopFileSlug(title) + ".desktop");
  if (!WriteText(link, *entry)) return false;
  std::error_code error;
  fs::permissions(link, fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                  fs::perm_options::add, error);
  // Trust is a metadata attribute of the desktop session (GNOME's gvfs).
  const char* session = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  if (session != nullptr && *session != '\0' && fs::is_regular_file("/usr/bin/gio", error)) {
    (void)SpawnHostProgram("/usr/bin/gio", {"set", link.string(), "metadata::trusted", "true"}, {}, LaunchMode::Wait);
  }
  return true;
}

}  // namespace pekto
