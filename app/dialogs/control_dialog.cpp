#include "app/dialogs/control_dialog.h"

#include "ui/widget_factory.h"
#include "ui/windows.h"

namespace pekto {

ControlDialog::ControlDialog(DialogServices& services, const ControlDialogContent& content, QWidget* parent)
    : Dialog(services, "MESSDIALOG", parent) {
  if (!IsBuilt()) return;
  setWindowTitle(ToQString(content.caption));
  SetText(kText, content.Text());
  SetText(kYes, content.yes_caption);
  SetText(kNo, content.no_caption);
  Focus(kYes);
}

void ControlDialog::OnCommand(int id) {
  if (id == kYes || id == kIdOk) done(kControlDialogYes);
  if (id == kNo || id == kIdCancel) done(kControlDialogNo);
}

int AskControlQuestion(DialogServices& services, const ControlDialogContent& content, QWidget* owner) {
  ControlDialog dialog(services, content, owner);
  const int answer = ShowModalDialog(dialog);
  return answer == kControlDialogYes ? kControlDialogYes : kControlDialogNo;
}

}  // namespace pekto
