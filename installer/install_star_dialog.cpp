#include "installer/install_star_dialog.h"

#include <QLineEdit>

#include "installer/start_mask_checks.h"
#include "ui/popup_menu.h"
#include "ui/widget_factory.h"

namespace pekto {

namespace {

constexpr int kDirectoryTopic = 300;
constexpr int kMaxDirectoryLength = 130;

}  // namespace

InstallStarDialog::InstallStarDialog(InstallerContext& context, InstallerFlow& flow)
    : Dialog(context.dialogs, "STARDIALOG"), context_(context), flow_(flow) {
  if (!IsBuilt()) return;
  SetFieldRule(kDirectoryField, FieldInputRule{{}, kMaxDirectoryLength}, " Installationsverzeichnis", kDirectoryTopic);
  SetText(kVersionText, context_.state.version);
  const std::string& last = context_.state.last_install_dir;
  SetText(kDirectoryField, last.empty() ? std::string(kDefaultInstallDir) : last);
  if (auto* edit = qobject_cast<QLineEdit*>(Control(kDirectoryField))) {
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(edit, &QWidget::customContextMenuRequested, this, [this] { ShowFieldMenu(); });
  }
  Focus(kDirectoryField);
}

void InstallStarDialog::ShowFieldMenu() {
  const std::vector<PopupEntry> entries{{"&Vorhandene Verzeichnisse anzeigen", kBrowse},
                                        {"&Erläuterung zum Eingabefeld anzeigen", kExplainField}};
  const int command = ChooseFromPopupMenu(this, entries, PopupPositionAt(*Control(kDirectoryField)));
  if (command != 0) SendCommand(command);
}

void InstallStarDialog::OnCommand(int id) {
  switch (id) {
    case kContinue:
      Continue();
      break;
    case kEnd:
    case kIdCancel:
      flow_.EndInstaller();
      break;
    case kHelpButton:
    case kExplainField:
    case kFieldHelp:
      Services().help.ShowTopic(kInstallerHelpFile, kDirectoryTopic);
      break;
    case kBrowse:
      Browse();
      break;
    case kTermsAgain:
      flow_.ShowTerms();
      break;
    default:
      break;
  }
}

void InstallStarDialog::Continue() {
  switch (ContinueFromStartMask(Text(kDirectoryField), context_.state, context_.services)) {
    case StartMaskOutcome::BackToField:
      Focus(kDirectoryField);
      break;
    case StartMaskOutcome::OpenUserMask:
      flow_.OpenUserMask();
      break;
    case StartMaskOutcome::EndInstaller:
      flow_.EndInstaller();
      break;
  }
}

void InstallStarDialog::Browse() {
  if (const auto folder = context_.browser.ChooseFolder(this, "Vorhandene Verzeichnisse")) {
    SetText(kDirectoryField, *folder);
  }
  Focus(kDirectoryField);
}

}  // namespace pekto
