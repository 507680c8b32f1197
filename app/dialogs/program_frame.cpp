#include "app/dialogs/program_frame.h"

#include <QApplication>
#include <QScreen>

#include "app/dialogs/control_dialog.h"
#include "app/dialogs/main_dialog.h"
#include "app/startup/program_state.h"
#include "app/dialogs/star_dialog.h"
#include "ui/windows.h"

namespace pekto {

namespace {

void CentreOnScreen(QWidget& window) {
  window.adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
  }
}

}  // namespace

ProgramFrame::~ProgramFrame() = default;

bool ProgramFrame::Replace(std::unique_ptr<Dialog> next) {
  if (!next->IsBuilt()) return false;
  CentreOnScreen(*next);
  if (!ShowModelessDialog(*next)) return false;
  next->activateWindow();
  if (current_) {
    current_->hide();
    current_.release()->deleteLater();
  }
  current_ = std::move(next);
  return true;
}

bool ProgramFrame::CreateStartMask() {
  context_.dialogs.layout_variant = context_.state.layout_variant;
  return Replace(std::make_unique<StarDialog>(context_, *this));
}

ProgramFrame::ProgramFrame(AppContext& context, std::function<void()> quit)
    : context_(context),
      quit_(std::move(quit)),
      file_commands_(context.dialogs, context.files, context.state.paths, [this](const ControlDialogContent& content) {
        return AskControlQuestion(context_.dialogs, content, current_.get()) == kControlDialogYes;
      }) {}

void ProgramFrame::ShowMainMask() {
  if (Replace(std::make_unique<MainDialog>(context_, *this, &file_commands_))) return;
  MessageBoxCentered(context_.dialogs.messages,
                     JoinLines({"Die Hauptmaske konnte nicht ge-", "öffnet werden.", "Starten Sie das Programm erneut",
                                "direkt unter dem gewählten In-", "stallationspfad."}),
                     "PEKTO Fehler!", kMbIconStop);
}

void ProgramFrame::ShowStartMask() {
  if (CreateStartMask()) return;
  context_.dialogs.messages.Show(startup_message::StartMaskNotCreated());
  EndProgram();
}

void ProgramFrame::EndProgram() {
  ended_ = true;
  if (current_) {
    current_->hide();
    current_.release()->deleteLater();
  }
  if (quit_) quit_();
}

}  // namespace pekto
