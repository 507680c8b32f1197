// The start mask with the real online services against a loopback server
// holding a published release: the first-run question at start, the
// version lines, and 5529 through the update offer to the update program.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/dialogs/program_frame.h"
#include "app/dialogs/star_dialog.h"
#include "app/startup/program_state.h"
#include "app/startup/tests/test_installation.h"
#include "online/progress_dialog.h"
#include "online/publish.h"
#include "online/tests/loopback_server.h"
#include "online/vendor_online_services.h"
#include "online/vess_dialog.h"
#include "platform/processes.h"

namespace pekto {
namespace {

namespace fs = std::filesystem;
using testing_support::TestInstallation;

const fs::path kResources = fs::path(PEKTO_SOURCE_DIR) / "resources";

void Screenshot(QWidget& window, const char* name) {
  const QPixmap picture = window.grab();
  EXPECT_FALSE(picture.isNull());
  if (const QByteArray dir = qgetenv("PEKTO_SCREENSHOT_DIR"); !dir.isEmpty()) {
    picture.save(QString::fromLocal8Bit(dir) + "/" + name);
  }
}

class StartMaskOnlineTest : public testing::Test {
 protected:
  StartMaskOnlineTest() {
    NewSystemFile contents = testing_support::TwoUsers();
    contents.password_query = false;
    installation_.Install(contents);
    EXPECT_TRUE(installation_.files.ReplaceFile("C:\\PEKTO\\VERSPRK.INF", "2024.1\r\n15012024\r\n").ok);
    const PublishResult release = BuildRelease(
        {"2024.2",
         "15072024",
         "PEKTO 2024.2 - Update verfügbar",
         {"Neu in Version 2024.2:", "", "- Beitragsbemessungsgrenzen 2024", "- Minijob-Grenze 538 Euro",
          "- Korrekturen im Übergangsbereich"},
         {{"pektow.exe", true, "#!/bin/sh\n"}, {"INSTALL.EXE", true, "#!/bin/sh\n"}},
         {},
         {}},
        keys_.secret_key);
    for (const auto& [name, bytes] : release.files) server_.Serve("/" + name, testing_support::OkReply(bytes));
  }
  void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
  void Start() {
    StartupServices services{installation_.files, boxes_, online_, frame_};
    ASSERT_EQ(RunStartup(state_, {"C:\\PEKTO", 1024}, services), StartupOutcome::EnterMessageLoop);
    ASSERT_NE(Star(), nullptr);
    QApplication::setActiveWindow(Star());
  }
  StarDialog* Star() { return dynamic_cast<StarDialog*>(frame_.CurrentDialog()); }

  TestInstallation installation_{"star_online"};
  testing_support::LoopbackServer server_;
  KeyPair keys_ = GenerateKeyPair();
  rc::Script script_ = rc::LoadScripts(kResources / "pekto").script;
  RecordingMessageBoxes boxes_;
  RecordingHelpViewer help_;
  RecordingDocumentOpener documents_;
  RecordingProgramStarter programs_;
  ProgramState state_;
  DialogServices services_{script_, boxes_, help_, state_.field_state, state_.field_states};
  ProgressHttpClient http_{services_};
  ScreenUpdateOffers offers_{services_};
  VendorOnlineServices online_{{installation_.files, boxes_, http_, programs_, documents_, offers_,
                                [this](std::string_view name) -> std::optional<std::string> {
                                  if (name == kServerEnvironmentVariable) return server_.HostAndPort();
                                  return std::nullopt;
                                },
                                [] { return std::string("12-08-2026"); }, keys_.public_key}};
  AppContext context_{services_, state_, installation_.files, documents_, programs_, online_, kResources};
  ProgramFrame frame_{context_, {}};
};

TEST_F(StartMaskOnlineTest, TheFirstStartAsksAndTheMaskShowsVersionAndChecks) {
  boxes_.answers.push_back(MessageResult::Yes);
  Start();
  ASSERT_GE(boxes_.shown.size(), 2u);
  EXPECT_EQ(boxes_.shown[0].caption, "Kontrolle");
  EXPECT_EQ(boxes_.shown[1].caption, "PEKTO Hinweis!");  // the release of this year is newer
  EXPECT_EQ(Star()->Text(StarDialog::kVersionLine), "Version 2024.1, Stand 15.01.2024");
  EXPECT_EQ(Star()->Text(StarDialog::kLastCheckLine), "Letzte Online-Prüfung: keine");
  EXPECT_TRUE(Star()->MenuActions(StarDialog::kCheckAtStart).front()->isChecked());
  EXPECT_FALSE(Star()->MenuActions(StarDialog::kNoCheckAtStart).front()->isChecked());
  Star()->SendCommand(StarDialog::kNoCheckAtStart);
  EXPECT_TRUE(Star()->MenuActions(StarDialog::kNoCheckAtStart).front()->isChecked());
  EXPECT_FALSE(Star()->MenuActions(StarDialog::kCheckAtStart).front()->isChecked());
  Screenshot(*Star(), "stardialog_online.png");
}

TEST_F(StartMaskOnlineTest, TheManualCheckOffersTheUpdateAndHandsOver) {
  ASSERT_TRUE(installation_.files.ReplaceFile("C:\\PEKTO\\AUT_PRUESF.INF", "2\r\n\r\n").ok);
  Start();
  bool offered = false;
  // The fetches before the offer let timers run too: wait for the dialog.
  QTimer answer;
  answer.setInterval(20);
  QObject::connect(&answer, &QTimer::timeout, &answer, [&offered, &answer] {
    auto* dialog = dynamic_cast<VessDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    answer.stop();
    offered = true;
    Screenshot(*dialog, "vessdialog_online.png");
    EXPECT_EQ(dialog->windowTitle().toStdString(), "PEKTO 2024.2 - Update verfügbar");
    dialog->SendCommand(VessDialog::kUpdateNow);
  });
  answer.start();
  Star()->SendCommand(StarDialog::kCheckVersion);
  EXPECT_TRUE(offered);
  EXPECT_TRUE(boxes_.shown.empty());
  ASSERT_EQ(programs_.launches.size(), 1u);
  EXPECT_EQ(programs_.launches[0].program, "C:\\PEKTO\\pektow.exe");
  EXPECT_TRUE(installation_.files.FileExists("C:\\AUTOHWKTMP.TMP\\AUTOHWKTMP.TMP"));
  EXPECT_TRUE(frame_.Ended());
}

}  // namespace
}  // namespace pekto
