// The main mask on the offscreen screen for the dialog tests: a throw-away
// installation, recording services, a frame and file commands that record
// what they were asked, and a responder that answers popup menus and modal
// dialogs as a user would.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

#include "app/dialogs/main_dialog.h"
#include "app/startup/online_services.h"
#include "app/startup/program_state.h"
#include "app/startup/tests/test_installation.h"
#include "platform/processes.h"

namespace pekto::testing_support {

inline const std::filesystem::path kResourceDir = std::filesystem::path(PEKTO_SOURCE_DIR) / "resources";

class RecordingFrame final : public FrameCommands {
 public:
  void ShowMainMask() override {}
  void ShowStartMask() override { ++start_masks; }
  void EndProgram() override {}
  int start_masks = 0;
};

// Records each command with the mask it saw; a save marks the mask as
// saved, a load asks the unsaved-changes question and fills the mask.
class RecordingFileCommands final : public MainMaskFileCommands {
 public:
  MaskFileCommandResult Run(MaskFileCommand command, MaskFileCommandContext& context) override {
    commands.push_back(command);
    masks.push_back(context.record.mask_fields);
    if (command == MaskFileCommand::Save) {
      context.record.saved_mask_fields = context.record.mask_fields;
      context.record.modified = false;
      if (save_shows_payslip) return {false, std::nullopt, true};
    }
    if (command == MaskFileCommand::LoadComplete) {
      if (!context.confirm_discarding_entries()) return {};
      context.record.mask_fields = loaded;
      context.record.saved_mask_fields = loaded;
      context.record.modified = false;
      return {true, MaskField::Period};
    }
    return {};
  }
  std::vector<MaskFileCommand> commands;
  std::vector<MaskFields> masks;
  MaskFields loaded;
  bool save_shows_payslip = false;  // the user answers Yes to the payslip question
};

// Answers what opens modally while a command runs: each popup menu with
// the next choice (a key such as the entry's access letter, or Escape),
// each modal dialog with the next handler.
class UiResponder {
 public:
  UiResponder() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Poll(); });
    timer_.start();
  }
  void ChoosePopupKey(int key) { popup_keys_.push_back(key); }
  void HandleDialog(std::function<void(QWidget&)> handler) { dialogs_.push_back(std::move(handler)); }
  std::vector<std::vector<std::string>> popups;  // the entry texts of each popup shown
  int dialogs_handled = 0;
  int unexpected = 0;  // popups and dialogs nobody expected

 private:
  // What nobody expected is closed (Escape) and counted, so that a test
  // fails instead of waiting for ever.
  void Poll() {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()); menu != nullptr && menu->isVisible()) {
      std::vector<std::string> texts;
      for (const QAction* action : menu->actions()) texts.push_back(action->text().toStdString());
      popups.push_back(texts);
      int key = Qt::Key_Escape;
      if (popup_keys_.empty()) {
        ++unexpected;
      } else {
        key = popup_keys_.front();
        popup_keys_.pop_front();
      }
      QTest::keyClick(menu, static_cast<Qt::Key>(key));
      return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    // A property marks a dialog as answered (a new dialog may get the
    // address of the last one).
    if (modal == nullptr || !modal->isVisible() || modal->property("answered").toBool()) return;
    modal->setProperty("answered", true);
    if (dialogs_.empty()) {
      ++unexpected;
      QTest::keyClick(modal, Qt::Key_Escape);
      return;
    }
    auto handler = std::move(dialogs_.front());
    dialogs_.pop_front();
    ++dialogs_handled;
    handler(*modal);
  }

  QTimer timer_;
  std::deque<int> popup_keys_;
  std::deque<std::function<void(QWidget&)>> dialogs_;
};

// Writes a grab() of the window when PEKTO_SCREENSHOT_DIR names a folder.
inline void Screenshot(QWidget& window, const std::string& name) {
  const QPixmap picture = window.grab();
  EXPECT_FALSE(picture.isNull());
  if (const QByteArray dir = qgetenv("PEKTO_SCREENSHOT_DIR"); !dir.isEmpty()) {
    picture.save(QString::fromLocal8Bit(dir) + "/" + QString::fromStdString(name));
  }
}

class MainMaskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    NewSystemFile contents = TwoUsers();
    contents.calc_mode = "1";
    installation_.Install(contents);
    state_.system_file = ReadSystemFile(installation_.files, "C:\\PEKTO\\LODAT2.SYS").file;
    state_.user_number = 1;
    ApplyPaths(state_);
  }
  void TearDown() override {
    dialog_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  void Open(int layout_variant = 1) {
    services_.layout_variant = layout_variant;
    dialog_ = std::make_unique<MainDialog>(context_, frame_, &file_commands_);
    ASSERT_TRUE(dialog_->IsBuilt());
    dialog_->show();
    QApplication::setActiveWindow(dialog_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog_.get()));
  }
  [[nodiscard]] QLineEdit* Edit(MaskField field) const {
    return qobject_cast<QLineEdit*>(dialog_->Control(ControlIdOf(field)));
  }
  [[nodiscard]] std::string TextOf(MaskField field) const { return Edit(field)->text().toStdString(); }
  [[nodiscard]] int Current() const { return state_.field_state.current_field - kFirstMaskControlId + 1; }
  void Focus(MaskField field) { dialog_->Focus(ControlIdOf(field)); }
  // Key by key into the focused field, also the umlauts.
  void Type(MaskField field, const QString& text) {
    Focus(field);
    for (const QChar c : text)
      QTest::sendKeyEvent(QTest::Click, Edit(field), Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
  // A key into the mask's focused control; the mask is made the active
  // window again first (the offscreen screen does not give it back after
  // a popup menu).
  void Press(Qt::Key key) {
    if (QApplication::activeWindow() != dialog_.get()) QApplication::setActiveWindow(dialog_.get());
    QWidget* target = dialog_->focusWidget();
    QTest::keyClick(target != nullptr ? target : dialog_.get(), key);
  }
  void Fill(const MaskFields& mask) {
    for (const MaskFieldSpec& spec : kMaskFieldTable) {
      Edit(static_cast<MaskField>(spec.number))->setText(QString::fromStdString(mask.AtNumber(spec.number)));
    }
  }

  TestInstallation installation_{"main_mask"};
  rc::Script script_ = rc::LoadScripts(kResourceDir / "pekto").script;
  RecordingMessageBoxes boxes_;
  RecordingHelpViewer help_;
  RecordingDocumentOpener documents_;
  RecordingProgramStarter programs_;
  ProgramState state_;
  OfflineServices online_{installation_.files, boxes_};
  DialogServices services_{script_, boxes_, help_, state_.field_state, state_.field_states};
  AppContext context_{services_, state_, installation_.files, documents_, programs_, online_, kResourceDir};
  RecordingFrame frame_;
  RecordingFileCommands file_commands_;
  std::unique_ptr<MainDialog> dialog_;
  UiResponder responder_;
};

}  // namespace pekto::testing_support
