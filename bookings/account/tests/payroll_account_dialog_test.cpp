// The payroll account on the offscreen screen, addressed by control ids:
// locked figures and their release, the checks on closing with the record
// untouched until they pass, the carry-forward question, clearing, Esc,
// the accessories and the help.
#include "bookings/account/payroll_account_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <set>

namespace pekto {
namespace {

using F = AccountField;
namespace s = annual_slot;

const std::filesystem::path kResourceDir = std::filesystem::path(PEKTO_SOURCE_DIR) / "resources";

const char* const kUnlockQuestion =
    "Die gesperrten Eingabefelder werden grundsätzlich programmgesteuert gefüllt und sind \r\n"
    "nur in Ausnahmefällen manuell auszufüllem.\r\n"
    "Sollen die Eingabefelder trotzdem zur Bearbeitung freigegeben werden?";

void Screenshot(QWidget& window, const std::string& name) {
  const QPixmap picture = window.grab();
  EXPECT_FALSE(picture.isNull());
  if (const QByteArray dir = qgetenv("PEKTO_SCREENSHOT_DIR"); !dir.isEmpty()) {
    picture.save(QString::fromLocal8Bit(dir) + "/" + QString::fromStdString(name));
  }
}

class AccountDialogTest : public ::testing::Test {
 protected:
  AccountDialogTest() {
    record_.annual_block[s::kEntryDate] = "010124";
    record_.annual_block[s::kHealthFund] = "AOK";
    record_.annual_block[s::kGrossTotal] = "1625000";
    record_.annual_block[s::kTaxablePay] = "1625000";
    record_.annual_block[s::kWageTaxCurrent] = "171900";
    record_.annual_block[s::kLastSummation] = "052024";
  }
  void TearDown() override {
    dialog_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  void Open(PayrollAccountOptions options = {"Müller", "Anna", "C:\\PEKTO\\PEKTO.CHM", {}}) {
    dialog_ = std::make_unique<PayrollAccountDialog>(services_, record_, std::move(options), nullptr);
    ASSERT_TRUE(dialog_->IsBuilt());
    dialog_->show();
    QApplication::setActiveWindow(dialog_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
  }
  QLineEdit* Edit(F field) const { return qobject_cast<QLineEdit*>(dialog_->Control(ControlIdOf(field))); }
  std::string TextOf(F field) const { return dialog_->Text(ControlIdOf(field)); }
  void Set(F field, const std::string& text) { dialog_->SetText(ControlIdOf(field), text); }
  void Type(F field, const QString& text) {
    dialog_->Focus(ControlIdOf(field));
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, Edit(field), Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
  void UnlockWithYes() {
    boxes_.answers.push_back(MessageResult::Yes);
    dialog_->SendCommand(PayrollAccountDialog::kUnlock);
  }
  bool Closed() const { return !dialog_->isVisible(); }

  rc::Script script_ = rc::LoadScripts(kResourceDir / "pekto").script;
  RecordingMessageBoxes boxes_;
  RecordingHelpViewer help_;
  FieldState state_;
  FieldStateStack stack_;
  DialogServices services_{script_, boxes_, help_, state_, stack_};
  EmployeeRecord record_;
  std::unique_ptr<PayrollAccountDialog> dialog_;
};

TEST_F(AccountDialogTest, ShowsTheRecordInItsGroupsWithTheFiguresLocked) {
  Open();
  EXPECT_EQ(dialog_->windowTitle().toStdString(), "Lohnkonto für Müller, Anna");
  std::set<std::string> groups;
  for (const QGroupBox* box : dialog_->findChildren<QGroupBox*>()) groups.insert(box->title().toStdString());
  EXPECT_EQ(groups, (std::set<std::string>{"Allgemein", "Letzter Abrechnungszeitraum", "Steuerrelevante Jahreszahlen",
                                           "Sozialversicherungsrelevante Jahreszahlen",
                                           "Jahreszahlen aus Pauschalierung"}));
  for (const AccountFieldSpec& spec : AccountFieldTable()) {
    SCOPED_TRACE(spec.slot);
    ASSERT_NE(Edit(spec.field), nullptr);
    EXPECT_EQ(Edit(spec.field)->isReadOnly(), spec.locked);
  }
  EXPECT_EQ(TextOf(F::EntryDate), "010124");
  EXPECT_EQ(TextOf(F::GrossTotal), "16250,00");
  EXPECT_EQ(TextOf(F::WageTaxCurrent), "1719,00");
  EXPECT_EQ(TextOf(F::LastPeriod), "0524");
  EXPECT_EQ(dialog_->Text(PayrollAccountDialog::kContinue), "&Programmausführung fortsetzen (Return)");
  EXPECT_TRUE(dialog_->IsControlEnabled(PayrollAccountDialog::kUnlock));
  Screenshot(*dialog_, "payroll_account_locked.png");
}

TEST_F(AccountDialogTest, EachFieldShowsItsStatusTextAndTakesOnlyItsCharacters) {
  Open();
  dialog_->Focus(ControlIdOf(F::HolidayEntitlement));
  EXPECT_EQ(dialog_->Text(kStatusLineId), " Jahresurlaubsanspruch (Tage im Format xx,x)");
  Type(F::HolidayEntitlement, "3a0,0.5");
  EXPECT_EQ(TextOf(F::HolidayEntitlement), "30,0");
  Type(F::ExitDate, "31-12-24x9");
  EXPECT_EQ(TextOf(F::ExitDate), "311224");
  dialog_->Focus(ControlIdOf(F::KvDays));
  EXPECT_EQ(dialog_->Text(kStatusLineId), " Angefallene Sozialversicherungstage in der Krankenversicherung");
  Type(F::KvDays, "12");
  EXPECT_EQ(TextOf(F::KvDays), "") << "locked";
}

TEST_F(AccountDialogTest, FreeingTheFieldsAsksFirst) {
  Open();
  boxes_.answers = {MessageResult::No};
  dialog_->SendCommand(PayrollAccountDialog::kUnlock);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "Kontrolle");
  EXPECT_EQ(boxes_.shown[0].text, kUnlockQuestion);
  EXPECT_EQ(boxes_.shown[0].buttons, MessageButtons::YesNo);
  EXPECT_TRUE(Edit(F::KvPay)->isReadOnly());
  UnlockWithYes();
  EXPECT_TRUE(dialog_->Unlocked());
  for (const AccountFieldSpec& spec : AccountFieldTable()) EXPECT_FALSE(Edit(spec.field)->isReadOnly());
  EXPECT_FALSE(dialog_->IsControlEnabled(PayrollAccountDialog::kUnlock));
  Type(F::KvDays, "-30");
  EXPECT_EQ(TextOf(F::KvDays), "30");
  Screenshot(*dialog_, "payroll_account_unlocked.png");
}

TEST_F(AccountDialogTest, ValuesReachTheRecordOnlyAfterTheChecksPass) {
  record_.modified = false;
  Open();
  const EmployeeRecord before = record_;
  UnlockWithYes();
  Set(F::ChurchTax, "120.50");  // pasted: the filter has no say
  Set(F::EntryDate, "010224");
  dialog_->SendCommand(PayrollAccountDialog::kContinue);
  ASSERT_EQ(boxes_.shown.size(), 2u);
  EXPECT_EQ(boxes_.shown[1].caption, "Eingabe Fehler !");
  EXPECT_EQ(boxes_.shown[1].text,
            "Bitte den Betrag im anschließend angezeigten\r\nEingabefeld im Format xxxx,xx angeben...\r\n\r\n"
            "Das Lohnkonto kann nicht geschlossen werden.");
  EXPECT_EQ(boxes_.shown[1].icon, MessageIcon::Exclamation);
  EXPECT_EQ(dialog_->focusWidget(), Edit(F::ChurchTax));
  EXPECT_FALSE(Closed());
  EXPECT_EQ(record_, before);

  Set(F::ChurchTax, "120,50");
  dialog_->SendCommand(PayrollAccountDialog::kContinue);
  EXPECT_TRUE(Closed());
  EXPECT_EQ(dialog_->result(), PayrollAccountDialog::kContinue);
  EXPECT_EQ(record_.annual_block[s::kChurchTax], "12050");
  EXPECT_EQ(record_.annual_block[s::kEntryDate], "010224");
  EXPECT_EQ(record_.annual_block[s::kLastSummation], "052024") << "unchanged, kept as the summation wrote it";
  EXPECT_TRUE(record_.modified) << "saved with the employee file";
}

TEST_F(AccountDialogTest, ALogicalMonthIsNeededInThePeriod) {
  Open();
  UnlockWithYes();
  Set(F::LastPeriod, "1324");
  dialog_->SendCommand(PayrollAccountDialog::kContinue);
  ASSERT_EQ(boxes_.shown.size(), 2u);
  EXPECT_TRUE(boxes_.shown[1].text.starts_with("Bitte einen logischen Abrechnungs-\r\nmonat (Zeitraum) angeben..."));
  EXPECT_EQ(dialog_->focusWidget(), Edit(F::LastPeriod));
  EXPECT_FALSE(Closed());
}

TEST_F(AccountDialogTest, RvPayWithDaysButWithoutContributionsIsRefused) {
  Open();
  UnlockWithYes();
  Set(F::RvPay, "3000,00");
  Set(F::RvDays, "30");
  dialog_->SendCommand(PayrollAccountDialog::kContinue);
  ASSERT_EQ(boxes_.shown.size(), 2u);
  EXPECT_TRUE(boxes_.shown[1].text.starts_with("Bitte den RV-Beitrag Arbeitnehmer\r\nund/oder Arbeitgeber angeben..."));
  EXPECT_EQ(dialog_->focusWidget(), Edit(F::RvEmployer));
  EXPECT_FALSE(Closed());
}

TEST_F(AccountDialogTest, NoToTheCarryForwardKeepsTheDialogOpenForRemovingTheEntry) {
  record_.annual_block = {};
  Open();
  UnlockWithYes();
  Set(F::LastPeriod, "0624");
  Set(F::GrossTotal, "18000,00");
  boxes_.answers = {MessageResult::No};
  dialog_->SendCommand(PayrollAccountDialog::kContinue);
  ASSERT_EQ(boxes_.shown.size(), 3u);
  EXPECT_EQ(boxes_.shown[1].caption, "Kontrolle");
  EXPECT_EQ(boxes_.shown[1].buttons, MessageButtons::YesNo);
  EXPECT_NE(boxes_.shown[1].text.find("Als Zeitraum müsste 0613"), std::string::npos);
  EXPECT_EQ(boxes_.shown[2].text, "Das Lohnkonto kann nicht geschlossen werden.");
  EXPECT_EQ(dialog_->focusWidget(), Edit(F::LastPeriod));
  EXPECT_FALSE(Closed());
  EXPECT_EQ(record_.annual_block, AnnualBlock{});

  boxes_.answers = {MessageResult::Yes};
  dialog_->SendCommand(PayrollAccountDialog::kContinue);
  EXPECT_EQ(boxes_.shown.size(), 4u);
  EXPECT_TRUE(Closed());
  EXPECT_EQ(record_.annual_block[s::kLastSummation], "0624");
  EXPECT_EQ(record_.annual_block[s::kGrossTotal], "1800000");
}

TEST_F(AccountDialogTest, AConfirmedCarryForwardIsNotAskedAgain) {
  Open();
  UnlockWithYes();
  Set(F::LastPeriod, "0624");
  Set(F::KvPay, "100,00");
  boxes_.answers = {MessageResult::Yes};
  dialog_->SendCommand(PayrollAccountDialog::kContinue);
  ASSERT_EQ(boxes_.shown.size(), 3u);  // question, then the missing KV days
  EXPECT_TRUE(boxes_.shown[2].text.starts_with("Bitte die KV-Sozialversicher-"));
  Set(F::KvPay, "");
  dialog_->SendCommand(PayrollAccountDialog::kContinue);
  EXPECT_EQ(boxes_.shown.size(), 3u);
  EXPECT_TRUE(Closed());
}

TEST_F(AccountDialogTest, EscAfterAChangeAsksAndLosesNothingOnNo) {
  Open();
  const EmployeeRecord before = record_;
  Type(F::HealthFund, "X");
  boxes_.answers = {MessageResult::No};
  QTest::keyClick(dialog_.get(), Qt::Key_Escape);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "Kontrolle");
  EXPECT_EQ(boxes_.shown[0].default_button, 2) << "Nein";
  EXPECT_FALSE(Closed());
  EXPECT_EQ(TextOf(F::HealthFund), "AOKX");
  boxes_.answers = {MessageResult::Yes};
  QTest::keyClick(dialog_.get(), Qt::Key_Escape);
  EXPECT_TRUE(Closed());
  EXPECT_EQ(record_, before);
}

TEST_F(AccountDialogTest, EscWithoutChangesClosesAtOnce) {
  Open();
  QTest::keyClick(dialog_.get(), Qt::Key_Escape);
  EXPECT_TRUE(boxes_.shown.empty());
  EXPECT_TRUE(Closed());
}

TEST_F(AccountDialogTest, ClearingTheAnnualFiguresOrEverything) {
  record_.annual_block[s::kSummationDate] = "030624";
  Open();
  dialog_->SendCommand(PayrollAccountDialog::kClearAnnualFigures);
  EXPECT_EQ(TextOf(F::GrossTotal), "");
  EXPECT_EQ(TextOf(F::LastPeriod), "");
  EXPECT_EQ(TextOf(F::EntryDate), "010124");
  dialog_->SendCommand(PayrollAccountDialog::kContinue);
  EXPECT_TRUE(Closed());
  EXPECT_EQ(record_.annual_block[s::kGrossTotal], "");
  EXPECT_EQ(record_.annual_block[s::kSummationDate], "");
  EXPECT_EQ(record_.annual_block[s::kEntryDate], "010124");

  Open();
  dialog_->SendCommand(PayrollAccountDialog::kClearAll);
  EXPECT_EQ(TextOf(F::EntryDate), "");
  EXPECT_EQ(TextOf(F::HealthFund), "");
  dialog_->SendCommand(PayrollAccountDialog::kContinue);
  EXPECT_EQ(record_.annual_block, AnnualBlock{});
}

TEST_F(AccountDialogTest, TheMenusOfferClearingAccessoriesAndHelp) {
  Open();
  std::vector<std::string> menus;
  for (const QAction* action : dialog_->findChild<QMenuBar*>()->actions()) menus.push_back(action->text().toStdString());
  EXPECT_EQ(menus, (std::vector<std::string>{"&Datei", "Zu&behör", "&Hilfe"}));
  ASSERT_FALSE(dialog_->MenuActions(PayrollAccountDialog::kClearAnnualFigures).empty());
  EXPECT_EQ(dialog_->MenuActions(PayrollAccountDialog::kClearAnnualFigures).front()->text().toStdString(),
            "Lohnkontoeinträge <nur &Jahreszahlen> löschen");
  EXPECT_EQ(dialog_->MenuActions(PayrollAccountDialog::kClearAll).front()->text().toStdString(),
            "Lohnkontoeinträge <&komplett> löschen");
}

TEST_F(AccountDialogTest, AccessoriesNotYetWiredSayWhy) {
  Open();
  dialog_->SendCommand(PayrollAccountDialog::kCalculator);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "PEKTO Fehler!");
  EXPECT_TRUE(boxes_.shown[0].text.starts_with("Der Rechner kann aus dem Lohnkonto noch nicht"));
  EXPECT_EQ(boxes_.shown[0].icon, MessageIcon::Stop);

  std::vector<std::string> started;
  Open({"MUSTER", "", "C:\\PEKTO\\PEKTO.CHM", [&](std::string_view program) { started.emplace_back(program); }});
  dialog_->SendCommand(PayrollAccountDialog::kCalculator);
  dialog_->SendCommand(PayrollAccountDialog::kCalendar);
  EXPECT_EQ(started, (std::vector<std::string>{"FIMREL.EXE", "DORVEL.EXE"}));
  EXPECT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(dialog_->windowTitle().toStdString(), "Lohnkonto für MUSTER");
}

TEST_F(AccountDialogTest, F1ShowsTheTopicOfTheFieldAndTheHelpMenuItsPages) {
  Open();
  dialog_->Focus(ControlIdOf(F::SvNumber));
  QTest::keyClick(dialog_->focusWidget(), Qt::Key_F1);
  dialog_->Focus(ControlIdOf(F::KvPay));
  dialog_->SendCommand(PayrollAccountDialog::kFieldHelp);
  dialog_->SendCommand(PayrollAccountDialog::kKeyboardHelp);
  dialog_->SendCommand(PayrollAccountDialog::kInputConventions);
  dialog_->SendCommand(PayrollAccountDialog::kWorkSteps);
  using Shown = RecordingHelpViewer::Shown;
  EXPECT_EQ(help_.shown, (std::vector<Shown>{{"C:\\PEKTO\\PEKTO.CHM", 344},
                                             {"C:\\PEKTO\\PEKTO.CHM", 347},
                                             {"C:\\PEKTO\\PEKTO.CHM", 211},
                                             {"C:\\PEKTO\\PEKTO.CHM", 207},
                                             {"C:\\PEKTO\\PEKTO.CHM", 329}}));
}

TEST_F(AccountDialogTest, ReturnContinuesAfterTheChecks) {
  Open();
  Type(F::ExitDate, "300624");
  QTest::keyClick(dialog_->focusWidget(), Qt::Key_Return);
  EXPECT_TRUE(boxes_.shown.empty());
  EXPECT_TRUE(Closed());
  EXPECT_EQ(record_.annual_block[s::kExitDate], "300624");
}

// Nothing overlaps, is cut or leaves the window, in the normal and the
// large font.
TEST_F(AccountDialogTest, NoControlOverlapsAnother) {
  for (const int variant : {1, 2}) {
    SCOPED_TRACE(variant);
    services_.layout_variant = variant;
    Open();
    std::vector<QWidget*> controls;
    for (QLineEdit* edit : dialog_->findChildren<QLineEdit*>()) controls.push_back(edit);
    for (QLabel* label : dialog_->findChildren<QLabel*>()) {
      if (label->text().isEmpty()) continue;
      controls.push_back(label);
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
          << label->text().toStdString() << " does not fit on its line";
    }
    for (QPushButton* button : dialog_->findChildren<QPushButton*>()) controls.push_back(button);
    ASSERT_GT(controls.size(), 90u);
    const auto rect = [&](const QWidget* w) { return QRect(w->mapTo(dialog_.get(), QPoint(0, 0)), w->size()); };
    for (std::size_t i = 0; i < controls.size(); ++i) {
      EXPECT_TRUE(dialog_->rect().contains(rect(controls[i]))) << controls[i]->objectName().toStdString();
      for (std::size_t j = i + 1; j < controls.size(); ++j) {
        const QRect overlap = rect(controls[i]).intersected(rect(controls[j]));
        EXPECT_TRUE(overlap.isEmpty()) << i << " " << j;
      }
    }
    if (variant == 2) Screenshot(*dialog_, "payroll_account_large.png");
  }
}

// Up and Down go through the fields in the order of the table, across the
// groups, and round from the last to the first.
TEST_F(AccountDialogTest, UpAndDownFollowTheGroups) {
  Open();
  dialog_->Focus(ControlIdOf(F::HolidayRemaining));
  QTest::keyClick(dialog_->focusWidget(), Qt::Key_Down);
  EXPECT_EQ(dialog_->focusWidget(), Edit(F::LastPeriod));
  QTest::keyClick(dialog_->focusWidget(), Qt::Key_Down);
  EXPECT_EQ(dialog_->focusWidget(), Edit(F::GrossTotal));
  QTest::keyClick(dialog_->focusWidget(), Qt::Key_Up);
  QTest::keyClick(dialog_->focusWidget(), Qt::Key_Up);
  EXPECT_EQ(dialog_->focusWidget(), Edit(F::HolidayRemaining));
  dialog_->Focus(ControlIdOf(F::UniformFlatTax));
  QTest::keyClick(dialog_->focusWidget(), Qt::Key_Down);
  EXPECT_EQ(dialog_->focusWidget(), Edit(F::EntryDate));
}

}  // namespace
}  // namespace pekto
