// The file commands behind the main mask's hook, with the boxes recorded,
// the "Kontrolle" dialog answered and the "Bestand" list on the screen.
#include "app/dialogs/employee_file_hook.h"

#include <gtest/gtest.h>

#include <utility>

#include <QApplication>
#include <QListWidget>
#include <QTimer>
#include <memory>

#include "app/dialogs/best_dialog.h"
#include "app/files/tests/data_folder.h"
#include "calc/payroll_run.h"

namespace pekto {
namespace {

using testing_support::DataFolder;
using F = MaskField;

const std::filesystem::path kResources = std::filesystem::path(PEKTO_SOURCE_DIR) / "resources";

class EmployeeFileHookTest : public testing::Test {
 protected:
  void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  MaskFileCommandResult Run(MaskFileCommand command) {
    MaskFileCommandContext context{*record_, [this] {
                                     ++discard_questions_;
                                     return true;
                                   }};
    return hook_.Run(command, context);
  }
  void EnterMaier() {
    record_->mask_fields[F::FileName] = "MAIER";
    record_->mask_fields[F::BirthDate] = "05061980";
    record_->mask_fields[F::Period] = "0324";
    record_->mask_fields[F::TaxClass] = "1";
    record_->mask_fields[F::TaxDays] = "30";
    record_->mask_fields[F::TaxableGross] = "3000,00";
    // A month that passes the input checks, so that saving closes it.
    for (const auto& [field, value] : {std::pair{F::StateCode, "11"}, {F::ChurchEmployee, "01"}, {F::KvKey, "1"},
                                       {F::RvKey, "1"}, {F::AvKey, "1"}, {F::PvKey, "1"}, {F::KvRate, "16,30"},
                                       {F::SvDays, "30"}, {F::GrossTotal, "3000,00"}, {F::SvGross, "3000,00"}}) {
      record_->mask_fields[field] = value;
    }
  }

  DataFolder folder_{"hook"};
  rc::Script script_ = rc::LoadScripts(kResources / "pekto").script;
  RecordingMessageBoxes boxes_;
  RecordingHelpViewer help_;
  FieldState field_state_;
  FieldStateStack field_states_;
  DialogServices services_{script_, boxes_, help_, field_state_, field_states_};
  std::vector<ControlDialogContent> control_questions_;
  EmployeeFileCommands hook_{services_, folder_.files, folder_.paths, [this](const ControlDialogContent& content) {
                               control_questions_.push_back(content);
                               return true;
                             }};
  std::unique_ptr<EmployeeRecord> record_ = std::make_unique<EmployeeRecord>();
  int discard_questions_ = 0;
};

TEST_F(EmployeeFileHookTest, SavingShowsTheBoxesAndTheKontrolleDialog) {
  EnterMaier();
  CopyMaskToRecord(*record_);
  (void)RunPayroll(*record_, LoadYearParameters(record_->month_record));
  boxes_.answers = {MessageResult::No};
  const MaskFileCommandResult result = Run(MaskFileCommand::Save);
  EXPECT_FALSE(result.mask_changed);
  ASSERT_EQ(control_questions_.size(), 1u);
  EXPECT_EQ(control_questions_[0].caption, "Abschluss des Abrechnungszeitraumes März 2024");
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "Kontrolle");
  EXPECT_EQ(boxes_.shown[0].icon, MessageIcon::Question);
  EXPECT_EQ(boxes_.shown[0].buttons, MessageButtons::YesNo);
  EXPECT_TRUE(folder_.Has("MAIER.050"));
  EXPECT_TRUE(folder_.Has("MAIER~~~.050"));
  EXPECT_TRUE(folder_.Has("MAIER@@@_050.24"));
}

TEST_F(EmployeeFileHookTest, ARefusedSaveNamesItsField) {
  const MaskFileCommandResult result = Run(MaskFileCommand::Save);
  EXPECT_EQ(result.focus, F::FileName);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "Daten unvollständig !");
  EXPECT_EQ(boxes_.shown[0].icon, MessageIcon::Information);
}

TEST_F(EmployeeFileHookTest, LoadingAsksTheMaskAndOffersTheBestandList) {
  EnterMaier();
  (void)Run(MaskFileCommand::Save);
  ClearRecord(*record_);
  std::string title;
  QTimer::singleShot(0, [&title] {
    auto* dialog = dynamic_cast<BestDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    title = dialog->windowTitle().toStdString();
    dialog->SendCommand(kIdOk);
  });
  const MaskFileCommandResult result = Run(MaskFileCommand::LoadPartial);
  EXPECT_EQ(discard_questions_, 1);
  EXPECT_EQ(title, "Daten ohne Einkommensdaten laden");
  EXPECT_TRUE(result.mask_changed);
  EXPECT_EQ(result.focus, F::BirthDate);
  EXPECT_EQ(record_->mask_fields[F::FileName], "MAIER");
  EXPECT_EQ(record_->mask_fields[F::TaxableGross], "");
}

}  // namespace
}  // namespace pekto
