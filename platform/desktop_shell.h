// The shell's program groups and the desktop link. The group creator talks
// the Program Manager's command language ("[CreateGroup(Pekto)][AddItem(
// C:\PEKTO\PEKTO.EXE,Pekto)]"); here a service takes those command texts
// and writes freedesktop.org menu entries: one .desktop file per item under
// $XDG_DATA_HOME/applications, a .directory file for the group under
// $XDG_DATA_HOME/desktop-directories and a merged menu file under
// $XDG_CONFIG_HOME/menus/applications-merged that puts them in a sub-menu.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dos_file_system.h"

namespace pekto {

// The DDE library's error codes that the group service reports.
inline constexpr int kDdeNoError = 0;
inline constexpr int kDdeInvalidParameter = 0x4006;
inline constexpr int kDdeNotProcessed = 0x4009;
inline constexpr int kDdeNoConversation = 0x400A;

struct ProgramManagerCommand {
  std::string name;  // "CreateGroup", "AddItem", "ShowGroup"
  std::vector<std::string> arguments;
  bool operator==(const ProgramManagerCommand&) const = default;
};

// "[A(x,y)][B(z)]" -> {A: x, y}, {B: z}; nullopt for a text of another form.
// Arguments are split at commas and kept as written.
[[nodiscard]] std::optional<std::vector<ProgramManagerCommand>> ParseProgramManagerCommands(std::string_view text);

class ProgramGroupService {
 public:
  virtual ~ProgramGroupService() = default;
  // False when the service is not available.
  virtual bool Connect() = 0;
  // One execute transaction of command texts: kDdeNoError, or the error code.
  virtual int Execute(std::string_view commands) = 0;
  virtual void Disconnect() = 0;
};

class RecordingProgramGroupService final : public ProgramGroupService {
 public:
  bool Connect() override {
    connected = available;
    return available;
  }
  int Execute(std::string_view commands) override {
    executed.emplace_back(commands);
    return connected ? answer : kDdeNoConversation;
  }
  void Disconnect() override { connected = false; }

  bool available = true;
  bool connected = false;
  int answer = kDdeNoError;
  std::vector<std::string> executed;
};

struct XdgDirectories {
  std::filesystem::path data_home;    // $XDG_DATA_HOME, else ~/.local/share
  std::filesystem::path config_home;  // $XDG_CONFIG_HOME, else ~/.config
  std::filesystem::path home;         // $HOME
};
// Relative values are ignored, as freedesktop.org's XDG base directories require;
// nullopt when neither the variable nor HOME gives a folder.
[[nodiscard]] std::optional<XdgDirectories> XdgDirectoriesFromEnvironment(const EnvironmentLookup& env);

// A name as a part of a file name: lower-case ASCII letters and digits,
// everything else "-" ("Pekto Lohn" -> "pekto-lohn").
[[nodiscard]] std::string DesktopFileSlug(std::string_view name);
// A value of the Exec key: the argument quoted where desktop entries
// require it (freedesktop.org), then escaped as a desktop-file string.
[[nodiscard]] std::string DesktopExecArgument(std::string_view argument);

// The menu of the desktop. Item paths are DOS paths; "PEKTO.EXE" also
// finds an executable "pekto" beside it, as the program starter does.
class DesktopMenuGroupService final : public ProgramGroupService {
 public:
  DesktopMenuGroupService(const DosFileSystem& files, std::optional<XdgDirectories> directories)
      : files_(files), directories_(std::move(directories)) {}
  bool Connect() override;
  int Execute(std::string_view commands) override;
  void Disconnect() override { connected_ = false; }

  [[nodiscard]] std::filesystem::path ApplicationsFolder() const;
  [[nodiscard]] std::filesystem::path DirectoriesFolder() const;
  [[nodiscard]] std::filesystem::path MenuFolder() const;

 private:
  struct Item {
    std::string file_id;
    std::string name;
  };
  struct Group {
    std::string name;
    std::vector<Item> items;
  };
  int CreateGroup(const std::vector<std::string>& arguments);
  int AddItem(const std::vector<std::string>& arguments);
  [[nodiscard]] bool WriteMenu() const;
  [[nodiscard]] std::string ItemEntry(std::string_view path, std::string_view name, std::string_view icon) const;

  const DosFileSystem& files_;
  std::optional<XdgDirectories> directories_;
  bool connected_ = false;
  std::optional<Group> group_;
};

// The desktop link to a program (the shell-link object).
class DesktopShortcuts {
 public:
  virtual ~DesktopShortcuts() = default;
  // `program` and `working_directory` are DOS paths.
  virtual bool CreateShortcut(std::string_view title, std::string_view program,
                              std::string_view working_directory) = 0;
};

class RecordingDesktopShortcuts final : public DesktopShortcuts {
 public:
  struct Shortcut {
    std::string title, program, working_directory;
    bool operator==(const Shortcut&) const = default;
  };
  bool CreateShortcut(std::string_view title, std::string_view program, std::string_view working_directory) override {
    created.push_back({std::string(title), std::string(program), std::string(working_directory)});
    return answer;
  }
  std::vector<Shortcut> created;
  bool answer = true;
};

// The user's desktop folder: XDG_DESKTOP_DIR of user-dirs.dirs (what
// xdg-user-dir DESKTOP answers), else ~/Desktop.
[[nodiscard]] std::filesystem::path DesktopFolder(const XdgDirectories& directories);

// A launcher "<slug>.desktop" on the desktop, executable and, where GNOME's
// gio is installed, marked trusted.
class DesktopLauncherShortcuts final : public DesktopShortcuts {
 public:
  DesktopLauncherShortcuts(const DosFileSystem& files, std::optional<XdgDirectories> directories)
      : files_(files), directories_(std::move(directories)) {}
  bool CreateShortcut(std::string_view title, std::string_view program, std::string_view working_directory) override;

 private:
  const DosFileSystem& files_;
  std::optional<XdgDirectories> directories_;
};

// The desktop-entry text of a program started from a DOS path (shared by
// the menu items and the desktop link).
[[nodiscard]] std::optional<std::string> ProgramDesktopEntry(const DosFileSystem& files, std::string_view title,
                                                             std::string_view program,
                                                             std::string_view working_directory,
                                                             std::string_view icon, std::string_view category);

}  // namespace pekto
