// The checks of the start mask STARDIALOG, run in their order when the user
// continues: path form, drive, length, last installation, already
// installed, free space, depth and creation of the directory, read-only
// files, the program archive, the wage-type question and the data archive.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "installer/installer_state.h"

namespace pekto {

inline constexpr std::uintmax_t kRequiredFreeBytes = 1300000;
inline constexpr std::size_t kMaxInstallPathLength = 124;  // length + 5 must not pass 127
inline constexpr std::size_t kMaxDirectoryLevels = 6;
inline constexpr std::string_view kProgramArchive = "ARCVAI.EXE";
inline constexpr std::string_view kDataArchive = "ARCVAA.EXE";
inline constexpr std::string_view kWageTypeFile = "LOHNAR.DAT";

enum class StartMaskOutcome { BackToField, OpenUserMask, EndInstaller };

// The directory as typed, checked (1-9), created, and the archives
// unpacked (10, 11). On OpenUserMask `state.install_dir` holds it.
[[nodiscard]] StartMaskOutcome ContinueFromStartMask(std::string_view typed, InstallerState& state,
                                                     InstallerServices& services);

// "C:\PEKTO" and "c:\Lohn\Pekto" have the form; "PEKTO", "\\server\x",
// "C:PEKTO", names with "..", "*" or "?" do not.
[[nodiscard]] bool HasInstallPathForm(std::string_view path);

}  // namespace pekto
