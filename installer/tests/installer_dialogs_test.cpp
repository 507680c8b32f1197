#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "installer/install_star_dialog.h"
#include "installer/installer_files.h"
#include "installer/installer_frame.h"
#include "installer/terms_dialog.h"
#include "installer/tests/installer_fixture.h"
#include "installer/user_dialog.h"

namespace pekto {
namespace {

namespace fs = std::filesystem;
using testing_support::InstallerTest;

const fs::path kResources = fs::path(PEKTO_SOURCE_DIR) / "resources";

class RecordingFlow final : public InstallerFlow {
 public:
  void OpenUserMask() override { ++user_masks; }
  bool ShowTerms() override {
    ++terms;
    return true;
  }
  void EndInstaller() override { ++ends; }
  int user_masks = 0, terms = 0, ends = 0;
};

class InstallerDialogTest : public InstallerTest {
 protected:
  void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
  // Writes a grab() of the window when PEKTO_SCREENSHOT_DIR names a folder.
  void Screenshot(QWidget& window, const char* name) {
    window.show();
    const QPixmap picture = window.grab();
    EXPECT_FALSE(picture.isNull());
    if (const QByteArray dir = qgetenv("PEKTO_SCREENSHOT_DIR"); !dir.isEmpty()) {
      picture.save(QString::fromLocal8Bit(dir) + "/" + name);
    }
  }

  rc::Script script_ = rc::LoadScripts(kResources / "install").script;
  RecordingHelpViewer help_;
  FieldState field_state_;
  FieldStateStack field_states_;
  DialogServices dialogs_{script_, boxes_, help_, field_state_, field_states_};
  RecordingFolderBrowser browser_;
  RecordingFlow flow_;
  InstallerContext context_{dialogs_, services_, state_, browser_, kResources};
};

TEST_F(InstallerDialogTest, TheScriptsParseWithoutErrors) {
  EXPECT_TRUE(rc::LoadScripts(kResources / "install").errors.empty());
}

TEST_F(InstallerDialogTest, TermsMaskHoldsTenClauses) {
  TermsDialog terms(context_, nullptr);
  ASSERT_TRUE(terms.IsBuilt());
  const std::string text = terms.Text(TermsDialog::kTermsText);
  for (int clause = 1; clause <= 10; ++clause) {
    EXPECT_NE(text.find("\n" + std::to_string(clause) + ". "), std::string::npos) << clause;
  }
  EXPECT_EQ(terms.Text(1), "&Ja, ich akzeptiere (Return)");
  EXPECT_EQ(terms.Text(2), "&Nein, nicht einverstanden (Esc)");
  Screenshot(terms, "installer_paip3dlg.png");
  terms.SendCommand(kIdCancel);
  EXPECT_EQ(terms.result(), kIdCancel);
}

TEST_F(InstallerDialogTest, StartMaskPresetAndChecks) {
  state_.last_install_dir = "";
  InstallStarDialog start(context_, flow_);
  ASSERT_TRUE(start.IsBuilt());
  EXPECT_EQ(start.windowTitle().toStdString(), "Installationsprogramm - Pekto");
  EXPECT_EQ(start.Text(InstallStarDialog::kDirectoryField), "C:\\PEKTO");
  EXPECT_EQ(start.Text(InstallStarDialog::kVersionText), "4.01");
  Screenshot(start, "installer_stardialog.png");

  start.SetText(InstallStarDialog::kDirectoryField, "PEKTO");
  start.SendCommand(InstallStarDialog::kContinue);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "Kontrolle!");
  EXPECT_EQ(flow_.user_masks, 0);

  WriteMedium();
  start.SetText(InstallStarDialog::kDirectoryField, "C:\\PEKTO");
  start.SendCommand(InstallStarDialog::kContinue);
  EXPECT_EQ(flow_.user_masks, 1);
  EXPECT_EQ(state_.install_dir, "C:\\PEKTO");
}

TEST_F(InstallerDialogTest, StartMaskCommands) {
  state_.last_install_dir = "D:\\LOHN";
  InstallStarDialog start(context_, flow_);
  EXPECT_EQ(start.Text(InstallStarDialog::kDirectoryField), "D:\\LOHN");
  start.SendCommand(InstallStarDialog::kHelpButton);
  start.SendCommand(InstallStarDialog::kFieldHelp);
  ASSERT_EQ(help_.shown.size(), 2u);
  EXPECT_EQ(help_.shown[0], (RecordingHelpViewer::Shown{"INPEKTO.CHM", 300}));
  browser_.answer = "C:\\LOHN\\NEU";
  start.SendCommand(InstallStarDialog::kBrowse);
  EXPECT_EQ(browser_.titles, std::vector<std::string>{"Vorhandene Verzeichnisse"});
  EXPECT_EQ(start.Text(InstallStarDialog::kDirectoryField), "C:\\LOHN\\NEU");
  start.SendCommand(InstallStarDialog::kTermsAgain);
  EXPECT_EQ(flow_.terms, 1);
  ASSERT_FALSE(start.MenuActions(InstallStarDialog::kTermsAgain).empty());
  start.SendCommand(InstallStarDialog::kEnd);
  EXPECT_EQ(flow_.ends, 1);
}

TEST_F(InstallerDialogTest, UserMaskPresetFromTheSystemFileAndWritten) {
  state_.install_dir = "C:\\PEKTO";
  WriteHost("drive_c/PEKTO/PEKTO.EXE", "x");
  ASSERT_TRUE(files_.ReplaceFile("C:\\PEKTO\\LODAT2.SYS",
                                 MakeSystemFile({"PEKTO", "C", false, {{"MAIER", "GEHEIM"}}, "0"}).Serialize())
                  .ok);
  UserDialog users(context_, nullptr);
  ASSERT_TRUE(users.IsBuilt());
  EXPECT_EQ(users.windowTitle().toStdString(), "Installationsprogramm - Pekto - Benutzerdatei");
  EXPECT_EQ(users.Text(300), "MAIER");
  EXPECT_EQ(qobject_cast<QLineEdit*>(users.Control(320))->echoMode(), QLineEdit::Password);
  EXPECT_TRUE(qobject_cast<QCheckBox*>(users.Control(UserDialog::kNoQuerySwitch))->isChecked());
  users.SetText(301, "Müller, Eva");
  users.SetText(321, "öl");
  Screenshot(users, "installer_benudialog.png");

  users.SetText(UserDialog::kStartUserField, "13");
  users.SendCommand(UserDialog::kContinue);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text, "Sie haben eine ungültige\r\nBenutzernummer angegeben!");
  users.SetText(UserDialog::kStartUserField, "2");
  users.SendCommand(UserDialog::kContinue);
  EXPECT_EQ(users.result(), UserDialog::kContinue);
  const auto file = ReadExistingSystemFile(files_, "C:\\PEKTO");
  ASSERT_TRUE(file);
  EXPECT_EQ(file->User(2).name, "MÜLLER, EVA");
  EXPECT_EQ(file->CalcMode(), "0");
  EXPECT_EQ(ReadLastInstallDir(files_), "C:\\PEKTO");
}

TEST_F(InstallerDialogTest, UserMaskCancelAsksWithOrWithoutChanges) {
  state_.install_dir = "C:\\PEKTO";
  UserDialog users(context_, nullptr);
  Answer({MessageResult::No});
  users.SendCommand(kIdCancel);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text, "Die Anwendung wurde nicht\r\ninstalliert!\r\nMöchten Sie trotzden ab-\r\nbrechen ?");
  EXPECT_EQ(users.result(), 0);
  users.SetText(300, "NEU");
  Answer({MessageResult::Yes});
  users.SendCommand(kIdCancel);
  ASSERT_EQ(boxes_.shown.size(), 2u);
  EXPECT_TRUE(boxes_.shown[1].text.starts_with("Sie haben Ihre Änderungen\r\n"));
  EXPECT_EQ(users.result(), kIdCancel);
  EXPECT_FALSE(files_.FileExists("C:\\PEKTO\\LODAT2.SYS"));
}

// Answers the next modal dialog with a command once it runs.
void AnswerModal(int command) {
  QTimer::singleShot(0, [command] {
    if (auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget())) {
      dialog->SendCommand(command);
      if (dialog->isVisible()) dialog->done(kIdCancel);
    }
  });
}

TEST_F(InstallerDialogTest, FrameShowsTheTermsOverTheStartMask) {
  int quits = 0;
  InstallerFrame declined(context_, [&quits] { ++quits; });
  AnswerModal(kIdCancel);
  EXPECT_FALSE(declined.Start());
  EXPECT_EQ(quits, 1);

  InstallerFrame accepted(context_, [&quits] { ++quits; });
  AnswerModal(kIdOk);
  ASSERT_TRUE(accepted.Start());
  EXPECT_TRUE(accepted.StartMask()->isVisible());
  EXPECT_EQ(quits, 1);
}

TEST_F(InstallerDialogTest, FrameInUpdateModeShowsNoTermsAndFinishesAfterTheUserMask) {
  state_.update_mode = true;
  state_.install_dir = "C:\\PEKTO";
  WriteHost("drive_c/PEKTO/PEKTO.EXE", "x");
  int quits = 0;
  InstallerFrame frame(context_, [&quits] { ++quits; });
  ASSERT_TRUE(frame.Start());
  QTimer::singleShot(0, [] {
    if (auto* users = dynamic_cast<UserDialog*>(QApplication::activeModalWidget())) {
      users->SetText(300, "MAIER");
      users->SetText(320, "GEHEIM");
      users->SendCommand(UserDialog::kContinue);
      if (users->isVisible()) users->done(kIdCancel);  // a refusal must not hang the test
    }
  });
  frame.OpenUserMask();
  EXPECT_TRUE(frame.Finished());
  EXPECT_EQ(quits, 1);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_TRUE(boxes_.shown[0].text.starts_with("Das Update wurde erfolgreich installiert."));
  EXPECT_TRUE(files_.FileExists("C:\\PEKTO\\LODAT2.SYS"));
}

}  // namespace
}  // namespace pekto
