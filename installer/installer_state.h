// The installer's state for one run and the services it reaches: files,
// drives, message boxes, programs and the desktop link.
#pragma once

#include <string>

#include "installer/install_target.h"
#include "platform/desktop_shell.h"
#include "platform/dos_file_system.h"
#include "platform/processes.h"
#include "ui/message_box.h"

namespace pekto {

inline constexpr std::string_view kInstallerVersion = "4.01";
inline constexpr std::string_view kDefaultInstallDir = "C:\\PEKTO";

struct InstallerState {
  bool update_mode = false;
  std::string source_dir;        // the installer's own directory, or C:\LHWUEKT
  std::string last_install_dir;  // from HPEKTOWU.INI; empty: none
  std::string install_dir;       // chosen in the start mask, "C:\PEKTO"
  bool program_archive_unpacked = false;
  std::string version = std::string(kInstallerVersion);
};

struct InstallerServices {
  const DosFileSystem& files;
  const InstallTarget& target;
  MessageBoxes& boxes;
  ProgramStarter& programs;
  DesktopShortcuts& shortcuts;
};

}  // namespace pekto
