#include "app/dialogs/best_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

namespace pekto {
namespace {

const std::filesystem::path kResources = std::filesystem::path(PEKTO_SOURCE_DIR) / "resources";

class BestDialogTest : public testing::Test {
 protected:
  void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

  QListWidget* List(BestDialog& dialog) { return qobject_cast<QListWidget*>(dialog.Control(BestDialog::kList)); }
  // Writes a grab() of the dialog when PEKTO_SCREENSHOT_DIR names a folder.
  void Screenshot(QWidget& window, const char* name) {
    const QPixmap picture = window.grab();
    EXPECT_FALSE(picture.isNull());
    if (const QByteArray dir = qgetenv("PEKTO_SCREENSHOT_DIR"); !dir.isEmpty()) {
      picture.save(QString::fromLocal8Bit(dir) + "/" + name);
    }
  }

  rc::Script script_ = rc::LoadScripts(kResources / "pekto").script;
  RecordingMessageBoxes boxes_;
  RecordingHelpViewer help_;
  FieldState field_state_;
  FieldStateStack field_states_;
  DialogServices services_{script_, boxes_, help_, field_state_, field_states_};
  const std::vector<std::string> files_ = {"MAIER.050", "Müller.120", "SCHULZ.311"};
};

struct Title {
  const char* name;
  SelectionMode mode;
  const char* title;
};
void PrintTo(const Title& c, std::ostream* os) { *os << c.name; }

class BestDialogTitle : public BestDialogTest, public testing::WithParamInterface<Title> {};

TEST_P(BestDialogTitle, FollowsTheMode) {
  BestDialog dialog(services_, GetParam().mode, files_);
  ASSERT_TRUE(dialog.IsBuilt());
  EXPECT_EQ(dialog.windowTitle().toStdString(), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, BestDialogTitle,
    testing::Values(Title{"WithIncome", SelectionMode::DataWithIncome, "Daten mit Einkommensdaten laden"},
                    Title{"WithoutIncome", SelectionMode::DataWithoutIncome, "Daten ohne Einkommensdaten laden"},
                    Title{"SecurityCopies", SelectionMode::SecurityCopies, "Sicherheitskopien laden"},
                    Title{"Employers", SelectionMode::Employers, "Vorhandene Arbeitgeber laden"},
                    Title{"WageTypes", SelectionMode::WageTypes, "Vorhandene Lohnarten laden"},
                    Title{"Payslips", SelectionMode::PayslipHistory, "Bestand zurückliegender Lohnabrechnungen"},
                    Title{"Accounts", SelectionMode::AccountHistory, "Bestand zurückliegender Lohnkonten"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BestDialogTest, ListsTheEntriesWithTheFirstOneChosen) {
  BestDialog dialog(services_, SelectionMode::DataWithIncome, files_);
  EXPECT_EQ(dialog.Text(kIdOk), "&Übernahme (Return)");
  EXPECT_EQ(dialog.Text(kIdCancel), "&Abbruch (Esc)");
  EXPECT_TRUE(qobject_cast<QPushButton*>(dialog.Control(kIdOk))->isDefault());
  QListWidget* list = List(dialog);
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->item(1)->text().toStdString(), "Müller.120");
  EXPECT_EQ(list->currentRow(), 0);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  Screenshot(dialog, "best_dialog.png");
}

TEST_F(BestDialogTest, UebernahmeTakesTheCurrentEntry) {
  BestDialog dialog(services_, SelectionMode::DataWithIncome, files_);
  List(dialog)->setCurrentRow(2);
  dialog.SendCommand(kIdOk);
  EXPECT_EQ(dialog.result(), kIdOk);
  EXPECT_EQ(dialog.Chosen(), 2u);
}

TEST_F(BestDialogTest, ReturnTakesTheEntryAndEscapeCancels) {
  BestDialog chosen(services_, SelectionMode::SecurityCopies, files_);
  chosen.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&chosen));
  List(chosen)->setCurrentRow(1);
  QTest::keyClick(List(chosen), Qt::Key_Return);
  EXPECT_EQ(chosen.Chosen(), 1u);
  EXPECT_FALSE(chosen.isVisible());

  BestDialog cancelled(services_, SelectionMode::SecurityCopies, files_);
  cancelled.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&cancelled));
  QTest::keyClick(List(cancelled), Qt::Key_Escape);
  EXPECT_EQ(cancelled.Chosen(), std::nullopt);
  EXPECT_EQ(cancelled.result(), kIdCancel);
}

TEST_F(BestDialogTest, ADoubleClickTakesTheEntry) {
  BestDialog dialog(services_, SelectionMode::DataWithoutIncome, files_);
  QListWidget* list = List(dialog);
  emit list->itemActivated(list->item(2));
  EXPECT_EQ(dialog.Chosen(), 2u);
}

TEST_F(BestDialogTest, AnEmptyListGivesNoChoice) {
  BestDialog dialog(services_, SelectionMode::DataWithIncome, {});
  dialog.SendCommand(kIdOk);
  EXPECT_EQ(dialog.Chosen(), std::nullopt);
  EXPECT_EQ(dialog.result(), kIdCancel);
}

TEST_F(BestDialogTest, ShowSelectionListRunsModallyAndReturnsTheIndex) {
  QTimer::singleShot(0, [] {
    auto* dialog = dynamic_cast<BestDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    qobject_cast<QListWidget*>(dialog->Control(BestDialog::kList))->setCurrentRow(1);
    dialog->SendCommand(kIdOk);
  });
  EXPECT_EQ(ShowSelectionList(services_, SelectionMode::DataWithIncome, files_, nullptr), 1u);
  QTimer::singleShot(0, [] {
    auto* dialog = dynamic_cast<BestDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    dialog->SendCommand(kIdCancel);
  });
  EXPECT_EQ(ShowSelectionList(services_, SelectionMode::DataWithIncome, files_, nullptr), std::nullopt);
}

}  // namespace
}  // namespace pekto
