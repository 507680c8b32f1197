#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>

#include "app/dialogs/main_dialog.h"
#include "app/mask/results_overview.h"
#include "app/checks/tests/check_test_support.h"
#include "app/dialogs/tests/main_mask_fixture.h"

namespace pekto {
namespace {

using F = MaskField;
using testing_support::MainMaskTest;
using testing_support::Screenshot;

const char* const kUnsavedQuestion =
    "Sie haben Ihre Eintragungen nicht\r\nabgespeichert. Möchten Sie trotz-\r\ndem abbrechen....";

TEST_F(MainMaskTest, LeavingAfterChangingOneFieldAsksTheUnsavedChangesQuestion) {
  Open();
  Type(F::FileName, "MAIER");
  boxes_.answers = {MessageResult::No};
  qobject_cast<QPushButton*>(dialog_->Control(MainDialog::kBackToStartMask))->click();
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "Kontrolle");
  EXPECT_EQ(boxes_.shown[0].text, kUnsavedQuestion);
  EXPECT_EQ(boxes_.shown[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(frame_.start_masks, 0);
  EXPECT_EQ(TextOf(F::FileName), "MAIER");
  Press(Qt::Key_Escape);  // command 1280, answered Yes
  EXPECT_EQ(boxes_.shown.size(), 2u);
  EXPECT_EQ(frame_.start_masks, 1);
  EXPECT_EQ(state_.record.mask_fields, MaskFields{});
}

TEST_F(MainMaskTest, LeavingRightAfterSavingDoesNotAsk) {
  Open();
  Type(F::FileName, "MAIER");
  Press(Qt::Key_F3);
  ASSERT_EQ(file_commands_.commands, std::vector<MaskFileCommand>{MaskFileCommand::Save});
  EXPECT_EQ(file_commands_.masks[0][F::FileName], "MAIER");
  dialog_->SendCommand(MainDialog::kBackToQuery);
  EXPECT_TRUE(boxes_.shown.empty());
  EXPECT_EQ(frame_.start_masks, 1);
}

TEST_F(MainMaskTest, ALoadAsksBeforeItReplacesUnsavedEntriesAndShowsTheLoadedMask) {
  Open();
  Type(F::FileName, "MAIER");
  file_commands_.loaded[F::FileName] = "HUBER";
  file_commands_.loaded[F::Period] = "0424";
  boxes_.answers = {MessageResult::No};
  Press(Qt::Key_F9);
  EXPECT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(TextOf(F::FileName), "MAIER");
  Press(Qt::Key_F9);
  EXPECT_EQ(TextOf(F::FileName), "HUBER");
  EXPECT_EQ(TextOf(F::Period), "0424");
  EXPECT_EQ(Current(), 16);
}

TEST_F(MainMaskTest, ClearingTheMaskAsksAndEmptiesEveryField) {
  Open();
  Fill(testing::ValidMask());
  boxes_.answers = {MessageResult::No};
  Press(Qt::Key_F4);
  EXPECT_EQ(TextOf(F::TaxableGross), "3000,00");
  Press(Qt::Key_F4);
  for (const MaskFieldSpec& spec : kMaskFieldTable) EXPECT_EQ(TextOf(static_cast<MaskField>(spec.number)), "");
  EXPECT_EQ(boxes_.shown.size(), 2u);
  EXPECT_FALSE(state_.record.modified);
  EXPECT_EQ(Current(), 1);
}

TEST_F(MainMaskTest, TheCalculationModeIsStoredAndGreysTheYearFigureCommands) {
  Open();
  Fill(testing::ValidMask());
  EXPECT_TRUE(dialog_->MenuActions(MainDialog::kWithoutBookingMask).front()->isChecked());
  dialog_->MenuActions(MainDialog::kAfterBookingMask).front()->trigger();
  EXPECT_EQ(ReadSystemFile(installation_.files, "C:\\PEKTO\\LODAT2.SYS").file.CalcMode(), "0");
  EXPECT_TRUE(dialog_->MenuActions(MainDialog::kAfterBookingMask).front()->isChecked());
  EXPECT_FALSE(dialog_->MenuActions(MainDialog::kWithoutBookingMask).front()->isChecked());
  EXPECT_FALSE(dialog_->MenuActions(MainDialog::kShowYearFigures).front()->isEnabled());
  EXPECT_FALSE(dialog_->MenuActions(MainDialog::kRemoveYearFigures).front()->isEnabled());
  // The typed amounts stay, read-only while the bookings fill them.
  EXPECT_EQ(TextOf(F::TaxableGross), "3000,00");
  EXPECT_TRUE(Edit(F::TaxableGross)->isReadOnly());
  EXPECT_FALSE(Edit(F::GarnishClaims)->isReadOnly());
  EXPECT_EQ(TextOf(F::FileName), "MAIER");
  Press(Qt::Key_F6);  // greyed: not run
  EXPECT_TRUE(file_commands_.commands.empty());
  dialog_->MenuActions(MainDialog::kWithoutBookingMask).front()->trigger();
  EXPECT_EQ(ReadSystemFile(installation_.files, "C:\\PEKTO\\LODAT2.SYS").file.CalcMode(), "1");
  EXPECT_TRUE(dialog_->MenuActions(MainDialog::kShowYearFigures).front()->isEnabled());
  EXPECT_EQ(TextOf(F::TaxableGross), "3000,00");
  EXPECT_FALSE(Edit(F::TaxableGross)->isReadOnly());
  Press(Qt::Key_F6);
  EXPECT_EQ(file_commands_.commands, std::vector<MaskFileCommand>{MaskFileCommand::ShowYearFigures});
}

TEST_F(MainMaskTest, TheFileCommandsReachTheirImplementation) {
  Open();
  Press(Qt::Key_F8);
  Press(Qt::Key_F5);
  for (const int id : {265, 5289}) dialog_->MenuActions(id).front()->trigger();
  EXPECT_EQ(file_commands_.commands,
            (std::vector<MaskFileCommand>{MaskFileCommand::LoadPartial, MaskFileCommand::DeleteFile,
                                          MaskFileCommand::LoadSecurityCopy, MaskFileCommand::RemoveYearFigures}));
}

TEST_F(MainMaskTest, TheBookingMaskButtonAsksForMissingPersonalData) {
  Open();
  boxes_.answers = {MessageResult::No};
  qobject_cast<QPushButton*>(dialog_->Control(MainDialog::kBookingMaskButton))->click();
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_TRUE(boxes_.shown[0].text.ends_with("Soll die Buchungsmaske trotzdem aufgerufen werden?"));
  Fill(testing::ValidMask());
  boxes_.answers = {MessageResult::No};
  qobject_cast<QPushButton*>(dialog_->Control(MainDialog::kBookingMaskButton))->click();
  ASSERT_EQ(boxes_.shown.size(), 2u);
  EXPECT_TRUE(boxes_.shown[1].text.ends_with("Soll das Lohnkonto jetzt aufgerufen werden?"));
}

TEST_F(MainMaskTest, AccessoriesGetTheirStartTokenAndExplanationsReportAFailure) {
  Open();
  dialog_->SendCommand(MainDialog::kCalculator);
  ASSERT_EQ(programs_.launches.size(), 1u);
  EXPECT_EQ(programs_.launches[0].program, "C:\\PEKTO\\FIMREL.EXE");
  EXPECT_EQ(programs_.launches[0].working_directory, "C:\\PEKTO");
  EXPECT_TRUE(installation_.files.FileExists("C:\\PEKTO\\START.DAT"));
  documents_.answer = {false, 31, 0};
  dialog_->SendCommand(MainDialog::kMidijobDocument);
  EXPECT_EQ(documents_.documents, std::vector<std::string>{"C:\\PEKTO\\Midijob__Bestandsschutz.pdf"});
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "Kontrolle (Fehler31)");
  EXPECT_TRUE(boxes_.shown[0].text.starts_with(
      "Die Erlaüterungen zu den Änderungen im Niedriglohnsktor(Midijob) konnte nicht angezeigt werden !\r\n"));
}

TEST_F(MainMaskTest, AMissingCalendarIsReportedAndLeavesNoToken) {
  Open();
  programs_.answer = {false, 2, 0};
  dialog_->SendCommand(MainDialog::kCalendar);
  ASSERT_EQ(programs_.launches.size(), 1u);
  EXPECT_EQ(programs_.launches[0].program, "C:\\PEKTO\\DORVEL.EXE");
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "PEKTO Fehler!");
  EXPECT_EQ(boxes_.shown[0].icon, MessageIcon::Stop);
  EXPECT_TRUE(boxes_.shown[0].text.starts_with("Der Kalender kann nicht gestartet werden.\r\n"));
  EXPECT_FALSE(installation_.files.FileExists("C:\\PEKTO\\START.DAT"));
}

// A month with one-off payments for the pictures of the mask and the
// overview.
MaskFields PictureMonth() {
  MaskFields mask = testing::ValidMask({{F::ChurchEmployee, "01"},
                                        {F::LevyKey, "3"},
                                        {F::U1Rate, "1,10"},
                                        {F::U2Rate, "0,24"},
                                        {F::ChildAllowances, "1,0"},
                                        {F::PvChildren, "1"}});
  mask[F::TaxableOther] = "2000,00";
  mask[F::SvOneOff] = "2000,00";
  mask[F::OtherYears] = "1";
  mask[F::GrossTotal] = "5000,00";
  mask[F::FileName] = "MÜLLER";
  return mask;
}

// The month this release is made for: December 2026, with its one-off
// payment, through the mask to the overview.
TEST_F(MainMaskTest, ADecember2026MonthIsCalculatedEndToEnd) {
  Open();
  MaskFields mask = PictureMonth();
  mask[F::Period] = "1226";
  mask[F::OtherYears] = "5";
  Fill(mask);
  responder_.HandleDialog([&](QWidget& overview) {
    Screenshot(overview, "results_overview_1226.png");
    dynamic_cast<Dialog&>(overview).SendCommand(overview_control::kAccept);
  });
  dialog_->SendCommand(MainDialog::kCalculate);
  EXPECT_EQ(responder_.dialogs_handled, 1);
  for (const auto& box : boxes_.shown) EXPECT_EQ(box.text.find("Bezugsdaten"), std::string::npos) << box.text;
  Screenshot(*dialog_, "main_mask_1226.png");
}

class MainMaskPictureTest : public MainMaskTest, public ::testing::WithParamInterface<char> {};

TEST_P(MainMaskPictureTest, MaskAndOverviewAtTheScreenClass) {
  const char screen_class = GetParam();
  const std::string suffix = std::string("_") + screen_class + ".png";
  Open(LayoutVariantFor(screen_class));
  Fill(PictureMonth());
  Focus(F::TaxDays);
  responder_.HandleDialog([&](QWidget& overview) {
    Screenshot(overview, "results_overview" + suffix);
    dynamic_cast<Dialog&>(overview).SendCommand(overview_control::kAccept);
  });
  dialog_->SendCommand(MainDialog::kCalculate);
  EXPECT_EQ(responder_.dialogs_handled, 1);
  Screenshot(*dialog_, "main_mask" + suffix);
}

INSTANTIATE_TEST_SUITE_P(ScreenClasses, MainMaskPictureTest, ::testing::Values('K', 'M', 'G'));

}  // namespace
}  // namespace pekto
