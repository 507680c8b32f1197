// The resource scripts of the programs (resources/**/*.rc): dialog
// templates, menus and accelerator tables in the subset of the Windows .rc
// syntax that the programs use. Plain data; ui/dialog builds widgets.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pekto::rc {

enum class ControlKind { Static, Edit, PushButton, DefPushButton, GroupBox, CheckBox, ListBox, ScrollBar };

struct Control {
  ControlKind kind = ControlKind::Static;
  std::string statement;  // LTEXT, EDITTEXT, CONTROL, ...
  std::string text;
  int id = -1;
  std::string window_class;  // CONTROL only
  int x = 0, y = 0, width = 0, height = 0;
  std::vector<std::string> styles;  // "NOT WS_VISIBLE" is kept as "!WS_VISIBLE"
  std::vector<std::string> ex_styles;

  [[nodiscard]] bool HasStyle(std::string_view style) const;
};

struct Dialog {
  std::string name;
  int x = 0, y = 0, width = 0, height = 0;
  std::string caption;
  std::string menu;
  std::string font_face = "MS Sans Serif";
  int font_size = 8;
  std::vector<std::string> styles;
  std::vector<Control> controls;

  [[nodiscard]] const Control* FindControl(int id) const;
};

struct MenuItem {
  std::string text;  // may carry "\t" and the key text
  int id = 0;
  bool separator = false;
  bool popup = false;
  bool grayed = false;
  bool checked = false;
  std::vector<MenuItem> items;  // popup only
};

struct Menu {
  std::string name;
  std::vector<MenuItem> items;
};

// Virtual-key codes of the Windows keyboard, as accelerator tables name them.
struct Accelerator {
  int key = 0;  // virtual-key code (VIRTKEY) or character code (ASCII)
  bool virtual_key = false;
  bool control = false;
  bool shift = false;
  bool alt = false;
  int command = 0;
};

struct AcceleratorTable {
  std::string name;
  std::vector<Accelerator> entries;
};

struct Script {
  std::vector<Dialog> dialogs;
  std::vector<Menu> menus;
  std::vector<AcceleratorTable> accelerator_tables;

  // Resource names are found without regard to case ("StarDialog").
  [[nodiscard]] const Dialog* FindDialog(std::string_view name) const;
  [[nodiscard]] const Menu* FindMenu(std::string_view name) const;
  [[nodiscard]] const AcceleratorTable* FindAccelerators(std::string_view name) const;
  void Append(Script&& other);
};

struct ParseResult {
  Script script;
  std::vector<std::string> errors;  // "<line>: <what>"; the statement is skipped
};

[[nodiscard]] ParseResult ParseScript(std::string_view text);

// Every *.rc file below `folder`, in name order; errors name their file.
[[nodiscard]] ParseResult LoadScripts(const std::filesystem::path& folder);

// The virtual-key code of a name such as "VK_F1"; nullopt if unknown.
[[nodiscard]] std::optional<int> VirtualKeyCode(std::string_view name);

}  // namespace pekto::rc
