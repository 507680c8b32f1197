// pekto: the payroll program. Starts in the working directory that holds
// the installation's system file, through the start mask to the main mask.
#include <QApplication>
#include <QScreen>
#include <iostream>

#include "app/dialogs/program_frame.h"
#include "online/progress_dialog.h"
#include "online/vendor_online_services.h"
#include "online/vess_dialog.h"
#include "app/startup/program_state.h"
#include "platform/dos_file_system.h"
#include "platform/processes.h"
#include "ui/autopilot.h"
#include "ui/windows.h"

namespace {

std::filesystem::path ResourceDirectory(const pekto::EnvironmentLookup& env) {
  const std::filesystem::path program_dir = QCoreApplication::applicationDirPath().toStdString();
  return pekto::FindResourceDirectory(env, program_dir, std::filesystem::path(PEKTO_SOURCE_DIR) / "resources");
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  pekto::StartAutopilot("pekto");
  QApplication::setQuitOnLastWindowClosed(false);
  const auto env = pekto::SystemEnvironment();
  const pekto::DosFileSystem files(pekto::DrivesRootFromEnvironment(env));
  const std::filesystem::path resources = ResourceDirectory(env);
  const pekto::rc::ParseResult scripts = pekto::rc::LoadScripts(resources / "pekto");
  for (const auto& error : scripts.errors) std::cerr << "pekto: " << error << "\n";

  pekto::ScreenMessageBoxes messages;
  pekto::HelpWindowViewer help(resources / "help");
  pekto::ProgramState state;
  pekto::DialogServices dialogs{scripts.script, messages, help, state.field_state, state.field_states};
  pekto::HostProgramStarter programs(files);
  pekto::HostDocumentOpener documents(files);
  pekto::ProgressHttpClient http(dialogs);
  pekto::ScreenUpdateOffers offers(dialogs);
  pekto::VendorOnlineServices online({files, messages, http, programs, documents, offers, env});
  pekto::AppContext context{dialogs, state, files, documents, programs, online, resources};
  pekto::ProgramFrame frame(context, [] { QCoreApplication::quit(); });

  pekto::StartupServices startup{files, messages, online, frame};
  const QScreen* screen = QGuiApplication::primaryScreen();
  const int width = screen != nullptr ? screen->geometry().width() : 1024;
  if (pekto::RunStartup(state, {files.CurrentDirectory(), width}, startup) == pekto::StartupOutcome::EndProgram) {
    return 1;
  }
  return QApplication::exec();
}
