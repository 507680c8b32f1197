// mandor: the group creator. Reads mandor.INI beside itself, creates the
// package's program group in the desktop's menu and ends five seconds later.
#include <QApplication>
#include <QTimer>

#include "groupmaker/program_manager.h"
#include "platform/dos_file_system.h"
#include "platform/dos_path.h"
#include "ui/autopilot.h"
#include "ui/windows.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  pekto::StartAutopilot("mandor");
  const auto env = pekto::SystemEnvironment();
  const pekto::DosFileSystem files(pekto::DrivesRootFromEnvironment(env));
  const std::string own_dir = files.DosPathOf(QCoreApplication::applicationDirPath().toStdString());
  const std::string creator_dir = own_dir.ends_with('\\') ? own_dir : own_dir + "\\";
  const auto ini = files.ReadFile(pekto::JoinDos(own_dir, pekto::kMandorIniName));

  pekto::ScreenMessageBoxes messages;
  pekto::DesktopMenuGroupService service(files, pekto::XdgDirectoriesFromEnvironment(env));
  pekto::RunGroupCreator(ini, creator_dir, service, messages);

  QTimer::singleShot(pekto::kGroupCreatorEndMilliseconds, &application, [] { QCoreApplication::quit(); });
  return QApplication::exec();
}
