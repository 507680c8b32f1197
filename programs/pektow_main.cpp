// pektow: the update program. pekto starts it after it has fetched and
// verified an update and written the hand-over file; it checks the update's
// signature once more, unpacks it into C:\LHWUEKT and starts the installer
// there with "-ncd". Any failure leaves the installation as it was and
// says so in a box.
#include <QApplication>

#include "online/updater.h"
#include "platform/dos_file_system.h"
#include "platform/processes.h"
#include "ui/autopilot.h"
#include "ui/windows.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  pekto::StartAutopilot("pektow");
  const auto env = pekto::SystemEnvironment();
  const pekto::DosFileSystem files(pekto::DrivesRootFromEnvironment(env));
  pekto::HostProgramStarter programs(files);
  const pekto::UpdaterResult result = pekto::RunUpdater(files, programs, pekto::ReleasePublicKey());
  if (result.outcome == pekto::UpdaterOutcome::InstallerStarted) return 0;
  pekto::ScreenMessageBoxes messages;
  pekto::MessageBoxCentered(messages, result.message, "PEKTO Fehler!", pekto::kMbIconStop);
  return 1;
}
