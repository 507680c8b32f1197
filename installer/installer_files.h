// The installer's own files: HPEKTOWU.INI in the Windows directory (the
// directory of the last installation) and the hand-over file of an online
// update, C:\AUTOHWKTMP.TMP\AUTOHWKTMP.TMP.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/atomic_file.h"
#include "platform/dos_file_system.h"
#include "platform/update_hand_over.h"

namespace pekto {

inline constexpr std::string_view kInstallerSettingsName = "HPEKTOWU.INI";
inline constexpr std::string_view kUpdateSourceDir = kUnpackDir;
inline constexpr std::string_view kProgramFile = "PEKTO.EXE";

// "C:\WINDOWS\HPEKTOWU.INI".
[[nodiscard]] std::string InstallerSettingsPath();
// The directory of the last installation, "" when there is none or when
// PEKTO.EXE is not found there.
[[nodiscard]] std::string ReadLastInstallDir(const DosFileSystem& files);
[[nodiscard]] WriteResult WriteLastInstallDir(const DosFileSystem& files, std::string_view install_dir);
// The INI text: section "PEKTO", key "INSTALLATIONSVERZEICHNIS".
[[nodiscard]] std::string InstallerSettingsText(std::string_view install_dir);
[[nodiscard]] std::string InstallDirFromSettings(std::string_view bytes);

// The five lines the main program writes before it starts the update
// program: the installation directory ("C:\PEKTO"), the drive letter and
// the directory of the system file's header ("C", "PEKTO"), the
// installation directory + "\HIS", and the working directory. Lines may
// stand in double quotes.
struct InstallerHandOver {
  std::string calling_dir;   // AUFRVERZ$
  std::string drive;         // AUFZINLAUF$
  std::string dir;           // AUFABA2$
  std::string history_base;
  std::string working_dir;
  bool complete = false;  // all five lines there
  // The recorded drive and directory as one path, "C:\PEKTO".
  [[nodiscard]] std::string RecordedInstallDir() const;
};
[[nodiscard]] InstallerHandOver ParseInstallerHandOver(std::string_view bytes);

}  // namespace pekto
