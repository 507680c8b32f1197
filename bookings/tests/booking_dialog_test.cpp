// The booking mask and the wage-type editor on the offscreen screen,
// driven by their control ids as a user would drive them.
#include "bookings/booking_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

#include "app/dialogs/best_dialog.h"
#include "app/dialogs/tests/main_mask_fixture.h"
#include "bookings/wage_type_dialog.h"
#include "platform/code_page.h"
#include "record/annual_block.h"
#include "record/booking_slots.h"

namespace pekto {
namespace {

using testing_support::kResourceDir;
using testing_support::Screenshot;
using testing_support::UiResponder;
namespace col = booking_column;
using F = MaskField;

class BookingDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    installation_.Install(testing_support::TwoUsers());
    ASSERT_GE(LoadWageTypes(installation_.files, kWageTypes, wage_types_).count, 20);
    record_->mask_fields[F::Period] = "0524";
    record_->mask_fields[F::TaxClass] = "1";
    for (const F key : {F::KvKey, F::RvKey, F::AvKey, F::PvKey}) record_->mask_fields[key] = "1";
  }
  void TearDown() override {
    dialog_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  BookingDialog& Open(std::vector<EmployerEntry> employers = {}) {
    BookingMaskContext context{*record_, wage_types_, std::move(employers), "C:\\PEKTO\\PEKTO.CHM", {}, {}};
    dialog_ = std::make_unique<BookingDialog>(services_, std::move(context));
    EXPECT_TRUE(dialog_->IsBuilt());
    dialog_->show();
    QApplication::setActiveWindow(dialog_.get());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog_.get()));
    return *dialog_;
  }
  static int Edit(int column) { return BookingDialog::kEditLine + column; }
  // Types a wage type number, leaves the field (its keys come over) and
  // fills quantity and amount.
  void Enter(BookingDialog& d, const std::string& number, const std::string& quantity, const std::string& amount = "") {
    d.Focus(Edit(col::kWageType));
    d.SetText(Edit(col::kWageType), number);
    d.Focus(Edit(col::kQuantity));
    d.SetText(Edit(col::kQuantity), quantity);
    d.SetText(Edit(col::kAmount), amount);
  }
  void Book(BookingDialog& d, const std::string& number, const std::string& quantity, const std::string& amount = "") {
    Enter(d, number, quantity, amount);
    d.SendCommand(kIdOk);
  }
  [[nodiscard]] std::string Cell(int row, int column) const { return dialog_->Text(BookingDialog::CellId(row, column)); }

  const std::string kWageTypes = "C:\\PEKTO\\LOHNAR.DAT";
  testing_support::TestInstallation installation_{"booking_mask"};
  rc::Script script_ = rc::LoadScripts(kResourceDir / "pekto").script;
  RecordingMessageBoxes boxes_;
  RecordingHelpViewer help_;
  FieldState field_state_;
  FieldStateStack field_states_;
  DialogServices services_{script_, boxes_, help_, field_state_, field_states_};
  WageTypeTable wage_types_;
  std::unique_ptr<EmployeeRecord> record_ = std::make_unique<EmployeeRecord>();
  std::unique_ptr<BookingDialog> dialog_;
  UiResponder responder_;
};

TEST_F(BookingDialogTest, BookChangeAndDeleteLinesThenEvaluate) {
  BookingDialog& d = Open();
  EXPECT_EQ(d.windowTitle().toStdString(), "Buchungsmaske");
  EXPECT_FALSE(d.IsControlShown(BookingDialog::kDeleteButton));
  Book(d, "1", "1", "2500,00");
  EXPECT_EQ(Cell(0, col::kCategory), "1");
  EXPECT_EQ(Cell(0, col::kTotal), "2500,00");
  EXPECT_EQ(d.Text(BookingDialog::kFirstRowButton), "01");
  Book(d, "2", "10,5", "15");
  EXPECT_EQ(Cell(1, col::kTotal), "157,50");
  Book(d, "44", "30");
  Book(d, "45", "30");
  EXPECT_EQ(d.Text(Edit(col::kWageType)), "");
  EXPECT_TRUE(boxes_.shown.empty());

  // Change: click the running number, change the quantity, confirm.
  d.SendCommand(BookingDialog::kFirstRowButton + 1);
  EXPECT_EQ(d.Text(Edit(col::kQuantity)), "10,5");
  EXPECT_TRUE(d.IsControlShown(BookingDialog::kDeleteButton));
  d.SetText(Edit(col::kQuantity), "20");
  QTest::keyClick(d.Control(Edit(col::kQuantity)), Qt::Key_Return);
  EXPECT_EQ(Cell(1, col::kTotal), "300,00");
  EXPECT_FALSE(d.IsControlShown(BookingDialog::kDeleteButton));

  // Delete the first line with "Entf.".
  d.SendCommand(BookingDialog::kFirstRowButton);
  d.SendCommand(BookingDialog::kDeleteButton);
  EXPECT_EQ(d.Text(BookingDialog::kFirstRowButton), "01");
  EXPECT_EQ(Cell(0, col::kWageType), "2");
  EXPECT_EQ(d.Text(BookingDialog::kFirstRowButton + 3), "");
  EXPECT_TRUE(boxes_.shown.empty());

  d.SetText(BookingDialog::kEmployeeName, "Müller");
  d.SendCommand(BookingDialog::kContinue);
  ASSERT_TRUE(d.Evaluation().has_value());
  EXPECT_EQ(d.result(), BookingDialog::kContinue);
  EXPECT_EQ(record_->mask_fields[F::GrossTotal], "300,00");
  EXPECT_EQ(record_->mask_fields[F::TaxableGross], "300,00");
  EXPECT_EQ(record_->mask_fields[F::TaxDays], " 30");
  EXPECT_EQ(record_->mask_fields[F::SvDays], " 30");
  EXPECT_EQ(record_->month_record[booking_slot::kEmployeeName], "Müller");
  EXPECT_TRUE(FilledFromBookings(*record_));
}

TEST_F(BookingDialogTest, TwelveLinesScrollAndTheThirtyFirstIsRefused) {
  BookingDialog& d = Open();
  d.SetText(BookingDialog::kEmployeeName, "Maier");
  d.SetText(BookingDialog::kEmployeeFirstName, "Anna");
  d.SetText(BookingDialog::kEmployerName, "Bäckerei Korn");
  for (int i = 0; i < 12; ++i) Book(d, i % 2 == 0 ? "2" : "3", std::to_string(i + 1) + ",25", "12,40");
  EXPECT_EQ(d.TopLine(), 2) << "the list follows the line booked last";
  EXPECT_EQ(d.Text(BookingDialog::kFirstRowButton + 9), "12");
  EXPECT_EQ(Cell(9, col::kTotal), "151,90");  // 12,25 x 12,40
  EXPECT_EQ(qobject_cast<QScrollBar*>(d.Control(BookingDialog::kScrollBar))->value(), 2);
  Screenshot(d, "booking_mask_12_lines.png");
  qobject_cast<QScrollBar*>(d.Control(BookingDialog::kScrollBar))->setValue(0);
  EXPECT_EQ(d.Text(BookingDialog::kFirstRowButton), "01");
  for (int i = 12; i < kMaxBookingLines; ++i) Book(d, "1", "1", "1,00");
  EXPECT_TRUE(boxes_.shown.empty());
  Enter(d, "1", "1", "1,00");
  d.SendCommand(kIdOk);
  ASSERT_EQ(boxes_.shown.size(), 1U);
  EXPECT_EQ(boxes_.shown[0].caption, "Kontrolle !");
  EXPECT_EQ(d.Text(Edit(col::kQuantity)), "1") << "the refused line stays in the edit line";
  EXPECT_EQ(BookingLineCount(record_->booking_table), kMaxBookingLines);
}

TEST_F(BookingDialogTest, AnUnknownWageTypeIsClearedAndABadAmountKeepsTheFocus) {
  BookingDialog& d = Open();
  d.Focus(Edit(col::kWageType));
  d.SetText(Edit(col::kWageType), "77");
  d.Focus(Edit(col::kQuantity));
  ASSERT_EQ(boxes_.shown.size(), 1U);
  EXPECT_EQ(boxes_.shown[0].caption, "Eingabe Fehler");
  EXPECT_TRUE(boxes_.shown[0].text.starts_with("Die angegebene Lohnart ist nicht\r\nvorhanden."));
  EXPECT_EQ(d.Text(Edit(col::kWageType)), "");
  QCoreApplication::processEvents();
  EXPECT_EQ(field_state_.current_field, Edit(col::kWageType));

  Enter(d, "2", "1,5", "12,5");
  d.SendCommand(kIdOk);
  ASSERT_EQ(boxes_.shown.size(), 2U);
  EXPECT_TRUE(boxes_.shown[1].text.starts_with("Bitte den EURO Betrag je Mengenein-"));
  EXPECT_EQ(field_state_.current_field, Edit(col::kAmount));
  EXPECT_EQ(BookingLineCount(record_->booking_table), 0);
  EXPECT_EQ(field_state_.rule.max_length, 10);
}

TEST_F(BookingDialogTest, TheTakeOverAsksBeforeReplacingKeys) {
  BookingDialog& d = Open();
  Enter(d, "1", "1", "100,00");
  EXPECT_EQ(d.Text(Edit(col::kTaxKey)), "1");
  boxes_.answers = {MessageResult::No};
  d.Focus(Edit(col::kWageType));
  d.SetText(Edit(col::kWageType), "5");  // Urlaubsgeld: tax and SV key 2
  d.Focus(Edit(col::kQuantity));
  ASSERT_EQ(boxes_.shown.size(), 1U);
  EXPECT_TRUE(boxes_.shown[0].text.ends_with("Lohnart auf die Buchungsmaske übernehmen?"));
  EXPECT_EQ(d.Text(Edit(col::kTaxKey)), "1") << "No keeps the keys";
  boxes_.answers = {MessageResult::Yes};
  d.Focus(Edit(col::kWageType));
  d.SetText(Edit(col::kWageType), "6");
  d.Focus(Edit(col::kQuantity));
  EXPECT_EQ(d.Text(Edit(col::kTaxKey)), "2");
  EXPECT_EQ(d.Text(Edit(col::kGarnishable)), "") << "the garnishment key is not copied";
}

TEST_F(BookingDialogTest, TheBestandListsOfWageTypesAndEmployers) {
  EmployerEntry employer{};
  employer[0] = Utf8ToDosUmlauts("Bäckerei Korn");
  employer[1] = Utf8ToDosUmlauts("Hauptstraße 1");
  employer[2] = "Musterstadt";
  employer[3] = "12345";
  BookingDialog& d = Open({employer});
  responder_.HandleDialog([](QWidget& widget) {
    auto& best = dynamic_cast<BestDialog&>(widget);
    EXPECT_EQ(best.windowTitle().toStdString(), "Vorhandene Lohnarten laden");
    auto* list = qobject_cast<QListWidget*>(best.Control(BestDialog::kList));
    EXPECT_EQ(list->item(0)->text().toStdString(), " 1  Gehalt");
    list->setCurrentRow(5);  // Weihnachtsgeld
    Screenshot(best, "best_wage_types.png");
    best.SendCommand(kIdOk);
  });
  d.SendCommand(BookingDialog::kWageTypeListButton);
  EXPECT_EQ(d.Text(Edit(col::kWageType)), "6");
  EXPECT_EQ(d.Text(Edit(col::kTaxKey)), "2");
  responder_.HandleDialog([](QWidget& widget) {
    auto& best = dynamic_cast<BestDialog&>(widget);
    EXPECT_EQ(best.windowTitle().toStdString(), "Vorhandene Arbeitgeber laden");
    auto* list = qobject_cast<QListWidget*>(best.Control(BestDialog::kList));
    EXPECT_EQ(list->item(0)->text().toStdString(), "Bäckerei Korn, Hauptstraße 1, Musterstadt");
    Screenshot(best, "best_employers.png");
    best.SendCommand(kIdOk);
  });
  d.SendCommand(BookingDialog::kTakeOverEmployerButton);
  EXPECT_EQ(d.Text(BookingDialog::kEmployerName), "Bäckerei Korn");
  EXPECT_EQ(d.Text(BookingDialog::kEmployerPostcode), "12345");
  EXPECT_EQ(responder_.unexpected, 0);
}

TEST_F(BookingDialogTest, MenusClearEntriesAndExplain) {
  BookingDialog& d = Open();
  Book(d, "1", "1", "100,00");
  d.SetText(BookingDialog::kEmployeeName, "Maier");
  d.SetText(BookingDialog::kEmployerName, "Firma");
  d.SendCommand(BookingDialog::kClearEmployer);
  EXPECT_EQ(d.Text(BookingDialog::kEmployerName), "");
  EXPECT_EQ(d.Text(BookingDialog::kEmployeeName), "Maier");
  d.SendCommand(BookingDialog::kClearBookings);
  EXPECT_EQ(BookingLineCount(record_->booking_table), 0);
  EXPECT_EQ(Cell(0, col::kTotal), "");
  d.SendCommand(BookingDialog::kNewBookingHint);
  d.SendCommand(BookingDialog::kCalculator);
  ASSERT_EQ(boxes_.shown.size(), 2U);
  EXPECT_EQ(boxes_.shown[0].caption, "Hinweis");
  EXPECT_EQ(boxes_.shown[1].caption, "PEKTO Fehler!");
  EXPECT_EQ(boxes_.shown[1].text, "Das Zubehörprogramm FIMREL.EXE\r\nist nicht installiert.");
  d.Focus(Edit(col::kQuantity));
  d.SendCommand(BookingDialog::kFieldHelp);
  d.SendCommand(BookingDialog::kEnergyAllowanceDocument);
  ASSERT_EQ(help_.shown.size(), 1U);
  EXPECT_EQ(help_.shown[0].topic, 238);
  EXPECT_EQ(boxes_.shown.back().caption, "Kontrolle (Fehler2)");
  EXPECT_EQ(field_state_.help_topic, 238);
}

TEST_F(BookingDialogTest, AClosedPeriodTakesNoBookings) {
  record_->annual_block[annual_slot::kLastSummation] = "052024";
  BookingDialog& d = Open();
  Book(d, "1", "1", "100,00");
  ASSERT_EQ(boxes_.shown.size(), 1U);
  EXPECT_EQ(boxes_.shown[0].text, "Buchungen sind nicht möglich,\r\nda der Zeitraum 0524 bereits\r\nabgeschlossen wurde.");
  EXPECT_EQ(BookingLineCount(record_->booking_table), 0);
}

// The wage-type editor.
class WageTypeEditorTest : public BookingDialogTest {
 protected:
  WageTypeDialog& OpenEditor() {
    editor_ = std::make_unique<WageTypeDialog>(
        services_, WageTypeEditorContext{wage_types_, installation_.files, kWageTypes, "C:\\PEKTO\\PEKTO.CHM"});
    EXPECT_TRUE(editor_->IsBuilt());
    editor_->show();
    QApplication::setActiveWindow(editor_.get());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(editor_.get()));
    return *editor_;
  }
  void TearDown() override {
    editor_.reset();
    BookingDialogTest::TearDown();
  }
  static int Field(int column) { return WageTypeDialog::kEditLine + column; }
  std::unique_ptr<WageTypeDialog> editor_;
};

TEST_F(WageTypeEditorTest, AddSaveSortedAndLeave) {
  WageTypeDialog& e = OpenEditor();
  EXPECT_EQ(e.windowTitle().toStdString(), "Lohnarten Datei");
  EXPECT_EQ(e.Text(WageTypeDialog::kFirstRowButton), "01");
  EXPECT_EQ(e.Text(WageTypeDialog::CellId(0, wage_column::kName)), "Gehalt");
  Screenshot(e, "wage_type_editor.png");
  e.SetText(Field(wage_column::kNumber), "11");
  e.SetText(Field(wage_column::kName), "Prämie");
  responder_.ChoosePopupKey(Qt::Key_1);
  e.SendCommand(WageTypeDialog::kFirstKeyButton);  // "S" of the category
  EXPECT_EQ(e.Text(Field(wage_column::kCategory)), "1");
  responder_.ChoosePopupKey(Qt::Key_2);
  e.SendCommand(WageTypeDialog::kFirstKeyButton + 1);
  responder_.ChoosePopupKey(Qt::Key_2);
  e.SendCommand(WageTypeDialog::kFirstKeyButton + 2);
  e.SendCommand(kIdOk);
  ASSERT_TRUE(boxes_.shown.empty());
  const int count = wage_types_.count;
  EXPECT_EQ(wage_types_.rows[static_cast<std::size_t>(count - 1)][wage_column::kName], "Prämie");
  EXPECT_EQ(e.TopRow(), count - WageTypeDialog::kVisibleRows);

  boxes_.answers = {MessageResult::No};
  e.SendCommand(kIdCancel);
  ASSERT_EQ(boxes_.shown.size(), 1U);
  EXPECT_TRUE(boxes_.shown[0].text.ends_with("Möchten Sie trotzdem abbrechen ?"));
  EXPECT_TRUE(e.isVisible()) << "No stays in the editor";

  e.SendCommand(WageTypeDialog::kSave);
  EXPECT_FALSE(wage_types_.changed);
  WageTypeTable reread;
  LoadWageTypes(installation_.files, kWageTypes, reread);
  EXPECT_EQ(reread.count, count);
  EXPECT_EQ(reread.rows[10][wage_column::kNumber], "11") << "sorted by number";
  EXPECT_EQ(reread.rows[10][wage_column::kName], "Prämie");
  EXPECT_EQ(reread.rows[10][wage_column::kRunningNumber], "11");
  e.SendCommand(kIdCancel);
  EXPECT_EQ(boxes_.shown.size(), 1U) << "nothing unsaved: no question";
  EXPECT_EQ(responder_.unexpected, 0);
}

TEST_F(WageTypeEditorTest, EscapeDiscardsUnsavedEditsAfterTheQuestion) {
  WageTypeDialog& e = OpenEditor();
  const int count = wage_types_.count;
  e.SetText(Field(wage_column::kRunningNumber), "01");
  e.SendCommand(kIdOk);
  EXPECT_EQ(e.Text(Field(wage_column::kName)), "Gehalt");
  EXPECT_TRUE(e.IsControlShown(WageTypeDialog::kDeleteButton));
  e.SendCommand(WageTypeDialog::kDeleteButton);
  EXPECT_EQ(wage_types_.count, count - 1);
  EXPECT_EQ(e.Text(WageTypeDialog::CellId(0, wage_column::kName)), "Stundenlohn");
  boxes_.answers = {MessageResult::Yes};
  e.SendCommand(kIdCancel);
  EXPECT_EQ(wage_types_.count, count);
  EXPECT_EQ(wage_types_.rows[0][wage_column::kName], "Gehalt");
  EXPECT_FALSE(e.isVisible());
}

TEST_F(WageTypeEditorTest, TheEnergyAllowanceNameIsReadOnlyAndDuplicatesBlockSaving) {
  WageTypeDialog& e = OpenEditor();
  e.SetText(Field(wage_column::kRunningNumber), "11");
  e.SendCommand(kIdOk);
  EXPECT_EQ(e.Text(Field(wage_column::kName)), "EG-Pauschale (Steuerklasse)");
  EXPECT_TRUE(qobject_cast<QLineEdit*>(e.Control(Field(wage_column::kName)))->isReadOnly());
  e.SetText(Field(wage_column::kNumber), "1");  // Gehalt has 1
  e.SendCommand(kIdOk);
  EXPECT_FALSE(qobject_cast<QLineEdit*>(e.Control(Field(wage_column::kName)))->isReadOnly());
  const std::string before = *installation_.files.ReadFile(kWageTypes);
  e.SendCommand(WageTypeDialog::kSave);
  ASSERT_EQ(boxes_.shown.size(), 1U);
  EXPECT_EQ(boxes_.shown[0].caption, "Kontrolle");
  EXPECT_TRUE(boxes_.shown[0].text.starts_with("Sie haben die Lohnarten-"));
  EXPECT_EQ(field_state_.current_field, Field(wage_column::kNumber));
  EXPECT_EQ(*installation_.files.ReadFile(kWageTypes), before);
}

TEST_F(WageTypeEditorTest, DeletingTheFileAsksFirstAndHintsExplain) {
  WageTypeDialog& e = OpenEditor();
  boxes_.answers = {MessageResult::No};
  e.SendCommand(WageTypeDialog::kDeleteFile);
  EXPECT_TRUE(installation_.files.FileExists(kWageTypes));
  e.SendCommand(WageTypeDialog::kDeleteFile);
  EXPECT_FALSE(installation_.files.FileExists(kWageTypes));
  EXPECT_EQ(wage_types_.count, 0);
  EXPECT_EQ(e.Text(WageTypeDialog::kFirstRowButton), "");
  e.SendCommand(WageTypeDialog::kChangeHint);
  ASSERT_EQ(boxes_.shown.size(), 3U);
  EXPECT_EQ(boxes_.shown[2].caption, "Hinweis");
  EXPECT_TRUE(boxes_.shown[2].text.starts_with("Möchten Sie eine vorhandene Lohnart ändern, so"));
  e.Focus(Field(wage_column::kSvKey));
  QTest::keyClick(e.Control(Field(wage_column::kSvKey)), Qt::Key_F1);
  ASSERT_EQ(help_.shown.size(), 1U);
  EXPECT_EQ(help_.shown[0].topic, 267);
}

}  // namespace
}  // namespace pekto
