// The user mask BENUDIALOG: twelve users with passwords, the user whose
// entry is used at program start, and the switch that turns the user and
// password query off; its checks, and the system file LODAT2.SYS and
// HPEKTOWU.INI written from it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "app/startup/system_file.h"
#include "installer/installer_state.h"

namespace pekto {

inline constexpr int kUserMaskRows = 12;

struct UserMaskInput {
  std::array<UserEntry, kUserMaskRows> users;
  std::string start_user = "1";  // field 336
  bool no_query = false;         // "Keine Benutzer- und Paßwortabfrage bei Programmstart"
};
[[nodiscard]] bool SameUserMask(const UserMaskInput& a, const UserMaskInput& b);

// The mask's contents from an existing system file (nullopt: none yet).
[[nodiscard]] UserMaskInput PresetUserMask(const std::optional<SystemFile>& existing);

// The first failing check's text (caption "Kontrolle!"), nullopt when all pass.
[[nodiscard]] std::optional<std::string> CheckUserMask(const UserMaskInput& input);

// The system file for `install_dir` ("C:\PEKTO"): the existing one with
// its header and first twelve users replaced and every other value kept,
// or a new one. Names and passwords are stored in upper case, as the
// login compares them.
[[nodiscard]] SystemFile BuildSystemFile(const std::optional<SystemFile>& existing, std::string_view install_dir,
                                         const UserMaskInput& input);

// Reads the installation's LODAT2.SYS when it is well formed.
[[nodiscard]] std::optional<SystemFile> ReadExistingSystemFile(const DosFileSystem& files, std::string_view install_dir);

// Writes LODAT2.SYS into the installation directory and HPEKTOWU.INI into
// the Windows directory; a failure is shown and false returned.
bool WriteInstallation(const InstallerState& state, const UserMaskInput& input, InstallerServices& services);

}  // namespace pekto
