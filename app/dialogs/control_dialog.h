// The question dialog "Kontrolle" (template MESSDIALOG): the content of a
// mode in a read-only text, Yes (button 102) returns 6, No (button 103,
// Escape, closing) returns 7.
#pragma once

#include "app/checks/control_dialog_content.h"
#include "ui/dialog.h"

namespace pekto {

class ControlDialog final : public Dialog {
 public:
  ControlDialog(DialogServices& services, const ControlDialogContent& content, QWidget* parent);

  static constexpr int kText = 101;
  static constexpr int kYes = 102;
  static constexpr int kNo = 103;

 protected:
  void OnCommand(int id) override;
};

// Shows the content modally over `owner`: 6 for Yes, 7 for No.
int AskControlQuestion(DialogServices& services, const ControlDialogContent& content, QWidget* owner);

}  // namespace pekto
