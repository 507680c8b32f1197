#include "installer/installer_frame.h"

#include <QFileDialog>

#include "installer/finish.h"
#include "installer/terms_dialog.h"
#include "installer/user_dialog.h"
#include "ui/windows.h"

namespace pekto {

std::optional<std::string> HostFolderBrowser::ChooseFolder(QWidget* parent, std::string_view title) {
  // "The computer": the folder of the drives, or the host's root.
  const QString start = QString::fromStdString(files_.DrivesRoot().value_or("/").string());
  const QString chosen = QFileDialog::getExistingDirectory(parent, QString::fromUtf8(title.data(), static_cast<int>(title.size())), start);
  if (chosen.isEmpty()) return std::nullopt;
  return files_.DosPathOf(chosen.toStdString());
}

InstallerFrame::InstallerFrame(InstallerContext& context, std::function<void()> quit)
    : context_(context), quit_(std::move(quit)) {}

InstallerFrame::~InstallerFrame() = default;

bool InstallerFrame::Start() {
  start_ = std::make_unique<InstallStarDialog>(context_, *this);
  if (!start_->IsBuilt() || !ShowModelessDialog(*start_)) {
    MessageBoxCentered(context_.dialogs.messages,
                       JoinLines({"Die Startmaske konnte nicht ge-", "öffnet werden.", "",
                                  "Starten Sie das Programm erneut", "direkt unter dem gewählten In-",
                                  "stallationspfad."}),
                       "PEKTO Fehler!", kMbIconStop);
    return false;
  }
  if (!context_.state.update_mode && !ShowTerms()) {
    start_->hide();
    return false;
  }
  return true;
}

bool InstallerFrame::ShowTerms() {
  TermsDialog terms(context_, start_.get());
  if (ShowModalDialog(terms) == kIdOk) return true;
  EndInstaller();
  return false;
}

void InstallerFrame::OpenUserMask() {
  UserDialog users(context_, start_.get());
  if (ShowModalDialog(users) != kIdOk) {
    EndInstaller();
    return;
  }
  FinishWithMessage(context_.state, context_.services);
  finished_ = true;
  EndInstaller();
}

void InstallerFrame::EndInstaller() {
  if (start_) start_->hide();
  if (quit_) quit_();
}

}  // namespace pekto
