#include "app/dialogs/star_dialog.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "app/dialogs/main_dialog.h"
#include "app/startup/online_services.h"
#include "app/dialogs/program_frame.h"
#include "app/startup/program_state.h"
#include "app/startup/tests/test_installation.h"
#include "platform/processes.h"

namespace pekto {
namespace {

namespace fs = std::filesystem;
using testing_support::TestInstallation;
using testing_support::TwoUsers;

const fs::path kResources = fs::path(PEKTO_SOURCE_DIR) / "resources";

class StartMaskTest : public testing::Test {
 protected:
  void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
  void Start(bool query) {
    NewSystemFile contents = TwoUsers();
    contents.password_query = query;
    installation_.Install(contents);
    StartupServices services{installation_.files, boxes_, online_, frame_};
    ASSERT_EQ(RunStartup(state_, {"C:\\PEKTO", 1024}, services), StartupOutcome::EnterMessageLoop);
    ASSERT_NE(Star(), nullptr);
    QApplication::setActiveWindow(frame_.CurrentDialog());
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.CurrentDialog()));
  }
  StarDialog* Star() { return dynamic_cast<StarDialog*>(frame_.CurrentDialog()); }
  MainDialog* Main() { return dynamic_cast<MainDialog*>(frame_.CurrentDialog()); }
  QLineEdit* Edit(int id) { return qobject_cast<QLineEdit*>(frame_.CurrentDialog()->Control(id)); }
  // Key by key, also the umlauts that QTest's own typing does not know.
  void Type(int id, const QString& text) {
    Star()->Focus(id);
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, Edit(id), Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
  void PressReturn() {
    QTest::keyClick(frame_.CurrentDialog()->focusWidget(), Qt::Key_Return);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  // Writes a grab() of the window when PEKTO_SCREENSHOT_DIR names a folder.
  void Screenshot(QWidget& window, const char* name) {
    const QPixmap picture = window.grab();
    EXPECT_FALSE(picture.isNull());
    if (const QByteArray dir = qgetenv("PEKTO_SCREENSHOT_DIR"); !dir.isEmpty()) {
      picture.save(QString::fromLocal8Bit(dir) + "/" + name);
    }
  }

  TestInstallation installation_{"star"};
  rc::Script script_ = rc::LoadScripts(kResources / "pekto").script;
  RecordingMessageBoxes boxes_;
  RecordingHelpViewer help_;
  RecordingDocumentOpener documents_;
  RecordingProgramStarter programs_;
  ProgramState state_;
  OfflineServices online_{installation_.files, boxes_};
  DialogServices services_{script_, boxes_, help_, state_.field_state, state_.field_states};
  AppContext context_{services_, state_, installation_.files, documents_, programs_, online_, kResources};
  ProgramFrame frame_{context_, {}};
};

TEST_F(StartMaskTest, ReadsLikeTheStartMask) {
  Start(true);
  EXPECT_EQ(Star()->windowTitle().toStdString(), "PEKTO Lohn- und Gehaltsabrechnung 2020 - 2026");
  EXPECT_EQ(Star()->Text(112), "2020 - 2026");
  EXPECT_EQ(Star()->Text(1), "&Hauptmaske aufrufen (Return)");
  EXPECT_EQ(Star()->Text(103), "&Programm beenden (Esc)");
  EXPECT_EQ(Edit(301)->echoMode(), QLineEdit::Password);
  EXPECT_FALSE(Star()->IsControlShown(StarDialog::kQueryOffLine1));
  EXPECT_EQ(Star()->Text(kStatusLineId), " Name, Vorname");
  Type(301, "x");
  EXPECT_EQ(Star()->Text(kStatusLineId), " Paßwort");
  Type(302, "y");
  EXPECT_EQ(Star()->Text(kStatusLineId), " Paßwort neu");
  Screenshot(*Star(), "start_mask.png");
}

TEST_F(StartMaskTest, TheNameFieldTakesLettersCommaAndBlankOnly) {
  Start(true);
  Type(300, "Müller, Jürgen 42!");
  EXPECT_EQ(Edit(300)->text().toStdString(), "Müller, Jürgen ");
  Type(301, "öl1");
  EXPECT_EQ(Edit(301)->text().toStdString(), "öl");
}

TEST_F(StartMaskTest, WithTheQueryOffReturnOnTheEmptyMaskOpensTheMainMaskForUser01) {
  Start(false);
  EXPECT_TRUE(Star()->IsControlShown(StarDialog::kQueryOffLine1));
  EXPECT_EQ(Star()->Text(StarDialog::kQueryOffLine2), "Passwortes wird nicht gefordert.");
  Screenshot(*Star(), "start_mask_query_off.png");
  PressReturn();
  ASSERT_NE(Main(), nullptr);
  EXPECT_EQ(Main()->windowTitle().toStdString(), "Hauptmaske");
  EXPECT_EQ(state_.paths.UserDataDir(), "C:\\PEKTO\\01");
  EXPECT_TRUE(boxes_.shown.empty());
  Screenshot(*Main(), "main_dialog.png");
}

TEST_F(StartMaskTest, AWrongPasswordKeepsTheStartMaskWithTheFocusOnTheName) {
  Start(true);
  Type(300, "maier");
  Type(301, "falsch");
  PressReturn();
  ASSERT_NE(Star(), nullptr);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text, "Name oder Paßwort ungültig !");
  EXPECT_EQ(state_.field_state.current_field, 300);
}

TEST_F(StartMaskTest, APasswordChangeFromTheMaskRewritesTheSystemFile) {
  Start(true);
  Type(300, "maier");
  Type(301, "geheim");
  Type(302, "sommer");
  PressReturn();
  ASSERT_NE(Main(), nullptr);
  EXPECT_EQ(ReadSystemFile(installation_.files, "C:\\PEKTO\\LODAT2.SYS").file.User(1).password, "SOMMER");
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "Kontrolle !");
}

TEST_F(StartMaskTest, BackToTheStartMaskAndInAsAnotherUser) {
  Start(true);
  Type(300, "maier");
  Type(301, "geheim");
  PressReturn();
  ASSERT_NE(Main(), nullptr);
  EXPECT_EQ(state_.paths.UserDataDir(), "C:\\PEKTO\\01");
  Main()->SendCommand(MainDialog::kBackToStartMask);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ASSERT_NE(Star(), nullptr);
  Type(300, "Müller, Jürgen");
  Type(301, "öl");
  PressReturn();
  ASSERT_NE(Main(), nullptr);
  EXPECT_EQ(state_.paths.UserDataDir(), "C:\\PEKTO\\02");
  EXPECT_EQ(state_.paths.HistoryDir(), "C:\\PEKTO\\HIS02");
}

TEST_F(StartMaskTest, UnsavedEntriesAskBeforeLeavingTheMainMask) {
  Start(false);
  PressReturn();
  ASSERT_NE(Main(), nullptr);
  state_.record.modified = true;
  boxes_.answers = {MessageResult::No};
  Main()->SendCommand(MainDialog::kBackToQuery);
  ASSERT_NE(Main(), nullptr);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text,
            "Sie haben Ihre Eintragungen nicht\r\nabgespeichert. Möchten Sie trotz-\r\ndem abbrechen....");
  Main()->SendCommand(MainDialog::kBackToQuery);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_NE(Star(), nullptr);
  EXPECT_FALSE(state_.record.modified);
}

TEST_F(StartMaskTest, EscapeEndsTheProgram) {
  Start(true);
  QTest::keyClick(Edit(300), Qt::Key_Escape);
  EXPECT_TRUE(frame_.Ended());
}

TEST_F(StartMaskTest, TheYearChangeDocumentOpensOrReportsTheFailure) {
  Start(true);
  Star()->SendCommand(StarDialog::kYearChangeDocument);
  EXPECT_EQ(documents_.documents, std::vector<std::string>{"C:\\PEKTO\\Wesentl_Neuerun2024.pdf"});
  EXPECT_TRUE(boxes_.shown.empty());
  documents_.answer = {false, 2, 0};
  Star()->SendCommand(StarDialog::kYearChangeDocument);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "Kontrolle (Fehler2)");
  EXPECT_TRUE(boxes_.shown[0].text.starts_with("Die wesentlichen Neuerungen können nicht angezeigt werden !\r\n"));
}

TEST_F(StartMaskTest, OnlineCommandsReportTheirFailureAndTheStartCheckSwitchIsKept) {
  Start(true);
  Star()->SendCommand(StarDialog::kCheckVersion);
  Star()->SendCommand(StarDialog::kHomepage);
  ASSERT_EQ(boxes_.shown.size(), 2u);
  EXPECT_EQ(boxes_.shown[0].caption, "PEKTO Fehler!");
  EXPECT_TRUE(boxes_.shown[1].text.starts_with("Die Homepage konnte nicht aufgerufen werden."));
  Star()->SendCommand(StarDialog::kNoCheckAtStart);
  EXPECT_TRUE(Star()->MenuActions(StarDialog::kNoCheckAtStart).front()->isChecked());
  EXPECT_FALSE(Star()->MenuActions(StarDialog::kCheckAtStart).front()->isChecked());
  EXPECT_EQ(installation_.files.ReadFile("C:\\PEKTO\\AUT_PRUESF.INF"), "2\r\n\r\n");
}

TEST_F(StartMaskTest, HelpShowsTheFieldsTopicAndTheKeyboardPage) {
  Start(true);
  Star()->Focus(301);
  QTest::keyClick(Edit(301), Qt::Key_F1);
  Star()->SendCommand(StarDialog::kKeyboardHelp);
  EXPECT_EQ(help_.shown,
            (std::vector<RecordingHelpViewer::Shown>{{"C:\\PEKTO\\PEKTO.CHM", 141}, {"C:\\PEKTO\\PEKTO.CHM", 211}}));
}

TEST_F(StartMaskTest, TheReleaseNotesOpenOverTheStartMaskAndKeepItsField) {
  Start(true);
  Star()->Focus(301);
  std::string notes;
  QTimer::singleShot(0, Star(), [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Programmauslegung und Neuigkeiten");
    notes = dialog->findChild<QPlainTextEdit*>()->toPlainText().toStdString();
    Screenshot(*dialog, "release_notes.png");
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  Star()->SendCommand(StarDialog::kReleaseNotes);
  EXPECT_TRUE(notes.starts_with("PEKTO Lohn- und Gehaltsabrechnung")) << notes;
  EXPECT_EQ(state_.field_state.current_field, 301);
}

}  // namespace
}  // namespace pekto
