// The dialog layer's popup menus, held keys, Page Down/Page Up jumps and
// the texts of frames and multi-line edits.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "ui/dialog.h"
#include "ui/held_key.h"
#include "ui/popup_menu.h"

namespace pekto {
namespace {

constexpr const char* kScript = R"rc(
SPRUNGDIALOG DIALOGEX 0, 0, 200, 100
CAPTION "Sprünge"
FONT 8, "MS Sans Serif"
BEGIN
  GROUPBOX "Rahmen", 90, 4, 4, 150, 60
  EDITTEXT 300, 10, 14, 40, 12
  EDITTEXT 301, 10, 30, 40, 12
  EDITTEXT 302, 10, 46, 40, 12
  EDITTEXT 101, 60, 14, 80, 40, ES_MULTILINE | ES_READONLY
  LTEXT "", 163, 0, 88, 200, 12, SS_SUNKEN
END
)rc";

// Page Down jumps from 300 to 302, Page Up from anywhere to 300; 302 leaves
// Page Down to the field.
class JumpingDialog final : public Dialog {
 public:
  using Dialog::Dialog;

 protected:
  [[nodiscard]] int PageTarget(int id, int step) const override {
    if (step > 0) return id == 300 ? 302 : (id == 301 ? 300 : 0);
    return 300;
  }
};

class PopupAndKeysTest : public testing::Test {
 protected:
  void SetUp() override {
    dialog_ = std::make_unique<JumpingDialog>(services_, "SprungDialog");
    ASSERT_TRUE(dialog_->IsBuilt());
    for (const int id : {300, 301, 302}) dialog_->SetFieldRule(id, FieldInputRule{}, " Feld", id);
    dialog_->show();
    QApplication::setActiveWindow(dialog_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
  }
  QLineEdit* Edit(int id) { return qobject_cast<QLineEdit*>(dialog_->Control(id)); }
  // Answers the next popup menu with a key; keeps the entries it showed.
  void AnswerPopupWith(int key) {
    QTimer::singleShot(20, dialog_.get(), [this, key] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr);
      for (const QAction* action : menu->actions()) {
        shown_.push_back({action->text().toStdString(), action->isEnabled()});
      }
      QTest::keyClick(menu, static_cast<Qt::Key>(key));
    });
  }

  rc::Script script_ = rc::ParseScript(kScript).script;
  RecordingMessageBoxes boxes_;
  RecordingHelpViewer help_;
  FieldState state_;
  FieldStateStack stack_;
  DialogServices services_{script_, boxes_, help_, state_, stack_};
  std::unique_ptr<JumpingDialog> dialog_;
  std::vector<std::pair<std::string, bool>> shown_;
};

TEST_F(PopupAndKeysTest, PageDownAndPageUpJumpWhereTheDialogSays) {
  dialog_->Focus(300);
  QTest::keyClick(Edit(300), Qt::Key_PageDown);
  EXPECT_EQ(state_.current_field, 302);
  QTest::keyClick(Edit(302), Qt::Key_PageDown);
  EXPECT_EQ(state_.current_field, 302);
  QTest::keyClick(Edit(302), Qt::Key_PageUp);
  EXPECT_EQ(state_.current_field, 300);
}

TEST_F(PopupAndKeysTest, APopupReturnsTheCommandOfTheChosenEntry) {
  const std::vector<PopupEntry> entries = {{"Überschrift & mehr", 0, false, false, true},
                                           {"", 0, true, true},
                                           {"0&1=Baden-Württemberg", 7220, true, false},
                                           {"11=Nordrhein-&Westfalen", 7230, true, false},
                                           {"201&9", 532, false, false}};
  AnswerPopupWith(Qt::Key_W);
  EXPECT_EQ(ChooseFromPopupMenu(dialog_.get(), entries, PopupPositionAt(*Edit(300))), 7230);
  ASSERT_EQ(shown_.size(), 5u);
  EXPECT_EQ(shown_[0], (std::pair<std::string, bool>{"Überschrift && mehr", false}));
  EXPECT_EQ(shown_[2], (std::pair<std::string, bool>{"0&1=Baden-Württemberg", true}));
  // A greyed entry keeps its access key: "201&9" shows as 2019 with the 9 underlined.
  EXPECT_EQ(shown_[4], (std::pair<std::string, bool>{"201&9", false}));
  AnswerPopupWith(Qt::Key_Escape);
  EXPECT_EQ(ChooseFromPopupMenu(dialog_.get(), entries, PopupPositionAt(*Edit(300))), 0);
}

TEST_F(PopupAndKeysTest, AHeldKeyIsKnownUntilItIsReleased) {
  HeldKeyWatcher f1(Qt::Key_F1);
  dialog_->Focus(301);
  EXPECT_FALSE(f1.IsHeld());
  QTest::keyPress(Edit(301), Qt::Key_F1);
  EXPECT_TRUE(f1.IsHeld());
  QTest::keyPress(Edit(301), Qt::Key_A);
  QTest::keyRelease(Edit(301), Qt::Key_A);
  EXPECT_TRUE(f1.IsHeld());
  QTest::keyRelease(Edit(301), Qt::Key_F1);
  EXPECT_FALSE(f1.IsHeld());
}

TEST_F(PopupAndKeysTest, FramesAndMultiLineEditsTakeTheirTexts) {
  dialog_->SetText(90, "Hinweis: neu");
  EXPECT_EQ(dialog_->Text(90), "Hinweis: neu");
  dialog_->SetText(101, "erste Zeile\r\nzweite Zeile");
  EXPECT_EQ(qobject_cast<QPlainTextEdit*>(dialog_->Control(101))->blockCount(), 2);
  EXPECT_EQ(dialog_->Text(101), "erste Zeile\nzweite Zeile");
}

}  // namespace
}  // namespace pekto
