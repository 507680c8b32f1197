#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "online/progress_dialog.h"
#include "online/tests/loopback_server.h"
#include "online/vess_dialog.h"
#include "ui/widget_factory.h"
#include "ui/windows.h"

namespace pekto {
namespace {

namespace fs = std::filesystem;
const fs::path kResources = fs::path(PEKTO_SOURCE_DIR) / "resources";

void Screenshot(QWidget& window, const char* name) {
  const QPixmap picture = window.grab();
  EXPECT_FALSE(picture.isNull());
  if (const QByteArray dir = qgetenv("PEKTO_SCREENSHOT_DIR"); !dir.isEmpty()) {
    picture.save(QString::fromLocal8Bit(dir) + "/" + name);
  }
}

class OnlineDialogTest : public testing::Test {
 protected:
  rc::Script script_ = rc::LoadScripts(kResources / "pekto").script;
  RecordingMessageBoxes boxes_;
  RecordingHelpViewer help_;
  FieldState field_state_;
  FieldStateStack field_states_;
  DialogServices services_{script_, boxes_, help_, field_state_, field_states_};
};

TEST_F(OnlineDialogTest, TheProgressDialogShowsItsBarWhileItRuns) {
  ProgressDialog dialog(services_);
  ASSERT_TRUE(dialog.IsBuilt());
  EXPECT_EQ(dialog.windowTitle().toStdString(), "  PEKTO");
  ASSERT_NE(dialog.Bar(), nullptr);
  dialog.Begin(5);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.Bar()->maximum(), 5);
  for (int i = 0; i < 3; ++i) dialog.Step();
  EXPECT_EQ(dialog.Bar()->value(), 3);
  Screenshot(dialog, "progba1dlg.png");
  for (int i = 0; i < 9; ++i) dialog.Step();
  EXPECT_EQ(dialog.Bar()->value(), 5);
  dialog.End();
  EXPECT_FALSE(dialog.isVisible());
}

TEST_F(OnlineDialogTest, AFetchBehindTheProgressDialogKeepsTheScreenAlive) {
  testing_support::LoopbackServer server;
  server.Serve("/VERSPRK.INF", {"HTTP/1.0 200 OK\r\n\r\n", true, 0});
  int ticks = 0;
  QTimer timer;
  timer.setInterval(10);
  QObject::connect(&timer, &QTimer::timeout, &timer, [&ticks] { ++ticks; });
  timer.start();
  HttpOptions options;
  options.stall_timeout = std::chrono::milliseconds(500);
  ProgressHttpClient client(services_);
  EXPECT_EQ(client.Get(server.Url("/VERSPRK.INF"), options), "");
  EXPECT_GE(ticks, 10);  // timers and repaints ran during the wait
  for (QWidget* window : QApplication::topLevelWidgets()) {
    EXPECT_FALSE(window->isVisible() && window->windowTitle() == "  PEKTO");
  }
}

TEST_F(OnlineDialogTest, TheOfferShowsCaptionAndNotes) {
  const UpdateOffer offer{"PEKTO 2024.2 ist erschienen", "Neu:\r\n- Beitragssätze 2024\r\n- Minijob-Grenze 538 Euro\r\n"};
  VessDialog dialog(services_, offer);
  ASSERT_TRUE(dialog.IsBuilt());
  EXPECT_EQ(dialog.windowTitle().toStdString(), "PEKTO 2024.2 ist erschienen");
  auto* notes = qobject_cast<QPlainTextEdit*>(dialog.Control(VessDialog::kNotes));
  ASSERT_NE(notes, nullptr);
  EXPECT_TRUE(notes->isReadOnly());
  EXPECT_EQ(notes->toPlainText().toStdString(), "Neu:\n- Beitragssätze 2024\n- Minijob-Grenze 538 Euro\n");
  EXPECT_EQ(dialog.Text(VessDialog::kUpdateNow), "&Programm jetzt updaten");
  EXPECT_EQ(dialog.Text(VessDialog::kCancel), "&Abbrechen");
  dialog.show();
  Screenshot(dialog, "vessdialog.png");
}

TEST_F(OnlineDialogTest, AnOfferWithoutCaptionKeepsKontrolle) {
  VessDialog dialog(services_, UpdateOffer{});
  EXPECT_EQ(dialog.windowTitle().toStdString(), "Kontrolle");
}

struct OfferAnswerRow {
  const char* name;
  int command;
  bool update;
};
void PrintTo(const OfferAnswerRow& row, std::ostream* out) { *out << row.name; }
class OfferAnswerTest : public OnlineDialogTest, public testing::WithParamInterface<OfferAnswerRow> {};

TEST_P(OfferAnswerTest, EndsWithTheChoice) {
  ScreenUpdateOffers offers(services_);
  const int command = GetParam().command;
  QObject context;
  QTimer::singleShot(0, &context, [command] {
    auto* dialog = dynamic_cast<VessDialog*>(QApplication::activeModalWidget());
    if (dialog != nullptr) dialog->SendCommand(command);
  });
  EXPECT_EQ(offers.OfferUpdate({"Titel", "Text\r\n"}), GetParam().update);
}

INSTANTIATE_TEST_SUITE_P(Answers, OfferAnswerTest,
                         testing::Values(OfferAnswerRow{"UpdateNow", VessDialog::kUpdateNow, true},
                                         OfferAnswerRow{"Cancel", VessDialog::kCancel, false},
                                         OfferAnswerRow{"Escape", kIdCancel, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pekto
