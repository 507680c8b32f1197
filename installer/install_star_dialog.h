// The installer's start mask STARDIALOG: the installation directory, its
// help and folder browser, and the checks when the user continues.
#pragma once

#include "installer/installer_context.h"

namespace pekto {

class InstallStarDialog final : public Dialog {
 public:
  InstallStarDialog(InstallerContext& context, InstallerFlow& flow);

  static constexpr int kDirectoryField = 300;
  static constexpr int kVersionText = 110;
  static constexpr int kContinue = 1;
  static constexpr int kEnd = 103;
  static constexpr int kHelpButton = 550;
  static constexpr int kBrowse = 551;        // context menu of the field
  static constexpr int kExplainField = 552;  // context menu of the field
  static constexpr int kFieldHelp = 592;
  static constexpr int kTermsAgain = 992;

  void ShowFieldMenu();

 protected:
  void OnCommand(int id) override;

 private:
  void Continue();
  void Browse();

  InstallerContext& context_;
  InstallerFlow& flow_;
};

}  // namespace pekto
