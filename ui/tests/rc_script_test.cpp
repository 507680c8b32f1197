#include "ui/rc_script.h"

#include <gtest/gtest.h>

namespace pekto::rc {
namespace {

constexpr const char* kScript = R"rc(
// A dialog with every control statement the programs use.
#define IDC_NAME 300
#include "resource.h"
TESTDIALOG DIALOGEX 10, 20, 200, 100
STYLE DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
EXSTYLE WS_EX_TOPMOST
CAPTION "Prüfung ""mit"" Anführung"
MENU TESTGAPMENU
FONT 8, "MS Sans Serif", 0, 0, 0x1
BEGIN
  GROUPBOX "Anmeldung", -1, 4, 4, 120, 60
  LTEXT "&Name, Vorname", -1, 8, 14, 50, 8
  EDITTEXT IDC_NAME, 60, 12, 60, 12, ES_AUTOHSCROLL
  EDITTEXT 301, 60, 28, 60, 12, ES_PASSWORD | NOT WS_VISIBLE
  RTEXT "rechts", 102, 8, 44, 50, 8, SS_SUNKEN
  CTEXT "mitte", 103, 8, 54, 50, 8
  DEFPUSHBUTTON "&OK (Return)", 1, 130, 10, 60, 14
  PUSHBUTTON "&Ende", 103, 130, 30, 60, 14, WS_DISABLED
  LISTBOX 400, 4, 70, 100, 20, LBS_NOTIFY | WS_VSCROLL
  SCROLLBAR 401, 106, 70, 8, 20, SBS_VERT
  CONTROL "Knopf", 402, "Button", BS_PUSHBUTTON | WS_TABSTOP, 120, 70, 30, 12
  CONTROL "", 403, "Edit", ES_LEFT | WS_BORDER, 150, 70, 30, 12, WS_EX_CLIENTEDGE
  CONTROL "Rahmen", 404, "Button", BS_GROUPBOX, 0, 0, 1, 1
  CONTROL "Standard", 405, "BUTTON", BS_DEFPUSHBUTTON, 0, 0, 1, 1
  AUTOCHECKBOX "Haken", 406, 0, 0, 1, 1
END

/* The menu, with a nested popup. */
TESTGAPMENU MENU
BEGIN
  POPUP "&Datei"
  BEGIN
    MENUITEM "&Öffnen\tF8", 256
    MENUITEM SEPARATOR
    POPUP "&Weiter"
    BEGIN
      MENUITEM "Aus", 5534, CHECKED
      MENUITEM "Grau", 5535, GRAYED
    END
  END
  MENUITEM "&Hilfe", 592
END

TESTGAPMENU ACCELERATORS
BEGIN
  VK_F1, 592, VIRTKEY
  VK_F12, 600, VIRTKEY, SHIFT
  "^S", 258
  "a", 601
  0x41, 602, VIRTKEY, CONTROL, ALT
  VK_RETURN, 1, VIRTKEY
END
)rc";

class RcScriptTest : public testing::Test {
 protected:
  void SetUp() override {
    result_ = ParseScript(kScript);
    ASSERT_TRUE(result_.errors.empty()) << result_.errors.front();
    dialog_ = result_.script.FindDialog("TestDialog");
    ASSERT_NE(dialog_, nullptr);
  }
  ParseResult result_;
  const Dialog* dialog_ = nullptr;
};

TEST_F(RcScriptTest, DialogHeader) {
  EXPECT_EQ(dialog_->name, "TESTDIALOG");
  EXPECT_EQ(dialog_->x, 10);
  EXPECT_EQ(dialog_->height, 100);
  EXPECT_EQ(dialog_->caption, "Prüfung \"mit\" Anführung");
  EXPECT_EQ(dialog_->menu, "TESTGAPMENU");
  EXPECT_EQ(dialog_->font_face, "MS Sans Serif");
  EXPECT_EQ(dialog_->font_size, 8);
  EXPECT_EQ(dialog_->styles.size(), 4u);
  EXPECT_EQ(dialog_->controls.size(), 15u);
}

struct ControlRow {
  const char* name;
  std::size_t index;
  ControlKind kind;
  int id;
  const char* text;
  const char* style;  // one style it must carry, or ""
};
void PrintTo(const ControlRow& c, std::ostream* os) { *os << c.name; }

class ControlStatementTest : public RcScriptTest, public testing::WithParamInterface<ControlRow> {};

TEST_P(ControlStatementTest, Reads) {
  const auto& row = GetParam();
  const Control& control = dialog_->controls.at(row.index);
  EXPECT_EQ(control.kind, row.kind);
  EXPECT_EQ(control.id, row.id);
  EXPECT_EQ(control.text, row.text);
  if (*row.style != '\0') {
    EXPECT_TRUE(control.HasStyle(row.style));
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryStatement, ControlStatementTest,
    testing::Values(ControlRow{"GroupBox", 0, ControlKind::GroupBox, -1, "Anmeldung", ""},
                    ControlRow{"LText", 1, ControlKind::Static, -1, "&Name, Vorname", ""},
                    ControlRow{"EditTextWithDefine", 2, ControlKind::Edit, 300, "", "ES_AUTOHSCROLL"},
                    ControlRow{"NotStyle", 3, ControlKind::Edit, 301, "", "!WS_VISIBLE"},
                    ControlRow{"RText", 4, ControlKind::Static, 102, "rechts", "SS_SUNKEN"},
                    ControlRow{"CText", 5, ControlKind::Static, 103, "mitte", ""},
                    ControlRow{"DefPushButton", 6, ControlKind::DefPushButton, 1, "&OK (Return)", ""},
                    ControlRow{"PushButton", 7, ControlKind::PushButton, 103, "&Ende", "WS_DISABLED"},
                    ControlRow{"ListBox", 8, ControlKind::ListBox, 400, "", "WS_VSCROLL"},
                    ControlRow{"ScrollBar", 9, ControlKind::ScrollBar, 401, "", "SBS_VERT"},
                    ControlRow{"ControlButton", 10, ControlKind::PushButton, 402, "Knopf", "WS_TABSTOP"},
                    ControlRow{"ControlEdit", 11, ControlKind::Edit, 403, "", "WS_BORDER"},
                    ControlRow{"ControlGroupBox", 12, ControlKind::GroupBox, 404, "Rahmen", ""},
                    ControlRow{"ControlDefButton", 13, ControlKind::DefPushButton, 405, "Standard", ""},
                    ControlRow{"AutoCheckBox", 14, ControlKind::CheckBox, 406, "Haken", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RcScriptTest, ControlGeometryAndExtendedStyle) {
  const Control* edit = dialog_->FindControl(403);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->window_class, "Edit");
  EXPECT_EQ((std::array{edit->x, edit->y, edit->width, edit->height}), (std::array{150, 70, 30, 12}));
  EXPECT_EQ(edit->ex_styles, std::vector<std::string>{"WS_EX_CLIENTEDGE"});
}

TEST_F(RcScriptTest, MenuWithNestedPopupSeparatorAndFlags) {
  const Menu* menu = result_.script.FindMenu("testgapmenu");
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->items.size(), 2u);
  const MenuItem& file = menu->items[0];
  EXPECT_TRUE(file.popup);
  EXPECT_EQ(file.text, "&Datei");
  ASSERT_EQ(file.items.size(), 3u);
  EXPECT_EQ(file.items[0].text, "&Öffnen\tF8");
  EXPECT_EQ(file.items[0].id, 256);
  EXPECT_TRUE(file.items[1].separator);
  const MenuItem& nested = file.items[2];
  ASSERT_EQ(nested.items.size(), 2u);
  EXPECT_TRUE(nested.items[0].checked);
  EXPECT_TRUE(nested.items[1].grayed);
  EXPECT_EQ(menu->items[1].id, 592);
}

TEST_F(RcScriptTest, Accelerators) {
  const AcceleratorTable* table = result_.script.FindAccelerators("TESTGAPMENU");
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->entries.size(), 6u);
  EXPECT_EQ(table->entries[0].key, 0x70);
  EXPECT_TRUE(table->entries[0].virtual_key);
  EXPECT_EQ(table->entries[0].command, 592);
  EXPECT_EQ(table->entries[1].key, 0x7B);
  EXPECT_TRUE(table->entries[1].shift);
  EXPECT_TRUE(table->entries[2].control);
  EXPECT_EQ(table->entries[2].key, 'S');
  EXPECT_EQ(table->entries[3].key, 'a');
  EXPECT_TRUE(table->entries[4].control && table->entries[4].alt);
  EXPECT_EQ(table->entries[5].key, 0x0D);
}

struct BadRow {
  const char* name;
  const char* script;
  const char* error_start;
};
void PrintTo(const BadRow& c, std::ostream* os) { *os << c.name; }

class BadScriptTest : public testing::TestWithParam<BadRow> {};

TEST_P(BadScriptTest, ReportsTheLineAndKeepsTheRest) {
  const std::string script = std::string(GetParam().script) + "\nGOOD MENU\nBEGIN\n MENUITEM \"x\", 1\nEND\n";
  const ParseResult result = ParseScript(script);
  ASSERT_FALSE(result.errors.empty());
  EXPECT_EQ(result.errors.front().rfind(GetParam().error_start, 0), 0u) << result.errors.front();
  EXPECT_NE(result.script.FindMenu("GOOD"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Damaged, BadScriptTest,
    testing::Values(
        BadRow{"UnknownControl", "D DIALOGEX 0,0,1,1\nBEGIN\n SLIDER 1, 0,0,1,1\nEND", "3: unknown control"},
        BadRow{"MissingComma", "D DIALOGEX 0,0,1,1\nBEGIN\n LTEXT \"a\" 1, 0,0,1,1\nEND", "3: expected ','"},
        BadRow{"UnknownResource", "I ICON \"x.ico\"", "1: unsupported resource"},
        BadRow{"UnclosedString", "D DIALOGEX 0,0,1,1\nCAPTION \"offen\nBEGIN\nEND", "2: string without"},
        BadRow{"UndefinedSymbol", "D DIALOGEX 0,0,1,1\nBEGIN\n EDITTEXT IDC_X, 0,0,1,1\nEND", "3: expected a number"},
        BadRow{"HugeFunctionKey", "A ACCELERATORS\nBEGIN\n VK_F99999999999, 1, VIRTKEY\nEND", "3: expected a number"},
        BadRow{"SmallestLongNegated", "#define X -9223372036854775808\nD DIALOGEX 0,0,1,1\nBEGIN\n EDITTEXT -X, 0,0,1,1\nEND",
               "4: number out of range"},
        BadRow{"LongBeyondInt", "D DIALOGEX 0,0,1,1\nBEGIN\n EDITTEXT 4294967296, 0,0,1,1\nEND", "3: number out of range"},
        BadRow{"FortyDigits", "D DIALOGEX 0,0,1,1\nBEGIN\n EDITTEXT 1234567890123456789012345678901234567890, 0,0,1,1\nEND",
               "3: number out of range"}),
    [](const auto& info) { return std::string(info.param.name); });

// Twenty thousand nested pop-ups once overflowed the stack.
TEST(RcScript, DeeplyNestedPopupsAreRefusedNamingTheLine) {
  std::string script = "M MENU\nBEGIN\n";
  for (int i = 0; i < 20000; ++i) script += "POPUP \"p\"\nBEGIN\n";
  const ParseResult result = ParseScript(script + "\nGOOD MENU\nBEGIN\n MENUITEM \"x\", 1\nEND\n");
  ASSERT_FALSE(result.errors.empty());
  EXPECT_EQ(result.errors.front(), "36: menus nested deeper than 16 levels");  // the 17th BEGIN
  std::string nested = "M MENU\nBEGIN\n";
  for (int i = 0; i < 16; ++i) nested += "POPUP \"p\"\nBEGIN\n";
  for (int i = 0; i < 17; ++i) nested += "END\n";
  EXPECT_TRUE(ParseScript(nested).errors.empty());
}

TEST(RcScript, VirtualKeyNames) {
  EXPECT_EQ(VirtualKeyCode("VK_F1"), 0x70);
  EXPECT_EQ(VirtualKeyCode("VK_F10"), 0x79);
  EXPECT_EQ(VirtualKeyCode("VK_ESCAPE"), 0x1B);
  EXPECT_EQ(VirtualKeyCode("VK_F25"), std::nullopt);
  EXPECT_EQ(VirtualKeyCode("F1"), std::nullopt);
  EXPECT_EQ(VirtualKeyCode("VK_F99999999999"), std::nullopt);
  EXPECT_EQ(VirtualKeyCode("VK_F024"), std::nullopt);
}

TEST(RcScript, EveryShippedScriptParsesWithoutError) {
  const ParseResult result = LoadScripts(std::filesystem::path(PEKTO_SOURCE_DIR) / "resources");
  EXPECT_TRUE(result.errors.empty()) << result.errors.front();
  EXPECT_NE(result.script.FindDialog("StarDialog"), nullptr);
}

}  // namespace
}  // namespace pekto::rc
