// The main mask's file commands on the screen: the file controller
// (app/files/file_commands.h) behind the mask's MainMaskFileCommands hook, with
// the centred message boxes, the "Kontrolle" dialog and the "Bestand"
// list as its user. The program's frame owns one and hands it to the
// main mask.
#pragma once

#include <functional>

#include "app/checks/control_dialog_content.h"
#include "app/startup/install_paths.h"
#include "app/mask/main_mask_file_commands.h"
#include "platform/dos_file_system.h"
#include "ui/dialog.h"

namespace pekto {

class EmployeeFileCommands final : public MainMaskFileCommands {
 public:
  // The "Kontrolle" dialog (MESSDIALOG) with a content: true for button
  // 102. The frame passes the main mask's dialog for it.
  using ControlQuestion = std::function<bool(const ControlDialogContent& content)>;

  EmployeeFileCommands(DialogServices& dialogs, const DosFileSystem& files, const InstallPaths& paths,
                       ControlQuestion ask_control)
      : dialogs_(dialogs), files_(files), paths_(paths), ask_control_(std::move(ask_control)) {}

  MaskFileCommandResult Run(MaskFileCommand command, MaskFileCommandContext& context) override;

 private:
  DialogServices& dialogs_;
  const DosFileSystem& files_;
  const InstallPaths& paths_;
  ControlQuestion ask_control_;
};

}  // namespace pekto
