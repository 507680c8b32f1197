#include "ui/dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "ui/windows.h"

namespace pekto {
namespace {

constexpr const char* kScript = R"rc(
PRUEFDIALOG DIALOGEX 0, 0, 240, 120
CAPTION "Prüfmaske"
MENU PRGAPMENU
FONT 8, "MS Sans Serif"
BEGIN
  GROUPBOX "Felder", -1, 4, 4, 150, 60
  LTEXT "&Tage", -1, 8, 16, 40, 8
  EDITTEXT 335, 50, 14, 40, 12
  LTEXT "Klasse", -1, 8, 32, 40, 8
  EDITTEXT 318, 50, 30, 20, 12
  EDITTEXT 320, 50, 46, 20, 12, ES_PASSWORD | NOT WS_VISIBLE
  DEFPUSHBUTTON "&Berechnen (Return)", 1, 160, 10, 76, 14
  PUSHBUTTON "&Ende", 103, 160, 30, 76, 14
  LTEXT "", 163, 0, 108, 240, 12, SS_SUNKEN
END
PRGAPMENU MENU
BEGIN
  POPUP "&Datei"
  BEGIN
    MENUITEM "&Speichern (F3)", 258
    MENUITEM "Prüfung", 5534, CHECKED
  END
END
PRGAPMENA ACCELERATORS
BEGIN
  VK_F3, 258, VIRTKEY
  VK_F1, 592, VIRTKEY
END
)rc";

class RecordingDialog final : public Dialog {
 public:
  using Dialog::Dialog;
  std::vector<int> commands;

 protected:
  void OnCommand(int id) override { commands.push_back(id); }
};

class DialogTest : public testing::Test {
 protected:
  DialogTest() : script_(rc::ParseScript(kScript).script), help_(), services_{script_, boxes_, help_, state_, stack_} {}
  void SetUp() override {
    dialog_ = std::make_unique<RecordingDialog>(services_, "PruefDialog");
    ASSERT_TRUE(dialog_->IsBuilt());
    dialog_->SetFieldRule(335, FieldInputRule{std::u32string(kDigitKeys), 3}, " Steuertage", 184);
    dialog_->SetFieldRule(318, FieldInputRule{U"123456", 1}, " Lohnsteuerklasse", 168);
    dialog_->show();
    QApplication::setActiveWindow(dialog_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
  }
  QLineEdit* Edit(int id) { return qobject_cast<QLineEdit*>(dialog_->Control(id)); }

  rc::Script script_;
  RecordingMessageBoxes boxes_;
  RecordingHelpViewer help_;
  FieldState state_;
  FieldStateStack stack_;
  DialogServices services_;
  std::unique_ptr<RecordingDialog> dialog_;
};

TEST_F(DialogTest, ControlsStandAtTheirDialogUnitsScaledByTheFont) {
  const DialogBaseUnits base = dialog_->BaseUnits();
  EXPECT_GT(base.x, 3);
  EXPECT_GT(base.y, 8);
  const QRect edit = dialog_->Control(335)->geometry();
  EXPECT_EQ(edit.x(), HorizontalDialogUnitsToPixels(50, base));
  EXPECT_EQ(edit.y(), VerticalDialogUnitsToPixels(14, base));
  EXPECT_EQ(edit.width(), HorizontalDialogUnitsToPixels(40, base));
  EXPECT_EQ(dialog_->windowTitle(), QString("Prüfmaske"));
  EXPECT_TRUE(qobject_cast<QPushButton*>(dialog_->Control(1))->isDefault());
  EXPECT_EQ(Edit(320)->echoMode(), QLineEdit::Password);
  EXPECT_FALSE(dialog_->IsControlShown(320));
}

TEST_F(DialogTest, ControlAccessById) {
  dialog_->SetText(335, "30");
  EXPECT_EQ(dialog_->Text(335), "30");
  dialog_->SetText(163, " Größe");
  EXPECT_EQ(dialog_->Text(163), " Größe");
  dialog_->Enable(103, false);
  EXPECT_FALSE(dialog_->IsControlEnabled(103));
  dialog_->ShowControl(320, true);
  EXPECT_TRUE(dialog_->IsControlShown(320));
  dialog_->SetReadOnly(318, true);
  EXPECT_TRUE(Edit(318)->isReadOnly());
  EXPECT_EQ(dialog_->Control(999), nullptr);
  EXPECT_EQ(dialog_->Text(999), "");
}

TEST_F(DialogTest, CommandsFromButtonsMenusAndAcceleratorsReachTheDialogById) {
  qobject_cast<QPushButton*>(dialog_->Control(103))->click();
  ASSERT_EQ(dialog_->MenuActions(258).size(), 1u);
  dialog_->MenuActions(258).front()->trigger();
  dialog_->Focus(335);
  QTest::keyClick(Edit(335), Qt::Key_F1);
  QTest::keyClick(Edit(335), Qt::Key_Return);
  QTest::keyClick(Edit(335), Qt::Key_Escape);
  EXPECT_EQ(dialog_->commands, (std::vector<int>{103, 258, 592, 1, kIdCancel}));
}

TEST_F(DialogTest, MenuItemsCheckAndGrey) {
  ASSERT_EQ(dialog_->MenuActions(5534).size(), 1u);
  EXPECT_TRUE(dialog_->MenuActions(5534).front()->isChecked());
  dialog_->CheckMenuItem(5534, false);
  dialog_->EnableMenuItem(258, false);
  EXPECT_FALSE(dialog_->MenuActions(5534).front()->isChecked());
  EXPECT_FALSE(dialog_->MenuActions(258).front()->isEnabled());
}

TEST_F(DialogTest, TheInputFilterRefusesWhatTheFieldDoesNotAllow) {
  dialog_->Focus(318);
  QTest::keyClicks(Edit(318), "a7,3");
  EXPECT_EQ(Edit(318)->text(), ",");  // the comma key always passes; then the field is full
  dialog_->Focus(335);
  QTest::keyClicks(Edit(335), "12x34");
  EXPECT_EQ(Edit(335)->text(), "123");
  QTest::keyClick(Edit(335), Qt::Key_Backspace);
  QTest::keyClick(Edit(335), Qt::Key_9, Qt::KeypadModifier);
  EXPECT_EQ(Edit(335)->text(), "129");
  EXPECT_EQ(dialog_->Text(kStatusLineId), " Steuertage");
  EXPECT_EQ(state_, (FieldState{335, FieldInputRule{std::u32string(kDigitKeys), 3}, 184}));
}

TEST_F(DialogTest, PastedTextMustObeyTheRuleToo) {
  Edit(335)->clear();
  Edit(335)->insert("4a");
  EXPECT_EQ(Edit(335)->text(), "");
  Edit(335)->insert("45");
  EXPECT_EQ(Edit(335)->text(), "45");
}

TEST_F(DialogTest, UpAndDownCycleThroughTheFields) {
  dialog_->Focus(335);
  QTest::keyClick(Edit(335), Qt::Key_Down);
  EXPECT_EQ(state_.current_field, 318);
  QTest::keyClick(Edit(318), Qt::Key_Down);
  EXPECT_EQ(state_.current_field, 335);
  QTest::keyClick(Edit(335), Qt::Key_Up);
  EXPECT_EQ(state_.current_field, 318);
  EXPECT_EQ(dialog_->Text(kStatusLineId), " Lohnsteuerklasse");
}

TEST_F(DialogTest, AModalDialogKeepsTheOwnersFieldStateAndRestoresIt) {
  dialog_->Focus(335);
  RecordingDialog secondary(services_, "PruefDialog", dialog_.get());
  secondary.SetFieldRule(318, FieldInputRule{U"12", 1}, " anders", 5);
  FieldState seen_inside;
  QTimer::singleShot(0, &secondary, [&] {
    secondary.Focus(318);
    seen_inside = state_;
    secondary.done(7);
  });
  EXPECT_EQ(ShowModalDialog(secondary), 7);
  EXPECT_EQ(seen_inside.current_field, 318);
  EXPECT_EQ(seen_inside.help_topic, 5);
  EXPECT_EQ(state_.current_field, 335);
  EXPECT_EQ(state_.help_topic, 184);
  EXPECT_EQ(stack_.Depth(), 0u);
}

TEST_F(DialogTest, AMissingTemplateCannotBeCreated) {
  RecordingDialog missing(services_, "GIBTSNICHT");
  EXPECT_FALSE(missing.IsBuilt());
  EXPECT_FALSE(ShowModelessDialog(missing));
  EXPECT_EQ(ShowModalDialog(missing), -1);
}

TEST_F(DialogTest, CenterWindowOverKeepsTheWindowOnTheScreen) {
  const QRect screen = dialog_->screen()->geometry();
  QWidget moved;
  moved.resize(300, 200);
  dialog_->move(screen.right() - dialog_->frameGeometry().width() / 2, 20);
  CenterWindowOver(*dialog_, moved);
  EXPECT_EQ(moved.frameGeometry().right() + 1, screen.right() + 1);
  EXPECT_TRUE(moved.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(DialogTest, AMessageBoxStandsCentredOverTheActiveWindowAndAnswers) {
  dialog_->move(40, 30);
  ScreenMessageBoxes boxes;
  QRect box_geometry;
  QString title;
  QString text;
  QTimer::singleShot(0, dialog_.get(), [&] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    box_geometry = box->frameGeometry();
    title = box->windowTitle();
    text = box->findChild<QLabel*>("qt_msgbox_label")->text();
    const auto buttons = box->findChildren<QPushButton*>();
    const auto no = std::find_if(buttons.begin(), buttons.end(), [](QPushButton* b) { return b->text() == "&Nein"; });
    ASSERT_NE(no, buttons.end());
    (*no)->click();
  });
  const MessageResult answer = MessageBoxCentered(boxes, "Sie haben Ihre Eintragungen nicht\r\nabgespeichert.",
                                                  "Kontrolle", kMbYesNo | kMbIconQuestion);
  EXPECT_EQ(answer, MessageResult::No);
  EXPECT_EQ(title, "Kontrolle");
  EXPECT_EQ(text, "Sie haben Ihre Eintragungen nicht\nabgespeichert.");
  const QRect reference = dialog_->frameGeometry();
  const QRect screen = dialog_->screen()->geometry();
  const QRect work = dialog_->screen()->availableGeometry();
  const ScreenPoint expected =
      CenterPosition({reference.x(), reference.y(), reference.width(), reference.height()}, box_geometry.width(),
                     box_geometry.height(), {screen.x(), screen.y(), screen.width(), screen.height()},
                     {work.x(), work.y(), work.width(), work.height()});
  EXPECT_EQ(box_geometry.topLeft(), QPoint(expected.x, expected.y));
}

TEST_F(DialogTest, HelpOpensTheTopicsPageOrTheStartPage) {
  const std::filesystem::path help_root = std::filesystem::path(PEKTO_SOURCE_DIR) / "resources" / "help";
  HelpWindowViewer viewer(help_root);
  const auto shown_page = [] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (!window->isVisible()) continue;
      if (auto* browser = window->findChild<QTextBrowser*>(); browser != nullptr) {
        return browser->source().fileName().toStdString();
      }
    }
    return std::string();
  };
  viewer.ShowTopic("C:\\PEKTO\\PEKTO.CHM", 211);
  EXPECT_EQ(shown_page(), "211.html");
  viewer.ShowTopic("C:\\PEKTO\\PEKTO.CHM", 9999);
  EXPECT_EQ(shown_page(), "index.html");
}

// Esc and the button close the help window; the dialog under it never sees
// the Esc (it would end the start mask).
TEST_F(DialogTest, EscAndTheButtonCloseTheHelpWindowAndNothingElse) {
  HelpWindowViewer viewer(std::filesystem::path(PEKTO_SOURCE_DIR) / "resources" / "help");
  viewer.ShowTopic("C:\\PEKTO\\PEKTO.CHM", 211);
  QWidget* window = viewer.Window();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(window->isVisible());
  QWidget* target = window->focusWidget() != nullptr ? window->focusWidget() : window;
  QTest::keyClick(target, Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(dialog_->isVisible());
  EXPECT_TRUE(dialog_->commands.empty());

  viewer.ShowTopic("C:\\PEKTO\\PEKTO.CHM", 211);
  ASSERT_TRUE(window->isVisible());
  auto* close = window->findChild<QPushButton*>("closeHelp");
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->text(), "&Schließen");
  close->click();
  EXPECT_FALSE(window->isVisible());
}

// Return on a question before deleting answers "Nein"; on other questions
// "Ja".
TEST(ScreenMessageBoxesTest, ReturnPressesTheDefaultButton) {
  for (const auto& [flags, expected] : {std::pair{kMbYesNo | kMbIconQuestion | kMbDefButton2, MessageResult::No},
                                        std::pair{kMbYesNo | kMbIconQuestion, MessageResult::Yes}}) {
    ScreenMessageBoxes boxes;
    QTimer::singleShot(50, [] {
      if (QWidget* box = QApplication::activeModalWidget(); box != nullptr) QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(MessageBoxCentered(boxes, "Datei X löschen ?", "Sicherheitsabfrage !", flags), expected);
  }
}

TEST(AcceleratorTableName, FollowsTheMenusName) {
  EXPECT_EQ(AcceleratorTableName("CMDLGAPMENU"), "CMDLGAPMENA");
  EXPECT_EQ(AcceleratorTableName("OTHER"), "OTHER");
}

TEST_F(DialogTest, LabelsWithAnAccessKeyPointAtTheNextField) {
  const auto labels = dialog_->findChildren<QLabel*>();
  const auto tage = std::find_if(labels.begin(), labels.end(), [](QLabel* l) { return l->text() == "&Tage"; });
  ASSERT_NE(tage, labels.end());
  EXPECT_EQ((*tage)->buddy(), dialog_->Control(335));
}

}  // namespace
}  // namespace pekto
