#include "app/dialogs/main_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>

#include "app/mask/main_mask_input.h"
#include "app/mask/results_overview.h"
#include "app/dialogs/results_overview_dialog.h"
#include "app/checks/tests/check_test_support.h"
#include "app/dialogs/tests/main_mask_fixture.h"

namespace pekto {
namespace {

using F = MaskField;
using testing_support::MainMaskTest;
using testing_support::Screenshot;

TEST_F(MainMaskTest, ReadsLikeTheMainMask) {
  Open();
  EXPECT_EQ(dialog_->windowTitle().toStdString(), "Hauptmaske");
  for (int id = 300; id <= 359; ++id) EXPECT_NE(qobject_cast<QLineEdit*>(dialog_->Control(id)), nullptr) << id;
  for (int id = 550; id <= 567; ++id) EXPECT_EQ(dialog_->Text(id), "S") << id;
  EXPECT_EQ(dialog_->Text(1), "&Berechnen (Return)");
  EXPECT_TRUE(qobject_cast<QPushButton*>(dialog_->Control(1))->isDefault());
  EXPECT_EQ(dialog_->Text(8914), "Buchungs&maske aufrufen");
  EXPECT_EQ(dialog_->Text(283), "&Hauptmenü verlassen und zurück zur Startmaske");
  for (const int command :
       {256,  257, 265, 258,  259, 260,  276, 280, 4096, 290,  289,  5289, 288,  279,  5661, 5662, 5413,
        5414, 512, 261, 5426, 273, 4359, 264, 274, 275,  5417, 5424, 277,  5425, 5730, 5731, 5427}) {
    EXPECT_EQ(dialog_->MenuActions(command).size(), 1u) << command;
  }
  EXPECT_EQ(dialog_->MenuActions(258).front()->text().toStdString(), "Daten &abspeichern (F3)");
  EXPECT_EQ(Current(), 1);
  EXPECT_EQ(dialog_->Text(kStatusLineId), " Geburtsdatum im Format TTMMJHJJ");
}

struct TypingRow {
  const char* name;
  MaskField field;
  const char* typed;
  const char* shown;
};
void PrintTo(const TypingRow& c, std::ostream* os) { *os << c.name; }

class MainMaskTypingTest : public MainMaskTest, public ::testing::WithParamInterface<TypingRow> {};

TEST_P(MainMaskTypingTest, TheFieldsFilterKeepsOnlyWhatItAllows) {
  Open();
  Type(GetParam().field, QString::fromUtf8(GetParam().typed));
  EXPECT_EQ(TextOf(GetParam().field), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Filter, MainMaskTypingTest,
                         ::testing::Values(TypingRow{"LetterIntoAKeyField", F::KvKey, "a", ""},
                                           TypingRow{"KeyOutsideTheListThenOneInside", F::KvKey, "23", "3"},
                                           TypingRow{"FourthDigitIntoTaxDays", F::TaxDays, "3601", "360"},
                                           TypingRow{"TaxClassTakesOneDigitOfItsList", F::TaxClass, "714", "1"},
                                           TypingRow{"FileNameWithUmlauts", F::FileName, "Müller!1x", "Müller1"},
                                           TypingRow{"AmountWithCommaNoLetters", F::TaxableGross, "3e000,00-",
                                                     "3000,00"},
                                           TypingRow{"GrossTotalMayBeNegative", F::GrossTotal, "-12,30", "-12,30"},
                                           TypingRow{"PeriodDigitsOnly", F::Period, "03.24", "0324"}),
                         [](const ::testing::TestParamInfo<TypingRow>& info) { return std::string(info.param.name); });

TEST_F(MainMaskTest, EnteringAFieldShowsItsStatusTextAndSetsItsHelpTopic) {
  Open();
  Focus(F::TaxDays);
  EXPECT_EQ(dialog_->Text(kStatusLineId), " Steuertage");
  EXPECT_EQ(state_.field_state.help_topic, 184);
  EXPECT_EQ(state_.field_state.rule, FieldInputRuleOf(F::TaxDays));
}

TEST_F(MainMaskTest, DownAndUpFollowTheCycle) {
  Open();
  std::vector<int> visited;
  for (int step = 0; step < kMaskFieldCount; ++step) {
    visited.push_back(Current());
    Press(Qt::Key_Down);
  }
  EXPECT_EQ(std::vector<int>(visited.begin(), visited.begin() + 12),
            (std::vector<int>{1, 2, 3, 4, 5, 6, 26, 7, 8, 24, 57, 12}));
  EXPECT_EQ(visited.back(), 56);
  EXPECT_EQ(Current(), 1);
  Press(Qt::Key_Up);
  EXPECT_EQ(Current(), 56);
  Press(Qt::Key_Up);
  EXPECT_EQ(Current(), 55);
}

struct PageRow {
  const char* name;
  MaskField from;
  Qt::Key key;
  int to;
};
void PrintTo(const PageRow& c, std::ostream* os) { *os << c.name; }

class MainMaskPageTest : public MainMaskTest, public ::testing::WithParamInterface<PageRow> {};

TEST_P(MainMaskPageTest, JumpsToTheLineStart) {
  Open();
  Focus(GetParam().from);
  Press(GetParam().key);
  EXPECT_EQ(Current(), GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(Lines, MainMaskPageTest,
                         ::testing::Values(PageRow{"FirstRowDown", F::KvRate, Qt::Key_PageDown, 16},
                                           PageRow{"AllowanceDownToItsRowStart", F::AnnualAllowance, Qt::Key_PageDown,
                                                   16},
                                           PageRow{"SecondRowDown", F::ChurchFlatKey, Qt::Key_PageDown, 34},
                                           PageRow{"GrossTotalDown", F::GrossTotal, Qt::Key_PageDown, 36},
                                           PageRow{"OneOffLineDown", F::PensionInOther, Qt::Key_PageDown, 43},
                                           PageRow{"DaysStayOnDays", F::GarnishCalendarDays, Qt::Key_PageDown, 53},
                                           PageRow{"LastLineDownToTheTop", F::GarnishClaims, Qt::Key_PageDown, 1},
                                           PageRow{"FirstRowUpToTheLastLine", F::FileName, Qt::Key_PageUp, 55},
                                           PageRow{"SecondRowUpToTheTop", F::TaxFactor, Qt::Key_PageUp, 1},
                                           PageRow{"PensionLineUp", F::PensionInCurrent, Qt::Key_PageUp, 36},
                                           PageRow{"DependantsUp", F::GarnishDependants, Qt::Key_PageUp, 32}),
                         [](const ::testing::TestParamInfo<PageRow>& info) { return std::string(info.param.name); });

TEST_F(MainMaskTest, F1OnTaxDaysShowsItsTopicDirectly) {
  Open();
  Focus(F::TaxDays);
  Press(Qt::Key_F1);
  EXPECT_EQ(help_.shown, (std::vector<RecordingHelpViewer::Shown>{{"C:\\PEKTO\\PEKTO.CHM", 184}}));
  EXPECT_TRUE(responder_.popups.empty());
}

TEST_F(MainMaskTest, F1OnTheTaxClassOffersItsKeyDirectoryOrItsExplanation) {
  Open();
  Focus(F::TaxClass);
  responder_.ChoosePopupKey(Qt::Key_E);
  Press(Qt::Key_F1);
  ASSERT_EQ(responder_.popups.size(), 1u);
  EXPECT_EQ(responder_.popups[0], (std::vector<std::string>{"&Schlüsselverzeichnis zum Eingabefeld anzeigen",
                                                            "&Erläuterung zum Eingabefeld anzeigen"}));
  EXPECT_EQ(help_.shown, (std::vector<RecordingHelpViewer::Shown>{{"C:\\PEKTO\\PEKTO.CHM", 168}}));
  responder_.ChoosePopupKey(Qt::Key_S);
  responder_.ChoosePopupKey(Qt::Key_3);
  Press(Qt::Key_F1);
  ASSERT_EQ(responder_.popups.size(), 3u);
  EXPECT_EQ(responder_.popups[2].front(), "&1 Steuerklasse");
  EXPECT_EQ(TextOf(F::TaxClass), "3");
  EXPECT_EQ(Current(), 19);
  EXPECT_EQ(responder_.unexpected, 0);
}

TEST_F(MainMaskTest, F1OnTheLeaveButtonShowsTopic300) {
  Open();
  dialog_->Control(MainDialog::kBackToStartMask)->setFocus();
  Press(Qt::Key_F1);
  EXPECT_EQ(help_.shown, (std::vector<RecordingHelpViewer::Shown>{{"C:\\PEKTO\\PEKTO.CHM", 300}}));
}

TEST_F(MainMaskTest, AMenuCommandChosenWhileF1IsHeldShowsItsTopicInstead) {
  Open();
  Focus(F::TaxDays);
  QTest::keyPress(Edit(F::TaxDays), Qt::Key_F1);
  dialog_->MenuActions(258).front()->trigger();
  QTest::keyRelease(Edit(F::TaxDays), Qt::Key_F1);
  EXPECT_EQ(help_.shown,
            (std::vector<RecordingHelpViewer::Shown>{{"C:\\PEKTO\\PEKTO.CHM", 184}, {"C:\\PEKTO\\PEKTO.CHM", 214}}));
  EXPECT_TRUE(file_commands_.commands.empty());
  dialog_->MenuActions(258).front()->trigger();
  EXPECT_EQ(file_commands_.commands, std::vector<MaskFileCommand>{MaskFileCommand::Save});
}

TEST_F(MainMaskTest, TheLandDirectoryWritesTheKeyOfTheChosenEntry) {
  Open();
  Focus(F::TaxDays);
  responder_.ChoosePopupKey(Qt::Key_W);
  qobject_cast<QPushButton*>(dialog_->Control(558))->click();
  ASSERT_EQ(responder_.popups.size(), 1u);
  EXPECT_EQ(responder_.popups[0][10], "11=Nordrhein-&Westfalen");
  EXPECT_EQ(TextOf(F::StateCode), "11");
  EXPECT_EQ(Current(), 17);
  responder_.ChoosePopupKey(Qt::Key_E);
  qobject_cast<QPushButton*>(dialog_->Control(558))->click();
  EXPECT_EQ(TextOf(F::StateCode), "");
}

TEST_F(MainMaskTest, TheChurchDirectoryFollowsTheLandOnTheMask) {
  Open();
  Type(F::StateCode, "12");
  Type(F::Period, "0324");
  responder_.ChoosePopupKey(Qt::Key_M);
  qobject_cast<QPushButton*>(dialog_->Control(561))->click();
  ASSERT_EQ(responder_.popups.size(), 1u);
  EXPECT_EQ(TextOf(F::ChurchSpouse), "11");  // "11=Freireligiöse Gemeinde &Mainz"
}

TEST_F(MainMaskTest, HelpCommandsOpenTheirFiles) {
  Open();
  dialog_->SendCommand(5426);
  dialog_->SendCommand(274);
  responder_.ChoosePopupKey(Qt::Key_2);
  dialog_->SendCommand(261);
  EXPECT_EQ(help_.shown,
            (std::vector<RecordingHelpViewer::Shown>{
                {"C:\\PEKTO\\REGISTER.CHM", 0}, {"C:\\PEKTO\\PEKTO.CHM", 211}, {"C:\\PEKTO\\GESETZ.CHM", 52}}));
}

MaskFields ValidMonth() { return testing::ValidMask({{F::ChurchEmployee, "01"}}); }

TEST_F(MainMaskTest, ReturnOnAValidMonthOpensTheOverviewWithItsResults) {
  Open();
  Fill(ValidMonth());
  std::map<int, std::string> cells;
  std::string note;
  responder_.HandleDialog([&](QWidget& widget) {
    auto& overview = dynamic_cast<ResultsOverviewDialog&>(widget);
    for (int id = 401; id <= 465; ++id) {
      if (overview.Control(id) != nullptr) cells[id] = overview.Text(id);
    }
    note = overview.Text(overview_control::kNoteFrame);
    overview.SendCommand(overview_control::kAccept);
  });
  Focus(F::TaxDays);
  Press(Qt::Key_Return);
  ASSERT_EQ(responder_.dialogs_handled, 1);
  EXPECT_TRUE(boxes_.shown.empty());
  using overview_control::Grid;
  EXPECT_EQ(cells[Grid(0, 0)], "317,08");
  EXPECT_EQ(cells[Grid(0, 1)], "28,53");
  EXPECT_EQ(cells[Grid(0, 2)], "");
  EXPECT_EQ(cells[Grid(0, 4)], "244,50");
  EXPECT_EQ(cells[Grid(1, 7)], "51,00");
  EXPECT_EQ(cells[Grid(2, 0)], "");
  EXPECT_EQ(cells[overview_control::kFirstEmployeeCell + 7], "2022,89");
  EXPECT_EQ(cells[overview_control::kFirstEmployerCell + 8], "3615,30");
  EXPECT_EQ(note, "Hinweis: Eine ausführliche Darstellung erfogt nicht!");
  EXPECT_FALSE(state_.calculation.rejected);
  EXPECT_EQ(state_.record.month_record[18], "31708");
  EXPECT_EQ(Current(), 36);
}

TEST_F(MainMaskTest, RejectingTheResultLeavesTheFlagForTheMask) {
  Open();
  Fill(ValidMonth());
  state_.calculation.started_from_booking_mask = true;
  responder_.HandleDialog(
      [](QWidget& widget) { dynamic_cast<Dialog&>(widget).SendCommand(overview_control::kReject); });
  dialog_->SendCommand(MainDialog::kCalculate);
  EXPECT_TRUE(state_.calculation.rejected);
  EXPECT_FALSE(state_.calculation.started_from_booking_mask);
}

TEST_F(MainMaskTest, ReturnStopsAtTheFirstFailingCheckWithTheFocusInItsField) {
  Open();
  MaskFields mask = ValidMonth();
  mask[F::StateCode] = "";
  mask[F::PvEmployerAmount] = "12,5";
  Fill(mask);
  Focus(F::TaxDays);
  Press(Qt::Key_Return);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "Eingabe Fehler !");
  EXPECT_EQ(boxes_.shown[0].text,
            "Berechnung kann nicht durchgeführt werden.\r\n\r\n"
            "Bitte das Bundesland gemäß Schlüsselverzeichnis eintragen....");
  EXPECT_EQ(boxes_.shown[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(Current(), 17);
  EXPECT_EQ(dialog_->focusWidget(), Edit(F::StateCode));
  EXPECT_EQ(responder_.dialogs_handled, 0);
  EXPECT_EQ(responder_.unexpected, 0);
}

// The filter lets digits, comma and minus into the allowance in any order;
// RETURN then shows the allowance's own check.
TEST_F(MainMaskTest, AMisplacedMinusInTheAllowanceGetsItsCheckMessage) {
  Open();
  Fill(ValidMonth());
  Type(F::AnnualAllowance, "12-,00");
  EXPECT_EQ(TextOf(F::AnnualAllowance), "12-,00");
  Press(Qt::Key_Return);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text,
            "Berechnung kann nicht durchgeführt werden.\r\n\r\n"
            "Bitte die Menge mit korrekter\r\nKommastellung (xxx,xx) oder\r\n(-xxx,xx) angeben.");
  EXPECT_EQ(dialog_->focusWidget(), Edit(F::AnnualAllowance));
}

// A midi-job of 2023 beside 1.500,00 EUR at another employer: the field
// takes all seven characters and the month is computed.
TEST_F(MainMaskTest, OtherEmployerPayOfFifteenHundredIsTypedAndComputed) {
  Open();
  Fill(testing::ValidMask({{F::Period, "0523"}, {F::SvAttributeKey, "3"}, {F::KvRate, "16,20"},
                           {F::TaxableGross, "400,00"}, {F::SvGross, "400,00"}, {F::GrossTotal, "400,00"}}));
  Type(F::MidiOtherEmployerPay, "1500,00");
  EXPECT_EQ(TextOf(F::MidiOtherEmployerPay), "1500,00");
  int overviews = 0;
  responder_.HandleDialog([&](QWidget& widget) {
    ++overviews;
    dynamic_cast<Dialog&>(widget).SendCommand(overview_control::kAccept);
  });
  Focus(F::TaxDays);
  Press(Qt::Key_Return);
  EXPECT_TRUE(boxes_.shown.empty()) << (boxes_.shown.empty() ? "" : boxes_.shown[0].text);
  EXPECT_EQ(overviews, 1);
}

TEST_F(MainMaskTest, AOneOffPaymentWithoutYearFiguresAsksAndShowsThem) {
  Open();
  MaskFields mask = ValidMonth();
  mask[F::TaxableOther] = "2000,00";
  mask[F::SvOneOff] = "2000,00";
  mask[F::OtherYears] = "1";
  mask[F::GrossTotal] = "5000,00";
  Fill(mask);
  responder_.HandleDialog([](QWidget& widget) { dynamic_cast<Dialog&>(widget).SendCommand(1); });
  dialog_->SendCommand(MainDialog::kCalculate);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_TRUE(boxes_.shown[0].text.starts_with("Die Bildung der Jahreszahlen zur Berechnung\r\n"));
  EXPECT_EQ(TextOf(F::ExpectedAnnualIncome), "30000,00");
  EXPECT_EQ(TextOf(F::KvAccumAmount), "3000,00");
  EXPECT_EQ(responder_.dialogs_handled, 1);
}

}  // namespace
}  // namespace pekto
