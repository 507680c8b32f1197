#include "app/dialogs/control_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/dialogs/tests/main_mask_fixture.h"

namespace pekto {
namespace {

using testing_support::kResourceDir;
using testing_support::Screenshot;
using testing_support::UiResponder;

class ControlDialogTest : public ::testing::Test {
 protected:
  // Opens the content over an owner and answers with `act`; the dialog's
  // texts as shown are kept.
  int Ask(const ControlDialogContent& content, const std::function<void(ControlDialog&)>& act,
          const std::string& picture = {}) {
    owner_.show();
    responder_.HandleDialog([&](QWidget& widget) {
      auto& dialog = dynamic_cast<ControlDialog&>(widget);
      title_ = dialog.windowTitle().toStdString();
      text_ = dialog.Text(ControlDialog::kText);
      yes_ = dialog.Text(ControlDialog::kYes);
      no_ = dialog.Text(ControlDialog::kNo);
      if (!picture.empty()) Screenshot(dialog, picture);
      act(dialog);
    });
    return AskControlQuestion(services_, content, &owner_);
  }

  rc::Script script_ = rc::LoadScripts(kResourceDir / "pekto").script;
  RecordingMessageBoxes boxes_;
  RecordingHelpViewer help_;
  FieldState state_;
  FieldStateStack stack_;
  DialogServices services_{script_, boxes_, help_, state_, stack_};
  QWidget owner_;
  UiResponder responder_;
  std::string title_, text_, yes_, no_;
};

TEST_F(ControlDialogTest, TheSummationContentReplacesCaptionAndButtons) {
  const ControlDialogContent content =
      ControlDialogContentOf(ControlDialogMode::Summation, {"0924", "MÜLLER", "15.10.2024", "0824"});
  const int answer = Ask(
      content, [](ControlDialog& d) { d.SendCommand(ControlDialog::kYes); }, "control_dialog.png");
  EXPECT_EQ(answer, 6);
  EXPECT_EQ(title_, "Abschluss des Abrechnungszeitraumes September 2024");
  EXPECT_EQ(yes_, "Ja, die Abrechnung ist OK");
  EXPECT_EQ(no_, "Nein, erneut abrechnen");
  std::string lines;
  for (const std::string& line : content.lines) lines += (lines.empty() ? "" : "\n") + line;
  EXPECT_EQ(text_, lines);
}

TEST_F(ControlDialogTest, TheOtherContentsAskWithYesAndNo) {
  for (const ControlDialogMode mode : {ControlDialogMode::AnnualBasis, ControlDialogMode::PayslipOutput}) {
    const ControlDialogContent content = ControlDialogContentOf(mode);
    const int answer = Ask(content, [](ControlDialog& d) { d.SendCommand(ControlDialog::kNo); });
    EXPECT_EQ(answer, 7);
    EXPECT_EQ(title_, "Kontrolle");
    EXPECT_EQ(yes_, "&Ja");
    EXPECT_EQ(no_, "&Nein");
    EXPECT_TRUE(text_.starts_with(content.lines.front() + "\n"));
  }
}

TEST_F(ControlDialogTest, EscapeAnswersNoAndReturnYes) {
  const ControlDialogContent content = ControlDialogContentOf(ControlDialogMode::PayslipOutput);
  EXPECT_EQ(Ask(content, [](ControlDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }), 7);
  EXPECT_EQ(Ask(content, [](ControlDialog& d) { QTest::keyClick(d.Control(ControlDialog::kYes), Qt::Key_Return); }), 6);
}

}  // namespace
}  // namespace pekto
