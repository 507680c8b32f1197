#include "ui/rc_script.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>
#include <string>

#include "platform/atomic_file.h"
#include "ui/rc_lexer.h"

namespace pekto::rc {

namespace {

// Pop-up menus within pop-up menus; real menus nest two or three deep,
// and the parser recurses once per level.
constexpr int kMaxMenuDepth = 16;

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}

template <typename T>
const T* FindNamed(const std::vector<T>& items, std::string_view name) {
  for (const auto& item : items) {
    if (SameName(item.name, name)) return &item;
  }
  return nullptr;
}

// A statement that cannot be read is reported and skipped; the exception
// never leaves the parser.
struct ParseError {
  int line;
  std::string what;
};

class Parser {
 public:
  explicit Parser(Lexed lexed) : lexed_(std::move(lexed)) {}
  ParseResult Run();

 private:
  const Token& Peek() const { return lexed_.tokens[std::min(pos_, lexed_.tokens.size() - 1)]; }
  const Token& Take() {
    const Token& token = Peek();
    if (pos_ < lexed_.tokens.size() - 1) ++pos_;
    return token;
  }
  bool Accept(TokenKind kind) {
    if (Peek().kind != kind) return false;
    Take();
    return true;
  }
  [[noreturn]] void Fail(const std::string& what) const { throw ParseError{Peek().line, what}; }
  void Expect(TokenKind kind, const char* what) {
    if (!Accept(kind)) Fail(std::string("expected ") + what);
  }
  bool AcceptName(std::string_view name) {
    if (Peek().kind != TokenKind::Name || Peek().text != name) return false;
    Take();
    return true;
  }
  long Number();
  std::string String();
  std::string Name();
  std::vector<std::string> Styles();
  void Rect(int& x, int& y, int& w, int& h);
  void Statement(Script& script);
  void SkipStatement();
  Dialog ParseDialog(std::string name);
  void DialogOption(Dialog& dialog, const std::string& keyword);
  Control ParseControl();
  void ControlTail(Control& control);
  std::vector<MenuItem> MenuItems(int depth = 0);
  MenuItem ParseMenuItem(int depth);
  AcceleratorTable ParseAccelerators(std::string name);
  Accelerator ParseAccelerator();

  Lexed lexed_;
  std::size_t pos_ = 0;
};

// Every number of a script is a coordinate, an id, a key or a style: an
// int. Larger values are refused before they are negated or narrowed.
long Parser::Number() {
  const bool negative = Accept(TokenKind::Minus);
  long value = 0;
  if (Peek().kind == TokenKind::Number) {
    value = Peek().value;
  } else if (Peek().kind == TokenKind::Name && lexed_.defines.contains(Peek().text)) {
    value = lexed_.defines.at(Peek().text);
  } else {
    Fail("expected a number");
  }
  if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
    Fail("number out of range");
  }
  Take();
  return negative ? -value : value;
}

std::string Parser::String() {
  if (Peek().kind != TokenKind::String) Fail("expected a string");
  return Take().text;
}

std::string Parser::Name() {
  if (Peek().kind == TokenKind::Name || Peek().kind == TokenKind::String) return Take().text;
  if (Peek().kind == TokenKind::Number) return std::to_string(Take().value);
  Fail("expected a name");
}

// STYLE-like expressions: NAME | NAME | NOT NAME | number.
std::vector<std::string> Parser::Styles() {
  std::vector<std::string> styles;
  do {
    if (AcceptName("NOT")) {
      styles.push_back("!" + Name());
    } else if (Peek().kind == TokenKind::Number) {
      styles.push_back(std::to_string(Take().value));
    } else {
      styles.push_back(Name());
    }
  } while (Accept(TokenKind::Bar));
  return styles;
}

void Parser::Rect(int& x, int& y, int& w, int& h) {
  x = static_cast<int>(Number());
  Expect(TokenKind::Comma, "','");
  y = static_cast<int>(Number());
  Expect(TokenKind::Comma, "','");
  w = static_cast<int>(Number());
  Expect(TokenKind::Comma, "','");
  h = static_cast<int>(Number());
}

ParseResult Parser::Run() {
  ParseResult result;
  result.errors = lexed_.errors;
  while (Peek().kind != TokenKind::EndOfScript) {
    const std::size_t start = pos_;
    try {
      Statement(result.script);
    } catch (const ParseError& error) {
      result.errors.push_back(std::to_string(error.line) + ": " + error.what);
      pos_ = start + 1;
      SkipStatement();
    }
  }
  return result;
}

// After an error: on past the END that closes the statement's block, or to
// the next resource statement when the broken one has no block.
void Parser::SkipStatement() {
  int depth = 0;
  while (Peek().kind != TokenKind::EndOfScript) {
    const std::size_t next = std::min(pos_ + 1, lexed_.tokens.size() - 1);
    const Token& following = lexed_.tokens[next];
    if (depth == 0 && Peek().kind == TokenKind::Name && following.kind == TokenKind::Name &&
        (following.text == "DIALOGEX" || following.text == "DIALOG" || following.text == "MENU" ||
         following.text == "ACCELERATORS")) {
      return;
    }
    const TokenKind kind = Take().kind;
    if (kind == TokenKind::Begin) ++depth;
    if (kind == TokenKind::End && --depth <= 0) return;
  }
}

void Parser::Statement(Script& script) {
  std::string name = Name();
  if (AcceptName("DIALOGEX") || AcceptName("DIALOG")) {
    script.dialogs.push_back(ParseDialog(std::move(name)));
  } else if (AcceptName("MENU") || AcceptName("MENUEX")) {
    Menu menu{std::move(name), {}};
    menu.items = MenuItems();
    script.menus.push_back(std::move(menu));
  } else if (AcceptName("ACCELERATORS")) {
    script.accelerator_tables.push_back(ParseAccelerators(std::move(name)));
  } else {
    Fail("unsupported resource '" + Peek().text + "' of '" + name + "'");
  }
}

Dialog Parser::ParseDialog(std::string name) {
  Dialog dialog;
  dialog.name = std::move(name);
  while (Peek().kind == TokenKind::Name && (Peek().text == "DISCARDABLE" || Peek().text == "MOVEABLE")) Take();
  Rect(dialog.x, dialog.y, dialog.width, dialog.height);
  if (Accept(TokenKind::Comma)) Number();  // help id
  while (Peek().kind == TokenKind::Name) DialogOption(dialog, Take().text);
  Expect(TokenKind::Begin, "BEGIN");
  while (!Accept(TokenKind::End)) dialog.controls.push_back(ParseControl());
  return dialog;
}

void Parser::DialogOption(Dialog& dialog, const std::string& keyword) {
  if (keyword == "STYLE") {
    dialog.styles = Styles();
  } else if (keyword == "EXSTYLE") {
    Styles();
  } else if (keyword == "CAPTION") {
    dialog.caption = String();
  } else if (keyword == "MENU") {
    dialog.menu = Name();
  } else if (keyword == "CLASS") {
    Name();
  } else if (keyword == "FONT") {
    dialog.font_size = static_cast<int>(Number());
    Expect(TokenKind::Comma, "','");
    dialog.font_face = String();
    while (Accept(TokenKind::Comma)) Number();
  } else if (keyword == "LANGUAGE") {
    Name();
    Expect(TokenKind::Comma, "','");
    Name();
  } else {
    Fail("unknown dialog option '" + keyword + "'");
  }
}

struct StatementKind {
  std::string_view statement;
  ControlKind kind;
  bool has_text;
};

constexpr std::array<StatementKind, 13> kStatements = {{
    {"LTEXT", ControlKind::Static, true},
    {"RTEXT", ControlKind::Static, true},
    {"CTEXT", ControlKind::Static, true},
    {"PUSHBUTTON", ControlKind::PushButton, true},
    {"DEFPUSHBUTTON", ControlKind::DefPushButton, true},
    {"GROUPBOX", ControlKind::GroupBox, true},
    {"CHECKBOX", ControlKind::CheckBox, true},
    {"AUTOCHECKBOX", ControlKind::CheckBox, true},
    {"EDITTEXT", ControlKind::Edit, false},
    {"LISTBOX", ControlKind::ListBox, false},
    {"SCROLLBAR", ControlKind::ScrollBar, false},
    {"CONTROL", ControlKind::Static, true},
    {"ICON", ControlKind::Static, true},
}};

ControlKind KindOfClass(std::string_view window_class, const std::vector<std::string>& styles) {
  const auto has = [&styles](std::string_view s) { return std::find(styles.begin(), styles.end(), s) != styles.end(); };
  if (SameName(window_class, "Edit")) return ControlKind::Edit;
  if (SameName(window_class, "ListBox")) return ControlKind::ListBox;
  if (SameName(window_class, "ScrollBar")) return ControlKind::ScrollBar;
  if (!SameName(window_class, "Button")) return ControlKind::Static;
  if (has("BS_DEFPUSHBUTTON")) return ControlKind::DefPushButton;
  if (has("BS_GROUPBOX")) return ControlKind::GroupBox;
  if (has("BS_AUTOCHECKBOX") || has("BS_CHECKBOX")) return ControlKind::CheckBox;
  return ControlKind::PushButton;
}

Control Parser::ParseControl() {
  if (Peek().kind != TokenKind::Name) Fail("expected a control statement");
  Control control;
  control.statement = Take().text;
  const auto it = std::find_if(kStatements.begin(), kStatements.end(),
                               [&control](const StatementKind& s) { return s.statement == control.statement; });
  if (it == kStatements.end()) Fail("unknown control statement '" + control.statement + "'");
  control.kind = it->kind;
  if (it->has_text) {
    control.text = Peek().kind == TokenKind::String ? String() : Name();
    Expect(TokenKind::Comma, "','");
  }
  control.id = static_cast<int>(Number());
  Expect(TokenKind::Comma, "','");
  if (control.statement == "CONTROL") {
    control.window_class = String();
    Expect(TokenKind::Comma, "','");
    control.styles = Styles();
    Expect(TokenKind::Comma, "','");
    Rect(control.x, control.y, control.width, control.height);
    if (Accept(TokenKind::Comma)) control.ex_styles = Styles();
    control.kind = KindOfClass(control.window_class, control.styles);
    return control;
  }
  Rect(control.x, control.y, control.width, control.height);
  ControlTail(control);
  return control;
}

void Parser::ControlTail(Control& control) {
  if (!Accept(TokenKind::Comma)) return;
  control.styles = Styles();
  if (Accept(TokenKind::Comma)) control.ex_styles = Styles();
}

std::vector<MenuItem> Parser::MenuItems(int depth) {
  if (depth > kMaxMenuDepth) Fail("menus nested deeper than " + std::to_string(kMaxMenuDepth) + " levels");
  Expect(TokenKind::Begin, "BEGIN");
  std::vector<MenuItem> items;
  while (!Accept(TokenKind::End)) items.push_back(ParseMenuItem(depth));
  return items;
}

MenuItem Parser::ParseMenuItem(int depth) {
  MenuItem item;
  if (AcceptName("POPUP")) {
    item.popup = true;
    item.text = String();
  } else if (AcceptName("MENUITEM")) {
    if (AcceptName("SEPARATOR")) {
      item.separator = true;
      return item;
    }
    item.text = String();
    Expect(TokenKind::Comma, "','");
    item.id = static_cast<int>(Number());
  } else {
    Fail("expected MENUITEM or POPUP");
  }
  while (Accept(TokenKind::Comma) ||
         (Peek().kind == TokenKind::Name && Peek().text != "MENUITEM" && Peek().text != "POPUP")) {
    const std::string flag = Name();
    item.grayed = item.grayed || flag == "GRAYED" || flag == "INACTIVE";
    item.checked = item.checked || flag == "CHECKED";
  }
  if (item.popup) item.items = MenuItems(depth + 1);
  return item;
}

AcceleratorTable Parser::ParseAccelerators(std::string name) {
  AcceleratorTable table{std::move(name), {}};
  Expect(TokenKind::Begin, "BEGIN");
  while (!Accept(TokenKind::End)) table.entries.push_back(ParseAccelerator());
  return table;
}

Accelerator Parser::ParseAccelerator() {
  Accelerator entry;
  if (Peek().kind == TokenKind::String) {
    const std::string key = String();
    if (key.size() == 2 && key[0] == '^') {
      entry.control = true;
      entry.key = std::toupper(static_cast<unsigned char>(key[1]));
    } else if (key.size() == 1) {
      entry.key = static_cast<unsigned char>(key[0]);
    } else {
      Fail("an accelerator key is one character or ^ and a letter");
    }
  } else if (Peek().kind == TokenKind::Name && VirtualKeyCode(Peek().text)) {
    entry.key = *VirtualKeyCode(Take().text);
  } else {
    entry.key = static_cast<int>(Number());
  }
  Expect(TokenKind::Comma, "','");
  entry.command = static_cast<int>(Number());
  while (Accept(TokenKind::Comma)) {
    const std::string option = Name();
    entry.virtual_key = entry.virtual_key || option == "VIRTKEY";
    entry.control = entry.control || option == "CONTROL";
    entry.shift = entry.shift || option == "SHIFT";
    entry.alt = entry.alt || option == "ALT";
  }
  return entry;
}

}  // namespace

bool Control::HasStyle(std::string_view style) const {
  return std::find(styles.begin(), styles.end(), style) != styles.end();
}

const Control* Dialog::FindControl(int control_id) const {
  for (const auto& control : controls) {
    if (control.id == control_id) return &control;
  }
  return nullptr;
}

const Dialog* Script::FindDialog(std::string_view name) const { return FindNamed(dialogs, name); }
const Menu* Script::FindMenu(std::string_view name) const { return FindNamed(menus, name); }
const AcceleratorTable* Script::FindAccelerators(std::string_view name) const {
  return FindNamed(accelerator_tables, name);
}

void Script::Append(Script&& other) {
  std::move(other.dialogs.begin(), other.dialogs.end(), std::back_inserter(dialogs));
  std::move(other.menus.begin(), other.menus.end(), std::back_inserter(menus));
  std::move(other.accelerator_tables.begin(), other.accelerator_tables.end(), std::back_inserter(accelerator_tables));
}

ParseResult ParseScript(std::string_view text) { return Parser(Lex(text)).Run(); }

ParseResult LoadScripts(const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  std::vector<fs::path> files;
  std::error_code error;
  for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (it->is_regular_file(error) && it->path().extension() == ".rc") files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());
  ParseResult all;
  if (files.empty()) all.errors.push_back(folder.string() + ": no resource scripts");
  for (const auto& file : files) {
    const auto text = ReadWholeFile(file);
    if (!text) {
      all.errors.push_back(file.string() + ": cannot be read");
      continue;
    }
    ParseResult one = ParseScript(*text);
    for (auto& message : one.errors) all.errors.push_back(file.filename().string() + ":" + message);
    all.script.Append(std::move(one.script));
  }
  return all;
}

std::optional<int> VirtualKeyCode(std::string_view name) {
  struct Named {
    std::string_view name;
    int code;
  };
  static constexpr std::array<Named, 15> kKeys = {{
      {"VK_BACK", 0x08},
      {"VK_TAB", 0x09},
      {"VK_RETURN", 0x0D},
      {"VK_ESCAPE", 0x1B},
      {"VK_SPACE", 0x20},
      {"VK_PRIOR", 0x21},
      {"VK_NEXT", 0x22},
      {"VK_END", 0x23},
      {"VK_HOME", 0x24},
      {"VK_LEFT", 0x25},
      {"VK_UP", 0x26},
      {"VK_RIGHT", 0x27},
      {"VK_DOWN", 0x28},
      {"VK_INSERT", 0x2D},
      {"VK_DELETE", 0x2E},
  }};
  for (const auto& key : kKeys) {
    if (key.name == name) return key.code;
  }
  if (name.size() >= 5 && name.size() <= 6 && name.substr(0, 4) == "VK_F") {  // VK_F1 .. VK_F24
    int number = 0;
    for (char c : name.substr(4)) {
      if (!std::isdigit(static_cast<unsigned char>(c))) return std::nullopt;
      number = number * 10 + (c - '0');
    }
    if (number >= 1 && number <= 24) return 0x70 + number - 1;
  }
  return std::nullopt;
}

}  // namespace pekto::rc
