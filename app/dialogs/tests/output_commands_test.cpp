// The main mask's output commands: the current payslip after the
// "Kontrolle" question, after a save's payslip question, and the two
// history lists that show an archived document again.
#include <gtest/gtest.h>

#include <QListWidget>

#include "app/dialogs/control_dialog.h"
#include "app/dialogs/tests/main_mask_fixture.h"
#include "bookings/history_files.h"
#include "bookings/text_dialog.h"
#include "platform/atomic_file.h"

namespace pekto::testing_support {
namespace {

class OutputCommandTest : public MainMaskTest {
 protected:
  void FillEmployee() {
    Edit(MaskField::BirthDate)->setText("15061980");
    Edit(MaskField::FileName)->setText("MAIER");
    Edit(MaskField::Period)->setText("0524");
    Edit(MaskField::TaxClass)->setText("1");
    Edit(MaskField::TaxDays)->setText("30");
    Edit(MaskField::TaxableGross)->setText("3000,00");
    Edit(MaskField::GrossTotal)->setText("3000,00");
  }
  // Expects the viewer and closes it, keeping what it showed.
  void ExpectViewer(const std::string& screenshot = {}) {
    responder_.HandleDialog([this, screenshot](QWidget& window) {
      auto* viewer = dynamic_cast<TextDialog*>(&window);
      ASSERT_NE(viewer, nullptr) << "the viewer Vordruck";
      shown_ = viewer->Pages();
      shown_kind_ = viewer->Kind();
      if (!screenshot.empty()) Screenshot(window, screenshot);
      viewer->SendCommand(kIdCancel);
    });
  }
  void AnswerControl(bool yes) {
    responder_.HandleDialog([this, yes](QWidget& window) {
      control_caption_ = window.windowTitle().toStdString();
      dynamic_cast<Dialog&>(window).SendCommand(yes ? ControlDialog::kYes : ControlDialog::kNo);
    });
  }
  void PutHistoryFile(const std::string& name, const std::string& first_line) {
    const auto dir = installation_.files.HostPath("C:\\PEKTO\\HIS01");
    ASSERT_TRUE(dir.has_value());
    std::filesystem::create_directories(*dir);
    ASSERT_TRUE(ReplaceFileAtomically(*dir / name, "\"" + first_line + "\"\r\n\" zweite Zeile\"\r\n").ok);
  }

  OutputPages shown_;
  DocumentKind shown_kind_ = DocumentKind::AnnualSums;
  std::string control_caption_;
};

TEST_F(OutputCommandTest, TheCurrentPayslipIsShownAfterTheControlQuestion) {
  Open();
  FillEmployee();
  AnswerControl(true);
  ExpectViewer("vordruck_main_mask.png");
  dialog_->SendCommand(MainDialog::kCurrentPayslip);
  EXPECT_EQ(responder_.unexpected, 0);
  EXPECT_EQ(control_caption_, "Kontrolle");
  ASSERT_EQ(shown_.SheetCount(), 1);
  EXPECT_EQ(shown_kind_, DocumentKind::Payslip);
  const std::string text = DocumentText(shown_);
  EXPECT_NE(text.find("Bruttolohn                │ │ │          │          │   3000,00"), std::string::npos) << text;
  EXPECT_NE(text.find("05/2024"), std::string::npos);
}

TEST_F(OutputCommandTest, NoToTheControlQuestionShowsNothing) {
  Open();
  FillEmployee();
  AnswerControl(false);
  dialog_->SendCommand(MainDialog::kCurrentPayslip);
  EXPECT_EQ(responder_.dialogs_handled, 1);
  EXPECT_EQ(responder_.unexpected, 0);
  EXPECT_TRUE(shown_.Empty());
}

TEST_F(OutputCommandTest, YesToTheSavesPayslipQuestionOpensThePayslip) {
  Open();
  FillEmployee();
  file_commands_.save_shows_payslip = true;
  ExpectViewer();
  dialog_->SendCommand(static_cast<int>(MaskFileCommand::Save));
  EXPECT_EQ(responder_.unexpected, 0);
  EXPECT_EQ(responder_.dialogs_handled, 1) << "no second question before the payslip";
  EXPECT_EQ(shown_.SheetCount(), 1);
}

TEST_F(OutputCommandTest, ThePayslipHistoryListsTheAFilesAndShowsTheChosenOne) {
  PutHistoryFile("MAIER.150_202404A", " April");
  PutHistoryFile("MAIER.150_202405A", " Mai");
  PutHistoryFile("MAIER.150_202405K", " Lohnkonto");
  Open();
  std::vector<std::string> listed;
  std::string title;
  responder_.HandleDialog([&](QWidget& window) {
    title = window.windowTitle().toStdString();
    auto* list = window.findChild<QListWidget*>();
    ASSERT_NE(list, nullptr);
    for (int i = 0; i < list->count(); ++i) listed.push_back(list->item(i)->text().toStdString());
    list->setCurrentRow(1);
    dynamic_cast<Dialog&>(window).SendCommand(kIdOk);
  });
  ExpectViewer();
  dialog_->SendCommand(MainDialog::kPayslipHistory);
  EXPECT_EQ(responder_.unexpected, 0);
  EXPECT_EQ(title, "Bestand zurückliegender Lohnabrechnungen");
  EXPECT_EQ(listed, (std::vector<std::string>{"MAIER.150_202404A", "MAIER.150_202405A"}));
  ASSERT_EQ(shown_.Lines().size(), 2u);
  EXPECT_EQ(shown_.Lines()[0], " Mai");
}

TEST_F(OutputCommandTest, TheAccountHistoryListsOnlyTheKFilesAndCancelShowsNothing) {
  PutHistoryFile("MAIER.150_202405A", " Mai");
  PutHistoryFile("MAIER.150_202405K", " Lohnkonto");
  Open();
  std::vector<std::string> listed;
  responder_.HandleDialog([&](QWidget& window) {
    auto* list = window.findChild<QListWidget*>();
    ASSERT_NE(list, nullptr);
    for (int i = 0; i < list->count(); ++i) listed.push_back(list->item(i)->text().toStdString());
    dynamic_cast<Dialog&>(window).SendCommand(kIdCancel);
  });
  dialog_->SendCommand(MainDialog::kAccountHistory);
  EXPECT_EQ(responder_.unexpected, 0);
  EXPECT_EQ(listed, std::vector<std::string>{"MAIER.150_202405K"});
  EXPECT_TRUE(shown_.Empty());
}

TEST_F(OutputCommandTest, TheCurrentAccountIsShownAfterTheWarningAndTheQuestion) {
  Open();
  FillEmployee();
  boxes_.answers = {MessageResult::Yes, MessageResult::Yes};
  ExpectViewer("vordruck_lohnkonto_main_mask.png");
  dialog_->SendCommand(MainDialog::kCurrentAccount);
  EXPECT_EQ(responder_.unexpected, 0);
  ASSERT_EQ(boxes_.shown.size(), 2u);
  EXPECT_EQ(boxes_.shown[0].caption, "Kontrolle");
  EXPECT_TRUE(boxes_.shown[0].text.ends_with("Lohnkonto trotzdem anzeigen ?")) << boxes_.shown[0].text;
  EXPECT_TRUE(boxes_.shown[1].text.starts_with("Soll das Lohnkonto jetzt angezeigt bzw. ausgedruckt werden?"));
  EXPECT_EQ(shown_kind_, DocumentKind::PayrollAccount);
  const std::string text = DocumentText(shown_);
  EXPECT_NE(text.find("L O H N K O N T O  2024"), std::string::npos) << text;
  EXPECT_NE(text.find("Geburtsdatum: . 15.06.1980"), std::string::npos);
  EXPECT_NE(text.find("J A H R E S S U M M E N"), std::string::npos);
}

TEST_F(OutputCommandTest, NoToTheWarningOrTheQuestionShowsNoAccount) {
  Open();
  FillEmployee();
  for (const auto& answers : std::vector<std::deque<MessageResult>>{{MessageResult::No},
                                                                   {MessageResult::Yes, MessageResult::No}}) {
    boxes_.shown.clear();
    boxes_.answers = answers;
    dialog_->SendCommand(MainDialog::kCurrentAccount);
    EXPECT_EQ(boxes_.shown.size(), answers.size());
    EXPECT_EQ(responder_.dialogs_handled, 0);
    EXPECT_TRUE(shown_.Empty());
  }
}

}  // namespace
}  // namespace pekto::testing_support
