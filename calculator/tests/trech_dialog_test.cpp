#include "calculator/trech_dialog.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include "platform/dos_file_system.h"
#include "platform/start_token.h"

namespace pekto::calculator {
namespace {

namespace fs = std::filesystem;

class TrechDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(root_ / "drive_c" / "PEKTO"); }
  void TearDown() override {
    dialog_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fs::remove_all(root_);
  }
  void Start() {
    ASSERT_TRUE(WriteStartToken(files_, "C:\\PEKTO"));
    dialog_ = StartCalculator(services_, files_, "C:\\PEKTO");
    ASSERT_NE(dialog_, nullptr);
    QApplication::setActiveWindow(dialog_.get());
  }
  // Clicks the buttons of a key text: digits and "," write, the rest
  // are operators ("x" is the multiplication key).
  void Click(const std::string& keys) {
    for (const char c : keys) {
      const int id = ButtonOf(c);
      ASSERT_NE(id, 0) << c;
      auto* button = dialog_->Control(id);
      QTest::mouseClick(button, Qt::LeftButton);
    }
  }
  static int ButtonOf(char c) {
    constexpr std::pair<char, int> kButtons[] = {
        {'7', 110}, {'8', 111}, {'9', 112}, {'4', 114}, {'5', 115}, {'6', 116}, {'1', 117}, {'2', 118}, {'3', 119},
        {'0', 121}, {',', 122}, {'C', 106}, {'/', 107}, {'x', 108}, {'-', 109}, {'+', 113}, {'=', 120}, {'%', 124}};
    for (const auto& [key, id] : kButtons) {
      if (key == c) return id;
    }
    return 0;
  }
  [[nodiscard]] QLineEdit* Input() const { return qobject_cast<QLineEdit*>(dialog_->Control(TrechDialog::kInput)); }
  [[nodiscard]] std::string Display() const { return dialog_->Text(TrechDialog::kDisplay); }

  fs::path root_ = fs::path(testing::TempDir()) / ("rechner_" + std::to_string(::getpid()));
  DosFileSystem files_{root_};
  rc::Script script_ = rc::LoadScripts(fs::path(PEKTO_SOURCE_DIR) / "resources" / "fimrel").script;
  RecordingMessageBoxes boxes_;
  RecordingHelpViewer help_;
  FieldState state_;
  FieldStateStack stack_;
  DialogServices services_{script_, boxes_, help_, state_, stack_};
  std::unique_ptr<TrechDialog> dialog_;
};

TEST_F(TrechDialogTest, WithoutTheTokenTheGuardMessageEndsTheStart) {
  EXPECT_EQ(StartCalculator(services_, files_, "C:\\PEKTO"), nullptr);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "PEKTO Fehler!");
  EXPECT_EQ(boxes_.shown[0].icon, MessageIcon::Stop);
  EXPECT_EQ(boxes_.shown[0].text, "Das Programm kann ausschlies-\r\nslich unter PEKTO.EXE gestartet\r\nwerden.");
}

TEST_F(TrechDialogTest, WithTheTokenTheCalculatorOpensAndTakesIt) {
  Start();
  EXPECT_TRUE(boxes_.shown.empty());
  EXPECT_FALSE(files_.FileExists("C:\\PEKTO\\START.DAT"));
  EXPECT_EQ(dialog_->windowTitle().toStdString(), "Rechner");
  EXPECT_EQ(Display(), "0");
  for (const int id : {106, 107, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123, 124}) {
    EXPECT_NE(dialog_->Control(id), nullptr) << id;
  }
  EXPECT_EQ(dialog_->Text(TrechDialog::kCancel), "&Abbruch (Esc)");
}

TEST_F(TrechDialogTest, WithoutItsTemplateTheCreationMessageShows) {
  rc::Script empty;
  DialogServices services{empty, boxes_, help_, state_, stack_};
  ASSERT_TRUE(WriteStartToken(files_, "C:\\PEKTO"));
  EXPECT_EQ(StartCalculator(services, files_, "C:\\PEKTO"), nullptr);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_TRUE(boxes_.shown[0].text.starts_with("Der Rechner konnte nicht ge-\r\nöffnet werden.\r\n"));
}

TEST_F(TrechDialogTest, ButtonsRunAChain) {
  Start();
  Click("12,5+");
  EXPECT_EQ(Display(), "12,5");
  EXPECT_EQ(Input()->text().toStdString(), "");
  Click("7,5x");
  EXPECT_EQ(Display(), "20");
  Click("3-");
  EXPECT_EQ(Display(), "60");
  Click("4=");
  EXPECT_EQ(Display(), "56");
  Click("200%50=");  // a new calculation after "="
  EXPECT_EQ(Display(), "100");
  Click("/3=");
  EXPECT_EQ(Display(), "33,3333333333333");
  const QPixmap picture = dialog_->grab();
  EXPECT_FALSE(picture.isNull());
  if (const QByteArray dir = qgetenv("PEKTO_SCREENSHOT_DIR"); !dir.isEmpty()) {
    picture.save(QString::fromLocal8Bit(dir) + "/rechner_kette.png");
  }
  Click("C");
  EXPECT_EQ(Display(), "0");
}

TEST_F(TrechDialogTest, TypedOperatorsActAsButtonsAndNeverReachTheField) {
  Start();
  QTest::keyClicks(Input(), "10-4");
  EXPECT_EQ(Display(), "10");
  EXPECT_EQ(Input()->text().toStdString(), "4");
  QTest::keyClick(Input(), Qt::Key_Return);
  EXPECT_EQ(Display(), "6");
  QTest::keyClicks(Input(), "2,5*2");
  QTest::keyClick(Input(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(Display(), "5");
  QTest::keyClicks(Input(), "3");
  QTest::keyClick(Input(), Qt::Key_Plus, Qt::KeypadModifier);
  QTest::keyClicks(Input(), "1");
  QTest::keyClick(Input(), Qt::Key_Period, Qt::KeypadModifier);
  QTest::keyClicks(Input(), "5=");
  EXPECT_EQ(Display(), "4,5");
  QTest::keyClicks(Input(), "9c");
  EXPECT_EQ(Display(), "0");
  EXPECT_EQ(Input()->text().toStdString(), "");
}

TEST_F(TrechDialogTest, PastedOperatorsActInOrder) {
  Start();
  Input()->setFocus();
  QApplication::clipboard()->setText("100+20-5");
  Input()->paste();
  EXPECT_EQ(Display(), "120");
  EXPECT_EQ(Input()->text().toStdString(), "5");
  QTest::keyClick(Input(), Qt::Key_Return);
  EXPECT_EQ(Display(), "115");
}

TEST_F(TrechDialogTest, EscapeAndTheCancelButtonClose) {
  Start();
  QTest::keyClick(Input(), Qt::Key_Escape);
  EXPECT_FALSE(dialog_->isVisible());
  Start();
  Click("5");
  QTest::mouseClick(dialog_->Control(TrechDialog::kCancel), Qt::LeftButton);
  EXPECT_FALSE(dialog_->isVisible());
}

}  // namespace
}  // namespace pekto::calculator
