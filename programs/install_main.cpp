// install: the installer. From the installation medium it installs the
// package into a folder of the user's choice; after an online update
// ("-ncd") it installs the update and restarts the main program.
#include <QApplication>
#include <iostream>

#include "installer/finish.h"
#include "installer/installer_frame.h"
#include "installer/installer_files.h"
#include "installer/installer_start.h"
#include "platform/dos_path.h"
#include "platform/dos_file_system.h"
#include "ui/autopilot.h"
#include "ui/field_state.h"
#include "ui/windows.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  pekto::StartAutopilot("install");
  QApplication::setQuitOnLastWindowClosed(false);
  const auto env = pekto::SystemEnvironment();
  const pekto::DosFileSystem files(pekto::DrivesRootFromEnvironment(env));
  const std::filesystem::path program_dir = QCoreApplication::applicationDirPath().toStdString();
  const std::filesystem::path resources =
      pekto::FindResourceDirectory(env, program_dir, std::filesystem::path(PEKTO_SOURCE_DIR) / "resources");
  pekto::rc::ParseResult scripts = pekto::rc::LoadScripts(resources / "install");
  for (const auto& error : scripts.errors) std::cerr << "install: " << error << "\n";
  // An update's copy of the installer may lie without its masks: the
  // installation it updates has them.
  if (scripts.script.FindDialog("STARDIALOG") == nullptr) {
    if (const auto installed = files.HostPath(pekto::JoinDos(pekto::ReadLastInstallDir(files), "share\\pekto"))) {
      scripts = pekto::rc::LoadScripts(*installed / "install");
    }
  }

  pekto::ScreenMessageBoxes messages;
  pekto::HelpWindowViewer help(resources / "help");
  pekto::FieldState field_state;
  pekto::FieldStateStack field_states;
  pekto::DialogServices dialogs{scripts.script, messages, help, field_state, field_states};
  const pekto::HostInstallTarget target(files);
  pekto::HostProgramStarter programs(files);
  pekto::DesktopLauncherShortcuts shortcuts(files, pekto::XdgDirectoriesFromEnvironment(env));
  pekto::InstallerServices services{files, target, messages, programs, shortcuts};

  std::vector<std::string> arguments(argv + 1, argv + argc);
  auto state = pekto::StartInstaller({arguments, files.DosPathOf(program_dir), files.CurrentDirectory()}, services);
  if (!state) return 1;
  pekto::HostFolderBrowser browser(files);
  pekto::InstallerContext context{dialogs, services, *state, browser, resources};
  pekto::InstallerFrame frame(context, [] { QCoreApplication::quit(); });
  if (!frame.Start()) return 1;
  QApplication::exec();
  if (!frame.Finished()) return 1;
  pekto::FinishAfterClose(*state, services);
  return 0;
}
