// The main mask's "&Lohnkonto" (command 4096, menu "Be&arbeiten") opens the
// payroll account of the record over the mask.
#include <gtest/gtest.h>

#include <QAction>

#include "app/dialogs/tests/main_mask_fixture.h"
#include "bookings/account/payroll_account_dialog.h"
#include "record/annual_block.h"

namespace pekto {
namespace {

using testing_support::MainMaskTest;

TEST_F(MainMaskTest, TheMenuEntryOpensThePayrollAccountOfTheRecord) {
  Open();
  Type(MaskField::FileName, "MAIER");
  state_.record.annual_block[annual_slot::kGrossTotal] = "1625000";
  std::string title;
  std::string gross;
  responder_.HandleDialog([&](QWidget& widget) {
    auto& account = dynamic_cast<PayrollAccountDialog&>(widget);
    title = account.windowTitle().toStdString();
    gross = account.Text(ControlIdOf(AccountField::GrossTotal));
    account.SetText(ControlIdOf(AccountField::EntryDate), "010424");
    account.SendCommand(PayrollAccountDialog::kContinue);
  });
  ASSERT_FALSE(dialog_->MenuActions(MainDialog::kPayrollAccount).empty());
  dialog_->MenuActions(MainDialog::kPayrollAccount).front()->trigger();
  EXPECT_EQ(responder_.dialogs_handled, 1);
  EXPECT_EQ(responder_.unexpected, 0);
  EXPECT_EQ(title, "Lohnkonto für MAIER");
  EXPECT_EQ(gross, "16250,00");
  EXPECT_EQ(state_.record.annual_block[annual_slot::kEntryDate], "010424");
  EXPECT_TRUE(state_.record.modified) << "the account is saved with the employee file";
  EXPECT_EQ(state_.field_states.Depth(), 0u);
}

TEST_F(MainMaskTest, F1InThePayrollAccountOpensTheMainHelpFile) {
  Open();
  responder_.HandleDialog([&](QWidget& widget) {
    auto& account = dynamic_cast<PayrollAccountDialog&>(widget);
    account.SendCommand(PayrollAccountDialog::kKeyboardHelp);
    account.SendCommand(kIdCancel);
  });
  dialog_->SendCommand(MainDialog::kPayrollAccount);
  ASSERT_EQ(help_.shown.size(), 1u);
  EXPECT_EQ(help_.shown[0].help_file, "C:\\PEKTO\\PEKTO.CHM");
  EXPECT_EQ(help_.shown[0].topic, 211);
  EXPECT_TRUE(boxes_.shown.empty());
}

// "Zu&behör" of the payroll account starts the accessories as the main
// mask does: the token first, then the program in the installation folder.
TEST_F(MainMaskTest, TheAccessoriesMenuOfThePayrollAccountStartsThem) {
  Open();
  responder_.HandleDialog([&](QWidget& widget) {
    auto& account = dynamic_cast<PayrollAccountDialog&>(widget);
    account.SendCommand(PayrollAccountDialog::kCalendar);
    account.SendCommand(kIdCancel);
  });
  dialog_->SendCommand(MainDialog::kPayrollAccount);
  ASSERT_EQ(programs_.launches.size(), 1u);
  EXPECT_EQ(programs_.launches[0].program, "C:\\PEKTO\\DORVEL.EXE");
  EXPECT_TRUE(installation_.files.FileExists("C:\\PEKTO\\START.DAT"));
  EXPECT_TRUE(boxes_.shown.empty());
}

}  // namespace
}  // namespace pekto
